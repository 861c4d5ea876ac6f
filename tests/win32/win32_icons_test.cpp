// The real shell's file icons, icon files read by the system, and the native image list
// behind TImageList, checked by what the system draws from it.
#include "tests/win32/win32_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "controls/application.h"
#include "controls/image_list.h"
#include "platform/win32/win32_platform.h"
#include "tests/support/ico_file.h"
#include "util/exception.h"

namespace pv {
namespace {

class Win32Icons : public testing::Win32FolderTest {
protected:
    static int OpaquePixels(const TBitmap32& b) {
        int n = 0;
        for (uint32_t p : b.Pixels) n += (p >> 24) == 0xFF;
        return n;
    }
};

TEST_F(Win32Icons, TheShellGivesSmallVisibleIconsForDocumentsAndPrograms) {
    platform->Files().WriteAllBytes(root + "notes.txt", "");
    wchar_t self[MAX_PATH];
    ASSERT_GT(GetModuleFileNameW(nullptr, self, MAX_PATH), 0u);
    for (const std::string& path : {root + "notes.txt", win32::Narrow(self), root}) {
        std::optional<TBitmap32> icon = platform->Shell().FileSmallIcon(path);
        ASSERT_TRUE(icon) << path;
        EXPECT_EQ(icon->Width, 16) << path;
        EXPECT_EQ(icon->Height, 16) << path;
        EXPECT_GT(OpaquePixels(*icon), 16) << path;
    }
    EXPECT_FALSE(platform->Shell().FileSmallIcon(root + "missing.txt"));
    EXPECT_FALSE(platform->Shell().FileSmallIcon(""));
}

// Asked at the small-icon size of a screen of more DPI, the shell gives its icons at that
// size, drawn from its larger pictures: a 16 x 16 icon blown up would show in blocks of
// two by two equal pixels. An icon file gives its own image of that size.
TEST_F(Win32Icons, AskedAtALargerSizeTheShellDrawsItsLargerPictures) {
    platform->Files().WriteAllBytes(root + "notes.txt", "");
    wchar_t self[MAX_PATH];
    ASSERT_GT(GetModuleFileNameW(nullptr, self, MAX_PATH), 0u);
    for (int size : {24, 32}) {
        for (const std::string& path : {root + "notes.txt", win32::Narrow(self), root}) {
            SCOPED_TRACE(path + " at " + std::to_string(size));
            std::optional<TBitmap32> icon = platform->Shell().FileIcon(path, size);
            ASSERT_TRUE(icon);
            ASSERT_EQ(icon->Width, size);
            ASSERT_EQ(icon->Height, size);
            EXPECT_GT(OpaquePixels(*icon), size * size / 8);
            if (size != 32) continue;
            int mixedBlocks = 0;
            for (int y = 0; y < size; y += 2)
                for (int x = 0; x < size; x += 2) {
                    uint32_t p = icon->Pixel(x, y);
                    mixedBlocks += icon->Pixel(x + 1, y) != p || icon->Pixel(x, y + 1) != p || icon->Pixel(x + 1, y + 1) != p;
                }
            EXPECT_GT(mixedBlocks, 8) << "not the small icon blown up";
        }
    }
    EXPECT_FALSE(platform->Shell().FileIcon(root + "missing.txt", 32));

    testing::TIcoImage small, large;
    small.Pixels.assign(256, 0xFF2060C0);
    large.Width = large.Height = 32;
    large.Pixels.assign(1024, 0xFFC06020);
    platform->Files().WriteAllBytes(root + "two.ico", testing::BuildIco({small, large}));
    EXPECT_EQ(platform->Shell().IconFile(root + "two.ico", 32), TBitmap32::Create(32, 32, 0xFFC06020));
    EXPECT_EQ(platform->Shell().IconFile(root + "two.ico", 16), TBitmap32::Create(16, 16, 0xFF2060C0));
}

bool Near(uint32_t a, uint32_t b, int tolerance) {
    for (int shift : {24, 16, 8, 0})
        if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > tolerance)
            return false;
    return true;
}

TEST_F(Win32Icons, IconFilesComeBackWithTheirAlphaOrTheirMask) {
    testing::TIcoImage alpha;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            alpha.Pixels.push_back(x < 4 && y < 4 ? 0u : y == 15 ? 0x80204080u : x < 8 ? 0xFFE01010u : 0xFF10C030u);
    testing::TIcoImage masked;
    masked.Bits = 4;
    for (uint32_t c = 0; c < 16; ++c) masked.Palette.push_back(c * 0x101010u);
    // Transparent pixels are black in the colour rows: a mask pixel over any other colour
    // inverts the screen.
    for (int i = 0; i < 256; ++i) {
        bool transparent = i % 16 == 0 || i / 16 == 3;
        masked.Indexes.push_back(static_cast<uint8_t>(transparent ? 0 : i % 16));
        masked.Mask.push_back(transparent);
    }
    platform->Files().WriteAllBytes(root + "alpha.ico", testing::BuildIco({alpha}));
    platform->Files().WriteAllBytes(root + "masked.ico", testing::BuildIco({masked}));

    TBitmap32 a = platform->Shell().LoadIconFile(root + "alpha.ico");
    ASSERT_EQ(a.Width, 16);
    ASSERT_EQ(a.Height, 16);
    for (size_t i = 0; i < a.Pixels.size(); ++i) {
        uint32_t want = alpha.Pixels[i];
        // Half-transparent pixels pass through the system's blending and lose a little.
        EXPECT_TRUE(Near(a.Pixels[i], want, (want >> 24) == 0x80 ? 3 : 0))
            << "pixel " << i << ": " << std::hex << a.Pixels[i] << " for " << want;
    }
    TBitmap32 m = platform->Shell().LoadIconFile(root + "masked.ico");
    ASSERT_EQ(m.Pixels.size(), 256u);
    for (size_t i = 0; i < m.Pixels.size(); ++i) {
        uint32_t want = masked.Mask[i] ? 0u : 0xFF000000u | masked.Palette[masked.Indexes[i]];
        EXPECT_EQ(m.Pixels[i], want) << "pixel " << i;
    }

    EXPECT_THROW(platform->Shell().LoadIconFile(root + "missing.ico"), EFOpenError);
    EXPECT_THROW(platform->Shell().LoadIconFile(root), EFOpenError) << "a folder";
    platform->Files().WriteAllBytes(root + "text.ico", "not an icon at all");
    EXPECT_THROW(platform->Shell().LoadIconFile(root + "text.ico"), EInvalidGraphic);
}

// Picture i of the test lists: clear on the left, then a band of half-transparent white,
// then its own opaque colour.
TBitmap32 Numbered(int i) {
    uint32_t colour = 0xFF000000u | static_cast<uint32_t>(i * 7 % 256) << 16 |
                      static_cast<uint32_t>(255 - i * 5 % 256) << 8 | 0x40u;
    TBitmap32 b = TBitmap32::Create(16, 16, colour);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 8; ++x) b.SetPixel(x, y, x < 6 ? 0 : 0x80FFFFFFu);
    return b;
}

