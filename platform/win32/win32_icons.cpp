// File icons from the shell and icon files from disk, turned into 32-bit pictures with
// straight alpha for the image lists.
#include "platform/win32/win32_common.h"

#include <algorithm>
#include <string>

#include "platform/win32/win32_system.h"
#include "util/exception.h"

namespace pv::win32 {

namespace {

class TIconHandle {
public:
    explicit TIconHandle(HICON h) : h_(h) {}
    ~TIconHandle() {
        if (h_) DestroyIcon(h_);
    }
    TIconHandle(const TIconHandle&) = delete;
    TIconHandle& operator=(const TIconHandle&) = delete;
    HICON get() const { return h_; }

private:
    HICON h_;
};

// A top-down 32-bit DIB section of one colour, selected into a memory DC of its own.
class TSurface {
public:
    TSurface(int width, int height, uint32_t fill) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        if (!dc_ || !bitmap_ || !bits_) {
            Release();
            throw EOutOfResources("Cannot create a bitmap to draw an icon on. " + LastErrorText());
        }
        old_ = SelectObject(dc_, bitmap_);
        std::fill(bits_, bits_ + static_cast<size_t>(width) * height, fill);
    }
    ~TSurface() { Release(); }
    TSurface(const TSurface&) = delete;
    TSurface& operator=(const TSurface&) = delete;
    HDC dc() const { return dc_; }
    const uint32_t* bits() const { return bits_; }

private:
    void Release() {
        if (dc_ && old_) SelectObject(dc_, old_);
        if (bitmap_) DeleteObject(bitmap_);
        if (dc_) DeleteDC(dc_);
    }
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    uint32_t* bits_ = nullptr;
};

// The icon's own size: its colour bitmap's, or half its mask's for a monochrome icon.
SIZE IconSize(HICON icon) {
    SIZE size{16, 16};
    ICONINFO ii{};
    if (!GetIconInfo(icon, &ii)) return size;
    BITMAP bm{};
    if (ii.hbmColor && GetObjectW(ii.hbmColor, sizeof bm, &bm)) size = {bm.bmWidth, bm.bmHeight};
    else if (ii.hbmMask && GetObjectW(ii.hbmMask, sizeof bm, &bm)) size = {bm.bmWidth, bm.bmHeight / 2};
    if (ii.hbmColor) DeleteObject(ii.hbmColor);
    if (ii.hbmMask) DeleteObject(ii.hbmMask);
    if (size.cx <= 0 || size.cy <= 0 || size.cx > 256 || size.cy > 256) size = {16, 16};
    return size;
}

uint32_t Channel(uint32_t pixel, int shift) { return (pixel >> shift) & 0xFF; }

// The icon drawn by the system, once over black and once over white. Over black a pixel
// gives its colour times its alpha; over white as much more as the white still shows
// through, which is (1 - alpha). That reads alpha icons and old mask icons alike, exactly
// as the system itself draws them. A mask pixel that inverts the screen has no picture
// equivalent and comes out opaque.
TBitmap32 RenderIcon(HICON icon, int width, int height) {
    TSurface black(width, height, 0x00000000), white(width, height, 0x00FFFFFF);
    if (!DrawIconEx(black.dc(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL) ||
        !DrawIconEx(white.dc(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL))
        throw EInvalidGraphic("Invalid icon: the system cannot draw it. " + LastErrorText());
    GdiFlush();
    TBitmap32 out = TBitmap32::Create(width, height);
    for (size_t i = 0; i < out.Pixels.size(); ++i) {
        const uint32_t b = black.bits()[i], w = white.bits()[i];
        int shown = 0;
        for (int shift : {16, 8, 0})
            shown += std::clamp(static_cast<int>(Channel(w, shift)) - static_cast<int>(Channel(b, shift)), 0, 255);
        const uint32_t alpha = 255 - static_cast<uint32_t>((shown + 1) / 3);
        if (alpha == 0) continue;
        uint32_t argb = alpha << 24;
        for (int shift : {16, 8, 0})
            argb |= std::min<uint32_t>(255, (Channel(b, shift) * 255 + alpha / 2) / alpha) << shift;
        out.Pixels[i] = argb;
    }
    return out;
}

}  // namespace

std::optional<TBitmap32> Win32Shell::FileSmallIcon(const std::string& path) {
    if (path.empty()) return std::nullopt;
    SHFILEINFOW info{};
    if (!SHGetFileInfoW(Wide(path).c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON) || !info.hIcon)
        return std::nullopt;
    TIconHandle icon(info.hIcon);
    SIZE size = IconSize(icon.get());
    return RenderIcon(icon.get(), size.cx, size.cy);
}

TBitmap32 Win32Shell::LoadIconFile(const std::string& path) {
    const std::wstring wide = Wide(path);
    // Opened first, so that a file that is missing or locked is told apart from one that
    // is there but holds no icon.
    HANDLE file = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw EFOpenError("Cannot open file \"" + path + "\". " + LastErrorText());
    CloseHandle(file);
    TIconHandle icon(static_cast<HICON>(LoadImageW(nullptr, wide.c_str(), IMAGE_ICON, 16, 16, LR_LOADFROMFILE)));
    if (!icon.get()) throw EInvalidGraphic("Invalid icon: \"" + path + "\" cannot be read as an icon");
    return RenderIcon(icon.get(), 16, 16);
}

}  // namespace pv::win32
