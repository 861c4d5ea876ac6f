#include "util/ico.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "tests/support/ico_file.h"
#include "util/exception.h"

namespace pv {
namespace {

using testing::AssembleIco;
using testing::BuildIco;
using testing::BuildIcoImage;
using testing::IcoEntry;
using testing::TIcoImage;

// A picture in which every pixel differs: opaque colours, a transparent corner and a row
// of half-transparent pixels, so a swapped row, column or channel shows.
TBitmap32 Pattern(int w, int h, uint32_t seed = 0) {
    TBitmap32 b = TBitmap32::Create(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint32_t alpha = x < 3 && y < 3 ? 0 : y == h - 1 ? 0x80 : 0xFF;
            uint32_t rgb = ((x * 16 + seed) & 0xFF) << 16 | ((y * 16) & 0xFF) << 8 | ((x + y * 3 + seed) & 0xFF);
            b.Pixels[static_cast<size_t>(y) * w + x] = alpha == 0 ? 0 : alpha << 24 | rgb;
        }
    return b;
}

TIcoImage Image32(const TBitmap32& b) {
    TIcoImage im;
    im.Width = b.Width;
    im.Height = b.Height;
    im.Bits = 32;
    im.Pixels = b.Pixels;
    return im;
}

// A palette picture: index (x + y) mod colours, the top-left 2 x 2 pixels masked out.
TIcoImage Paletted(int bits, int size = 16) {
    TIcoImage im;
    im.Width = im.Height = size;
    im.Bits = bits;
    int colours = bits == 1 ? 2 : bits == 4 ? 16 : 256;
    for (int i = 0; i < colours; ++i)
        im.Palette.push_back(static_cast<uint32_t>((i * 37) & 0xFF) << 16 |
                             static_cast<uint32_t>((i * 91) & 0xFF) << 8 | static_cast<uint32_t>(255 - i));
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            im.Indexes.push_back(static_cast<uint8_t>((x + y) % colours));
            im.Mask.push_back(x < 2 && y < 2);
        }
    return im;
}

TBitmap32 ExpectedPaletted(const TIcoImage& im) {
    TBitmap32 b = TBitmap32::Create(im.Width, im.Height);
    for (size_t i = 0; i < b.Pixels.size(); ++i)
        b.Pixels[i] = im.Mask[i] ? 0 : 0xFF000000u | im.Palette[im.Indexes[i]];
    return b;
}

TEST(IcoDecoder, A32BitImageKeepsItsStraightAlphaAndIgnoresTheMask) {
    TBitmap32 picture = Pattern(16, 16);
    TIcoImage im = Image32(picture);
    im.Mask.assign(256, true);  // the alpha bytes rule, not the mask
    EXPECT_EQ(DecodeIco(BuildIco({im})), picture);
}

TEST(IcoDecoder, A32BitImageWithoutAlphaTakesTransparencyFromTheMask) {
    TBitmap32 picture = Pattern(16, 16);
    TIcoImage im = Image32(picture);
    im.WriteAlpha = false;
    im.Mask.assign(256, false);
    im.Mask[0] = im.Mask[17] = true;
    TBitmap32 decoded = DecodeIco(BuildIco({im}));
    EXPECT_EQ(decoded.Pixel(0, 0), 0u);
    EXPECT_EQ(decoded.Pixel(1, 1), 0u);
    EXPECT_EQ(decoded.Pixel(5, 4), 0xFF000000u | (picture.Pixel(5, 4) & 0xFFFFFF));
    EXPECT_EQ(decoded.Pixel(7, 15), 0xFF000000u | (picture.Pixel(7, 15) & 0xFFFFFF)) << "was half transparent";
}

TEST(IcoDecoder, PaletteAndTrueColourImagesAreTransparentWhereTheMaskIsSet) {
    for (int bits : {1, 4, 8}) {
        TIcoImage im = Paletted(bits);
        EXPECT_EQ(DecodeIco(BuildIco({im})), ExpectedPaletted(im)) << bits << " bits";
    }
    TIcoImage im = Image32(Pattern(16, 16));
    im.Bits = 24;
    im.Mask.assign(256, false);
    im.Mask[255] = true;
    TBitmap32 decoded = DecodeIco(BuildIco({im}));
    EXPECT_EQ(decoded.Pixel(15, 15), 0u);
    EXPECT_EQ(decoded.Pixel(0, 0), 0xFF000000u | (im.Pixels[0] & 0xFFFFFF)) << "24 bits know no alpha";
    EXPECT_EQ(decoded.Pixel(9, 2), 0xFF000000u | (im.Pixels[2 * 16 + 9] & 0xFFFFFF));
}

TEST(IcoDecoder, TheEntryNearestToTheAskedSizeIsTakenAndScaledWhenItDiffers) {
    TBitmap32 small = Pattern(16, 16, 1), large = Pattern(32, 32, 2), huge = Pattern(48, 48, 3);
    EXPECT_EQ(DecodeIco(BuildIco({Image32(large), Image32(small)})), small);
    EXPECT_EQ(DecodeIco(BuildIco({Image32(small), Image32(large)}), 32, 32), large);
    EXPECT_EQ(DecodeIco(BuildIco({Image32(huge), Image32(large)})), Scaled(large, 16, 16));
    EXPECT_EQ(DecodeIco(BuildIco({Image32(small)}), 24, 24), Scaled(small, 24, 24)) << "growing, with no other choice";

    // Equally near: the larger one, since shrinking keeps more of it.
    TBitmap32 twenty = Pattern(20, 20, 4), twelve = Pattern(12, 12, 5);
    EXPECT_EQ(DecodeIco(BuildIco({Image32(twelve), Image32(twenty)})), Scaled(twenty, 16, 16));

    // The same size twice: the one with more bits per pixel.
    TIcoImage paletted = Paletted(8);
    EXPECT_EQ(DecodeIco(BuildIco({paletted, Image32(small)})), small);
    EXPECT_EQ(DecodeIco(BuildIco({Image32(small), paletted})), small);
}

TEST(IcoDecoder, TheImageHeaderDecidesTheSizeWhenTheDirectoryDisagrees) {
    TBitmap32 large = Pattern(32, 32);
    std::string file = AssembleIco({{16, 16, 32, BuildIcoImage(Image32(large))}});
    EXPECT_EQ(DecodeIco(file), Scaled(large, 16, 16));
}

// A valid file with one 16 x 16 32-bit image; its image header starts at 22.
std::string ValidFile() { return BuildIco({Image32(Pattern(16, 16))}); }
constexpr size_t kHeader = 22;

TEST(IcoDecoder, MalformedFilesRaiseInvalidGraphic) {
    using testing::SetU16;
    using testing::SetU32;
    const size_t entry = IcoEntry(0);
    struct Case {
        const char* name;
        std::function<void(std::string&)> damage;
    };
    const std::vector<Case> cases = {
        {"empty", [&](std::string& f) { f.clear(); }},
        {"shorter than the directory header", [&](std::string& f) { f.resize(5); }},
        {"reserved word set", [&](std::string& f) { SetU16(f, 0, 1); }},
        {"a cursor", [&](std::string& f) { SetU16(f, 2, 2); }},
        {"an unknown type", [&](std::string& f) { SetU16(f, 2, 3); }},
        {"no images", [&](std::string& f) { SetU16(f, 4, 0); }},
        {"more entries than the file holds", [&](std::string& f) { SetU16(f, 4, 100); }},
        {"directory cut off", [&](std::string& f) { f.resize(entry + 10); }},
        {"image beyond the end", [&](std::string& f) { SetU32(f, entry + 12, static_cast<uint32_t>(f.size())); }},
        {"image size beyond the end", [&](std::string& f) { SetU32(f, entry + 8, static_cast<uint32_t>(f.size())); }},
        {"offset and size wrap around",
         [&](std::string& f) {
             SetU32(f, entry + 12, 0xFFFFFFF0u);
             SetU32(f, entry + 8, 0x100u);
         }},
        {"offset into the directory", [&](std::string& f) { SetU32(f, entry + 12, 0); }},
        {"image size 0", [&](std::string& f) { SetU32(f, entry + 8, 0); }},
        {"mask cut off", [&](std::string& f) { SetU32(f, entry + 8, static_cast<uint32_t>(f.size() - kHeader - 1)); }},
        {"file cut inside the pixels", [&](std::string& f) { f.resize(kHeader + 200); }},
        {"PNG image", [&](std::string& f) { f.replace(kHeader, 8, std::string("\x89PNG\r\n\x1a\n", 8)); }},
        {"core header", [&](std::string& f) { SetU32(f, kHeader, 12); }},
        {"V5 header", [&](std::string& f) { SetU32(f, kHeader, 124); }},
        {"width 0", [&](std::string& f) { SetU32(f, kHeader + 4, 0); }},
        {"negative width", [&](std::string& f) { SetU32(f, kHeader + 4, static_cast<uint32_t>(-16)); }},
        {"huge width", [&](std::string& f) { SetU32(f, kHeader + 4, 30000); }},
        {"width above the limit", [&](std::string& f) { SetU32(f, kHeader + 4, 40000); }},
        {"height not doubled (odd)", [&](std::string& f) { SetU32(f, kHeader + 8, 31); }},
        {"height 0", [&](std::string& f) { SetU32(f, kHeader + 8, 0); }},
        {"negative (top-down) height", [&](std::string& f) { SetU32(f, kHeader + 8, static_cast<uint32_t>(-32)); }},
        {"height beyond the data", [&](std::string& f) { SetU32(f, kHeader + 8, 64); }},
        {"run-length compression", [&](std::string& f) { SetU32(f, kHeader + 16, 1); }},
        {"bit-field compression", [&](std::string& f) { SetU32(f, kHeader + 16, 3); }},
        {"7 bits per pixel", [&](std::string& f) { SetU16(f, kHeader + 14, 7); }},
        {"0 bits per pixel", [&](std::string& f) { SetU16(f, kHeader + 14, 0); }},
        {"a palette larger than 8 bits allow",
         [&](std::string& f) {
             SetU16(f, kHeader + 14, 8);
             SetU32(f, kHeader + 32, 300);
         }},
        {"colour count beyond the data", [&](std::string& f) { SetU32(f, kHeader + 32, 0xFFFFFFFFu); }},
    };
    for (const Case& c : cases) {
        std::string file = ValidFile();
        c.damage(file);
        EXPECT_THROW(DecodeIco(file), EInvalidGraphic) << c.name;
    }
}

TEST(IcoDecoder, PixelsThatUseColoursBeyondAShortPaletteRaiseInvalidGraphic) {
    TIcoImage im = Paletted(8);
    im.Palette.resize(4);  // indexes run up to 30
    EXPECT_THROW(DecodeIco(BuildIco({im})), EInvalidGraphic);
}

TEST(IcoDecoder, AnImpossibleTargetSizeRaisesInvalidGraphic) {
    EXPECT_THROW(DecodeIco(ValidFile(), 0, 16), EInvalidGraphic);
    EXPECT_THROW(DecodeIco(ValidFile(), 16, -1), EInvalidGraphic);
}

TEST(IcoDecoder, DamagedFilesEitherDecodeOrRaiseInvalidGraphic) {
    const std::vector<std::string> seeds = {
        ValidFile(),
        BuildIco({Paletted(4), Image32(Pattern(32, 32))}),
        BuildIco({Paletted(1, 20), Paletted(8)}),
    };
    std::mt19937 rng(20261210);
    for (int round = 0; round < 3000; ++round) {
        std::string file = seeds[static_cast<size_t>(round) % seeds.size()];
        int edits = 1 + static_cast<int>(rng() % 4);
        for (int e = 0; e < edits; ++e) {
            // Most damage goes to the directory and headers, where the sizes live.
            size_t span = rng() % 4 == 0 ? file.size() : std::min<size_t>(file.size(), 120);
            file[rng() % span] = static_cast<char>(rng());
        }
        if (rng() % 5 == 0) file.resize(rng() % (file.size() + 1));
        try {
            TBitmap32 b = DecodeIco(file);
            ASSERT_EQ(b.Width, 16);
            ASSERT_EQ(b.Height, 16);
            ASSERT_EQ(b.Pixels.size(), 256u);
        } catch (const EInvalidGraphic&) {
        }
    }
}

}  // namespace
}  // namespace pv
