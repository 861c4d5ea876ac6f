#pragma once
// A drawing surface as the toolkit offers it: a font, a pen and a brush that the
// operations use, over a platform canvas (a device context or a simulated raster).
#include <string>

#include "platform/graphics.h"

namespace pv {

namespace FontStyle {
inline constexpr unsigned Bold = 1, Italic = 2, Underline = 4;
}

struct TFont {
    std::string Name = "Tahoma";
    int Size = 8;         // points
    unsigned Style = 0;   // FontStyle bits
    TColor Color = 0;     // text colour
    int Escapement = 0;   // tenths of a degree; 900 runs the text upward
    bool operator==(const TFont&) const = default;
};

struct TPen {
    TColor Color = 0;
};

// The brush fills rectangles and is the background behind text, unless it is clear.
struct TBrush {
    TColor Color = 0x00FFFFFF;
    bool Clear = false;
};

class TCanvas {
public:
    explicit TCanvas(ICanvas& surface) : surface_(surface) {}
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TFont Font;
    TPen Pen;
    TBrush Brush;

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void FillRect(const TRect& rect);
    TSize TextExtent(const std::string& text);
    int TextWidth(const std::string& text) { return TextExtent(text).cx; }
    int TextHeight(const std::string& text) { return TextExtent(text).cy; }
    void TextOut(int x, int y, const std::string& text);
    void TextRect(const TRect& clip, int x, int y, const std::string& text);
    void DrawText(const std::string& text, const TRect& rect, unsigned flags);
    void Draw(int x, int y, const TBitmap32& image, bool greyed = false);
    int PixelsPerInch() { return surface_.PixelsPerInch(); }
    ICanvas& Surface() { return surface_; }

private:
    void ApplyFont();
    void ApplyText();
    ICanvas& surface_;
};

}  // namespace pv
