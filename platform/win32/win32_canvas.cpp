#include "platform/win32/win32_common.h"

#include "platform/win32/win32_canvas.h"

#include <algorithm>
#include <cwchar>

#include "platform/win32/win32_ui.h"
#include "util/exception.h"

namespace pv::win32 {

namespace {

RECT ToRect(const TRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }

BITMAPINFO TopDownInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // negative: the first row in memory is the top row
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// Memory layout of a 32-bit DIB pixel is B, G, R, A: as a 32-bit number 0xAARRGGBB, the
// raster's own layout, except that AlphaBlend wants the colours premultiplied.
uint32_t Premultiplied(uint32_t argb) {
    uint32_t a = argb >> 24;
    auto channel = [&](int shift) { return ((((argb >> shift) & 0xFF) * a + 127) / 255) << shift; };
    return (a << 24) | channel(16) | channel(8) | channel(0);
}

// The prefix rule of DrawText: "&&" is one "&", a lone "&" marks the next character and
// is not shown.
std::wstring WithoutPrefixes(const std::wstring& text) {
    std::wstring out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&') {
            if (i + 1 < text.size() && text[i + 1] == L'&') out += text[++i];
            continue;
        }
        out += text[i];
    }
    return out;
}

}  // namespace

thread_local void (*bitmapCanvasSetUpStep)(HDC) = nullptr;

Win32Canvas::Win32Canvas(HDC dc) : Win32Canvas(dc, SaveDC(dc)) {}

Win32Canvas::Win32Canvas(HDC dc, int savedState) : dc_(dc), saved_(savedState) {}

Win32Canvas::~Win32Canvas() {
    // Restoring the DC deselects what the canvas selected, so its objects can go. Where the
    // state could not be saved or restored, the DC's own font and pen go back in by hand:
    // an object still selected is not deleted.
    if (!(saved_ && RestoreDC(dc_, saved_))) {
        if (oldFont_) SelectObject(dc_, oldFont_);
        if (oldPen_) SelectObject(dc_, oldPen_);
    }
    if (font_) DeleteObject(font_);
    if (pen_) DeleteObject(pen_);
}

void Win32Canvas::SetFont(const FontSpec& font, int escapement) {
    if (font_ && font == fontSpec_ && escapement == escapement_) return;
    std::wstring face = Wide(font.Name);
    // Only outline fonts can be turned, so a rotated font asks for one.
    HFONT made = CreateFontW(-MulDiv(font.Size, PixelsPerInch(), 72), 0, escapement, escapement,
                             font.Bold ? FW_BOLD : FW_NORMAL, font.Italic, font.Underline, FALSE, DEFAULT_CHARSET,
                             escapement ? OUT_TT_PRECIS : OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, face.c_str());
    if (!made) throw EOutOfResources("Cannot create the font \"" + font.Name + "\": " + LastErrorText());
    HGDIOBJ previous = SelectObject(dc_, made);
    if (!oldFont_) oldFont_ = previous;
    if (font_) DeleteObject(font_);
    font_ = made;
    fontSpec_ = font;
    escapement_ = escapement;
}

void Win32Canvas::SetTextColor(TColor color) { ::SetTextColor(dc_, color); }

void Win32Canvas::SetTextBackground(TColor color, bool opaque) {
    SetBkColor(dc_, color);
    SetBkMode(dc_, opaque ? OPAQUE : TRANSPARENT);
}

void Win32Canvas::SetPenColor(TColor color) {
    if (pen_ && color == penColor_) return;
    HPEN made = CreatePen(PS_SOLID, 1, color);
    if (!made) throw EOutOfResources("Cannot create a pen: " + LastErrorText());
    HGDIOBJ previous = SelectObject(dc_, made);
    if (!oldPen_) oldPen_ = previous;
    if (pen_) DeleteObject(pen_);
    pen_ = made;
    penColor_ = color;
}

