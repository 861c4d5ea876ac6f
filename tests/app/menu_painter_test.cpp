// The menu painter on the simulated raster: its fixed font metrics (cells of 7 x 16 at
// 10 points, 8 x 16 bold, 6 x 14 at 9 points) make every position below exact.
#include "app/menu_painter.h"

#include <gtest/gtest.h>

#include <memory>

#include "controls/application.h"
#include "controls/image_list.h"
#include "controls/menus.h"
#include "platform/sim/sim_canvas.h"
#include "tests/support/sim_test.h"

namespace pv {
namespace {


// What was on the canvas before the painter came: no system colour has this value.
constexpr TColor kUntouched = 0x00123456;
constexpr uint32_t kImageArgb = 0xFF00C000;

class MenuPainterTest : public testing::SimTest {
protected:
    MenuPainterTest() {
        images->Add(TBitmap32::Create(16, 16, kImageArgb));
        painter.FontName = "Verdana";
        painter.FontSize = 10;
    }
    TMenuItem* Add(TMenuItem* parent, const std::string& caption, intptr_t tag = 0, bool visible = true,
                   int image = -1) {
        auto* item = TComponent::Create<TMenuItem>(parent);
        item->Caption = caption;
        item->Tag = tag;
        item->Visible = visible;
        item->ImageIndex = image;
        parent->Add(item);
        return item;
    }
    // The program submenu as the tray menu holds it: the bar caption entry first.
    void BuildProgramLevel() {
        Add(level, "Pivola", -9999, false);
        help = Add(level, "Help...", 0, true, 0);
        Add(level, "-", -200);
        manage = Add(level, "Manage items...", 0, true, 0);
        manage->Default = true;
        about = Add(level, "About...");
    }
    void Fresh() {
        canvas.reset();
        surface = std::make_unique<sim::SimBitmapCanvas>(140, 80, kUntouched);
        canvas = std::make_unique<TCanvas>(*surface);
    }
    TColor Sys(int index) { return sim.SimSystem().SysColor(index); }
    TColor At(int x, int y) const { return surface->ColorAt(x, y); }
    const std::vector<sim::SimTextOp>& Texts() const { return surface->Texts(); }

