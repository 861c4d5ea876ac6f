// The model controls a dialog is built from, on the simulated desktop: the page control's
// tabs and pages, the editable drop-down list, the hot-key field, and a window's focus
// with the buttons that Enter and Escape press.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/application.h"
#include "controls/buttons.h"
#include "controls/combo_box.h"
#include "controls/edit.h"
#include "controls/form.h"
#include "controls/hot_key_edit.h"
#include "controls/page_control.h"
#include "controls/panel.h"
#include "platform/sim/sim_button.h"
#include "platform/sim/sim_combo_box.h"
#include "platform/sim/sim_edit.h"
#include "platform/sim/sim_form.h"
#include "platform/sim/sim_hot_key_edit.h"
#include "platform/sim/sim_page_control.h"
#include "platform/sim/sim_panel.h"
#include "tests/support/sim_test.h"

namespace pv {
namespace {

class DialogControls : public testing::SimTest {
protected:
    DialogControls() { form = TComponent::Create<TForm>(&app); }
    template <typename T>
    T* Make(TWinControl* parent, const std::string& name = "") {
        T* c = TComponent::Create<T>(form);
        c->SetName(name);
        c->SetParent(parent);
        return c;
    }
    template <typename Record>
    Record* Native(const TControl* c) {
        return sim.SimUI().Control<Record>(c->Handle());
    }
    TApplication app{sim};
    TForm* form = nullptr;
};

// ---- the page control ----------------------------------------------------------------------

class PageControlTest : public DialogControls {
protected:
    void SetUp() override {
        form->SetClientSize(400, 300);
        pages = Make<TPageControl>(form, "pages");
        pages->SetBounds(10, 10, 300, 200);
        for (const char* caption : {"One", "Hidden", "Three"}) {
            TTabSheet* page = TComponent::Create<TTabSheet>(form);
            page->SetCaption(caption);
            page->SetPageControl(pages);
            sheets.push_back(page);
        }
        sheets[1]->SetTabVisible(false);
        pages->OnChange = [this](TComponent*) { changes.push_back(pages->ActivePageIndex()); };
    }
    sim::SimPageControl* Tabs() { return Native<sim::SimPageControl>(pages); }
    TPageControl* pages = nullptr;
    std::vector<TTabSheet*> sheets;
    std::vector<int> changes;
};

TEST_F(PageControlTest, OnlyTabbedPagesHaveTabsAndAChosenTabOpensItsPage) {
    ASSERT_NE(Tabs(), nullptr);
    EXPECT_EQ(Tabs()->Tabs, (std::vector<std::string>{"One", "Three"}));
    EXPECT_EQ(Tabs()->TabIndex, 0);
    ASSERT_TRUE(Tabs()->UserSelectTab("Three"));
    EXPECT_EQ(pages->ActivePage(), sheets[2]) << "the second tab is the third page";
    EXPECT_EQ(changes, std::vector<int>{2});
    EXPECT_TRUE(sheets[2]->Visible());
    EXPECT_FALSE(sheets[0]->Visible());
    EXPECT_FALSE(Native<sim::SimPanel>(sheets[0])->Visible) << "the closed page's window hides";

    // The program opens pages without OnChange; a page without a tab selects no tab.
    pages->SetActivePageIndex(1);
    EXPECT_EQ(Tabs()->TabIndex, -1);
    EXPECT_TRUE(Native<sim::SimPanel>(sheets[1])->Visible);
    pages->SetActivePageIndex(0);
    EXPECT_EQ(Tabs()->TabIndex, 0);
    EXPECT_EQ(changes, std::vector<int>{2});

    // A caption that changes reaches its tab.
    sheets[2]->SetCaption("Drei");
    EXPECT_EQ(Tabs()->Tabs, (std::vector<std::string>{"One", "Drei"}));
    sheets[1]->SetTabVisible(true);
    EXPECT_EQ(Tabs()->Tabs, (std::vector<std::string>{"One", "Hidden", "Drei"}));
}

TEST_F(PageControlTest, EveryPageFillsTheDisplayAreaAndFollowsItsSizeOpenOrNot) {
    TRect area{4, 24, 296, 196};
    EXPECT_EQ(pages->ClientRect(), area);
    for (TTabSheet* page : sheets) EXPECT_EQ(page->BoundsRect(), area) << page->Caption();
    // A control anchored to the right edge of a closed page follows the page's width.
    TPanel* right = Make<TPanel>(sheets[2]);
    right->SetBounds(200, 10, 80, 20);
    right->SetAnchors(Anchor::Top | Anchor::Right);
    pages->SetBounds(10, 10, 400, 260);
    EXPECT_EQ(sheets[2]->BoundsRect(), (TRect{4, 24, 396, 256}));
    EXPECT_EQ(right->Left(), 300);
    Tabs()->UserSelectTab("Three");
    EXPECT_EQ(Native<sim::SimPanel>(right)->Bounds, (TRect{300, 10, 380, 30}));
}

TEST_F(PageControlTest, TheRowOfTabsGrowsWithTheScreensDotsPerInch) {
    sim.SimSystem().PixelsPerInch = 144;
    TForm* other = TComponent::Create<TForm>(&app);
    auto* big = TComponent::Create<TPageControl>(other);
    big->SetParent(other);
    big->SetBounds(0, 0, 300, 200);
    EXPECT_EQ(big->ClientRect(), (TRect{6, 36, 294, 194}));
}

// ---- the editable drop-down list -------------------------------------------------------------

TEST_F(DialogControls, AnEditableListTakesTypedTextAndShowsTheEntryPicked) {
    auto* list = Make<TComboBox>(form);
    list->SetStyle(TComboBoxStyle::DropDown);
    // Text set before the window exists shows in its field afterwards.
    auto* early = TComponent::Create<TComboBox>(form);
    early->SetStyle(TComboBoxStyle::DropDown);
    early->SetItems({"8", "10"});
    early->SetText("11");
    early->SetParent(form);
    EXPECT_EQ(Native<sim::SimComboBox>(early)->Text, "11");
    EXPECT_EQ(early->ItemIndex(), -1);

    std::vector<std::string> seen;
    list->OnChange = [&](TComponent*) { seen.push_back(list->Text() + "#" + std::to_string(list->ItemIndex())); };
    list->SetItems({"Arial", "Tahoma"});
    auto* native = Native<sim::SimComboBox>(list);
    EXPECT_TRUE(native->Params.Editable);
    ASSERT_TRUE(native->UserType("Tah"));
    ASSERT_TRUE(native->UserType("Tahoma"));
    ASSERT_TRUE(native->UserSelect("Arial"));
    list->SetItemIndex(-1);
    list->SetText("Tahoma");
    EXPECT_EQ(seen, (std::vector<std::string>{"Tah#-1", "Tahoma#1", "Arial#0", "#-1", "Tahoma#1"}));
    EXPECT_EQ(native->Text, "Tahoma");

    // A plain list has no field of its own: typing goes nowhere.
    auto* plain = Make<TComboBox>(form);
    plain->SetItems({"a"});
    EXPECT_FALSE(Native<sim::SimComboBox>(plain)->UserType("x"));
    EXPECT_EQ(plain->Text(), "");
}

// ---- the hot-key field -----------------------------------------------------------------------

TEST_F(DialogControls, TheHotKeyFieldShowsTheModelsShortcutAndReportsNewCombinationsOnce) {
    auto* key = Make<THotKey>(form);
    key->SetHotKey(ShortCutBit::Shift | ShortCutBit::Alt | 0x70);
    auto* native = Native<sim::SimHotKeyEdit>(key);
    EXPECT_EQ(native->Key, 0x70u);
    EXPECT_EQ(native->Modifiers, HotKeyModifier::Shift | HotKeyModifier::Alt);
    EXPECT_EQ(native->InvalidCombinations, HotKeyCombination::None | HotKeyCombination::Shift) << "the system's start";
    int changes = 0;
    key->OnChange = [&](TComponent*) { ++changes; };
    native->UserPress('M', HotKeyModifier::Control);
    native->UserPress('M', HotKeyModifier::Control);
    EXPECT_EQ(key->HotKey(), ShortCutBit::Ctrl | 'M');
    EXPECT_EQ(changes, 1);
    native->UserPress('M', 0);
    EXPECT_EQ(key->HotKey(), ShortCutBit::Alt | 'M') << "a key alone takes the rules' modifier";
}

// ---- focus, Enter and Escape ------------------------------------------------------------------

TEST_F(DialogControls, EnterPressesTheDefaultButtonOrTheFocusedPushButton) {
    auto* ok = Make<TButton>(form, "ok");
    auto* cancel = Make<TButton>(form, "cancel");
    auto* check = Make<TCheckBox>(form, "check");
    auto* edit = Make<TEdit>(form, "edit");
    std::vector<std::string> clicks;
    for (TButton* b : {ok, cancel}) b->OnClick = [&, b](TComponent*) { clicks.push_back(b->Name()); };
    form->SetDefaultControl(ok);
    form->CancelControl = cancel;
    sim::SimForm* window = sim.SimUI().FindForm("TForm");
    form->Show();
    EXPECT_TRUE(Native<sim::SimButton>(ok)->Default);

    edit->SetFocus();
    EXPECT_TRUE(edit->Focused());
    window->UserPressEnter();
    Native<sim::SimButton>(check)->UserClick();
    window->UserPressEnter();
    cancel->SetFocus();
    EXPECT_TRUE(Native<sim::SimButton>(cancel)->Default);
    EXPECT_FALSE(Native<sim::SimButton>(ok)->Default) << "one button shows as the default at a time";
    window->UserPressEnter();
    window->UserPressEscape();
    EXPECT_EQ(clicks, (std::vector<std::string>{"ok", "ok", "cancel", "cancel"}));

    // A disabled default button is not pressed; a freed focused button is forgotten.
    ok->SetEnabled(false);
    edit->SetFocus();
    window->UserPressEnter();
    ok->SetEnabled(true);
    cancel->SetFocus();
    TComponent::Free(cancel);
    EXPECT_EQ(form->ActiveControl(), nullptr);
    EXPECT_EQ(form->CancelControl, nullptr);
    EXPECT_TRUE(Native<sim::SimButton>(ok)->Default) << "the default button shows as such again";
    window->UserPressEnter();
    window->UserPressEscape();
    EXPECT_EQ(clicks, (std::vector<std::string>{"ok", "ok", "cancel", "cancel", "ok"}));
}

TEST_F(DialogControls, OnlyAShownAndEnabledControlTakesTheFocusAndItsEntryIsReportedOnce) {
    auto* panel = Make<TPanel>(form);
    auto* edit = Make<TEdit>(panel);
    int enters = 0;
    edit->OnEnter = [&](TComponent*) { ++enters; };
    form->Show();
    edit->SetFocus();
    edit->SetFocus();
    EXPECT_EQ(enters, 1) << "a control that has the focus does not enter again";
    auto* other = Make<TEdit>(form);
    other->SetFocus();
    panel->SetEnabled(false);
    edit->SetFocus();
    EXPECT_FALSE(Native<sim::SimEdit>(edit)->UserFocus()) << "inside a disabled container";
    panel->SetEnabled(true);
    edit->SetVisible(false);
    edit->SetFocus();
    EXPECT_EQ(enters, 1);
    EXPECT_TRUE(other->Focused());
}

TEST_F(DialogControls, AWindowCentredOnTheScreenStartsInTheMiddleOfTheWorkArea) {
    sim.SimSystem().Work = {0, 40, 1000, 840};
    struct CentredForm : TForm {
        explicit CentredForm(TComponent* owner) : TForm(owner) { Position = TPosition::ScreenCenter; }
        void LoadLayout() override { SetClientSize(384, 361); }
    };
    TForm* centred = TComponent::Create<CentredForm>(&app);
    EXPECT_EQ(centred->BoundsRect(), (TRect{300, 240, 700, 640}));
}

}  // namespace
}  // namespace pv