void Win32Canvas::MoveTo(int x, int y) { MoveToEx(dc_, x, y, nullptr); }

void Win32Canvas::LineTo(int x, int y) { ::LineTo(dc_, x, y); }

void Win32Canvas::FillRect(const TRect& rect, TColor color) {
    HBRUSH brush = CreateSolidBrush(color);
    if (!brush) throw EOutOfResources("Cannot create a brush: " + LastErrorText());
    RECT r = ToRect(rect);
    ::FillRect(dc_, &r, brush);
    DeleteObject(brush);
}

TSize Win32Canvas::TextExtent(const std::string& text) {
    std::wstring w = Wide(text);
    SIZE size{};
    GetTextExtentPoint32W(dc_, w.c_str(), static_cast<int>(w.size()), &size);
    if (w.empty()) {
        // An empty text still has the line's height, as a caption without words does.
        TEXTMETRICW tm{};
        if (GetTextMetricsW(dc_, &tm)) size.cy = tm.tmHeight;
    }
    return TSize{size.cx, size.cy};
}

void Win32Canvas::DrawText(const std::string& text, const TRect& rect, unsigned flags) {
    std::wstring w = Wide(text);
    if ((flags & TextFlag::HidePrefix) && !(flags & TextFlag::NoPrefix)) {
        // Some systems (Wine among them) still underline with DT_HIDEPREFIX, so the marks
        // are taken out here and the rest is drawn as it stands.
        w = WithoutPrefixes(w);
        flags = (flags & ~TextFlag::HidePrefix) | TextFlag::NoPrefix;
    }
    RECT r = ToRect(rect);
    DrawTextW(dc_, w.c_str(), static_cast<int>(w.size()), &r, flags);
}

void Win32Canvas::TextRect(const TRect& clip, int x, int y, const std::string& text) {
    std::wstring w = Wide(text);
    RECT r = ToRect(clip);
    ExtTextOutW(dc_, x, y, ETO_CLIPPED, &r, w.c_str(), static_cast<UINT>(w.size()), nullptr);
}

void Win32Canvas::DrawBitmap(int x, int y, const TBitmap32& image, bool greyed) {
    if (image.Empty()) return;
    TBitmap32 shown = greyed ? Greyed(image) : image;
    BITMAPINFO info = TopDownInfo(shown.Width, shown.Height);
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dib) throw EOutOfResources("Cannot create a bitmap: " + LastErrorText());
    auto* out = static_cast<uint32_t*>(bits);
    std::transform(shown.Pixels.begin(), shown.Pixels.end(), out, Premultiplied);
    HDC source = CreateCompatibleDC(dc_);
    HGDIOBJ old = SelectObject(source, dib);
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc_, x, y, shown.Width, shown.Height, source, 0, 0, shown.Width, shown.Height, blend);
    SelectObject(source, old);
    DeleteDC(source);
    DeleteObject(dib);
}

int Win32Canvas::PixelsPerInch() {
    int dpi = GetDeviceCaps(dc_, LOGPIXELSY);
    return dpi > 0 ? dpi : 96;
}