    TApplication app{sim};
    TMenuItem* level = TComponent::Create<TMenuItem>(&app);
    TImageList* images = TComponent::Create<TImageList>(&app);
    TMenuItem *help = nullptr, *manage = nullptr, *about = nullptr;
    TvdMenusPainter painter{sim};
    std::unique_ptr<sim::SimBitmapCanvas> surface = std::make_unique<sim::SimBitmapCanvas>(140, 80, kUntouched);
    std::unique_ptr<TCanvas> canvas = std::make_unique<TCanvas>(*surface);
};

TEST_F(MenuPainterTest, StartsWithTheSystemMenuFontAndTheTrayMenuTags) {
    TvdMenusPainter fresh(sim);
    EXPECT_EQ(fresh.FontName, "Segoe UI");
    EXPECT_EQ(fresh.FontSize, 9);
    EXPECT_EQ(fresh.FontStyle, 0u);
    EXPECT_TRUE(fresh.UseMenuFont);
    EXPECT_EQ(fresh.BarTag, -9999);
    EXPECT_EQ(fresh.BarTag2, -8888);
    EXPECT_EQ(fresh.SeparatorTag, -200);
    EXPECT_EQ(TvdMenusPainter::GetItemHeight(), 19);
}

TEST_F(MenuPainterTest, FindBarItemOnlyBeforeTheFirstVisibleEntryAndOnlyWithACustomFont) {
    struct Child {
        intptr_t tag;
        bool visible;
    };
    struct Case {
        const char* what;
        std::vector<Child> before;
        bool useMenuFont;
        int expected;
    } cases[] = {
        {"bar caption first", {{-9999, false}}, false, 0},
        {"the second bar tag", {{-8888, false}}, false, 0},
        {"after an invisible placeholder", {{-400, false}, {-9999, false}}, false, 1},
        {"with the system menu font", {{-9999, false}}, true, -1},
        {"after a visible entry", {{0, true}, {-9999, false}}, false, -1},
        {"a visible bar entry", {{-9999, true}}, false, -1},
        {"no bar entry", {{-400, false}}, false, -1},
    };
    for (const Case& c : cases) {
        level->Clear();
        for (const Child& child : c.before) Add(level, "x", child.tag, child.visible);
        TMenuItem* entry = Add(level, "Entry");
        painter.UseMenuFont = c.useMenuFont;
        EXPECT_EQ(painter.FindBarItem(entry), c.expected) << c.what;
    }
    auto* orphan = TComponent::Create<TMenuItem>(&app);
    painter.UseMenuFont = false;
    EXPECT_EQ(painter.FindBarItem(orphan), -1);
}

TEST_F(MenuPainterTest, BarHeightCountsVisibleEntries) {
    EXPECT_EQ(painter.BarHeight(level), 0);
    BuildProgramLevel();
    Add(level, "-", -200, false);
    Add(level, "Program", -100);
    EXPECT_EQ(painter.BarHeight(level), 19 + 8 + 19 + 19 + 19) << "invisible entries take no room";
}

TEST_F(MenuPainterTest, MeasureItem) {
    struct Case {
        const char* what;
        bool isDefault, children, bar, useMenuFont;
        unsigned style;
        int width;
    } cases[] = {
        {"plain", false, false, false, false, 0, 7 * 7 + 23},
        {"default entries are bold", true, false, false, false, 0, 7 * 8 + 23},
        {"bold as the painter's style", false, false, false, false, FontStyle::Bold, 7 * 8 + 23},
        {"room for the submenu arrow", false, true, false, false, 0, 7 * 7 + 23 + 7},
        {"beside a bar", false, false, true, false, 0, 7 * 7 + 45},
        {"all together", true, true, true, false, 0, 7 * 8 + 45 + 7},
        // The system font (9 points) would give 6-pixel cells.
        {"always the painter's font", false, false, true, true, 0, 7 * 7 + 23},
    };
    for (const Case& c : cases) {
        level->Clear();
        if (c.bar) Add(level, "Pivola", -9999, false);
        TMenuItem* entry = Add(level, "Help...");
        entry->Default = c.isDefault;
        if (c.children) Add(entry, "Child");
        painter.UseMenuFont = c.useMenuFont;
        painter.FontStyle = c.style;
        int width = -1, height = -1;
        painter.MeasureItem(entry, *canvas, width, height);
        EXPECT_EQ(width, c.width) << c.what;
        EXPECT_EQ(height, 19) << c.what;
    }
}

TEST_F(MenuPainterTest, DrawItemFrameFillAndCaption) {
    struct Case {
        bool image, selected, enabled;
    } cases[] = {
        {true, true, true}, {true, false, true}, {false, true, true},
        {false, false, true}, {true, true, false}, {false, true, false},
    };
    const TRect rect{0, 20, 140, 39};
    const int top = 20, bottom = 39;
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "image " << c.image << ", selected " << c.selected << ", enabled "
                                          << c.enabled);
        Fresh();
        level->Clear();
        TMenuItem* entry = Add(level, "&Help", 0, true, c.image ? 0 : -1);
        entry->Enabled = c.enabled;
        painter.DrawItem(entry, *canvas, rect, c.selected, images);

        TColor fill = c.selected && c.enabled ? Sys(SysColorIndex::Highlight) : Sys(SysColorIndex::Menu);
        int fillLeft = c.image ? 20 : 0;
        EXPECT_EQ(At(fillLeft, top), fill);
        EXPECT_EQ(At(139, bottom - 1), fill);
        EXPECT_EQ(At(fillLeft, top - 1), kUntouched) << "the entry stays in its rectangle";
        EXPECT_EQ(At(139, bottom), kUntouched);

