#include "util/bitmap.h"

#include <algorithm>
#include <string>

#include "util/exception.h"

namespace pv {

TBitmap32 TBitmap32::Create(int width, int height, uint32_t argb) {
    if (width < 0 || height < 0 || width > kMaxBmpDimension || height > kMaxBmpDimension)
        throw EInvalidGraphic("Invalid bitmap: cannot create a raster of " + std::to_string(width) + " x " +
                              std::to_string(height) + " pixels");
    TBitmap32 b;
    b.Width = width;
    b.Height = height;
    b.Pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), argb);
    return b;
}

bool TBitmap32::Contains(int x, int y) const { return x >= 0 && y >= 0 && x < Width && y < Height; }

uint32_t TBitmap32::Pixel(int x, int y) const {
    if (!Contains(x, y))
        throw EListError("Pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") out of bounds");
    return Pixels[static_cast<size_t>(y) * Width + x];
}

void TBitmap32::SetPixel(int x, int y, uint32_t argb) {
    if (!Contains(x, y))
        throw EListError("Pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") out of bounds");
    Pixels[static_cast<size_t>(y) * Width + x] = argb;
}

void TBitmap32::Fill(uint32_t argb) { std::fill(Pixels.begin(), Pixels.end(), argb); }

uint32_t ColorRefToArgb(uint32_t c) {
    return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

uint32_t ArgbToColorRef(uint32_t a) { return ((a & 0xFFu) << 16) | (a & 0xFF00u) | ((a >> 16) & 0xFFu); }

namespace {
uint32_t Blend(uint32_t under, uint32_t over) {
    uint32_t a = over >> 24;
    if (a == 255) return over;
    if (a == 0) return under;
    uint32_t ua = under >> 24;
    auto mix = [&](int shift) {
        uint32_t o = (over >> shift) & 0xFF, u = (under >> shift) & 0xFF;
        return ((o * a + u * (255 - a) + 127) / 255) << shift;
    };
    uint32_t outA = a + (ua * (255 - a) + 127) / 255;
    return (outA << 24) | mix(16) | mix(8) | mix(0);
}
}  // namespace

void BlendOnto(TBitmap32& dst, const TBitmap32& src, int x, int y) {
    for (int sy = 0; sy < src.Height; ++sy) {
        int dy = y + sy;
        if (dy < 0 || dy >= dst.Height) continue;
        for (int sx = 0; sx < src.Width; ++sx) {
            int dx = x + sx;
            if (dx < 0 || dx >= dst.Width) continue;
            uint32_t& d = dst.Pixels[static_cast<size_t>(dy) * dst.Width + dx];
            d = Blend(d, src.Pixels[static_cast<size_t>(sy) * src.Width + sx]);
        }
    }
}

TBitmap32 Scaled(const TBitmap32& src, int width, int height) {
    TBitmap32 out = TBitmap32::Create(width, height);
    if (src.Empty() || out.Empty()) return out;
    for (int y = 0; y < height; ++y) {
        int y0 = static_cast<int>(static_cast<int64_t>(y) * src.Height / height);
        int y1 = std::max(y0 + 1, static_cast<int>(static_cast<int64_t>(y + 1) * src.Height / height));
        for (int x = 0; x < width; ++x) {
            int x0 = static_cast<int>(static_cast<int64_t>(x) * src.Width / width);
            int x1 = std::max(x0 + 1, static_cast<int>(static_cast<int64_t>(x + 1) * src.Width / width));
            // Colours are averaged weighted by alpha, so transparent pixels add no colour.
            uint64_t a = 0, r = 0, g = 0, b = 0, n = 0;
            for (int sy = y0; sy < y1; ++sy)
                for (int sx = x0; sx < x1; ++sx) {
                    uint32_t p = src.Pixels[static_cast<size_t>(sy) * src.Width + sx];
                    uint32_t pa = p >> 24;
                    a += pa;
                    r += ((p >> 16) & 0xFF) * pa;
                    g += ((p >> 8) & 0xFF) * pa;
                    b += (p & 0xFF) * pa;
                    ++n;
                }
            uint32_t pixel = 0;
            if (a > 0)
                pixel = (static_cast<uint32_t>((a + n / 2) / n) << 24) | (static_cast<uint32_t>((r + a / 2) / a) << 16) |
                        (static_cast<uint32_t>((g + a / 2) / a) << 8) | static_cast<uint32_t>((b + a / 2) / a);
            out.Pixels[static_cast<size_t>(y) * width + x] = pixel;
        }
    }
    return out;
}

TBitmap32 Greyed(const TBitmap32& src) {
    TBitmap32 out = src;
    for (uint32_t& p : out.Pixels) {
        uint32_t r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
        uint32_t grey = (r * 30 + g * 59 + b * 11) / 100;
        uint32_t a = (p >> 24) / 2;
        p = (a << 24) | (grey << 16) | (grey << 8) | grey;
    }
    return out;
}

}  // namespace pv
