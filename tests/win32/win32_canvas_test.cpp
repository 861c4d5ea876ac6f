// The GDI canvas under Windows (or Wine): a memory DC over a DIB section, lines, fills,
// text and pictures, the DC given back as it was found, and the menu painter drawing
// through it. Real fonts differ from system to system, so the checks are of geometry and
// colours, not of glyphs.
#include "platform/win32/win32_common.h"

#include <gtest/gtest.h>

#include "app/menu_painter.h"
#include "controls/application.h"
#include "controls/canvas.h"
#include "controls/image_list.h"
#include "controls/menus.h"
#include "platform/win32/win32_canvas.h"
#include "platform/win32/win32_platform.h"

namespace pv {
namespace {

constexpr TColor kUntouched = 0x00123456;
constexpr uint32_t kImageArgb = 0xFF00C000;

class Win32CanvasTest : public ::testing::Test {
protected:
    TColor At(const TBitmap32& pixels, int x, int y) { return ArgbToColorRef(pixels.Pixel(x, y)); }
    TColor Sys(int index) { return platform->System().SysColor(index); }
    // Pixels of the area that differ from `ground`: where text was drawn.
    int CountOther(const TBitmap32& pixels, const TRect& area, TColor ground) {
        int n = 0;
        for (int y = area.Top; y < area.Bottom; ++y)
            for (int x = area.Left; x < area.Right; ++x) n += At(pixels, x, y) != ground;
        return n;
    }
    std::unique_ptr<Platform> platform = win32::CreateWin32Platform();
};

TEST_F(Win32CanvasTest, BitmapCanvasFillsLinesAndPictures) {
    auto surface = platform->UI().CreateBitmapCanvas(60, 40, kUntouched);
    TCanvas canvas(*surface);
    canvas.Brush.Color = 0x000000FF;
    canvas.FillRect(TRect{10, 10, 20, 15});
    canvas.Pen.Color = 0x00FF0000;
    canvas.MoveTo(30, 5);
    canvas.LineTo(40, 5);
    canvas.LineTo(40, 9);
    TBitmap32 image = TBitmap32::Create(2, 2, kImageArgb);
    image.SetPixel(1, 0, 0x00FFFFFF);  // fully transparent
    canvas.Draw(50, 30, image);
    canvas.Draw(50, 35, image, true);

    TBitmap32 pixels = surface->Pixels();
    ASSERT_EQ(pixels.Width, 60);
    ASSERT_EQ(pixels.Height, 40);
    EXPECT_EQ(pixels.Pixel(0, 0) >> 24, 0xFFu) << "read back opaque";
    EXPECT_EQ(At(pixels, 0, 0), kUntouched);
    EXPECT_EQ(At(pixels, 10, 10), 0x000000FFu);
    EXPECT_EQ(At(pixels, 19, 14), 0x000000FFu);
    EXPECT_EQ(At(pixels, 20, 14), kUntouched);
    EXPECT_EQ(At(pixels, 19, 15), kUntouched);
    EXPECT_EQ(At(pixels, 30, 5), 0x00FF0000u);
    EXPECT_EQ(At(pixels, 39, 5), 0x00FF0000u);
    EXPECT_EQ(At(pixels, 40, 8), 0x00FF0000u);
    EXPECT_EQ(At(pixels, 40, 9), kUntouched) << "the end point is left out";
    EXPECT_EQ(At(pixels, 50, 30), ArgbToColorRef(kImageArgb));
    EXPECT_EQ(At(pixels, 51, 30), kUntouched) << "transparent pixels leave the canvas alone";
    TColor grey = At(pixels, 50, 35);
    EXPECT_NE(grey, ArgbToColorRef(kImageArgb));
    EXPECT_NE(grey, kUntouched);
    EXPECT_GT(surface->PixelsPerInch(), 0);
}

TEST_F(Win32CanvasTest, TextIsDrawnInItsRectangleAndTurnsUpward) {
    auto surface = platform->UI().CreateBitmapCanvas(120, 120, 0x00FFFFFF);
    TCanvas canvas(*surface);
    canvas.Font.Name = "Tahoma";
    canvas.Font.Size = 10;
    canvas.Font.Color = 0;
    canvas.Brush.Clear = true;
    TSize extent = canvas.TextExtent("Pivola");
    EXPECT_GT(extent.cx, 10);
    EXPECT_GT(extent.cy, 8);
    EXPECT_GT(canvas.TextHeight(""), 8) << "an empty text has the line height";
    canvas.DrawText("Pivola", TRect{0, 0, 60, 20}, TextFlag::SingleLine | TextFlag::VCenter);
    canvas.Font.Escapement = 900;
    EXPECT_EQ(canvas.TextExtent("Pivola"), extent) << "the extent does not turn";
    canvas.TextRect(TRect{0, 0, 120, 120}, 80, 110, "Pivola");

    TBitmap32 pixels = surface->Pixels();
    EXPECT_GT(CountOther(pixels, TRect{0, 0, 60, 20}, 0x00FFFFFF), 10);
    EXPECT_EQ(CountOther(pixels, TRect{60, 0, 120, 20}, 0x00FFFFFF), 0);
    EXPECT_GT(CountOther(pixels, TRect{80, 110 - extent.cx, 80 + extent.cy, 110}, 0x00FFFFFF), 10)
        << "upward from the start point";
    EXPECT_EQ(CountOther(pixels, TRect{60, 20, 120, 110 - extent.cx - 2}, 0x00FFFFFF), 0);
    EXPECT_EQ(CountOther(pixels, TRect{60, 112, 120, 120}, 0x00FFFFFF), 0);
}

TEST_F(Win32CanvasTest, HiddenPrefixesAreRemovedWithoutUnderline) {
    auto draw = [&](const std::string& text, unsigned flags) {
        auto surface = platform->UI().CreateBitmapCanvas(80, 20, 0x00FFFFFF);
        TCanvas canvas(*surface);
        canvas.Font.Name = "Tahoma";
        canvas.Font.Size = 10;
        canvas.Brush.Clear = true;
        canvas.DrawText(text, TRect{0, 0, 80, 20}, TextFlag::SingleLine | flags);
        return surface->Pixels();
    };
    EXPECT_TRUE(draw("&Tools", TextFlag::HidePrefix) == draw("Tools", TextFlag::NoPrefix));
    EXPECT_TRUE(draw("R&&D", TextFlag::HidePrefix) == draw("R&D", TextFlag::NoPrefix));
    EXPECT_FALSE(draw("&Tools", 0) == draw("Tools", TextFlag::NoPrefix)) << "the accelerator is underlined";
}

TEST_F(Win32CanvasTest, TheDeviceContextIsGivenBackAsItWasFound) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 10, 10);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
    HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
    COLORREF text = GetTextColor(dc);
    {
        win32::Win32Canvas canvas(dc);
        canvas.SetFont(FontSpec{"Tahoma", 12, true}, 0);
        canvas.SetFont(FontSpec{"Tahoma", 12, true}, 900);
        canvas.SetPenColor(0x00FF0000);
        canvas.SetPenColor(0x0000FF00);
        canvas.SetTextColor(0x000000FF);
        canvas.MoveTo(0, 0);
        canvas.LineTo(5, 5);
        EXPECT_NE(GetCurrentObject(dc, OBJ_FONT), font);
    }
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    EXPECT_EQ(GetTextColor(dc), text);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

class Win32PainterTest : public Win32CanvasTest {
protected:
    Win32PainterTest() {
        images->Add(TBitmap32::Create(16, 16, kImageArgb));
        painter.FontName = "Tahoma";
        painter.FontSize = 10;
        painter.UseMenuFont = false;
        auto add = [&](const std::string& caption, intptr_t tag, bool visible, int image) {
            auto* item = TComponent::Create<TMenuItem>(level);
            item->Caption = caption;
            item->Tag = tag;
            item->Visible = visible;
            item->ImageIndex = image;
            level->Add(item);
            return item;
        };
        add("Pivola", -9999, false, -1);
        heading = add("&Tools", -100, true, -1);
        help = add("Help...", 0, true, 0);
    }
    TApplication app{*platform};
    TMenuItem* level = TComponent::Create<TMenuItem>(&app);
    TImageList* images = TComponent::Create<TImageList>(&app);
    TMenuItem *heading = nullptr, *help = nullptr;
    TvdMenusPainter painter{*platform};
    std::unique_ptr<IBitmapCanvas> surface = platform->UI().CreateBitmapCanvas(160, 60, kUntouched);
    TCanvas canvas{*surface};
};

TEST_F(Win32PainterTest, SelectedEntryBesideTheBar) {
    painter.DrawItem(help, canvas, TRect{0, 19, 160, 38}, true, images);
    TBitmap32 pixels = surface->Pixels();
    const int bottom = 38, h = 38;  // the heading and the entry
    EXPECT_EQ(At(pixels, 22, bottom - 18), ArgbToColorRef(kImageArgb)) << "image at 22";
    EXPECT_EQ(At(pixels, 21, bottom - 19), Sys(COLOR_BTNHIGHLIGHT)) << "raised frame";
    EXPECT_EQ(At(pixels, 21, bottom - 2), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(At(pixels, 38, bottom - 19), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(At(pixels, 38, bottom - 1), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(At(pixels, 39, bottom - 1), kUntouched);
    EXPECT_EQ(At(pixels, 40, bottom - 19), Sys(COLOR_HIGHLIGHT)) << "fill from 40";
    EXPECT_EQ(At(pixels, 159, bottom - 1), Sys(COLOR_HIGHLIGHT));
    EXPECT_EQ(At(pixels, 40, bottom), kUntouched);
    EXPECT_GT(CountOther(pixels, TRect{43, bottom - 19, 159, bottom}, Sys(COLOR_HIGHLIGHT)), 10) << "caption";
    EXPECT_EQ(CountOther(pixels, TRect{40, bottom - 19, 43, bottom}, Sys(COLOR_HIGHLIGHT)), 0)
        << "the caption starts at 43";

    EXPECT_EQ(At(pixels, 0, 0), Sys(COLOR_INACTIVECAPTION)) << "bar";
    EXPECT_EQ(At(pixels, 18, h - 2), Sys(COLOR_INACTIVECAPTION));
    EXPECT_EQ(At(pixels, 19, 0), kUntouched);
    EXPECT_GT(CountOther(pixels, TRect{0, 0, 19, h - 1}, Sys(COLOR_INACTIVECAPTION)), 10) << "bar caption";
}

TEST_F(Win32PainterTest, DisabledEntryIsFilledWithTheMenuColour) {
    help->Enabled = false;
    painter.DrawItem(help, canvas, TRect{0, 19, 160, 38}, true, images);
    TBitmap32 pixels = surface->Pixels();
    EXPECT_EQ(At(pixels, 40, 19), Sys(COLOR_MENU));
    EXPECT_EQ(At(pixels, 159, 37), Sys(COLOR_MENU));
    EXPECT_NE(At(pixels, 22, 20), ArgbToColorRef(kImageArgb)) << "greyed image";
    EXPECT_GT(CountOther(pixels, TRect{43, 19, 159, 38}, Sys(COLOR_MENU)), 10) << "embossed caption";
}

TEST_F(Win32PainterTest, HeadingEtchedLineAndCentredCaption) {
    painter.DrawHeading(heading, canvas, false, TRect{0, 0, 160, 19});
    TBitmap32 pixels = surface->Pixels();
    for (int x : {20, 159}) {
        EXPECT_EQ(At(pixels, x, 9), Sys(COLOR_BTNSHADOW)) << x;
        EXPECT_EQ(At(pixels, x, 10), Sys(COLOR_BTNHIGHLIGHT)) << x;
        EXPECT_EQ(At(pixels, x, 0), Sys(COLOR_MENU)) << x;
    }
    EXPECT_EQ(At(pixels, 19, 9), kUntouched);
    // The caption interrupts the line in the middle of the space right of the bar.
    int middle = (20 + 160) / 2;
    EXPECT_GT(CountOther(pixels, TRect{middle - 15, 0, middle + 15, 19}, Sys(COLOR_MENU)), 10);
    int onLine = 0;
    for (int x = middle - 8; x < middle + 8; ++x) onLine += At(pixels, x, 9) == Sys(COLOR_BTNSHADOW);
    EXPECT_EQ(onLine, 0) << "the caption's background breaks the line";

    // Without its accelerator mark and without an underline: the same as a plain caption.
    heading->Caption = "Tools";
    auto plain = platform->UI().CreateBitmapCanvas(160, 60, kUntouched);
    TCanvas plainCanvas(*plain);
    painter.DrawHeading(heading, plainCanvas, false, TRect{0, 0, 160, 19});
    EXPECT_TRUE(plain->Pixels() == pixels);
}

}  // namespace
}  // namespace pv
