#include "util/bmp.h"

#include <algorithm>
#include <limits>

#include "util/byte_reader.h"
#include "util/exception.h"

namespace pv {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;
constexpr size_t kCoreHeaderSize = 12;
constexpr int32_t kPixelsPerMetre = 2835;  // 72 dots per inch

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitFields = 3;
constexpr uint32_t kBiAlphaBitFields = 6;

[[noreturn]] void Fail(const std::string& why) { throw EInvalidGraphic("Invalid bitmap: " + why); }

std::string Num(uint64_t v) { return std::to_string(v); }


// One colour channel given by a bit mask, scaled to 8 bits.
class TChannel {
public:
    TChannel() = default;
    explicit TChannel(uint32_t mask) : mask_(mask) {
        if (mask == 0) return;
        while (((mask >> shift_) & 1) == 0) ++shift_;
        max_ = mask >> shift_;
        // A mask must be one run of bits: max_ + 1 is then a power of two.
        if (((static_cast<uint64_t>(max_) + 1) & max_) != 0) Fail("a bit-field mask is not contiguous");
    }
    uint32_t Mask() const { return mask_; }
    bool Present() const { return mask_ != 0; }
    uint32_t Extract(uint32_t value) const {
        if (mask_ == 0) return 0;
        uint64_t v = (value & mask_) >> shift_;
        return static_cast<uint32_t>((v * 255 + max_ / 2) / max_);
    }

private:
    uint32_t mask_ = 0;
    int shift_ = 0;
    uint32_t max_ = 0;
};

struct TLayout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bits = 0;
    bool core = false;
    bool bitFields = false;
    uint32_t masks[4] = {};  // red, green, blue, alpha
    size_t headersEnd = 0;   // first byte after the headers and masks: where a palette starts
    uint64_t paletteDeclared = 0;
    size_t pixelOffset = 0;
};

int CheckedDimension(int64_t value, const char* name) {
    if (value <= 0) Fail(std::string("the ") + name + " is zero or negative");
    if (value > kMaxBmpDimension) Fail(std::string("the ") + name + " " + Num(value) + " is larger than " + Num(kMaxBmpDimension));
    return static_cast<int>(value);
}

void ReadCoreHeader(const TByteReader& in, TLayout& l) {
    l.core = true;
    l.width = CheckedDimension(in.U16(18), "width");
    l.height = CheckedDimension(in.U16(20), "height");
    l.bits = in.U16(24);
    if (l.bits != 1 && l.bits != 4 && l.bits != 8 && l.bits != 24)
        Fail("unsupported bit count " + Num(l.bits) + " in a core header");
    l.headersEnd = kFileHeaderSize + kCoreHeaderSize;
    if (l.bits <= 8) l.paletteDeclared = uint64_t{1} << l.bits;
}

void ReadInfoHeader(const TByteReader& in, size_t headerSize, TLayout& l) {
    const size_t h = kFileHeaderSize;
    l.width = CheckedDimension(in.I32(h + 4), "width");
    int64_t height = in.I32(h + 8);
    l.topDown = height < 0;
    l.height = CheckedDimension(height < 0 ? -height : height, "height");
    l.bits = in.U16(h + 14);
    uint32_t compression = in.U32(h + 16);
    uint32_t colorsUsed = in.U32(h + 32);

    if (compression != kBiRgb && compression != kBiBitFields && compression != kBiAlphaBitFields)
        Fail("compression " + Num(compression) + " is not supported (only uncompressed bitmaps are)");
    if (l.bits != 1 && l.bits != 4 && l.bits != 8 && l.bits != 16 && l.bits != 24 && l.bits != 32)
        Fail("unsupported bit count " + Num(l.bits));
    l.headersEnd = h + headerSize;

    if (compression != kBiRgb) {
        if (l.bits != 16 && l.bits != 32) Fail("bit-field masks need 16 or 32 bits per pixel, not " + Num(l.bits));
        l.bitFields = true;
        if (headerSize == kInfoHeaderSize) {
            // The masks follow a plain info header; larger headers hold them inside.
            size_t count = compression == kBiAlphaBitFields ? 4 : 3;
            if (!in.Has(l.headersEnd, count * 4)) Fail("the file ends inside the bit-field masks");
            for (size_t i = 0; i < count; ++i) l.masks[i] = in.U32(l.headersEnd + 4 * i);
            l.headersEnd += count * 4;
        } else {
            for (size_t i = 0; i < 3; ++i) l.masks[i] = in.U32(h + 40 + 4 * i);
            if (headerSize >= 56) l.masks[3] = in.U32(h + 52);
        }
    }

    if (l.bits <= 8) {
        uint64_t most = uint64_t{1} << l.bits;
        if (colorsUsed > most) Fail("a palette of " + Num(colorsUsed) + " colours for " + Num(l.bits) + " bits per pixel");
        l.paletteDeclared = colorsUsed != 0 ? colorsUsed : most;
    }
}

