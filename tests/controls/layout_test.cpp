// Layout in the model: aligned children in creation order, anchors, minimum sizes, the
// scrolling box, the splitter; and the status bar's hints from the control under the
// pointer. Peers only receive the rectangles, so the simulated desktop sees every one.
#include <gtest/gtest.h>

#include "controls/application.h"
#include "controls/buttons.h"
#include "controls/form.h"
#include "controls/panel.h"
#include "controls/scroll_box.h"
#include "controls/splitter.h"
#include "controls/status_bar.h"
#include "platform/sim/sim_button.h"
#include "platform/sim/sim_form.h"
#include "platform/sim/sim_status_bar.h"
#include "tests/support/sim_test.h"

namespace pv {
namespace {

class LayoutTest : public testing::SimTest {
protected:
    template <typename T>
    T* Make(TWinControl* parent, TRect bounds, TAlign align = TAlign::None) {
        T* c = TComponent::Create<T>(form);
        c->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        c->SetParent(parent);
        c->SetAlign(align);
        return c;
    }
    void Resize(int width, int height) { form->SetClientSize(width, height); }
    TApplication app{sim};
    TForm* form = TComponent::Create<TForm>(&app);
};

TEST_F(LayoutTest, AlignedChildrenTakeTheEdgesInCreationOrderAndTheClientTheRest) {
    Resize(400, 300);
    auto* right = Make<TPanel>(form, {0, 0, 50, 10}, TAlign::Right);
    auto* client = Make<TPanel>(form, {0, 0, 10, 10}, TAlign::Client);
    auto* top1 = Make<TPanel>(form, {0, 0, 10, 20}, TAlign::Top);
    auto* top2 = Make<TPanel>(form, {0, 0, 10, 30}, TAlign::Top);
    auto* bottom = Make<TPanel>(form, {0, 0, 10, 25}, TAlign::Bottom);
    auto* left = Make<TPanel>(form, {0, 0, 60, 10}, TAlign::Left);
    EXPECT_EQ(top1->BoundsRect(), (TRect{0, 0, 400, 20}));
    EXPECT_EQ(top2->BoundsRect(), (TRect{0, 20, 400, 50}));
    EXPECT_EQ(bottom->BoundsRect(), (TRect{0, 275, 400, 300}));
    EXPECT_EQ(left->BoundsRect(), (TRect{0, 50, 60, 275}));
    EXPECT_EQ(right->BoundsRect(), (TRect{350, 50, 400, 275}));
    EXPECT_EQ(client->BoundsRect(), (TRect{60, 50, 350, 275}));

    Resize(500, 200);
    EXPECT_EQ(client->BoundsRect(), (TRect{60, 50, 450, 175}));
    top1->SetVisible(false);
    EXPECT_EQ(top2->Top(), 0) << "a hidden control gives its space up";
    left->SetWidth(100);
    EXPECT_EQ(client->Left(), 100) << "an aligned control's new size moves its neighbours";
}

TEST_F(LayoutTest, AnchorsKeepTheDistancesToTheirEdgesAndMinimumSizesHold) {
    Resize(300, 200);
    struct Case {
        unsigned Anchors;
        TRect After;
    };
    const Case cases[] = {
        {Anchor::Left | Anchor::Top, {10, 10, 60, 40}},
        {Anchor::Right | Anchor::Top, {110, 10, 160, 40}},
        {Anchor::Left | Anchor::Right | Anchor::Top, {10, 10, 160, 40}},
        {Anchor::Left | Anchor::Top | Anchor::Bottom, {10, 10, 60, 90}},
        {Anchor::Right | Anchor::Bottom, {110, 60, 160, 90}},
    };
    std::vector<TButton*> buttons;
    for (const Case& c : cases) {
        auto* b = Make<TButton>(form, {10, 10, 60, 40});
        b->SetAnchors(c.Anchors);
        buttons.push_back(b);
    }
    Resize(400, 250);
    for (size_t i = 0; i < buttons.size(); ++i) EXPECT_EQ(buttons[i]->BoundsRect(), cases[i].After) << "case " << i;

    buttons[2]->SetMinSize(200, 0);
    EXPECT_EQ(buttons[2]->Width(), 200);
    buttons[2]->SetWidth(20);
    EXPECT_EQ(buttons[2]->Width(), 200) << "no one sets it narrower";
}

TEST_F(LayoutTest, NativeControlsGetTheModelsRectanglesWhenTheWindowIsResized) {
    auto* panel = Make<TPanel>(form, {0, 0, 100, 100}, TAlign::Client);
    auto* button = Make<TButton>(panel, {5, 5, panel->Width() - 5, 25});
    button->SetAnchors(Anchor::Left | Anchor::Top | Anchor::Right);
    auto* window = sim.SimUI().FindForm("TForm");
    window->UserResize(500, 400);
    auto* native = sim.SimUI().Control<sim::SimButton>(button->Handle());
    ASSERT_NE(native, nullptr);
    EXPECT_EQ(form->ClientWidth(), 500 - sim::kSimFrameWidth);
    EXPECT_EQ(panel->BoundsRect(), (TRect{0, 0, form->ClientWidth(), form->ClientHeight()}));
    EXPECT_EQ(native->Bounds, button->BoundsRect());
    EXPECT_EQ(native->Parent, panel->Handle());
    EXPECT_EQ(button->Width(), form->ClientWidth() - 10);
}

TEST_F(LayoutTest, TheSplitterResizesTheControlBesideItWithinTheMinimum) {
    Resize(400, 300);
    auto* side = Make<TPanel>(form, {0, 0, 100, 10}, TAlign::Left);
    auto* bar = Make<TSplitter>(form, {100, 0, 105, 10}, TAlign::Left);
    auto* rest = Make<TPanel>(form, {0, 0, 10, 10}, TAlign::Client);
    bar->MinSize = 40;
    EXPECT_EQ(bar->ResizedControl(), side);
    bar->BeginDrag();
    bar->DragTo(30);
    EXPECT_EQ(side->Width(), 130);
    EXPECT_EQ(rest->Left(), 135);
    bar->DragTo(-90);
    EXPECT_EQ(side->Width(), 40);
    bar->DragTo(1000);
    EXPECT_EQ(rest->Width(), 40);
}

TEST_F(LayoutTest, AScrollingBoxShowsItsBarOnlyWhileTheChildrenNeedMoreHeight) {
    Resize(300, 300);
    auto* box = Make<TScrollBox>(form, {0, 0, 200, 300}, TAlign::Left);
    auto* a = Make<TPanel>(box, {0, 0, 10, 120}, TAlign::Top);
    auto* b = Make<TPanel>(box, {0, 0, 10, 120}, TAlign::Top);
    EXPECT_FALSE(box->VertScrollBarVisible());
    EXPECT_EQ(a->Width(), 200);
    auto* c = Make<TPanel>(box, {0, 0, 10, 120}, TAlign::Top);
    EXPECT_TRUE(box->VertScrollBarVisible());
    EXPECT_EQ(box->ContentHeight(), 360);
    EXPECT_EQ(c->Width(), 200 - 17);
    box->SetVertScrollPos(500);
    EXPECT_EQ(box->VertScrollPos(), 60) << "no further than the content's end";
    EXPECT_EQ(b->Top(), 60);
    Resize(300, 400);
    EXPECT_FALSE(box->VertScrollBarVisible());
    EXPECT_EQ(box->VertScrollPos(), 0);
    EXPECT_EQ(c->BoundsRect(), (TRect{0, 240, 200, 360}));
}

TEST_F(LayoutTest, TheStatusBarShowsTheLongHintUnderThePointerAndFallsBackLater) {
    auto* bar = Make<TvdStatusBar>(form, {0, 0, 10, 20}, TAlign::Bottom);
    bar->SetAutoHintDef("Default line");
    auto* plain = Make<TButton>(form, {0, 0, 50, 20});
    plain->SetHint("short|The long part");
    auto* whole = Make<TCheckBox>(form, {0, 30, 50, 50});
    whole->SetHint("No separator");
    whole->SetShowHint(true);
    auto* none = Make<TButton>(form, {0, 60, 50, 80});
    auto* native = sim.SimUI().Control<sim::SimStatusBar>(bar->Handle());
    ASSERT_NE(native, nullptr);
    EXPECT_EQ(native->Text, "Default line");

    sim.SimUI().Controls[plain->Handle()]->UserPointAt();
    EXPECT_EQ(native->Text, "The long part");
    EXPECT_EQ(sim.SimUI().Controls[plain->Handle()]->Tooltip, "") << "tooltips only where asked for";
    sim.Advance(7000);
    sim.SimUI().Controls[whole->Handle()]->UserPointAt();
    EXPECT_EQ(native->Text, "No separator");
    EXPECT_EQ(sim.SimUI().Controls[whole->Handle()]->Tooltip, "No separator");
    sim.Advance(7499);
    EXPECT_EQ(native->Text, "No separator") << "the wait starts at the last hint change";
    sim.Advance(1);
    EXPECT_EQ(native->Text, "Default line");
    sim.SimUI().Controls[plain->Handle()]->UserPointAt();
    sim.SimUI().Controls[none->Handle()]->UserPointAt();
    EXPECT_EQ(native->Text, "Default line") << "a control without hint shows the default at once";

    // A hint in another window is not this bar's.
    TForm* other = TComponent::Create<TForm>(&app);
    auto* elsewhere = TComponent::Create<TButton>(other);
    elsewhere->SetParent(other);
    elsewhere->SetHint("|Elsewhere");
    sim.SimUI().Controls[elsewhere->Handle()]->UserPointAt();
    EXPECT_EQ(native->Text, "Default line");
}

}  // namespace
}  // namespace pv
