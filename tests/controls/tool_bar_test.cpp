// The tool bar in the model: buttons and separators laid out from the left at the bar's
// button size, a control on the bar taking the room left over, hidden buttons taking
// none; what the bar shows, its clicks, tooltips and hints.
#include <gtest/gtest.h>

#include "controls/application.h"
#include "controls/combo_box.h"
#include "controls/form.h"
#include "controls/status_bar.h"
#include "controls/tool_bar.h"
#include "platform/sim/sim_status_bar.h"
#include "platform/sim/sim_tool_bar.h"
#include "tests/support/sim_test.h"

namespace pv {
namespace {

class ToolBarTest : public testing::SimTest {
protected:
    void SetUp() override {
        form->SetClientSize(400, 300);
        bar = MakeChild<TToolBar>(form, form, "bar");
        bar->SetBounds(0, 0, 400, 29);
        bar->SetAlign(TAlign::Top);
        bar->SetButtonSize(60, 23);
        back = Button("back", "Back", "Back|Go back");
        sep = MakeChild<TToolButton>(form, bar, "sep");
        sep->SetSeparator(8);
        box = MakeChild<TComboBox>(form, bar, "box");
        box->SetBounds(0, 0, 50, 22);
        box->SetMinSize(40, 0);
        go = Button("go", "Go", "Go|Load it");
        bar->SetStretchControl(box);
        form->SetVisible(true);
        native = sim.SimUI().Control<sim::SimToolBar>(bar->Handle());
    }
    TToolButton* Button(const char* name, const char* caption, const char* hint) {
        return MakeChild<TToolButton>(form, bar, name, caption, hint);
    }
    TApplication app{sim};
    TForm* form = TComponent::Create<TForm>(&app);
    TToolBar* bar = nullptr;
    TToolButton *back = nullptr, *sep = nullptr, *go = nullptr;
    TComboBox* box = nullptr;
    sim::SimToolBar* native = nullptr;
};

TEST_F(ToolBarTest, ButtonsLieFromTheLeftAndTheStretchingControlTakesTheRest) {
    ASSERT_NE(native, nullptr);
    EXPECT_EQ(back->BoundsRect(), (TRect{0, 3, 60, 26}));
    EXPECT_EQ(box->BoundsRect(), (TRect{68, 3, 340, 25}));
    EXPECT_EQ(go->BoundsRect(), (TRect{340, 3, 400, 26}));
    ASSERT_EQ(native->Buttons.size(), 4u);
    EXPECT_EQ(native->Buttons[0].Caption, "Back");
    EXPECT_TRUE(native->Buttons[1].Separator);
    EXPECT_EQ(native->Buttons[1].Width, 8);
    EXPECT_TRUE(native->Buttons[2].Separator) << "the room of the box";
    EXPECT_EQ(native->Buttons[2].Width, 272);
    EXPECT_EQ(native->ButtonWidth, 60);

    form->SetClientSize(500, 300);
    EXPECT_EQ(box->Width(), 372) << "the box grows with the bar";
    EXPECT_EQ(native->Buttons[2].Width, 372);
    back->SetVisible(false);
    EXPECT_EQ(box->BoundsRect(), (TRect{8, 3, 440, 25})) << "a hidden button takes no room";
    EXPECT_FALSE(native->Buttons[0].Visible);
    form->SetClientSize(100, 300);
    EXPECT_EQ(box->Width(), 40) << "never narrower than its minimum";
}

TEST_F(ToolBarTest, ClicksTooltipsAndHintsComeFromTheButtons) {
    auto* status = MakeChild<TvdStatusBar>(form, form, "status");
    status->SetBounds(0, 0, 400, 19);
    status->SetAlign(TAlign::Bottom);
    int clicks = 0;
    go->OnClick = [&](TComponent*) { ++clicks; };
    EXPECT_TRUE(native->UserClick("Go"));
    EXPECT_EQ(clicks, 1);
    go->SetEnabled(false);
    EXPECT_FALSE(native->Buttons.back().Enabled);
    EXPECT_FALSE(native->UserClick("Go"));
    EXPECT_EQ(clicks, 1);
    go->SetCaption("Los");
    EXPECT_NE(native->Find("Los"), nullptr) << "a translated caption shows at once";
    EXPECT_EQ(native->TipOf("Back"), "Back");
    native->UserPointAtButton("Back");
    EXPECT_EQ(status->SimpleText(), "Go back");
}

}  // namespace
}  // namespace pv
