#pragma once
// The simulated desktop's drawing surface: a 32-bit raster with fixed font metrics, so
// that geometry which depends on text size (menu widths, centred captions, the rotated
// side-bar caption) comes out the same on every run and can be checked pixel by pixel.
//
// Text is not rendered as glyphs. Each character occupies a cell of SimCharWidth x
// SimLineHeight pixels; a visible character is a solid block inside its cell in the text
// colour (SimGlyphBox), a space is empty. An opaque text background fills the cells first.
// An accelerator underline is the row SimUnderlineRow of the cell, across its width.
// Escapement 900 turns the cells as SimTextOp describes; any other escapement is drawn
// horizontally. Every text drawn is also logged (SimTextOp), so a test can ask what was
// written where without decoding blocks.
#include <string>
#include <vector>

#include "platform/graphics.h"

namespace pv::sim {

// Width of every character cell: half the point size plus two, one more when bold.
// 8 pt: 6, 9 pt: 6, 10 pt: 7 (bold 8).
inline int SimCharWidth(int pointSize, bool bold) { return pointSize / 2 + 2 + (bold ? 1 : 0); }
// Height of a line: one and a half times the point size plus one. 8 pt: 13, 9 pt: 14, 10 pt: 16.
inline int SimLineHeight(int pointSize) { return pointSize + pointSize / 2 + 1; }
// The simulated screen's resolution.
inline constexpr int kSimPixelsPerInch = 96;

// The solid block of a visible character, relative to its cell as laid out horizontally:
// columns [1, cellWidth - 1), rows [2, lineHeight - 3).
inline TRect SimGlyphBox(int cellWidth, int lineHeight) { return TRect{1, 2, cellWidth - 1, lineHeight - 3}; }
// The row of the accelerator underline inside a horizontal cell.
inline int SimUnderlineRow(int lineHeight) { return lineHeight - 2; }

// One text run as drawn. (X, Y) is the start point: the top-left corner of the first cell
// for horizontal text. With escapement 900 the axes swap and the text runs upward: the
// first cell spans columns [X, X + line height) and rows [Y - cell width, Y), the next one
// sits above it, and the cells' tops face left.
struct SimTextOp {
    std::string Text;         // as shown: accelerator marks removed, "&&" as one "&"
    int X = 0, Y = 0;
    FontSpec Font;
    int Escapement = 0;
    TColor Color = 0;
    bool Opaque = false;
    TColor Background = 0;
    TRect Clip;               // nothing outside it was touched
    int Underlined = -1;      // index in Text of the underlined character, or -1
};

class SimBitmapCanvas final : public IBitmapCanvas {
public:
    // Negative sizes raise EInvalidGraphic; a zero size gives a canvas that draws nothing.
    SimBitmapCanvas(int width, int height, TColor fill);

    void SetFont(const FontSpec& font, int escapement) override;
    void SetTextColor(TColor color) override { textColor_ = color; }
    void SetTextBackground(TColor color, bool opaque) override;
    void SetPenColor(TColor color) override { penColor_ = color; }
    void MoveTo(int x, int y) override { pos_ = TPoint{x, y}; }
    void LineTo(int x, int y) override;
    void FillRect(const TRect& rect, TColor color) override;
    // Cells along the text times the cell width, by the line height; the extent does not
    // turn with the escapement, as the system's does not.
    TSize TextExtent(const std::string& text) override;
    // Left, Center or Right; Top, or VCenter with SingleLine; without SingleLine each "\n"
    // starts a new line. Clipped to the rectangle unless NoClip. The start point is laid
    // out as for horizontal text, whatever the escapement.
    void DrawText(const std::string& text, const TRect& rect, unsigned flags) override;
    void TextRect(const TRect& clip, int x, int y, const std::string& text) override;
    void DrawBitmap(int x, int y, const TBitmap32& image, bool greyed) override;
    int PixelsPerInch() override { return kSimPixelsPerInch; }
    TBitmap32 Pixels() override { return raster_; }

    const TBitmap32& Raster() const { return raster_; }
    // The pixel at (x, y) as a system colour (0x00BBGGRR), for comparing with SysColor.
    TColor ColorAt(int x, int y) const;
    const std::vector<SimTextOp>& Texts() const { return texts_; }
    const FontSpec& Font() const { return font_; }
    int Escapement() const { return escapement_; }

private:
    // A run of characters, one cell each; `underlined` indexes into `chars`, or -1.
    void DrawRun(int x, int y, const std::u16string& chars, int underlined, const TRect& clip);
    void Plot(int x, int y, TColor color, const TRect& clip);
    void FillClipped(TRect rect, TColor color, const TRect& clip);
    // A horizontal cell-relative box placed for the current escapement.
    TRect CellBox(int x, int y, int cell, const TRect& box) const;
    TRect Bounds() const { return TRect{0, 0, raster_.Width, raster_.Height}; }
    int CellWidth() const { return SimCharWidth(font_.Size, font_.Bold); }
    int LineHeight() const { return SimLineHeight(font_.Size); }
    bool Upward() const { return escapement_ == 900; }

    TBitmap32 raster_;
    FontSpec font_;
    int escapement_ = 0;
    TColor textColor_ = 0;
    TColor background_ = 0x00FFFFFF;
    bool opaque_ = true;
    TColor penColor_ = 0;
    TPoint pos_;
    std::vector<SimTextOp> texts_;
};

}  // namespace pv::sim
