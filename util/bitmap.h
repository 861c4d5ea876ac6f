#pragma once
// A 32-bit raster and the few operations the item icons need: fill, alpha-blended drawing
// of one raster onto another, scaling and a greyed copy. Pure arithmetic, so the menu
// pictures, the tree pictures and the icon files come out the same on every platform.
#include <cstdint>
#include <vector>

namespace pv {

// Largest width or height a raster may have; far beyond any icon, small enough that
// every size computation stays well inside 64 bits.
inline constexpr int kMaxBmpDimension = 32768;

// Each pixel is 0xAARRGGBB with straight (not premultiplied) alpha; rows are stored top
// row first, left to right, so pixel (x, y) is Pixels[y * Width + x]. Code that fills the
// fields itself must keep Pixels.size() == Width * Height.
struct TBitmap32 {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Pixels;

    // A width x height raster with every pixel set to `argb`. Negative sizes and sizes
    // above kMaxBmpDimension raise EInvalidGraphic; a zero size gives an empty raster.
    static TBitmap32 Create(int width, int height, uint32_t argb = 0);

    bool Contains(int x, int y) const;
    // Both raise EListError for a position outside the raster.
    uint32_t Pixel(int x, int y) const;
    void SetPixel(int x, int y, uint32_t argb);
    void Fill(uint32_t argb);
    bool Empty() const { return Width == 0 || Height == 0; }

    bool operator==(const TBitmap32&) const = default;
};

// The system's colour values (0x00BBGGRR) as opaque raster pixels and back.
uint32_t ColorRefToArgb(uint32_t colorRef);
uint32_t ArgbToColorRef(uint32_t argb);

// Draws `src` onto `dst` with its top-left corner at (x, y), blending by the source's
// alpha; parts outside `dst` are cut off. The result is opaque where `dst` was.
void BlendOnto(TBitmap32& dst, const TBitmap32& src, int x, int y);
// Scales to width x height by area averaging (shrinking) or nearest neighbour (growing).
TBitmap32 Scaled(const TBitmap32& src, int width, int height);
// A copy in the greyed style of disabled menu entries: grey levels, half transparent.
TBitmap32 Greyed(const TBitmap32& src);

}  // namespace pv