        if (c.image) {
            bool raised = c.selected;
            TColor light = raised ? Sys(SysColorIndex::BtnHighlight) : Sys(SysColorIndex::Menu);
            TColor dark = raised ? Sys(SysColorIndex::BtnShadow) : Sys(SysColorIndex::Menu);
            TBitmap32 expected = TBitmap32::Create(1, 1, ColorRefToArgb(kUntouched));
            BlendOnto(expected, c.enabled ? TBitmap32::Create(1, 1, kImageArgb)
                                          : Greyed(TBitmap32::Create(1, 1, kImageArgb)), 0, 0);
            EXPECT_EQ(At(2, bottom - 18), ArgbToColorRef(expected.Pixels[0])) << "image corner";
            EXPECT_EQ(At(17, bottom - 3), ArgbToColorRef(expected.Pixels[0])) << "image corner";
            EXPECT_EQ(At(2, bottom - 2), kUntouched) << "no image row below Bottom - 3";
            EXPECT_EQ(At(1, top), light) << "top line";
            EXPECT_EQ(At(17, top), light) << "top line ends before 18";
            EXPECT_EQ(At(18, top), dark) << "right line";
            EXPECT_EQ(At(1, bottom - 2), light) << "left line";
            EXPECT_EQ(At(1, bottom - 1), dark) << "bottom line";
            EXPECT_EQ(At(18, bottom - 2), dark) << "right line";
            EXPECT_EQ(At(18, bottom - 1), dark) << "bottom line";
            EXPECT_EQ(At(0, top), kUntouched) << "the image column is not filled";
            EXPECT_EQ(At(19, top), kUntouched);
            EXPECT_EQ(At(19, bottom - 1), kUntouched);
        } else {
            EXPECT_EQ(At(1, top), fill) << "no frame without an image";
            EXPECT_EQ(At(18, bottom - 1), fill);
        }

        // The caption: single line, vertically centred, from 23.
        if (c.enabled) {
            TColor ink = c.selected ? Sys(SysColorIndex::HighlightText) : Sys(SysColorIndex::MenuText);
            ASSERT_EQ(Texts().size(), 1u);
            EXPECT_EQ(Texts()[0].Text, "Help");
            EXPECT_EQ(Texts()[0].X, 23);
            EXPECT_EQ(Texts()[0].Y, 21);
            EXPECT_EQ(Texts()[0].Color, ink);
            EXPECT_EQ(Texts()[0].Underlined, 0);
            EXPECT_EQ(At(24, 23), ink) << "glyph";
            EXPECT_EQ(At(23, 23), fill) << "the caption has no background of its own";
            EXPECT_EQ(At(23, 35), ink) << "accelerator underline";
        } else {
            // Embossed: the light copy one pixel right and down, then the shadow in place.
            ASSERT_EQ(Texts().size(), 2u);
            EXPECT_EQ(Texts()[0].Color, Sys(SysColorIndex::BtnHighlight));
            EXPECT_EQ((std::pair{Texts()[0].X, Texts()[0].Y}), (std::pair{24, 22}));
            EXPECT_EQ(Texts()[1].Color, Sys(SysColorIndex::BtnShadow));
            EXPECT_EQ((std::pair{Texts()[1].X, Texts()[1].Y}), (std::pair{23, 21}));
            EXPECT_EQ(At(29, 34), Sys(SysColorIndex::BtnHighlight)) << "light copy shows at the lower right";
            EXPECT_EQ(At(24, 23), Sys(SysColorIndex::BtnShadow));
            EXPECT_EQ(At(28, 33), Sys(SysColorIndex::BtnShadow)) << "the shadow lies on top";
            EXPECT_EQ(At(30, 36), Sys(SysColorIndex::BtnHighlight));
            EXPECT_EQ(At(23, 35), Sys(SysColorIndex::BtnShadow));
        }
    }
}

TEST_F(MenuPainterTest, DefaultEntriesAreDrawnBoldAndOthersNot) {
    painter.FontStyle = FontStyle::Italic;
    TMenuItem* bold = Add(level, "Manage items...");
    bold->Default = true;
    TMenuItem* plain = Add(level, "Close");
    painter.DrawItem(bold, *canvas, TRect{0, 0, 140, 19}, false, images);
    painter.DrawItem(plain, *canvas, TRect{0, 19, 140, 38}, false, images);
    ASSERT_EQ(Texts().size(), 2u);
    EXPECT_EQ(Texts()[0].Font, (FontSpec{"Verdana", 10, true, true, false}));
    EXPECT_EQ(Texts()[1].Font, (FontSpec{"Verdana", 10, false, true, false}))
        << "a bold entry drawn before leaves nothing behind";
}

