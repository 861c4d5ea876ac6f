#pragma once
// A drawing surface over a device context: the DC a menu hands out with WM_DRAWITEM and
// WM_MEASUREITEM, or the memory DC of a bitmap canvas. The canvas borrows the DC and
// gives it back as it found it: the DC's state is saved at construction and restored at
// destruction, and the fonts and pens the canvas made are deleted then.
// Through the backend's common header, so that the system headers cannot rename DrawText.
#include "platform/win32/win32_common.h"
#include "platform/graphics.h"

namespace pv::win32 {

class Win32Canvas final : public ICanvas {
public:
    explicit Win32Canvas(HDC dc);
    // Over a DC whose state was already saved as `savedState` (what SaveDC answered; 0 when
    // the save failed).
    Win32Canvas(HDC dc, int savedState);
    ~Win32Canvas() override;
    Win32Canvas(const Win32Canvas&) = delete;
    Win32Canvas& operator=(const Win32Canvas&) = delete;

    // The font is made anew only when it differs from the one in the DC: the toolkit's
    // canvas hands over its font before every operation.
    void SetFont(const FontSpec& font, int escapement) override;
    void SetTextColor(TColor color) override;
    void SetTextBackground(TColor color, bool opaque) override;
    void SetPenColor(TColor color) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void FillRect(const TRect& rect, TColor color) override;
    TSize TextExtent(const std::string& text) override;
    // HidePrefix is carried out by the canvas, not left to the system.
    void DrawText(const std::string& text, const TRect& rect, unsigned flags) override;
    void TextRect(const TRect& clip, int x, int y, const std::string& text) override;
    void DrawBitmap(int x, int y, const TBitmap32& image, bool greyed) override;
    int PixelsPerInch() override;

    HDC Handle() const { return dc_; }

private:
    HDC dc_;
    int saved_ = 0;
    HFONT font_ = nullptr;
    FontSpec fontSpec_;
    int escapement_ = 0;
    HPEN pen_ = nullptr;
    TColor penColor_ = 0;
    // What the DC held before the canvas's first font and pen.
    HGDIOBJ oldFont_ = nullptr;
    HGDIOBJ oldPen_ = nullptr;
};

// For tests: when set, called while a bitmap canvas is made, once its memory DC holds its
// bitmap; a throw from it stands for a later step of the set-up failing.
extern thread_local void (*bitmapCanvasSetUpStep)(HDC);

}  // namespace pv::win32
