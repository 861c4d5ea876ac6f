// The manager window's layout: every control's rectangle at the designed size and at the
// smallest size the user can drag the window to, the side column's splitter, and that the
// native controls get the model's rectangles.
#include <map>

#include "controls/buttons.h"
#include "controls/combo_box.h"
#include "controls/edit.h"
#include "controls/image_box.h"
#include "controls/label.h"
#include "controls/panel.h"
#include "controls/scroll_box.h"
#include "controls/splitter.h"
#include "controls/status_bar.h"
#include "controls/tree_view.h"
#include "platform/sim/sim_form.h"
#include "platform/sim/sim_scroll_box.h"
#include "platform/sim/sim_splitter.h"
#include "tests/app/app_fixture.h"

namespace pv {
namespace {

class ManagerLayoutTest : public testing::AppTest {
protected:
    sim::SimForm* Window() { return sim.SimUI().FindForm("TFormFront"); }
    // Every visible control of the window lies inside its parent's client area, and no
    // two siblings overlap.
    void ExpectNoOverlaps(const TWinControl* parent) {
        TRect client = parent->ClientRect();
        std::vector<const TControl*> shown;
        for (int i = 0; i < parent->ControlCount(); ++i) {
            const TControl* c = parent->Controls(i);
            if (!c->Visible()) continue;
            TRect r = c->BoundsRect();
            const TScrollBox* scroller = dynamic_cast<const TScrollBox*>(parent);
            int scrolled = scroller ? scroller->VertScrollPos() : 0;
            EXPECT_GE(r.Left, client.Left) << c->Name();
            EXPECT_LE(r.Right, client.Right) << c->Name();
            EXPECT_GE(r.Top + scrolled, client.Top) << c->Name();
            if (!scroller) {
                EXPECT_LE(r.Bottom, client.Bottom) << c->Name();
            }
            EXPECT_GT(r.Width(), 0) << c->Name();
            EXPECT_GT(r.Height(), 0) << c->Name();
            for (const TControl* o : shown) {
                TRect q = o->BoundsRect();
                bool apart = r.Right <= q.Left || q.Right <= r.Left || r.Bottom <= q.Top || q.Bottom <= r.Top;
                EXPECT_TRUE(apart) << c->Name() << " overlaps " << o->Name();
            }
            shown.push_back(c);
            if (auto* w = dynamic_cast<const TWinControl*>(c)) ExpectNoOverlaps(w);
        }
    }
};

TEST_F(ManagerLayoutTest, AtTheDesignedSizeTheSideColumnTheSplitterTheTreeAndTheStatusBarTileTheWindow) {
    Start();
    TFormFront* f = Front();
    EXPECT_EQ(f->ClientWidth(), 776);
    EXPECT_EQ(f->ClientHeight(), 594);
    EXPECT_EQ(f->StatusBarHelp->BoundsRect(), (TRect{0, 574, 776, 594}));
    EXPECT_EQ(f->PanelSide->BoundsRect(), (TRect{0, 0, 175, 574}));
    EXPECT_EQ(f->Splitter1->BoundsRect(), (TRect{175, 0, 181, 574}));
    EXPECT_EQ(f->tvItems->BoundsRect(), (TRect{181, 0, 776, 574}));
    EXPECT_FALSE(f->PanelSide->VertScrollBarVisible()) << "the four panels fit";
    // The four panels stacked from the top, each with its 20-pixel header strip.
    int top = 0;
    for (TPanel* p : {f->pnlAddItem, f->pnlEditItem, f->pnlEditLaunch, f->pnlTools}) {
        EXPECT_EQ(p->Top(), top) << p->Name();
        EXPECT_EQ(p->Width(), 175) << p->Name();
        top = p->BoundsRect().Bottom;
    }
    for (TPanel* h : {f->pnlAddItemHeader, f->pnlEditItemHeader, f->pnlEditLaunchHeader, f->pnlToolsHeader}) {
        EXPECT_EQ(h->BoundsRect(), (TRect{0, 0, 175, 20})) << h->Name();
        EXPECT_TRUE(h->HeaderStrip());
    }
    // The tools in two columns of (175 - 18) / 2 = 78 pixels: at 7 and at 7 + 78 + 6.
    EXPECT_EQ(f->BitBtnMoveDown->BoundsRect(), (TRect{7, 23, 85, 47}));
    EXPECT_EQ(f->BitBtnMoveUp->BoundsRect(), (TRect{91, 23, 169, 47}));
    EXPECT_EQ(f->BitBtnClose->BoundsRect(), (TRect{91, 153, 169, 177}));
    EXPECT_EQ(f->imgFileType->BoundsRect(), (TRect{8, 25, 24, 41}));
    EXPECT_EQ(f->edtFileCap->BoundsRect(), (TRect{30, 23, 168, 44}));
    ExpectNoOverlaps(f);
}

TEST_F(ManagerLayoutTest, AtTheSmallestSizeNothingOverlapsAndTheColumnsFollowTheSideColumn) {
    Start();
    TFormFront* f = Front();
    Window()->UserResize(100, 100);
    EXPECT_EQ(f->Width(), 500) << "the system keeps the window at its minimum";
    EXPECT_EQ(f->Height(), 630);
    EXPECT_EQ(f->ClientWidth(), 500 - sim::kSimFrameWidth);
    EXPECT_EQ(f->tvItems->BoundsRect(), (TRect{181, 0, f->ClientWidth(), f->ClientHeight() - 20}));
    EXPECT_FALSE(f->PanelSide->VertScrollBarVisible());
    ExpectNoOverlaps(f);

    // A wider side column widens its fields and both tool columns.
    sim.SimUI().Control<sim::SimSplitter>(f->Splitter1->Handle())->UserDrag(45);
    EXPECT_EQ(f->PanelSide->Width(), 220);
    EXPECT_EQ(f->tvItems->Left(), 226);
    EXPECT_EQ(f->edtFilePathName->Width(), 220 - 14);
    EXPECT_EQ(f->BitBtnMoveUp->BoundsRect(), (TRect{7 + 101 + 6, 23, 7 + 101 + 6 + 101, 47}));
    ExpectNoOverlaps(f);
}

TEST_F(ManagerLayoutTest, TheSplitterKeepsBothSidesAtTheirMinimumWidth) {
    Start();
    TFormFront* f = Front();
    auto* bar = sim.SimUI().Control<sim::SimSplitter>(f->Splitter1->Handle());
    ASSERT_NE(bar, nullptr);
    bar->UserDrag(-100);
    EXPECT_EQ(f->PanelSide->Width(), 150);
    bar->UserDrag(2000);
    EXPECT_EQ(f->tvItems->Width(), 150);
    EXPECT_EQ(f->PanelSide->Width(), 776 - 6 - 150);
}

TEST_F(ManagerLayoutTest, AShortWindowScrollsTheSideColumn) {
    Start();
    TFormFront* f = Front();
    // Shorter than the designed minimum, as a window maximised on a small screen may be.
    f->SetMinTrackSize(0, 0);
    f->SetClientSize(776, 300);
    TScrollBox* side = f->PanelSide;
    ASSERT_TRUE(side->VertScrollBarVisible());
    EXPECT_EQ(f->pnlTools->Width(), 175 - 17) << "the bar takes its width from the panels";
    auto* native = sim.SimUI().Control<sim::SimScrollBox>(side->Handle());
    EXPECT_EQ(native->Range, side->ContentHeight());
    EXPECT_EQ(native->Page, 280);
    native->UserScroll(100);
    EXPECT_EQ(side->VertScrollPos(), 100);
    EXPECT_EQ(f->pnlAddItem->Top(), -100);
    native->UserScroll(100000);
    EXPECT_EQ(side->VertScrollPos(), side->ContentHeight() - 280);
    f->SetClientSize(776, 594);
    EXPECT_FALSE(side->VertScrollBarVisible());
    EXPECT_EQ(side->VertScrollPos(), 0);
    EXPECT_EQ(f->pnlAddItem->Top(), 0);
}

TEST_F(ManagerLayoutTest, EveryNativeControlHasItsModelsRectangleAndText) {
    Start();
    int checked = 0;
    for (const auto& [handle, native] : sim.SimUI().Controls) {
        for (int i = 0; i < Front()->ComponentCount(); ++i) {
            auto* c = dynamic_cast<TControl*>(Front()->Components(i));
            if (!c || c == Front() || c->Handle() != handle) continue;
            EXPECT_EQ(native->Bounds, c->BoundsRect()) << c->Name();
            EXPECT_EQ(native->Text, c->Text()) << c->Name();
            EXPECT_EQ(native->Enabled, c->Enabled()) << c->Name();
            EXPECT_EQ(native->Parent, c->Parent()->Handle()) << c->Name();
            ++checked;
        }
    }
    EXPECT_GT(checked, 40);
    EXPECT_FALSE(Front()->tvUndo->HasPeer()) << "the undo copy never gets a window";
    EXPECT_FALSE(Front()->edtFileType->HasPeer()) << "the hidden panel's fields neither";
}

// The designed layout at the screen's DPI: every length of the 96-DPI design grows by the
// same factor, and the side column still fits without a scroll bar. Each DPI starts on a
// fresh desktop, as a placement saved at another DPI would be restored, with a screen
// large enough for the design at that DPI.
struct DpiCase {
    int dpi, width, height, side, splitter, strip, toolTop, button;
};

class ManagerLayoutAtDpiTest : public ManagerLayoutTest, public ::testing::WithParamInterface<DpiCase> {};

TEST_P(ManagerLayoutAtDpiTest, TheDesignScalesWithTheScreensDpi) {
    const DpiCase& c = GetParam();
    sim.SimSystem().PixelsPerInch = c.dpi;
    sim.SimSystem().Work = {0, 0, 3840, 2120};
    Start();
    TFormFront* f = Front();
    ASSERT_EQ(f->Dpi(), c.dpi);
    EXPECT_EQ(f->ClientWidth(), c.width);
    EXPECT_EQ(f->ClientHeight(), c.height);
    int above = c.height - c.strip;
    EXPECT_EQ(f->StatusBarHelp->BoundsRect(), (TRect{0, above, c.width, c.height}));
    EXPECT_EQ(f->PanelSide->BoundsRect(), (TRect{0, 0, c.side, above}));
    EXPECT_EQ(f->Splitter1->BoundsRect(), (TRect{c.side, 0, c.side + c.splitter, above}));
    EXPECT_EQ(f->tvItems->BoundsRect(), (TRect{c.side + c.splitter, 0, c.width, above}));
    EXPECT_FALSE(f->PanelSide->VertScrollBarVisible()) << "the four panels fit";
    for (TPanel* h : {f->pnlAddItemHeader, f->pnlEditItemHeader, f->pnlEditLaunchHeader, f->pnlToolsHeader})
        EXPECT_EQ(h->BoundsRect(), (TRect{0, 0, c.side, c.strip})) << h->Name();
    EXPECT_EQ(f->BitBtnMoveDown->Top(), c.toolTop);
    EXPECT_EQ(f->BitBtnMoveDown->Height(), c.button);
    ExpectNoOverlaps(f);
}

INSTANTIATE_TEST_SUITE_P(Dpis, ManagerLayoutAtDpiTest,
                         // The height is the least the scaled smallest window size (630
                                         // outside) leaves, where that is more than 594 scaled.
                         ::testing::Values(DpiCase{96, 776, 594, 175, 6, 20, 23, 24},
                                           DpiCase{120, 970, 788 - sim::kSimFrameHeight, 219, 8, 25, 29, 30},
                                           DpiCase{144, 1164, 945 - sim::kSimFrameHeight, 263, 9, 30, 35, 36},
                                           DpiCase{192, 1552, 1260 - sim::kSimFrameHeight, 350, 12, 40, 46, 48}),
                         [](const ::testing::TestParamInfo<DpiCase>& info) { return std::to_string(info.param.dpi); });

// On a screen too small for the design at its DPI, the window is cut to the work area
// and stands inside it, and so is the smallest size the user may drag it to; the side
// column scrolls instead, and nothing overlaps.
TEST_F(ManagerLayoutTest, OnAScreenTooSmallForTheScaledDesignTheWindowStaysInsideTheWorkArea) {
    sim.SimSystem().PixelsPerInch = 144;
    const TRect work{40, 0, 1024, 700};  // 1024 x 740 with the task bar at the left and below
    sim.SimSystem().Work = work;
    Start();
    TFormFront* f = Front();
    TRect outer = f->BoundsRect();
    EXPECT_EQ(outer.Width(), work.Width());
    EXPECT_EQ(outer.Height(), work.Height());
    EXPECT_EQ(outer, Window()->Placement.Normal);
    EXPECT_LE(Window()->MinTrackSize.cx, work.Width());
    EXPECT_LE(Window()->MinTrackSize.cy, work.Height());
    EXPECT_EQ(f->PanelSide->Width(), 263) << "the side column keeps its scaled width";
    EXPECT_TRUE(f->PanelSide->VertScrollBarVisible());
    ExpectNoOverlaps(f);
}

// Dragged onto a monitor of another DPI, the window takes the rectangle the system
// suggests and lays itself out for that DPI; back on the first monitor every control has
// its rectangle of before again.
TEST_F(ManagerLayoutTest, MovedToAMonitorOfAnotherDpiTheWindowScalesAndComesBackUnchanged) {
    Start();
    TFormFront* f = Front();
    std::map<std::string, TRect> before;
    for (int i = 0; i < f->ComponentCount(); ++i)
        if (auto* c = dynamic_cast<TControl*>(f->Components(i))) before[c->Name()] = c->BoundsRect();
    TRect outer = f->BoundsRect();

    for (int dpi : {144, 192}) {
        SCOPED_TRACE(::testing::Message() << dpi << " DPI");
        int width = outer.Width() * dpi / 96, height = outer.Height() * dpi / 96;
        Window()->UserMoveToDpi(dpi, TRect{1400, 50, 1400 + width, 50 + height});
        EXPECT_EQ(f->Dpi(), dpi);
        EXPECT_EQ(f->BoundsRect(), (TRect{1400, 50, 1400 + width, 50 + height})) << "the suggested rectangle";
        auto scaled = [&](int pixels) { return (pixels * dpi + 48) / 96; };
        int side = scaled(175), strip = scaled(20);
        EXPECT_EQ(f->PanelSide->Width(), side);
        EXPECT_EQ(f->StatusBarHelp->BoundsRect(), (TRect{0, f->ClientHeight() - strip, f->ClientWidth(), f->ClientHeight()}));
        EXPECT_EQ(f->tvItems->BoundsRect().Right, f->ClientWidth()) << "the tree fills the rest";
        EXPECT_EQ(f->pnlToolsHeader->Height(), strip);
        EXPECT_EQ(f->edtFileCap->BoundsRect().Right, side - scaled(7)) << "fields end at the scaled margin";
        EXPECT_EQ(f->BitBtnMoveUp->Height(), scaled(24));
        EXPECT_EQ(f->Splitter1->MinSize, scaled(150));
        EXPECT_EQ(f->MinWidth(), scaled(500)) << "the smallest size the user can drag it to";
        EXPECT_FALSE(f->PanelSide->VertScrollBarVisible());
        ExpectNoOverlaps(f);
        for (const auto& [handle, native] : sim.SimUI().Controls)
            for (const auto& [name, rect] : before)
                if (auto* c = dynamic_cast<TControl*>(f->FindComponent(name)); c && c->HasPeer() && c->Handle() == handle) {
                    EXPECT_EQ(native->Bounds, c->BoundsRect()) << name << ": the native control follows";
                }

        Window()->UserMoveToDpi(96, outer);
        EXPECT_EQ(f->BoundsRect(), outer);
        for (const auto& [name, rect] : before)
            EXPECT_EQ(dynamic_cast<TControl*>(f->FindComponent(name))->BoundsRect(), rect) << name;
    }
}

}  // namespace
}  // namespace pv
