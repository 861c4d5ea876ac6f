// The toolkit canvas over the simulated raster: fixed font metrics, accelerator marks,
// layout flags, clipping, lines that leave out their end point, rotated text and
// alpha-blended pictures.
#include "controls/canvas.h"

#include <gtest/gtest.h>

#include "platform/sim/sim_canvas.h"
#include "tests/support/sim_test.h"
#include "util/exception.h"

namespace pv {
namespace {

using sim::SimBitmapCanvas;

constexpr TColor kPaper = 0x00FFFFFF;
constexpr TColor kInk = 0x00000080;
constexpr TColor kBack = 0x0000C0C0;

class SimCanvasTest : public ::testing::Test {
protected:
    SimCanvasTest() {
        canvas.Font.Name = "Verdana";
        canvas.Font.Size = 10;  // cells of 7 x 16, glyph blocks at columns 1..5, rows 2..12
        canvas.Font.Color = kInk;
        canvas.Brush.Clear = true;
    }
    TColor At(int x, int y) const { return surface.ColorAt(x, y); }
    SimBitmapCanvas surface{100, 60, kPaper};
    TCanvas canvas{surface};
};

TEST_F(SimCanvasTest, TextExtentCountsCellsAndAmpersands) {
    EXPECT_EQ(canvas.TextExtent("Ab&c"), (TSize{28, 16}));
    canvas.Font.Style = FontStyle::Bold;
    EXPECT_EQ(canvas.TextExtent("Ab&c"), (TSize{32, 16}));
    canvas.Font.Style = 0;
    canvas.Font.Size = 8;
    EXPECT_EQ(canvas.TextExtent(""), (TSize{0, 13})) << "an empty text keeps the line height";
    EXPECT_EQ(canvas.TextExtent("\xC3\xA9t\xC3\xA9"), (TSize{18, 13})) << "one cell per character, not per byte";
}

TEST_F(SimCanvasTest, AcceleratorMarks) {
    struct Case {
        const char* text;
        unsigned flags;
        const char* shown;
        int underlined;
    } cases[] = {
        {"&File", 0, "File", 0},
        {"Fi&le", 0, "File", 2},
        {"A&&B", 0, "A&B", -1},
        {"&A&B", 0, "AB", 1},  // the last mark wins, as the system's does
        {"Save&", 0, "Save", -1},
        {"&File", TextFlag::NoPrefix, "&File", -1},
        {"&File", TextFlag::HidePrefix, "File", -1},
    };
    for (const Case& c : cases) {
        SimBitmapCanvas fresh(100, 20, kPaper);
        TCanvas tc(fresh);
        tc.Font = canvas.Font;
        tc.Brush.Clear = true;
        tc.DrawText(c.text, TRect{0, 0, 100, 16}, c.flags);
        ASSERT_EQ(fresh.Texts().size(), 1u);
        EXPECT_EQ(fresh.Texts()[0].Text, c.shown) << c.text;
        EXPECT_EQ(fresh.Texts()[0].Underlined, c.underlined) << c.text;
        // The underline is row 14 of the cell, across its whole width; nothing else sits there.
        for (int x = 0; x < 35; ++x) {
            bool under = c.underlined >= 0 && x / 7 == c.underlined;
            EXPECT_EQ(fresh.ColorAt(x, 14), under ? kInk : kPaper) << c.text << " at x " << x;
        }
    }
}

TEST_F(SimCanvasTest, GlyphBlocksAndOpaqueBackground) {
    canvas.TextOut(10, 5, "a b");
    EXPECT_EQ(At(11, 7), kInk) << "first pixel of the block";
    EXPECT_EQ(At(15, 17), kInk) << "last pixel of the block";
    EXPECT_EQ(At(10, 7), kPaper);
    EXPECT_EQ(At(16, 7), kPaper);
    EXPECT_EQ(At(11, 18), kPaper);
    EXPECT_EQ(At(18, 10), kPaper) << "a space is an empty cell";

    canvas.Brush.Clear = false;
    canvas.Brush.Color = kBack;
    canvas.TextOut(10, 30, "a b");
    EXPECT_EQ(At(10, 30), kBack) << "the opaque background fills the cells";
    EXPECT_EQ(At(18, 40), kBack);
    EXPECT_EQ(At(30, 45), kBack);
    EXPECT_EQ(At(31, 30), kPaper) << "only the cells";
    EXPECT_EQ(At(10, 46), kPaper);
}

TEST_F(SimCanvasTest, DrawTextLayoutFlags) {
    const TRect r{10, 10, 80, 40};  // "abc" is 21 x 16
    struct Case {
        unsigned flags;
        int x, y;
    } cases[] = {
        {TextFlag::SingleLine, 10, 10},
        {TextFlag::SingleLine | TextFlag::VCenter, 10, 17},
        {TextFlag::SingleLine | TextFlag::VCenter | TextFlag::Center, 34, 17},
        {TextFlag::SingleLine | TextFlag::Right, 59, 10},
        {TextFlag::VCenter, 10, 10},  // centring needs a single line
    };
    for (const Case& c : cases) {
        SimBitmapCanvas fresh(100, 60, kPaper);
        TCanvas tc(fresh);
        tc.Font = canvas.Font;
        tc.DrawText("abc", r, c.flags);
        ASSERT_EQ(fresh.Texts().size(), 1u);
        EXPECT_EQ(fresh.Texts()[0].X, c.x) << c.flags;
        EXPECT_EQ(fresh.Texts()[0].Y, c.y) << c.flags;
    }

    canvas.DrawText("one\r\ntwo", r, 0);
    ASSERT_EQ(surface.Texts().size(), 2u);
    EXPECT_EQ(surface.Texts()[1].Text, "two");
    EXPECT_EQ(surface.Texts()[1].Y, 26) << "without SingleLine a line break starts a new line";
}

TEST_F(SimCanvasTest, TextIsClippedToItsRectangle) {
    canvas.Brush.Clear = false;
    canvas.Brush.Color = kBack;
    canvas.DrawText("abcdefgh", TRect{0, 0, 20, 10}, TextFlag::SingleLine);
    EXPECT_EQ(At(14, 9), kBack);
    EXPECT_EQ(At(19, 9), kInk);
    EXPECT_EQ(At(20, 5), kPaper);
    EXPECT_EQ(At(5, 10), kPaper);
    EXPECT_EQ(surface.Texts().back().Clip, (TRect{0, 0, 20, 10}));

    canvas.DrawText("abcdefgh", TRect{0, 20, 20, 30}, TextFlag::SingleLine | TextFlag::NoClip);
    EXPECT_EQ(At(42, 21), kBack) << "NoClip draws past the rectangle";

    canvas.TextRect(TRect{50, 40, 60, 50}, 45, 38, "a&bcdefg");
    EXPECT_EQ(At(50, 40), kInk);
    EXPECT_EQ(At(51, 40), kBack);
    EXPECT_EQ(At(59, 49), kBack);
    EXPECT_EQ(At(49, 45), kPaper);
    EXPECT_EQ(At(60, 45), kPaper);
    EXPECT_EQ(At(55, 50), kPaper);
    EXPECT_EQ(surface.Texts().back().Text, "a&bcdefg") << "TextRect shows an ampersand as it is";
}

TEST_F(SimCanvasTest, LinesLeaveOutTheirEndPoint) {
    canvas.Pen.Color = kInk;
    canvas.MoveTo(2, 2);
    canvas.LineTo(6, 2);
    EXPECT_EQ(At(2, 2), kInk);
    EXPECT_EQ(At(5, 2), kInk);
    EXPECT_EQ(At(6, 2), kPaper);
    canvas.LineTo(6, 5);  // goes on from the end of the last line
    EXPECT_EQ(At(6, 2), kInk);
    EXPECT_EQ(At(6, 4), kInk);
    EXPECT_EQ(At(6, 5), kPaper);
    canvas.LineTo(2, 5);
    EXPECT_EQ(At(3, 5), kInk);
    EXPECT_EQ(At(2, 5), kPaper);

    canvas.MoveTo(10, 10);
    canvas.LineTo(16, 12);
    for (auto [x, y] : {std::pair{10, 10}, {11, 10}, {12, 11}, {13, 11}, {14, 11}, {15, 12}})
        EXPECT_EQ(At(x, y), kInk) << x << "," << y;
    EXPECT_EQ(At(16, 12), kPaper);
    EXPECT_EQ(At(11, 11), kPaper);

    canvas.MoveTo(-5, 20);
    canvas.LineTo(200, 20);  // beyond the raster: cut off, no fault
    EXPECT_EQ(At(0, 20), kInk);
    EXPECT_EQ(At(99, 20), kInk);
}

TEST_F(SimCanvasTest, RotatedTextRunsUpwardFromItsStart) {
    canvas.Font.Escapement = 900;
    canvas.Brush.Clear = false;
    canvas.Brush.Color = kBack;
    canvas.TextRect(TRect{0, 0, 100, 60}, 20, 50, "ab");
    // Cell 0 spans columns 20..35 and rows 43..49; the block is columns 22..32, rows 44..48.
    EXPECT_EQ(At(22, 48), kInk);
    EXPECT_EQ(At(32, 44), kInk);
    EXPECT_EQ(At(21, 48), kBack);
    EXPECT_EQ(At(22, 49), kBack);
    EXPECT_EQ(At(35, 43), kBack);
    EXPECT_EQ(At(22, 50), kPaper) << "nothing at or below the start point";
    EXPECT_EQ(At(36, 45), kPaper);
    // Cell 1 sits above it.
    EXPECT_EQ(At(22, 41), kInk);
    EXPECT_EQ(At(22, 36), kBack);
    EXPECT_EQ(At(22, 35), kPaper);
    EXPECT_EQ(canvas.TextExtent("ab"), (TSize{14, 16})) << "the extent does not turn";
    EXPECT_EQ(surface.Texts().back().Escapement, 900);
}

TEST_F(SimCanvasTest, PicturesBlendByAlphaAndGreyInTheDisabledStyle) {
    TBitmap32 image = TBitmap32::Create(2, 1, 0xFFFF0000);
    image.SetPixel(1, 0, 0x80FF0000);
    canvas.Draw(5, 5, image);
    EXPECT_EQ(surface.Raster().Pixel(5, 5), 0xFFFF0000u);
    EXPECT_EQ(surface.Raster().Pixel(6, 5), 0xFFFF7F7Fu) << "half red over white";
    EXPECT_EQ(At(7, 5), kPaper);

    canvas.Draw(5, 10, image, true);
    // Greyed: grey level 76 of pure red, at half the alpha, over white.
    EXPECT_EQ(surface.Raster().Pixel(5, 10), 0xFFA6A6A6u);
}

class SimCanvasFactoryTest : public testing::SimTest {};

TEST_F(SimCanvasFactoryTest, TheDesktopMakesFilledCanvases) {
    auto canvas = sim.UI().CreateBitmapCanvas(3, 2, 0x00332211);
    TBitmap32 pixels = canvas->Pixels();
    EXPECT_EQ(pixels.Width, 3);
    EXPECT_EQ(pixels.Height, 2);
    EXPECT_EQ(pixels.Pixel(2, 1), 0xFF112233u);
    EXPECT_EQ(canvas->PixelsPerInch(), sim::kSimPixelsPerInch);
    EXPECT_TRUE(sim.UI().CreateBitmapCanvas(0, 5, 0)->Pixels().Empty());
    EXPECT_THROW(sim.UI().CreateBitmapCanvas(-1, 5, 0), EInvalidGraphic);
}

}  // namespace
}  // namespace pv