TEST_F(MenuPainterTest, SideBarBesideTheProgramSubmenu) {
    BuildProgramLevel();
    painter.UseMenuFont = false;
    const int h = 19 + 8 + 19 + 19;
    painter.DrawItem(help, *canvas, TRect{0, 0, 140, 19}, true, images);

    // Everything of the entry 20 pixels further right.
    EXPECT_EQ(At(22, 1), ArgbToColorRef(kImageArgb)) << "image at 22";
    EXPECT_EQ(At(21, 0), Sys(SysColorIndex::BtnHighlight)) << "frame from 21";
    EXPECT_EQ(At(38, 0), Sys(SysColorIndex::BtnShadow)) << "frame to 38";
    EXPECT_EQ(At(39, 0), kUntouched);
    EXPECT_EQ(At(40, 0), Sys(SysColorIndex::Highlight)) << "fill from 40";
    ASSERT_EQ(Texts().size(), 2u);
    EXPECT_EQ(Texts()[0].X, 43) << "caption from 43";

    // The bar: columns 0 to 18 over the level's height less one row.
    EXPECT_EQ(At(0, 0), Sys(SysColorIndex::InactiveCaption));
    EXPECT_EQ(At(18, h - 2), Sys(SysColorIndex::InactiveCaption));
    EXPECT_EQ(At(19, 0), kUntouched);
    EXPECT_EQ(At(0, h - 1), kUntouched);
    const sim::SimTextOp& bar = Texts()[1];
    EXPECT_EQ(bar.Text, "Pivola");
    EXPECT_EQ(bar.Escapement, 900);
    EXPECT_EQ(bar.X, (20 - 16) / 2);
    EXPECT_EQ(bar.Y, h - 4);
    EXPECT_EQ(bar.Color, Sys(SysColorIndex::InactiveCaptionText));
    EXPECT_EQ(bar.Clip, (TRect{0, 0, 20, h}));
    EXPECT_EQ(bar.Font, (FontSpec{"Verdana", 10, false, false, false}));
    EXPECT_EQ(At(4, h - 6), Sys(SysColorIndex::InactiveCaptionText)) << "first letter just above the start";
    EXPECT_EQ(At(4, h - 4), Sys(SysColorIndex::InactiveCaption));
    EXPECT_EQ(canvas->Font.Escapement, 0) << "the rotated font is given back";

    painter.DrawItem(manage, *canvas, TRect{0, 27, 140, 46}, false, images);
    ASSERT_EQ(Texts().size(), 4u);
    EXPECT_TRUE(Texts()[2].Font.Bold);
    EXPECT_FALSE(Texts()[3].Font.Bold) << "the bar caption has no style";
    EXPECT_EQ(Texts()[3].Text, "Pivola") << "the whole bar again";

    painter.DrawItem(about, *canvas, TRect{0, 46, 140, 65}, false, images);
    EXPECT_EQ(At(20, 46), Sys(SysColorIndex::Menu)) << "without an image the fill starts at the bar offset";
    EXPECT_EQ(At(19, 46), kUntouched);
}

TEST_F(MenuPainterTest, NoSideBarWithTheSystemMenuFont) {
    BuildProgramLevel();
    painter.DrawItem(help, *canvas, TRect{0, 0, 140, 19}, true, images);
    EXPECT_EQ(At(2, 1), ArgbToColorRef(kImageArgb));
    EXPECT_EQ(At(0, 30), kUntouched);
    ASSERT_EQ(Texts().size(), 1u);
    EXPECT_EQ(Texts()[0].X, 23);
}

