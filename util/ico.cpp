#include "util/ico.h"

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "util/bmp.h"
#include "util/byte_reader.h"
#include "util/exception.h"

namespace pv {

namespace {

constexpr uint64_t kDirectorySize = 6;
constexpr uint64_t kEntrySize = 16;
constexpr uint64_t kInfoHeaderSize = 40;
constexpr uint64_t kBmpFileHeaderSize = 14;
constexpr uint16_t kTypeIcon = 1;
constexpr uint16_t kTypeCursor = 2;
constexpr std::string_view kPngSignature("\x89PNG\r\n\x1a\n", 8);

[[noreturn]] void Fail(const std::string& why) { throw EInvalidGraphic("Invalid icon: " + why); }

std::string Num(uint64_t v) { return std::to_string(v); }


struct TEntry {
    int width = 0, height = 0, bits = 0;
    uint64_t size = 0, offset = 0;
};

std::vector<TEntry> ReadDirectory(const TByteReader& in) {
    if (in.Size() < kDirectorySize) Fail("the file is too short for an icon directory");
    if (in.U16(0) != 0) Fail("wrong signature (not an icon file)");
    uint16_t type = in.U16(2);
    if (type == kTypeCursor) Fail("the file holds a cursor, not an icon");
    if (type != kTypeIcon) Fail("wrong signature (not an icon file)");
    uint16_t count = in.U16(4);
    if (count == 0) Fail("the file holds no images");
    if (!in.Has(kDirectorySize, kEntrySize * count)) Fail("the file ends inside its directory");
    std::vector<TEntry> entries(count);
    for (uint64_t i = 0; i < count; ++i) {
        uint64_t p = kDirectorySize + kEntrySize * i;
        TEntry& e = entries[static_cast<size_t>(i)];
        // A size byte of 0 stands for 256.
        e.width = in.U8(p) == 0 ? 256 : in.U8(p);
        e.height = in.U8(p + 1) == 0 ? 256 : in.U8(p + 1);
        e.bits = in.U16(p + 6);
        e.size = in.U32(p + 8);
        e.offset = in.U32(p + 12);
    }
    return entries;
}

const TEntry& Nearest(const std::vector<TEntry>& entries, int width, int height) {
    const TEntry* best = &entries.front();
    auto distance = [&](const TEntry& e) { return std::abs(e.width - width) + std::abs(e.height - height); };
    for (const TEntry& e : entries) {
        int d = distance(e), bd = distance(*best);
        if (d < bd) best = &e;
        else if (d == bd) {
            // Shrinking keeps more of a picture than growing does.
            int area = e.width * e.height, bestArea = best->width * best->height;
            if (area > bestArea || (area == bestArea && e.bits > best->bits)) best = &e;
        }
    }
    return *best;
}

struct TImageLayout {
    int width = 0, height = 0, bits = 0;
    uint64_t pixelOffset = 0;  // from the start of the image: after the header and palette
    uint64_t colourStride = 0, maskStride = 0;
    uint64_t maskOffset = 0;
};

TImageLayout ReadImageLayout(const TByteReader& img) {
    if (!img.Has(0, kInfoHeaderSize)) Fail("an image is too short for its header");
    uint32_t headerSize = img.U32(0);
    if (headerSize != kInfoHeaderSize) Fail("unsupported image header size " + Num(headerSize));
    int64_t width = img.I32(4);
    int64_t doubledHeight = img.I32(8);
    uint16_t bits = img.U16(14);
    uint32_t compression = img.U32(16);
    uint32_t colorsUsed = img.U32(32);
    if (compression != 0) Fail("compression " + Num(compression) + " is not supported in an icon image");
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        Fail("unsupported bit count " + Num(bits));
    if (width <= 0 || width > kMaxBmpDimension) Fail("the image width " + std::to_string(width) + " is out of range");
    // The height covers the colour rows and the mask rows, so it is even and positive.
    if (doubledHeight <= 0 || doubledHeight % 2 != 0 || doubledHeight / 2 > kMaxBmpDimension)
        Fail("the image height " + std::to_string(doubledHeight) + " is not twice a valid height");

    TImageLayout l;
    l.width = static_cast<int>(width);
    l.height = static_cast<int>(doubledHeight / 2);
    l.bits = bits;
    uint64_t paletteEntries = 0;
    if (bits <= 8) {
        uint64_t most = uint64_t{1} << bits;
        if (colorsUsed > most)
            Fail("a palette of " + Num(colorsUsed) + " colours for " + Num(bits) + " bits per pixel");
        paletteEntries = colorsUsed != 0 ? colorsUsed : most;
    } else {
        // Above 8 bits a count of colours is an optional palette that precedes the pixels.
        paletteEntries = colorsUsed;
    }
    l.pixelOffset = kInfoHeaderSize + 4 * paletteEntries;
    l.colourStride = (static_cast<uint64_t>(l.width) * bits + 31) / 32 * 4;
    l.maskStride = (static_cast<uint64_t>(l.width) + 31) / 32 * 4;
    l.maskOffset = l.pixelOffset + l.colourStride * static_cast<uint64_t>(l.height);
    const uint64_t end = l.maskOffset + l.maskStride * static_cast<uint64_t>(l.height);
    if (end > img.Size())
        Fail("an image needs " + Num(end) + " bytes for its pixels and mask but holds " + Num(img.Size()));
    return l;
}

// The colour rows go through the BMP decoder as a BMP file of their own: the info header
// with the height of the colour rows alone, behind a file header that points at them.
TBitmap32 DecodeColour(const TByteReader& img, const TImageLayout& l) {
    const uint64_t colourEnd = l.maskOffset;
    if (kBmpFileHeaderSize + colourEnd > std::numeric_limits<uint32_t>::max()) Fail("an image is too large");
    std::string bmp;
    bmp.reserve(static_cast<size_t>(kBmpFileHeaderSize + colourEnd));
    auto put32 = [&bmp](uint32_t v) {
        for (int i = 0; i < 4; ++i) bmp += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    bmp += "BM";
    put32(static_cast<uint32_t>(kBmpFileHeaderSize + colourEnd));
    put32(0);
    put32(static_cast<uint32_t>(kBmpFileHeaderSize + l.pixelOffset));
    bmp += img.Slice(0, colourEnd);
    const size_t heightField = kBmpFileHeaderSize + 8;
    const uint32_t height = static_cast<uint32_t>(l.height);
    for (int i = 0; i < 4; ++i) bmp[heightField + i] = static_cast<char>((height >> (8 * i)) & 0xFF);
    return DecodeBmp(bmp);
}

bool HasAlpha(const TByteReader& img, const TImageLayout& l) {
    if (l.bits != 32) return false;
    for (int r = 0; r < l.height; ++r) {
        const uint64_t row = l.pixelOffset + l.colourStride * static_cast<uint64_t>(r);
        for (int x = 0; x < l.width; ++x)
            if (img.U8(row + 4 * static_cast<uint64_t>(x) + 3) != 0) return true;
    }
    return false;
}

void ApplyMask(const TByteReader& img, const TImageLayout& l, TBitmap32& out) {
    for (int r = 0; r < l.height; ++r) {
        const uint64_t row = l.maskOffset + l.maskStride * static_cast<uint64_t>(r);
        // Mask rows run bottom-up like the colour rows.
        uint32_t* dest = out.Pixels.data() + static_cast<size_t>(l.height - 1 - r) * l.width;
        for (int x = 0; x < l.width; ++x)
            if ((img.U8(row + x / 8) >> (7 - x % 8)) & 1) dest[x] = 0;
    }
}

TBitmap32 DecodeImage(const TByteReader& img) {
    if (img.Has(0, kPngSignature.size()) && img.Slice(0, kPngSignature.size()) == kPngSignature)
        Fail("PNG-compressed icon images are not supported");
    const TImageLayout l = ReadImageLayout(img);
    TBitmap32 out = DecodeColour(img, l);
    if (!HasAlpha(img, l)) ApplyMask(img, l, out);
    return out;
}

}  // namespace

TBitmap32 DecodeIco(std::string_view bytes, int width, int height) {
    if (width <= 0 || height <= 0 || width > kMaxBmpDimension || height > kMaxBmpDimension)
        Fail("cannot give a picture of " + std::to_string(width) + " x " + std::to_string(height) + " pixels");
    const TByteReader in(bytes, "icon");
    const std::vector<TEntry> entries = ReadDirectory(in);
    const TEntry& entry = Nearest(entries, width, height);
    const uint64_t directoryEnd = kDirectorySize + kEntrySize * entries.size();
    if (entry.offset < directoryEnd) Fail("an image offset " + Num(entry.offset) + " points into the directory");
    if (!in.Has(entry.offset, entry.size))
        Fail("an image of " + Num(entry.size) + " bytes at " + Num(entry.offset) + " lies beyond the end of the file");
    TBitmap32 picture = DecodeImage(TByteReader(in.Slice(entry.offset, entry.size), "icon"));
    if (picture.Width == width && picture.Height == height) return picture;
    return Scaled(picture, width, height);
}

}  // namespace pv
