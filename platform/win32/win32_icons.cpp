// File icons from the shell and icon files from disk, turned into 32-bit pictures with
// straight alpha for the image lists.
#include "platform/win32/win32_common.h"

#include <algorithm>
#include <memory>
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
        width_ = width;
        height_ = height;
        Fill(fill);
    }
    void Fill(uint32_t colour) {
        GdiFlush();
        std::fill(bits_, bits_ + static_cast<size_t>(width_) * height_, colour);
    }
    bool Fits(int width, int height) const { return width_ == width && height_ == height; }
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
    int width_ = 0, height_ = 0;
};

// The two surfaces an icon is drawn on, kept for the next icon of the same size: a reload
// renders hundreds of icons, and making and freeing a DC and a DIB section for each one
// costs more than the drawing.
struct TIconSurfaces {
    std::unique_ptr<TSurface> Black, White;
    void Prepare(int width, int height) {
        if (!Black || !Black->Fits(width, height)) {
            Black.reset();
            White.reset();
            Black = std::make_unique<TSurface>(width, height, 0x00000000);
            White = std::make_unique<TSurface>(width, height, 0x00FFFFFF);
            return;
        }
        Black->Fill(0x00000000);
        White->Fill(0x00FFFFFF);
    }
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
    thread_local TIconSurfaces surfaces;
    surfaces.Prepare(width, height);
    const TSurface& black = *surfaces.Black;
    const TSurface& white = *surfaces.White;
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

// The shell's system image lists, from small to the largest: the picture of a file at a
// size is taken from the first list whose pictures are at least that large, so that it
// is drawn down to the size, never blown up.
constexpr int kShellLists[] = {SHIL_SMALL, SHIL_LARGE, SHIL_EXTRALARGE, 4 /* SHIL_JUMBO */};
// IImageList; the list it gives is also a plain image-list handle.
constexpr GUID kImageListId = {0x46eb5926, 0x582e, 0x4017, {0x9f, 0xdf, 0xe8, 0x99, 0x8d, 0xaa, 0x09, 0x50}};

// The shell's icon of the file at the size of the list nearest to `size` from above (or
// the largest list there is); null when the shell has none.
HICON ShellIconFor(const std::wstring& path, int size) {
    SHFILEINFOW info{};
    if (!SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, SHGFI_SYSICONINDEX)) return nullptr;
    HICON best = nullptr;
    for (int which : kShellLists) {
        void* list = nullptr;
        if (FAILED(SHGetImageList(which, kImageListId, &list)) || !list) continue;
        HIMAGELIST images = static_cast<HIMAGELIST>(list);
        int cx = 0, cy = 0;
        HICON icon = ImageList_GetIconSize(images, &cx, &cy) ? ImageList_GetIcon(images, info.iIcon, ILD_TRANSPARENT)
                                                               : nullptr;
        static_cast<IUnknown*>(list)->Release();
        if (!icon) continue;
        if (best) DestroyIcon(best);
        best = icon;
        if (cx >= size && cy >= size) break;
    }
    return best;
}

}  // namespace

std::optional<TBitmap32> Win32Shell::FileIcon(const std::string& path, int size) {
    if (path.empty() || size <= 0) return std::nullopt;
    const std::wstring wide = Wide(path);
    if (size != 16) {
        // A system without the image lists of several sizes gives the large icon.
        HICON drawn = ShellIconFor(wide, size);
        if (!drawn) {
            SHFILEINFOW info{};
            if (SHGetFileInfoW(wide.c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_LARGEICON)) drawn = info.hIcon;
        }
        if (!drawn) return std::nullopt;
        TIconHandle icon(drawn);
        return RenderIcon(icon.get(), size, size);
    }
    SHFILEINFOW info{};
    if (!SHGetFileInfoW(wide.c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON) || !info.hIcon)
        return std::nullopt;
    TIconHandle icon(info.hIcon);
    SIZE own = IconSize(icon.get());
    return RenderIcon(icon.get(), own.cx, own.cy);
}

TBitmap32 Win32Shell::IconFile(const std::string& path, int size) {
    const std::wstring wide = Wide(path);
    // Opened first, so that a file that is missing or locked is told apart from one that
    // is there but holds no icon.
    HANDLE file = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw EFOpenError("Cannot open file \"" + path + "\". " + LastErrorText());
    CloseHandle(file);
    if (size <= 0) size = 16;
    TIconHandle icon(static_cast<HICON>(LoadImageW(nullptr, wide.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE)));
    if (!icon.get()) throw EInvalidGraphic("Invalid icon: \"" + path + "\" cannot be read as an icon");
    return RenderIcon(icon.get(), size, size);
}

}  // namespace pv::win32
