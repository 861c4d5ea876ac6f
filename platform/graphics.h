#pragma once
// Drawing surfaces of the seam: a canvas over a device context on Windows, over a 32-bit
// raster with fixed font metrics on the simulated desktop, so that what the menu painter
// draws can be checked pixel by pixel.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/types.h"
#include "util/bitmap.h"

namespace pv {

// Colours as the system gives them: 0x00BBGGRR.
using TColor = uint32_t;

// System colour indexes, numbered as the system numbers them.
namespace SysColorIndex {
inline constexpr int InactiveCaption = 3;
inline constexpr int Menu = 4;
inline constexpr int Window = 5;
inline constexpr int MenuText = 7;
inline constexpr int WindowText = 8;
inline constexpr int Highlight = 13;
inline constexpr int HighlightText = 14;
inline constexpr int BtnFace = 15;
inline constexpr int BtnShadow = 16;
inline constexpr int InactiveCaptionText = 19;
inline constexpr int BtnHighlight = 20;
}  // namespace SysColorIndex

// Text layout flags of DrawText, numbered as the system numbers them.
namespace TextFlag {
inline constexpr unsigned Left = 0x0000;
inline constexpr unsigned Center = 0x0001;
inline constexpr unsigned Right = 0x0002;
inline constexpr unsigned VCenter = 0x0004;
inline constexpr unsigned SingleLine = 0x0020;
inline constexpr unsigned NoClip = 0x0100;
inline constexpr unsigned NoPrefix = 0x0800;    // "&" is an ordinary character
inline constexpr unsigned HidePrefix = 0x100000;  // "&" marks are removed, nothing underlined
}  // namespace TextFlag

class ICanvas {
public:
    virtual ~ICanvas() = default;
    // Escapement in tenths of a degree: 900 runs the text upward.
    virtual void SetFont(const FontSpec& font, int escapement) = 0;
    virtual void SetTextColor(TColor color) = 0;
    // The background behind text: opaque in that colour, or transparent.
    virtual void SetTextBackground(TColor color, bool opaque) = 0;
    virtual void SetPenColor(TColor color) = 0;
    virtual void MoveTo(int x, int y) = 0;
    // A line in the pen colour up to, not including, the end point.
    virtual void LineTo(int x, int y) = 0;
    virtual void FillRect(const TRect& rect, TColor color) = 0;
    // The size of the text in the current font; an "&" counts as an ordinary character.
    virtual TSize TextExtent(const std::string& text) = 0;
    // Text in a rectangle by the flags; without NoPrefix an "&" underlines the next
    // character and "&&" stands for one "&".
    virtual void DrawText(const std::string& text, const TRect& rect, unsigned flags) = 0;
    // Text at (x, y), cut off outside `clip`, on the text background.
    virtual void TextRect(const TRect& clip, int x, int y, const std::string& text) = 0;
    // Draws a picture blended by its alpha; greyed in the disabled style when asked.
    virtual void DrawBitmap(int x, int y, const TBitmap32& image, bool greyed) = 0;
    virtual int PixelsPerInch() = 0;
};

// A canvas over a picture of its own, whose pixels can be read back.
class IBitmapCanvas : public ICanvas {
public:
    virtual TBitmap32 Pixels() = 0;
};

}  // namespace pv