namespace {

// What a bitmap canvas holds, each given back by its own destructor, so that a step of
// the set-up that throws leaves nothing behind.
struct MemoryDc {
    HDC Handle = nullptr;
    ~MemoryDc() {
        if (Handle) DeleteDC(Handle);
    }
};
struct OwnedBitmap {
    HBITMAP Handle = nullptr;
    ~OwnedBitmap() {
        if (Handle) DeleteObject(Handle);
    }
};
// The DC's own bitmap goes back in before the section can be deleted.
struct BitmapSelection {
    HDC Dc = nullptr;
    HGDIOBJ Old = nullptr;
    ~BitmapSelection() {
        if (Dc && Old) SelectObject(Dc, Old);
    }
};

// A picture of its own: a 32-bit top-down DIB section selected into a memory DC, drawn
// through a Win32Canvas and read back directly from the section's bits.
class Win32BitmapCanvas final : public IBitmapCanvas {
public:
    Win32BitmapCanvas(int width, int height, TColor fill) : width_(width), height_(height) {
        if (width < 0 || height < 0 || width > kMaxBmpDimension || height > kMaxBmpDimension)
            throw EInvalidGraphic("Invalid bitmap: cannot create a canvas of " + std::to_string(width) + " x " +
                                  std::to_string(height) + " pixels");
        dc_.Handle = CreateCompatibleDC(nullptr);
        if (!dc_.Handle) throw EOutOfResources("Cannot create a memory device context: " + LastErrorText());
        // A zero size still gets a section of one pixel, so that drawing has somewhere to go.
        BITMAPINFO info = TopDownInfo(std::max(1, width), std::max(1, height));
        void* bits = nullptr;
        dib_.Handle = CreateDIBSection(dc_.Handle, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (!dib_.Handle) throw EOutOfResources("Cannot create a bitmap: " + LastErrorText());
        bits_ = static_cast<const uint32_t*>(bits);
        selection_.Old = SelectObject(dc_.Handle, dib_.Handle);
        selection_.Dc = dc_.Handle;
        if (bitmapCanvasSetUpStep) bitmapCanvasSetUpStep(dc_.Handle);
        canvas_ = std::make_unique<Win32Canvas>(dc_.Handle);
        canvas_->FillRect(TRect{0, 0, width, height}, fill);
    }
    // Members go in reverse: the canvas gives the DC back, the old bitmap goes in, then
    // the section and the DC are deleted.
    ~Win32BitmapCanvas() override = default;
    Win32BitmapCanvas(const Win32BitmapCanvas&) = delete;
    Win32BitmapCanvas& operator=(const Win32BitmapCanvas&) = delete;

    void SetFont(const FontSpec& font, int escapement) override { canvas_->SetFont(font, escapement); }
    void SetTextColor(TColor color) override { canvas_->SetTextColor(color); }
    void SetTextBackground(TColor color, bool opaque) override { canvas_->SetTextBackground(color, opaque); }
    void SetPenColor(TColor color) override { canvas_->SetPenColor(color); }
    void MoveTo(int x, int y) override { canvas_->MoveTo(x, y); }
    void LineTo(int x, int y) override { canvas_->LineTo(x, y); }
    void FillRect(const TRect& rect, TColor color) override { canvas_->FillRect(rect, color); }
    TSize TextExtent(const std::string& text) override { return canvas_->TextExtent(text); }
    void DrawText(const std::string& text, const TRect& rect, unsigned flags) override {
        canvas_->DrawText(text, rect, flags);
    }
    void TextRect(const TRect& clip, int x, int y, const std::string& text) override {
        canvas_->TextRect(clip, x, y, text);
    }
    void DrawBitmap(int x, int y, const TBitmap32& image, bool greyed) override {
        canvas_->DrawBitmap(x, y, image, greyed);
    }
    int PixelsPerInch() override { return canvas_->PixelsPerInch(); }

    // GDI leaves the alpha byte of what it draws undefined; the picture is opaque.
    TBitmap32 Pixels() override {
        GdiFlush();
        TBitmap32 out = TBitmap32::Create(width_, height_);
        std::transform(bits_, bits_ + out.Pixels.size(), out.Pixels.begin(),
                       [](uint32_t p) { return p | 0xFF000000u; });
        return out;
    }

private:
    int width_, height_;
    MemoryDc dc_;
    OwnedBitmap dib_;
    BitmapSelection selection_;
    const uint32_t* bits_ = nullptr;
    std::unique_ptr<Win32Canvas> canvas_;
};

}  // namespace

std::unique_ptr<IBitmapCanvas> Win32UserInterface::CreateBitmapCanvas(int width, int height, TColor fill) {
    return std::make_unique<Win32BitmapCanvas>(width, height, fill);
}

}  // namespace pv::win32