TEST_F(MenuPainterTest, HeadingWithTheSystemMenuFont) {
    TMenuItem* heading = Add(level, "&Tools", -100);
    painter.DrawHeading(heading, *canvas, false, TRect{0, 0, 140, 19});

    // Segoe UI 9: "Tools" is 30 x 14, centred at (55, 2).
    ASSERT_EQ(Texts().size(), 1u);
    const sim::SimTextOp& caption = Texts()[0];
    EXPECT_EQ(caption.Text, "Tools");
    EXPECT_EQ(caption.Underlined, -1);
    EXPECT_EQ((std::pair{caption.X, caption.Y}), (std::pair{55, 2}));
    EXPECT_EQ(caption.Font, (FontSpec{"Segoe UI", 9}));
    EXPECT_EQ(caption.Color, Sys(SysColorIndex::MenuText));
    EXPECT_TRUE(caption.Opaque);
    EXPECT_EQ(caption.Background, Sys(SysColorIndex::Menu));

    EXPECT_EQ(At(0, 0), Sys(SysColorIndex::Menu));
    EXPECT_EQ(At(139, 18), Sys(SysColorIndex::Menu));
    EXPECT_EQ(At(0, 8), Sys(SysColorIndex::Menu));
    for (int x : {0, 54, 85, 139}) {
        EXPECT_EQ(At(x, 9), Sys(SysColorIndex::BtnShadow)) << x;
        EXPECT_EQ(At(x, 10), Sys(SysColorIndex::BtnHighlight)) << x;
    }
    EXPECT_EQ(At(0, 11), Sys(SysColorIndex::Menu));
    EXPECT_EQ(At(55, 9), Sys(SysColorIndex::Menu)) << "the caption's background interrupts the line";
    EXPECT_EQ(At(56, 9), Sys(SysColorIndex::MenuText));
    EXPECT_EQ(At(56, 14), Sys(SysColorIndex::Menu)) << "no underline";

    TBitmap32 unselected = surface->Pixels();
    Fresh();
    painter.DrawHeading(heading, *canvas, true, TRect{0, 0, 140, 19});
    EXPECT_TRUE(surface->Pixels() == unselected) << "a heading looks the same when selected";
}

TEST_F(MenuPainterTest, HeadingBesideTheSideBar) {
    Add(level, "Pivola", -9999, false);
    TMenuItem* heading = Add(level, "Program", -100);
    Add(level, "Help...");
    painter.UseMenuFont = false;
    painter.FontStyle = FontStyle::Italic;
    painter.DrawHeading(heading, *canvas, false, TRect{0, 0, 140, 19});

    ASSERT_EQ(Texts().size(), 2u);
    EXPECT_EQ(Texts()[0].Font, (FontSpec{"Verdana", 10, false, true, false}));
    EXPECT_EQ((std::pair{Texts()[0].X, Texts()[0].Y}), (std::pair{(20 + 140 - 49) / 2, 1}))
        << "centred right of the bar";
    EXPECT_EQ(Texts()[1].Text, "Pivola");
    EXPECT_EQ(Texts()[1].Y, 38 - 4);
    EXPECT_EQ(At(18, 9), Sys(SysColorIndex::InactiveCaption));
    EXPECT_EQ(At(19, 9), kUntouched);
    EXPECT_EQ(At(20, 9), Sys(SysColorIndex::BtnShadow)) << "the line starts at the bar offset";
    EXPECT_EQ(At(20, 10), Sys(SysColorIndex::BtnHighlight));
    EXPECT_EQ(At(20, 0), Sys(SysColorIndex::Menu));
}

