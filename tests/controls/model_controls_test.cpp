// The small model controls the windows are built from: their state rules, and that the
// lists of pages and actions stay sound whichever is freed first.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/action_list.h"
#include "controls/application.h"
#include "controls/buttons.h"
#include "controls/edit.h"
#include "controls/page_control.h"
#include "controls/panel.h"
#include "controls/status_bar.h"
#include "tests/support/sim_test.h"
#include "util/exception.h"

namespace pv {
namespace {

class ModelControls : public testing::SimTest {
protected:
    template <typename T>
    T* Make(TComponent* owner) {
        return TComponent::Create<T>(owner);
    }
    template <typename T>
    T* Make(TComponent* owner, TWinControl* parent) {
        T* c = TComponent::Create<T>(owner);
        c->SetParent(parent);
        return c;
    }
    TApplication app{sim};
};

TEST_F(ModelControls, ARadioButtonUnchecksItsSiblingsAndAClickChecksIt) {
    auto* panel = Make<TPanel>(&app);
    auto* other = Make<TPanel>(&app);
    auto* a = Make<TRadioButton>(&app, panel);
    auto* b = Make<TRadioButton>(&app, panel);
    auto* elsewhere = Make<TRadioButton>(&app, other);
    int clicks = 0;
    b->OnClick = [&](TComponent*) { ++clicks; };
    a->SetChecked(true);
    elsewhere->SetChecked(true);
    b->Click();
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(b->Checked());
    EXPECT_TRUE(elsewhere->Checked()) << "another parent is another group";
    b->Click();
    EXPECT_TRUE(b->Checked()) << "a click never unchecks";
    EXPECT_EQ(clicks, 2);
    a->SetChecked(true);
    EXPECT_EQ(clicks, 2) << "being unchecked is no click";
}

TEST_F(ModelControls, ACheckBoxRunsOnClickWhenItsStateChanges) {
    auto* box = Make<TCheckBox>(&app);
    std::vector<bool> seen;
    box->OnClick = [&](TComponent*) { seen.push_back(box->Checked()); };
    box->Click();
    box->SetChecked(true);
    box->SetChecked(false);
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}

TEST_F(ModelControls, SettingAnEditsTextRunsOnChangeOnce) {
    auto* edit = Make<TvdEdit>(&app);
    std::vector<std::string> seen;
    edit->OnChange = [&](TComponent*) { seen.push_back(edit->Text()); };
    edit->SetText("a");
    edit->SetText("a");
    edit->SetHint("|hint");
    EXPECT_EQ(seen, std::vector<std::string>{"a"});
}

TEST_F(ModelControls, TheStatusBarShowsANewDefaultLineOnlyWhileItShowsTheOldOne) {
    auto* bar = Make<TvdStatusBar>(&app);
    bar->SetAutoHintDef("Default");
    EXPECT_EQ(bar->SimpleText(), "Default");
    bar->SetAutoHintDef("Vorgabe");
    EXPECT_EQ(bar->SimpleText(), "Vorgabe");
    bar->SetSimpleText("|A hint");
    bar->SetAutoHintDef("Default");
    EXPECT_EQ(bar->SimpleText(), "|A hint");
}

TEST_F(ModelControls, PagesKeepTheirOrderAndTheActivePageFollowsRemovals) {
    auto* pages = Make<TPageControl>(&app);
    std::vector<TTabSheet*> sheets;
    for (int i = 0; i < 3; ++i) {
        sheets.push_back(Make<TTabSheet>(pages));
        sheets.back()->SetPageControl(pages);
    }
    EXPECT_EQ(pages->ActivePageIndex(), 0);
    EXPECT_EQ(sheets[2]->PageIndex(), 2);
    pages->SetActivePageIndex(2);
    TComponent::Free(sheets[1]);
    EXPECT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(pages->ActivePage(), sheets[2]);
    sheets[2]->SetPageControl(nullptr);
    EXPECT_EQ(pages->ActivePage(), sheets[0]);
    pages->SetActivePageIndex(7);
    EXPECT_EQ(pages->ActivePageIndex(), -1);
    EXPECT_THROW(pages->Pages(1), EListError);

    // Pages owned elsewhere outlive the control they were on.
    auto* free = Make<TTabSheet>(&app);
    free->SetPageControl(pages);
    TComponent::Free(pages);
    EXPECT_EQ(free->PageControl(), nullptr);
    TComponent::Free(free);
}

TEST_F(ModelControls, AnActionListListsItsActionsAndAnActionRunsOnlyWhileEnabled) {
    auto* list = Make<TActionList>(&app);
    auto* a = Make<TAction>(list);
    auto* b = Make<TAction>(&app);
    a->SetActionList(list);
    b->SetActionList(list);
    ASSERT_EQ(list->ActionCount(), 2);
    EXPECT_EQ(list->Actions(1), b);
    int runs = 0;
    a->OnExecute = [&](TComponent*) { ++runs; };
    EXPECT_TRUE(a->Execute());
    a->Enabled = false;
    EXPECT_FALSE(a->Execute());
    EXPECT_FALSE(b->Execute()) << "nothing to run";
    EXPECT_EQ(runs, 1);
    TComponent::Free(list);
    EXPECT_EQ(b->ActionList(), nullptr);
}

}  // namespace
}  // namespace pv