void CheckMasks(const TLayout& l) {
    uint32_t seen = 0;
    for (uint32_t mask : l.masks) {
        if (l.bits == 16 && (mask >> 16) != 0) Fail("a bit-field mask is wider than 16 bits per pixel");
        if ((seen & mask) != 0) Fail("bit-field masks overlap");
        seen |= mask;
    }
}

TLayout ReadLayout(const TByteReader& in) {
    if (in.Size() < 2 || in.U8(0) != 'B' || in.U8(1) != 'M') Fail("wrong signature (not a BMP file)");
    if (!in.Has(0, kFileHeaderSize + 4)) Fail("the file ends inside its headers");
    uint32_t offBits = in.U32(10);
    uint32_t headerSize = in.U32(14);
    if (headerSize != kCoreHeaderSize && headerSize != 40 && headerSize != 52 && headerSize != 56 &&
        headerSize != 108 && headerSize != 124)
        Fail("unsupported header size " + Num(headerSize));
    if (!in.Has(kFileHeaderSize, headerSize)) Fail("the file ends inside its headers");

    TLayout l;
    if (headerSize == kCoreHeaderSize) ReadCoreHeader(in, l);
    else ReadInfoHeader(in, headerSize, l);
    if (l.bitFields) CheckMasks(l);

    if (offBits < l.headersEnd) Fail("the pixel data offset " + Num(offBits) + " points into the headers");
    if (offBits > in.Size()) Fail("the pixel data offset " + Num(offBits) + " lies beyond the end of the file");
    l.pixelOffset = offBits;
    return l;
}

// The palette entries that lie between the headers and the pixel data; a palette that
// claims more than that space holds is cut, and pixels that use the missing entries fail.
std::vector<uint32_t> ReadPalette(const TByteReader& in, const TLayout& l) {
    size_t entrySize = l.core ? 3 : 4;
    uint64_t room = (l.pixelOffset - l.headersEnd) / entrySize;
    size_t count = static_cast<size_t>(std::min<uint64_t>(l.paletteDeclared, room));
    if (count == 0) Fail("the palette is missing");
    std::vector<uint32_t> palette(count);
    for (size_t i = 0; i < count; ++i) {
        size_t p = l.headersEnd + i * entrySize;
        // Entries are blue, green, red (and a reserved byte that is not alpha).
        palette[i] = 0xFF000000u | static_cast<uint32_t>(in.U8(p + 2)) << 16 |
                     static_cast<uint32_t>(in.U8(p + 1)) << 8 | in.U8(p);
    }
    return palette;
}

struct TPixelFormat {
    TChannel red, green, blue, alpha;
};

TPixelFormat FormatOf(const TLayout& l) {
    TPixelFormat f;
    if (l.bitFields) {
        f.red = TChannel(l.masks[0]);
        f.green = TChannel(l.masks[1]);
        f.blue = TChannel(l.masks[2]);
        f.alpha = TChannel(l.masks[3]);
    } else if (l.bits == 16) {
        f.red = TChannel(0x7C00);
        f.green = TChannel(0x03E0);
        f.blue = TChannel(0x001F);
    } else {
        f.red = TChannel(0x00FF0000);
        f.green = TChannel(0x0000FF00);
        f.blue = TChannel(0x000000FF);
        f.alpha = TChannel(0xFF000000);
    }
    return f;
}

uint64_t RowStride(const TLayout& l) { return (static_cast<uint64_t>(l.width) * l.bits + 31) / 32 * 4; }

// Checked before the raster is allocated, so a small file cannot claim a huge picture.
void CheckPixelData(const TByteReader& in, const TLayout& l) {
    const uint64_t rowBytes = (static_cast<uint64_t>(l.width) * l.bits + 7) / 8;
    // The last row may lack its padding; every byte that is read must be present.
    const uint64_t needed = RowStride(l) * static_cast<uint64_t>(l.height - 1) + rowBytes;
    if (needed > in.Size() - l.pixelOffset)
        Fail("the pixel data needs " + Num(needed) + " bytes but the file holds " + Num(in.Size() - l.pixelOffset));
}

