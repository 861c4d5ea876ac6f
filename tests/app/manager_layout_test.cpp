// The manager window's layout: every control's rectangle at the designed size and at the
// smallest size the user can drag the window to, the side column's splitter, and that the
// native controls get the model's rectangles.
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

}  // namespace
}  // namespace pv