// Every length of the painter grows with the screen's DPI, rounded as the windows round
// their 96-DPI pixels: rows, separators, the side bar, the picture's frame, the caption's
// place and the measured padding.
TEST_F(MenuPainterTest, EveryLengthScalesWithTheDpi) {
    struct Case {
        int dpi, row, separator, bar, frameLeft, frameRight, captionPad, barPad, arrow, etch;
    } cases[] = {
        {96, 19, 8, 20, 1, 18, 23, 45, 7, 10},
        {120, 24, 10, 25, 1, 23, 29, 56, 9, 13},
        {144, 29, 12, 30, 2, 27, 35, 68, 11, 15},
        {192, 38, 16, 40, 2, 36, 46, 90, 14, 20},
    };
    BuildProgramLevel();
    painter.UseMenuFont = false;
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.dpi << " DPI");
        painter.Dpi = c.dpi;
        surface = std::make_unique<sim::SimBitmapCanvas>(300, 200, kUntouched);
        canvas = std::make_unique<TCanvas>(*surface);

        int width = -1, height = -1;
        painter.MeasureItem(about, *canvas, width, height);
        EXPECT_EQ(height, c.row);
        EXPECT_EQ(width, 7 * 8 + c.barPad) << "beside the bar";
        TMenuItem* parent = Add(level, "Program");
        Add(parent, "Child");
        painter.MeasureItem(parent, *canvas, width, height);
        EXPECT_EQ(width, 7 * 7 + c.barPad + c.arrow) << "with the submenu arrow";
        level->Remove(parent);
        EXPECT_EQ(painter.BarHeight(level), 3 * c.row + c.separator);

        // Help, selected, beside the bar: the frame and the fill move right by the bar.
        painter.DrawItem(help, *canvas, TRect{0, 0, 300, c.row}, true, images);
        int x0 = c.bar;
        EXPECT_EQ(At(x0 + c.frameLeft, 0), Sys(SysColorIndex::BtnHighlight)) << "frame's top left";
        EXPECT_EQ(At(x0 + c.frameLeft - 1, 0), kUntouched);
        EXPECT_EQ(At(x0 + c.frameRight, 0), Sys(SysColorIndex::BtnShadow)) << "frame's right";
        EXPECT_EQ(At(x0 + c.frameRight, c.row - 1), Sys(SysColorIndex::BtnShadow)) << "frame's bottom";
        EXPECT_EQ(At(x0 + (c.frameLeft + c.frameRight) / 2, c.row / 2), ArgbToColorRef(kImageArgb))
            << "the picture in the middle of its frame";
        EXPECT_EQ(At(x0 + c.bar, 0), Sys(SysColorIndex::Highlight)) << "fill after the picture's column";
        EXPECT_EQ(At(x0 + c.bar - 1, 0), kUntouched);
        ASSERT_EQ(Texts().size(), 2u);
        EXPECT_EQ(Texts()[0].X, x0 + c.captionPad) << "caption";
        // The side bar over the level's height less one pixel, one column short of its width.
        int h = 3 * c.row + c.separator;
        EXPECT_EQ(At(c.bar - 2, h - 2), Sys(SysColorIndex::InactiveCaption));
        EXPECT_EQ(At(c.bar - 1, 0), kUntouched);
        EXPECT_EQ(At(0, h - 1), kUntouched);
        EXPECT_EQ(Texts()[1].Clip, (TRect{0, 0, c.bar, h}));

        // A heading's etched line through the middle of its row.
        TMenuItem* heading = Add(level, "Tools", -100);
        painter.DrawHeading(heading, *canvas, false, TRect{0, 100, 300, 100 + c.row});
        EXPECT_EQ(At(299, 100 + c.row - c.etch), Sys(SysColorIndex::BtnShadow));
        EXPECT_EQ(At(299, 100 + c.row - c.etch + 1), Sys(SysColorIndex::BtnHighlight));
        level->Remove(heading);
    }
}

// Where the list holds a sharp copy of a picture at the painter's small-icon size, that
// copy is drawn whole, not the list's 16 x 16 picture scaled.
TEST_F(MenuPainterTest, ASharpCopyAtTheIconSizeIsDrawnAsItIs) {
    constexpr uint32_t kSharpArgb = 0xFF0000C0;
    images->SetSharp(0, TBitmap32::Create(24, 24, kSharpArgb));
    BuildProgramLevel();
    for (int dpi : {144, 96}) {
        SCOPED_TRACE(::testing::Message() << dpi << " DPI");
        painter.Dpi = dpi;
        Fresh();
        painter.DrawItem(help, *canvas, TRect{0, 0, 140, painter.Scale(19)}, false, images);
        int sharp = 0, listed = 0;
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 140; ++x) {
                sharp += At(x, y) == ArgbToColorRef(kSharpArgb);
                listed += At(x, y) == ArgbToColorRef(kImageArgb);
            }
        EXPECT_EQ(sharp, dpi == 144 ? 24 * 24 : 0);
        EXPECT_EQ(listed, dpi == 144 ? 0 : 16 * 16);
    }
}

}  // namespace
}  // namespace pv