void DecodeRows(const TByteReader& in, const TLayout& l, const std::vector<uint32_t>& palette, TBitmap32& out) {
    const uint64_t stride = RowStride(l);
    const TPixelFormat format = FormatOf(l);
    bool anyAlpha = false;

    for (int r = 0; r < l.height; ++r) {
        const size_t row = l.pixelOffset + static_cast<size_t>(stride * static_cast<uint64_t>(r));
        const int y = l.topDown ? r : l.height - 1 - r;
        uint32_t* dest = out.Pixels.data() + static_cast<size_t>(y) * l.width;
        for (int x = 0; x < l.width; ++x) {
            uint32_t argb;
            if (l.bits <= 8) {
                size_t bit = static_cast<size_t>(x) * l.bits;
                // Pixels are packed from the most significant bit of each byte.
                unsigned index = (in.U8(row + bit / 8) >> (8 - l.bits - bit % 8)) & ((1u << l.bits) - 1);
                if (index >= palette.size())
                    Fail("pixel index " + Num(index) + " lies beyond the palette of " + Num(palette.size()) + " colours");
                argb = palette[index];
            } else if (l.bits == 24) {
                size_t p = row + static_cast<size_t>(x) * 3;
                argb = 0xFF000000u | static_cast<uint32_t>(in.U8(p + 2)) << 16 |
                       static_cast<uint32_t>(in.U8(p + 1)) << 8 | in.U8(p);
            } else {
                uint32_t v = l.bits == 16 ? in.U16(row + static_cast<size_t>(x) * 2)
                                          : in.U32(row + static_cast<size_t>(x) * 4);
                uint32_t a = format.alpha.Present() ? format.alpha.Extract(v) : 0xFF;
                anyAlpha = anyAlpha || (format.alpha.Present() && a != 0);
                argb = a << 24 | format.red.Extract(v) << 16 | format.green.Extract(v) << 8 | format.blue.Extract(v);
            }
            dest[x] = argb;
        }
    }
    // Writers that do not know alpha leave the fourth byte 0; such a picture is meant to
    // be seen, not to vanish.
    if (format.alpha.Present() && l.bits > 8 && !anyAlpha)
        for (uint32_t& p : out.Pixels) p |= 0xFF000000u;
}

void PutU16(std::string& out, uint16_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}

void PutU32(std::string& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

}  // namespace

std::string EncodeBmp32(const TBitmap32& bitmap) {
    const int w = bitmap.Width, h = bitmap.Height;
    if (w <= 0 || h <= 0 || w > kMaxBmpDimension || h > kMaxBmpDimension)
        Fail("cannot write a raster of " + std::to_string(w) + " x " + std::to_string(h) + " pixels");
    const uint64_t imageSize = static_cast<uint64_t>(w) * static_cast<uint64_t>(h) * 4;
    if (bitmap.Pixels.size() != imageSize / 4) Fail("the pixel count does not match the raster size");
    const uint64_t headers = kFileHeaderSize + kInfoHeaderSize;
    if (headers + imageSize > std::numeric_limits<uint32_t>::max()) Fail("the raster is too large for a BMP file");

    std::string out;
    out.reserve(static_cast<size_t>(headers + imageSize));
    out += "BM";
    PutU32(out, static_cast<uint32_t>(headers + imageSize));
    PutU32(out, 0);  // two reserved words
    PutU32(out, static_cast<uint32_t>(headers));
    PutU32(out, kInfoHeaderSize);
    PutU32(out, static_cast<uint32_t>(w));
    PutU32(out, static_cast<uint32_t>(h));  // positive: bottom-up, which every reader knows
    PutU16(out, 1);                         // planes
    PutU16(out, 32);
    PutU32(out, kBiRgb);
    PutU32(out, static_cast<uint32_t>(imageSize));
    PutU32(out, kPixelsPerMetre);
    PutU32(out, kPixelsPerMetre);
    PutU32(out, 0);  // colours used
    PutU32(out, 0);  // colours important
    for (int y = h - 1; y >= 0; --y) {
        const uint32_t* row = bitmap.Pixels.data() + static_cast<size_t>(y) * w;
        // 0xAARRGGBB stored little-endian is exactly B G R A.
        for (int x = 0; x < w; ++x) PutU32(out, row[x]);
    }
    return out;
}

TBitmap32 DecodeBmp(std::string_view bytes) {
    const TByteReader in(bytes, "bitmap");
    const TLayout layout = ReadLayout(in);
    CheckPixelData(in, layout);
    std::vector<uint32_t> palette;
    if (layout.bits <= 8) palette = ReadPalette(in, layout);
    TBitmap32 out = TBitmap32::Create(layout.width, layout.height);
    DecodeRows(in, layout, palette, out);
    return out;
}

}  // namespace pv
