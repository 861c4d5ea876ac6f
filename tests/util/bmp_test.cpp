#include "util/bmp.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "util/exception.h"

namespace pv {
namespace {

uint32_t ReadU32(const std::string& s, size_t pos) {
    return static_cast<uint32_t>(static_cast<uint8_t>(s[pos])) | static_cast<uint32_t>(static_cast<uint8_t>(s[pos + 1])) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(s[pos + 2])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(s[pos + 3])) << 24;
}

uint16_t ReadU16(const std::string& s, size_t pos) {
    return static_cast<uint16_t>(static_cast<uint8_t>(s[pos]) | static_cast<uint8_t>(s[pos + 1]) << 8);
}

void WriteU32(std::string& s, size_t pos, uint32_t v) {
    for (int i = 0; i < 4; ++i) s[pos + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

void WriteU16(std::string& s, size_t pos, uint16_t v) {
    s[pos] = static_cast<char>(v & 0xFF);
    s[pos + 1] = static_cast<char>(v >> 8);
}

// A hand-built BMP file, so the decoder is checked against files the encoder never writes.
struct TBmpFile {
    uint32_t HeaderSize = 40;
    int32_t Width = 0;
    int32_t Height = 0;  // negative: top-down
    uint16_t Bits = 24;
    uint32_t Compression = 0;
    uint32_t ColorsUsed = 0;
    std::vector<uint32_t> Masks;    // inside a V2+ header, or after a 40-byte one
    std::vector<uint32_t> Palette;  // 0x00RRGGBB
    std::vector<std::string> Rows;  // in file order, unpadded; padded to 4 bytes here
    bool PadLastRow = true;

    std::string Build() const {
        std::string headers(14 + HeaderSize, '\0');
        headers[0] = 'B';
        headers[1] = 'M';
        WriteU32(headers, 14, HeaderSize);
        if (HeaderSize == 12) {
            WriteU16(headers, 18, static_cast<uint16_t>(Width));
            WriteU16(headers, 20, static_cast<uint16_t>(Height));
            WriteU16(headers, 22, 1);
            WriteU16(headers, 24, Bits);
        } else {
            WriteU32(headers, 18, static_cast<uint32_t>(Width));
            WriteU32(headers, 22, static_cast<uint32_t>(Height));
            WriteU16(headers, 26, 1);
            WriteU16(headers, 28, Bits);
            WriteU32(headers, 30, Compression);
            WriteU32(headers, 46, ColorsUsed);
            for (size_t i = 0; i < Masks.size() && HeaderSize > 40; ++i) WriteU32(headers, 54 + 4 * i, Masks[i]);
        }
        if (HeaderSize == 40)
            for (uint32_t m : Masks) {
                headers.append(4, '\0');
                WriteU32(headers, headers.size() - 4, m);
            }
        for (uint32_t c : Palette) {
            headers += static_cast<char>(c & 0xFF);
            headers += static_cast<char>((c >> 8) & 0xFF);
            headers += static_cast<char>((c >> 16) & 0xFF);
            if (HeaderSize != 12) headers += '\0';
        }
        std::string pixels;
        for (size_t r = 0; r < Rows.size(); ++r) {
            pixels += Rows[r];
            if (PadLastRow || r + 1 < Rows.size()) pixels.append((4 - Rows[r].size() % 4) % 4, '\0');
        }
        WriteU32(headers, 10, static_cast<uint32_t>(headers.size()));
        WriteU32(headers, 2, static_cast<uint32_t>(headers.size() + pixels.size()));
        return headers + pixels;
    }
};

std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s += static_cast<char>(v);
    return s;
}

// Pixels that differ in every channel, with alpha that is not all zero.
TBitmap32 Pattern(int w, int h) {
    TBitmap32 b = TBitmap32::Create(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.SetPixel(x, y, static_cast<uint32_t>((x * 37 + y * 11 + 1) & 0xFF) << 24 | static_cast<uint32_t>((x * 13) & 0xFF) << 16 |
                                 static_cast<uint32_t>((y * 29) & 0xFF) << 8 | static_cast<uint32_t>(x ^ y));
    return b;
}

TEST(BmpRaster, CreateFillsAndPixelAccessIsBoundsChecked) {
    TBitmap32 b = TBitmap32::Create(3, 2, 0xFF102030);
    ASSERT_EQ(b.Pixels.size(), 6u);
    EXPECT_EQ(b.Pixel(2, 1), 0xFF102030u);
    b.SetPixel(2, 1, 0x01020304);
    EXPECT_EQ(b.Pixels[5], 0x01020304u);  // row-major, top row first

    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {3, 0}, {0, 2}}) {
        EXPECT_FALSE(b.Contains(x, y));
        EXPECT_THROW(b.Pixel(x, y), EListError);
        EXPECT_THROW(b.SetPixel(x, y, 0), EListError);
    }
    EXPECT_THROW(TBitmap32::Create(-1, 4), EInvalidGraphic);
    EXPECT_THROW(TBitmap32::Create(4, kMaxBmpDimension + 1), EInvalidGraphic);
    EXPECT_TRUE(TBitmap32::Create(0, 0).Pixels.empty());
}

TEST(BmpEncode, SixteenBySixteenHasExactHeaderFieldsAndBottomUpBgraRows) {
    TBitmap32 b = TBitmap32::Create(16, 16, 0xFFC0C0C0);
    b.SetPixel(0, 15, 0x80112233);  // bottom-left: first pixel in the file
    b.SetPixel(1, 0, 0x44556677);   // top row: last row in the file
    const std::string f = EncodeBmp32(b);

    ASSERT_EQ(f.size(), 54u + 1024u);
    EXPECT_EQ(f.substr(0, 2), "BM");
    EXPECT_EQ(ReadU32(f, 2), 1078u);  // bfSize
    EXPECT_EQ(ReadU32(f, 6), 0u);     // reserved
    EXPECT_EQ(ReadU32(f, 10), 54u);   // bfOffBits
    EXPECT_EQ(ReadU32(f, 14), 40u);   // biSize
    EXPECT_EQ(ReadU32(f, 18), 16u);   // width
    EXPECT_EQ(ReadU32(f, 22), 16u);   // height, positive: bottom-up
    EXPECT_EQ(ReadU16(f, 26), 1u);    // planes
    EXPECT_EQ(ReadU16(f, 28), 32u);   // bits per pixel
    EXPECT_EQ(ReadU32(f, 30), 0u);    // BI_RGB
    EXPECT_EQ(ReadU32(f, 34), 1024u); // biSizeImage
    EXPECT_EQ(ReadU32(f, 38), 2835u);
    EXPECT_EQ(ReadU32(f, 42), 2835u);
    EXPECT_EQ(ReadU32(f, 46), 0u);    // colours used
    EXPECT_EQ(ReadU32(f, 50), 0u);    // colours important
    EXPECT_EQ(f.substr(54, 4), Bytes({0x33, 0x22, 0x11, 0x80}));
    EXPECT_EQ(f.substr(54 + 15 * 64 + 4, 4), Bytes({0x77, 0x66, 0x55, 0x44}));
}

TEST(BmpEncode, RejectsRastersItCannotWrite) {
    TBitmap32 mismatched = TBitmap32::Create(4, 4);
    mismatched.Pixels.pop_back();
    TBitmap32 tooWide;
    tooWide.Width = kMaxBmpDimension + 1;
    tooWide.Height = 1;
    for (const TBitmap32& b : {TBitmap32{}, TBitmap32::Create(0, 5), mismatched, tooWide})
        EXPECT_THROW(EncodeBmp32(b), EInvalidGraphic) << b.Width << " x " << b.Height;
}

TEST(BmpRoundTrip, DecodeGivesBackWhatWasEncoded) {
    for (auto [w, h] : {std::pair{16, 16}, {3, 5}, {1, 1}, {17, 2}, {2, 33}}) {
        const TBitmap32 b = Pattern(w, h);
        EXPECT_EQ(DecodeBmp(EncodeBmp32(b)), b) << w << " x " << h;
    }
}

TEST(BmpRoundTrip, AllZeroAlphaComesBackOpaque) {
    TBitmap32 b = TBitmap32::Create(3, 5, 0x00123456);
    b.SetPixel(1, 1, 0x00ABCDEF);
    const TBitmap32 back = DecodeBmp(EncodeBmp32(b));
    EXPECT_EQ(back.Pixel(0, 0), 0xFF123456u);
    EXPECT_EQ(back.Pixel(1, 1), 0xFFABCDEFu);

    // One visible pixel is enough to keep everyone else's alpha, even zero.
    b.SetPixel(2, 4, 0x01000000);
    EXPECT_EQ(DecodeBmp(EncodeBmp32(b)), b);
}

TEST(BmpDecode, TwentyFourBitsWithRowPaddingAndUnpaddedLastRow) {
    TBmpFile f;
    f.Width = 3;
    f.Height = 2;
    f.Bits = 24;
    // Bottom row first; each row is 9 bytes, padded to 12.
    f.Rows = {Bytes({1, 2, 3, 4, 5, 6, 7, 8, 9}), Bytes({0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0x70, 0x80, 0x90})};
    for (bool pad : {true, false}) {
        f.PadLastRow = pad;
        const TBitmap32 b = DecodeBmp(f.Build());
        ASSERT_EQ(b.Width, 3);
        ASSERT_EQ(b.Height, 2);
        EXPECT_EQ(b.Pixels, (std::vector<uint32_t>{0xFF302010, 0xFF605040, 0xFF908070, 0xFF030201, 0xFF060504, 0xFF090807}));
    }
}

TEST(BmpDecode, PalettedImagesAtEightFourAndOneBits) {
    TBmpFile f8;
    f8.Width = 3;
    f8.Height = 2;
    f8.Bits = 8;
    f8.ColorsUsed = 3;
    f8.Palette = {0x000000, 0xFF0000, 0x00FF80};
    f8.Rows = {Bytes({2, 1, 0}), Bytes({0, 0, 2})};
    EXPECT_EQ(DecodeBmp(f8.Build()).Pixels,
              (std::vector<uint32_t>{0xFF000000, 0xFF000000, 0xFF00FF80, 0xFF00FF80, 0xFFFF0000, 0xFF000000}));

    TBmpFile f4 = f8;
    f4.Bits = 4;
    f4.ColorsUsed = 0;  // all 16 entries
    f4.Palette.resize(16, 0x0000FF);
    f4.Height = 1;
    f4.Rows = {Bytes({0x21, 0xF0})};  // 2, 1, 15 and a padding nibble
    EXPECT_EQ(DecodeBmp(f4.Build()).Pixels, (std::vector<uint32_t>{0xFF00FF80, 0xFFFF0000, 0xFF0000FF}));

    // Nine pixels spill into a second byte, whose unused bits are set.
    TBmpFile f1 = f8;
    f1.Bits = 1;
    f1.ColorsUsed = 2;
    f1.Palette = {0x000000, 0xFFFFFF};
    f1.Width = 9;
    f1.Height = 1;
    f1.Rows = {Bytes({0xA5, 0xFF})};
    std::vector<uint32_t> expected;
    for (int bit : {1, 0, 1, 0, 0, 1, 0, 1, 1}) expected.push_back(bit ? 0xFFFFFFFF : 0xFF000000);
    EXPECT_EQ(DecodeBmp(f1.Build()).Pixels, expected);
}

TEST(BmpDecode, TopDownRowsStartWithTheTopRow) {
    TBmpFile f;
    f.Width = 1;
    f.Height = -2;
    f.Bits = 32;
    f.Rows = {Bytes({1, 2, 3, 0x80}), Bytes({4, 5, 6, 0x40})};
    EXPECT_EQ(DecodeBmp(f.Build()).Pixels, (std::vector<uint32_t>{0x80030201, 0x40060504}));
}

TEST(BmpDecode, BitFieldMasksInEveryPlaceAWriterPutsThem) {
    // Masks after a 40-byte header, in an unusual order, without alpha: opaque.
    TBmpFile rgba;
    rgba.Width = 2;
    rgba.Height = 1;
    rgba.Bits = 32;
    rgba.Compression = 3;
    rgba.Masks = {0x000000FF, 0x0000FF00, 0x00FF0000};
    rgba.Rows = {Bytes({0x11, 0x22, 0x33, 0x00, 0xAA, 0xBB, 0xCC, 0x7F})};
    EXPECT_EQ(DecodeBmp(rgba.Build()).Pixels, (std::vector<uint32_t>{0xFF112233, 0xFFAABBCC}));

    // A V5 header with an alpha mask keeps alpha.
    TBmpFile v5 = rgba;
    v5.HeaderSize = 124;
    v5.Masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
    EXPECT_EQ(DecodeBmp(v5.Build()).Pixels, (std::vector<uint32_t>{0x00332211, 0x7FCCBBAA}));

    // 16 bits as 5-6-5: full channels scale to 255, green 32 of 63 to 130.
    TBmpFile rgb565 = rgba;
    rgb565.Bits = 16;
    rgb565.Masks = {0xF800, 0x07E0, 0x001F};
    rgb565.Rows = {Bytes({0x1F, 0xF8, 0x00, 0x04})};  // 0xF81F, 0x0400
    EXPECT_EQ(DecodeBmp(rgb565.Build()).Pixels, (std::vector<uint32_t>{0xFFFF00FF, 0xFF008200}));

    // Plain 16 bits are 5-5-5 with the top bit unused.
    TBmpFile rgb555 = rgb565;
    rgb555.Compression = 0;
    rgb555.Masks.clear();
    rgb555.Rows = {Bytes({0x00, 0xFC, 0xE0, 0x03})};  // 0xFC00, 0x03E0
    EXPECT_EQ(DecodeBmp(rgb555.Build()).Pixels, (std::vector<uint32_t>{0xFFFF0000, 0xFF00FF00}));
}

TEST(BmpDecode, CoreAndV4HeadersAreRead) {
    TBmpFile core;
    core.HeaderSize = 12;
    core.Width = 2;
    core.Height = 1;
    core.Bits = 8;
    core.Palette.assign(256, 0x000000);
    core.Palette[7] = 0x123456;  // three-byte entries
    core.Rows = {Bytes({7, 0})};
    EXPECT_EQ(DecodeBmp(core.Build()).Pixels, (std::vector<uint32_t>{0xFF123456, 0xFF000000}));

    TBmpFile v4;
    v4.HeaderSize = 108;
    v4.Width = 1;
    v4.Height = 1;
    v4.Bits = 32;
    v4.Rows = {Bytes({1, 2, 3, 4})};
    EXPECT_EQ(DecodeBmp(v4.Build()).Pixels, (std::vector<uint32_t>{0x04030201}));
}

struct TMalformed {
    const char* Name;
    std::function<void(std::string&)> Damage;
};

// An 8-bit 2 x 2 file with a four-colour palette: 14 + 40 + 16 + 8 bytes.
std::string ValidPaletted() {
    TBmpFile f;
    f.Width = 2;
    f.Height = 2;
    f.Bits = 8;
    f.ColorsUsed = 4;
    f.Palette = {0x000000, 0x0000FF, 0x00FF00, 0xFF0000};
    f.Rows = {Bytes({0, 1}), Bytes({2, 3})};
    return f.Build();
}

TEST(BmpMalformed, EveryDamagedFileRaisesInvalidGraphic) {
    const std::string base = ValidPaletted();
    ASSERT_NO_THROW(DecodeBmp(base));
    auto setU32 = [](size_t pos, uint32_t v) { return [=](std::string& s) { WriteU32(s, pos, v); }; };
    auto setU16 = [](size_t pos, uint16_t v) { return [=](std::string& s) { WriteU16(s, pos, v); }; };
    auto cut = [](size_t n) { return [=](std::string& s) { s.resize(n); }; };
    auto replace = [](std::string file) { return [=](std::string& s) { s = file; }; };

    TBmpFile bitFields;
    bitFields.Width = 1;
    bitFields.Height = 1;
    bitFields.Bits = 32;
    bitFields.Compression = 3;
    bitFields.Masks = {0x00FF0000, 0x0000FF00, 0x000000FF};
    bitFields.Rows = {Bytes({1, 2, 3, 4})};
    auto withMasks = [&](std::vector<uint32_t> masks, uint16_t bits) {
        TBmpFile f = bitFields;
        f.Masks = masks;
        f.Bits = bits;
        return replace(f.Build());
    };
    TBmpFile core;
    core.HeaderSize = 12;
    core.Width = 1;
    core.Height = 1;
    core.Bits = 24;
    core.Rows = {Bytes({1, 2, 3})};

    const std::vector<TMalformed> cases = {
        {"empty", cut(0)},
        {"one byte", cut(1)},
        {"wrong signature", [](std::string& s) { s[1] = 'A'; }},
        {"ends in the file header", cut(10)},
        {"ends before the header size", cut(16)},
        {"ends inside the info header", cut(40)},
        {"header size zero", setU32(14, 0)},
        {"header size unknown", setU32(14, 41)},
        {"header size beyond the file", setU32(14, 124)},
        {"header size huge", setU32(14, 0xFFFFFFF0)},
        {"width zero", setU32(18, 0)},
        {"width negative", setU32(18, static_cast<uint32_t>(-2))},
        {"width too large", setU32(18, 32769)},
        {"height zero", setU32(22, 0)},
        {"height too large", setU32(22, 32769)},
        {"height too large top-down", setU32(22, static_cast<uint32_t>(-32769))},
        {"height most negative", setU32(22, 0x80000000)},
        {"bit count zero", setU16(28, 0)},
        {"bit count two", setU16(28, 2)},
        {"bit count 48", setU16(28, 48)},
        {"RLE8", setU32(30, 1)},
        {"RLE4", setU32(30, 2)},
        {"JPEG", setU32(30, 4)},
        {"PNG", setU32(30, 5)},
        {"compression unknown", setU32(30, 0x7FFFFFFF)},
        {"bit fields at 8 bits", setU32(30, 3)},
        {"more colours than 8 bits hold", setU32(46, 257)},
        {"no room for the palette", setU32(10, 54)},
        {"pixel index beyond the palette", [](std::string& s) { s[70 + 1] = 4; }},
        {"palette cut short by the data offset", [](std::string& s) {
             WriteU32(s, 10, 54 + 8);  // two colours left; the pixels use four
         }},
        {"data offset into the headers", setU32(10, 20)},
        {"data offset beyond the file", setU32(10, 1000)},
        {"data offset wraps", setU32(10, 0xFFFFFFFF)},
        {"pixel data cut", cut(70 + 5)},
        {"huge image in a small file", [](std::string& s) { WriteU32(s, 18, 32768); WriteU32(s, 22, 32768); }},
        {"masks cut off", [&](std::string& s) { s = bitFields.Build(); s.resize(54 + 8); }},
        {"mask not contiguous", withMasks({0x00FF0000, 0x0000A000, 0x000000FF}, 32)},
        {"masks overlap", withMasks({0x00FF0000, 0x0001FF00, 0x000000FF}, 32)},
        {"mask wider than 16 bits", withMasks({0x1F0000, 0x07E0, 0x001F}, 16)},
        {"bit fields at 24 bits", withMasks({0xFF0000, 0xFF00, 0xFF}, 24)},
        {"core header at 16 bits", [&](std::string& s) { TBmpFile f = core; f.Bits = 16; s = f.Build(); }},
        {"core header width zero", [&](std::string& s) { TBmpFile f = core; f.Width = 0; s = f.Build(); }},
        {"core header cut", [&](std::string& s) { s = core.Build(); s.resize(20); }},
    };
    for (const TMalformed& c : cases) {
        std::string file = base;
        c.Damage(file);
        try {
            DecodeBmp(file);
            ADD_FAILURE() << c.Name << ": decoded without an error";
        } catch (const EInvalidGraphic& e) {
            EXPECT_FALSE(e.Message().empty()) << c.Name;
        } catch (const std::exception& e) {
            ADD_FAILURE() << c.Name << ": raised " << e.what() << " instead of EInvalidGraphic";
        }
    }
}

// Damaged files from a fixed seed: each must decode to a consistent raster or raise
// EInvalidGraphic. Run under the sanitizers, this also proves no read leaves the buffer.
TEST(BmpFuzz, DamagedFilesDecodeOrRaiseInvalidGraphicOnly) {
    TBmpFile v5;
    v5.HeaderSize = 124;
    v5.Width = 3;
    v5.Height = -2;
    v5.Bits = 32;
    v5.Compression = 3;
    v5.Masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
    v5.Rows = {std::string(12, '\x7F'), std::string(12, '\x01')};
    TBmpFile core;
    core.HeaderSize = 12;
    core.Width = 5;
    core.Height = 2;
    core.Bits = 4;
    core.Palette.assign(16, 0x808080);
    core.Rows = {Bytes({0x01, 0x23, 0x40}), Bytes({0x56, 0x78, 0x90})};
    const std::vector<std::string> seeds = {EncodeBmp32(Pattern(3, 5)), ValidPaletted(), v5.Build(), core.Build()};

    std::mt19937 rng(20240611);
    int decoded = 0, rejected = 0;
    for (int i = 0; i < 4000; ++i) {
        std::string file = seeds[i % seeds.size()];
        const int edits = 1 + static_cast<int>(rng() % 4);
        for (int e = 0; e < edits && !file.empty(); ++e) {
            // Most edits hit the headers, where a wrong value changes how the rest is read.
            size_t reach = rng() % 4 == 0 ? file.size() : std::min<size_t>(file.size(), 70);
            size_t pos = rng() % reach;
            switch (rng() % 4) {
                case 0: file[pos] = static_cast<char>(rng()); break;
                case 1: file[pos] = static_cast<char>(file[pos] ^ (1 << (rng() % 8))); break;
                case 2:
                    if (pos + 4 <= file.size()) WriteU32(file, pos, rng() % 2 ? 0xFFFFFFFF - rng() % 16 : rng() % 64);
                    break;
                case 3: file.resize(rng() % (file.size() + 1)); break;
            }
        }
        try {
            TBitmap32 b = DecodeBmp(file);
            ASSERT_GT(b.Width, 0);
            ASSERT_GT(b.Height, 0);
            ASSERT_EQ(b.Pixels.size(), static_cast<size_t>(b.Width) * b.Height);
            ++decoded;
        } catch (const EInvalidGraphic&) {
            ++rejected;
        } catch (const std::exception& e) {
            FAIL() << "iteration " << i << " raised " << e.what();
        }
    }
    // Both outcomes must occur, or the loop is not exercising the decoder.
    EXPECT_GT(decoded, 100);
    EXPECT_GT(rejected, 100);
}

}  // namespace
}  // namespace pv