// What the system draws of one picture over a grey background.
TBitmap32 Drawn(HIMAGELIST list, int index) {
    constexpr uint32_t kBackground = 0x00808080;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 16, -16, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    uint32_t* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bmp = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bmp);
    std::fill(bits, bits + 256, kBackground);
    EXPECT_TRUE(ImageList_Draw(list, index, dc, 0, 0, ILD_NORMAL));
    GdiFlush();
    TBitmap32 out = TBitmap32::Create(16, 16);
    for (size_t i = 0; i < 256; ++i) out.Pixels[i] = 0xFF000000u | (bits[i] & 0xFFFFFF);
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
    return out;
}

TEST_F(Win32Icons, TheNativeImageListHoldsEveryPictureAtItsModelIndex) {
    TApplication app(*platform);
    auto* list = TComponent::Create<TImageList>(&app);
    std::vector<int> model;  // which numbered picture each index holds
    auto add = [&](int n) {
        list->Add(Numbered(n));
        model.push_back(n);
    };
    auto insert = [&](int index, int n) {
        list->Insert(index, Numbered(n));
        model.insert(model.begin() + index, n);
    };
    for (int n = 0; n < 30; ++n) add(n);
    auto native = reinterpret_cast<HIMAGELIST>(list->Handle());
    ASSERT_NE(native, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(native), 30);

    insert(29, 100);  // before the last, as a reload does
    insert(0, 101);
    insert(15, 102);
    insert(static_cast<int>(model.size()), 103);
    list->Delete(10);
    model.erase(model.begin() + 10);
    EXPECT_FALSE(list->AddIcon(std::nullopt));
    add(104);
    ASSERT_EQ(ImageList_GetImageCount(native), list->Count());
    ASSERT_EQ(list->Count(), static_cast<int>(model.size()));

    for (int i = 0; i < list->Count(); ++i) {
        TBitmap32 drawn = Drawn(native, i);
        EXPECT_EQ(drawn.Pixel(2, 8), 0xFF808080u) << "index " << i << ": the clear part shows the background";
        // Half white over grey, from alpha taken straight; taken as premultiplied it would be white.
        EXPECT_TRUE(Near(drawn.Pixel(7, 8), 0xFFBFBFBFu, 2)) << "index " << i << ": " << std::hex << drawn.Pixel(7, 8);
        EXPECT_EQ(drawn.Pixel(12, 8), Numbered(model[static_cast<size_t>(i)]).Pixel(12, 8))
            << "index " << i << " should hold picture " << model[static_cast<size_t>(i)];
    }

    list->Clear();
    EXPECT_EQ(ImageList_GetImageCount(native), 0);
}

}  // namespace
}  // namespace pv
