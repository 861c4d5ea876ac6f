// The options window on the simulated desktop, opened as the user opens it ("Preferences..."
// in the tray menu): its layout at the designed and at the smallest size, how it shows the
// options, what OK, Cancel and Default do with them, the help panel following the focus,
// its page kept between openings, and its texts.
#include <functional>
#include <string>
#include <vector>

#include "app/form_program_options.h"
#include "app/program_options.h"
#include "controls/buttons.h"
#include "controls/combo_box.h"
#include "controls/edit.h"
#include "controls/group_box.h"
#include "controls/hot_key_edit.h"
#include "controls/label.h"
#include "controls/page_control.h"
#include "controls/panel.h"
#include "platform/sim/sim_button.h"
#include "platform/sim/sim_combo_box.h"
#include "platform/sim/sim_form.h"
#include "platform/sim/sim_hot_key.h"
#include "platform/sim/sim_hot_key_edit.h"
#include "platform/sim/sim_page_control.h"
#include "platform/sim/sim_panel.h"
#include "platform/sim/sim_tray_icon.h"
#include "tests/app/translation_fixture.h"
#include "util/ini_document.h"

namespace pv {
namespace {

const char* const kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr uint32_t kCtrl = HotKeyModifier::Control, kShift = HotKeyModifier::Shift, kAlt = HotKeyModifier::Alt;

class OptionsDialogTest : public testing::TranslationTest {
protected:
    // The program as started, past its deferred start (the hot key and the tray icon).
    void Run(const std::string& options = "") {
        if (!options.empty()) Put(File(), options);
        Start();
        app->Run();
    }
    // "Preferences..." in the program submenu of the tray menu.
    TFormProgramOptions* Open() {
        sim.SimUI().ChooseMenuEntry({"Pivola menu", "Preferences..."});
        sim.SimUI().TrayIcons.at(0)->UserClick();
        d = dynamic_cast<TFormProgramOptions*>(frame->OptionsFormRef);
        return d;
    }
    sim::SimForm* Window() { return sim.SimUI().FindForm("TFormProgramOptions"); }
    template <typename Record>
    Record* Native(const TControl* c) {
        return sim.SimUI().Control<Record>(c->Handle());
    }
    // A button pressed by the user, and whatever the loop then runs (a closed window goes).
    void Press(TButton* button) {
        ASSERT_TRUE(Native<sim::SimButton>(button)->UserClick()) << button->Name();
        app->ProcessMessages();
    }
    void Check(TCheckBox* box, bool checked) {
        if (box->Checked() != checked) Native<sim::SimButton>(box)->UserClick();
    }
    void TypeInto(TComboBox* list, const std::string& text) {
        ASSERT_TRUE(Native<sim::SimComboBox>(list)->UserType(text)) << list->Name();
    }
    void PressKeys(uint32_t key, uint32_t modifiers) {
        ASSERT_TRUE(Native<sim::SimHotKeyEdit>(d->hkProgramActivateShortCutPB)->UserPress(key, modifiers));
    }
    bool ShowPage(const std::string& caption) {
        return Native<sim::SimPageControl>(d->pgcOptions)->UserSelectTab(caption);
    }
    std::string File() { return kData + "config\\options.ini"; }
    std::string Stored(const std::string& section, const std::string& key) {
        return sim.Files().GetProfileString(File(), section, key, "<none>");
    }
    bool RunValue() { return sim.SimReg().HasValue(RegistryRoot::CurrentUser, kRunKey, "Vendrik-Pivola"); }
    TProgramOptions& O() { return *frame->ProgramOptions(); }

    // Every visible control lies inside its parent's client area and no two siblings
    // overlap; so down the whole tree.
    void ExpectLaidOut(const TWinControl* parent) {
        TRect client = parent->ClientRect();
        std::vector<const TControl*> shown;
        for (int i = 0; i < parent->ControlCount(); ++i) {
            const TControl* c = parent->Controls(i);
            if (!c->Visible()) continue;
            TRect r = c->BoundsRect();
            EXPECT_GE(r.Left, client.Left) << c->Name();
            EXPECT_GE(r.Top, client.Top) << c->Name();
            EXPECT_LE(r.Right, client.Right) << c->Name();
            EXPECT_LE(r.Bottom, client.Bottom) << c->Name();
            EXPECT_GT(r.Width(), 0) << c->Name();
            EXPECT_GT(r.Height(), 0) << c->Name();
            for (const TControl* o : shown) {
                TRect q = o->BoundsRect();
                bool apart = r.Right <= q.Left || q.Right <= r.Left || r.Bottom <= q.Top || q.Bottom <= r.Top;
                EXPECT_TRUE(apart) << c->Name() << " overlaps " << o->Name();
            }
            shown.push_back(c);
            if (auto* w = dynamic_cast<const TWinControl*>(c)) ExpectLaidOut(w);
        }
    }
    // The layout of both pages, and the native controls at the model's rectangles.
    void ExpectWholeLayout() {
        for (const char* page : {"Visuals", "Miscellaneous"}) {
            SCOPED_TRACE(page);
            ASSERT_TRUE(ShowPage(page));
            ExpectLaidOut(d);
            for (int i = 0; i < d->ComponentCount(); ++i) {
                auto* c = dynamic_cast<TControl*>(d->Components(i));
                if (!c || !c->HasPeer()) continue;
                auto* native = sim.SimUI().Controls.at(c->Handle());
                EXPECT_EQ(native->Bounds, c->BoundsRect()) << c->Name();
                EXPECT_EQ(native->Parent, c->Parent()->Handle()) << c->Name();
            }
        }
    }

    TFormProgramOptions* d = nullptr;
};

// ---- layout --------------------------------------------------------------------------------

TEST_F(OptionsDialogTest, AtTheDesignedSizeTheWindowIsCentredWithTheHelpPanelRightAndTheButtonsBelow) {
    Run();
    ASSERT_NE(Open(), nullptr);
    sim::SimForm* w = Window();
    EXPECT_TRUE(w->Visible);
    EXPECT_EQ(w->Caption(), "Options");
    EXPECT_FALSE(w->Params.MinimizeBox);
    EXPECT_FALSE(w->Params.MaximizeBox);
    EXPECT_EQ(d->ClientWidth(), 467);
    EXPECT_EQ(d->ClientHeight(), 322);
    EXPECT_EQ(w->MinTrackSize, (TSize{475, 325}));
    // Centred in the work area of 1280 x 1000: the window is 467 + 16 by 322 + 39.
    EXPECT_EQ(w->Placement.Normal, (TRect{398, 319, 398 + 483, 319 + 361}));

    EXPECT_EQ(d->pnlMain->BoundsRect(), (TRect{0, 0, 467, 281}));
    EXPECT_EQ(d->pgcOptions->BoundsRect(), (TRect{8, 8, 305, 281}));
    EXPECT_EQ(d->pnlMainHelp->BoundsRect(), (TRect{313, 8, 459, 281}));
    EXPECT_EQ(d->pnlHelpHeading->BoundsRect(), (TRect{0, 0, 144, 20})) << "inside the container's edge";
    EXPECT_EQ(Native<sim::SimPanel>(d->pnlHelpHeading)->Face, PanelFace::Caption);
    EXPECT_EQ(d->memHelp->BoundsRect(), (TRect{0, 20, 144, 271}));
    EXPECT_EQ(d->btnOK->BoundsRect(), (TRect{303, 289, 378, 314}));
    EXPECT_EQ(d->btnCancel->BoundsRect(), (TRect{384, 289, 459, 314}));
    EXPECT_EQ(Native<sim::SimPageControl>(d->pgcOptions)->Tabs, (std::vector<std::string>{"Visuals", "Miscellaneous"}))
        << "the hidden page has no tab";
    ExpectWholeLayout();
}

TEST_F(OptionsDialogTest, AtTheSmallestSizeNothingOverlapsOrLeavesItsParent) {
    Run();
    Open();
    Window()->UserResize(100, 100);
    EXPECT_EQ(d->Width(), 475);
    EXPECT_EQ(d->Height(), 325);
    EXPECT_EQ(d->pnlMainHelp->Width(), 146) << "the help panel keeps its width";
    EXPECT_EQ(d->pnlMainHelp->BoundsRect().Right, d->ClientWidth() - 8);
    EXPECT_EQ(d->btnCancel->BoundsRect().Right, d->ClientWidth() - 8);
    EXPECT_EQ(d->btnCancel->BoundsRect().Bottom, d->ClientHeight() - 8);
    ExpectWholeLayout();

    // Larger again, the lists and group boxes widen with the pages, also the closed one.
    Window()->UserResize(700, 500);
    EXPECT_EQ(d->gbProgramBehavior->Width(), d->tsMiscellaneous->ClientWidth() - 16);
    EXPECT_EQ(d->cbOverrideStandardFontName->BoundsRect().Right, d->gbFontSettingsV->ClientWidth() - 10);
    ExpectWholeLayout();
}

// At 144 DPI the dialog's design is 522 pixels high outside; on a screen whose work area
// is lower it is cut to that height and stands in it, its layout whole.
TEST_F(OptionsDialogTest, OnAScreenTooLowForTheScaledDesignTheWindowStaysInsideTheWorkArea) {
    sim.SimSystem().PixelsPerInch = 144;
    const TRect work{0, 30, 1024, 530};
    sim.SimSystem().Work = work;
    Run();
    ASSERT_NE(Open(), nullptr);
    TRect outer = Window()->Placement.Normal;
    EXPECT_EQ(outer.Top, work.Top);
    EXPECT_EQ(outer.Bottom, work.Bottom);
    EXPECT_GE(outer.Left, work.Left);
    EXPECT_LE(outer.Right, work.Right);
    EXPECT_LE(Window()->MinTrackSize.cy, work.Height());
    EXPECT_EQ(d->btnCancel->BoundsRect().Bottom, d->ClientHeight() - 12) << "the buttons stay at the bottom";
    ExpectWholeLayout();
}

// ---- showing the options -------------------------------------------------------------------

TEST_F(OptionsDialogTest, TheControlsShowTheOptionsWithFallbacksForAMissingFontAndSize) {
    struct Case {
        const char* name;
        int size;
        std::vector<std::string> fonts;
        std::string shownName;
        int shownIndex;  // in the name list
        std::string shownSize;
    } cases[] = {
        {"tahoma", 12, {"Arial", "Tahoma", "Verdana"}, "Tahoma", 1, "12"},
        {"Not Installed", 13, {"Arial", "Tahoma", "Verdana"}, "Verdana", 2, "10"},
        {"Not Installed", 0, {"Arial", "segoe ui"}, "segoe ui", 1, "10"},  // the system's menu font
        {"Not Installed", 0, {"Arial", "Tahoma"}, "", -1, "10"},
        {"", 7, {}, "", -1, "7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name + std::string(" ") + std::to_string(c.size));
        sim.SimSystem().Fonts = c.fonts;
        Run("[ProgramOptions.Visuals]\r\nOverrideStandardFontName=" + std::string(c.name) +
            "\r\nOverrideStandardFontSize=" + std::to_string(c.size) + "\r\n");
        Open();
        EXPECT_EQ(d->cbOverrideStandardFontName->Items(), c.fonts);
        EXPECT_EQ(d->cbOverrideStandardFontName->ItemIndex(), c.shownIndex);
        EXPECT_EQ(d->cbOverrideStandardFontName->Text(), c.shownName);
        EXPECT_EQ(Native<sim::SimComboBox>(d->cbOverrideStandardFontName)->Text, c.shownName);
        EXPECT_EQ(d->cbOverrideStandardFontSize->Text(), c.shownSize);
        EXPECT_EQ(Native<sim::SimComboBox>(d->cbOverrideStandardFontSize)->Items,
                  (std::vector<std::string>{"7", "8", "9", "10", "11", "12"}));
        Stop();
    }
}

TEST_F(OptionsDialogTest, TheCheckBoxesAndTheHotKeyShowTheirOptions) {
    struct Case {
        std::string flags;  // SaveWindowsSetup, SaveMiscSetup, bold, override, tray, task
        std::string shortcut;
        TShortCut shown;
    } cases[] = {
        {"101010", "Alt+F9", ShortCutBit::Alt | 0x78},
        {"010101", "CTRL+L", ShortCutBit::Ctrl | 'L'},
        {"000000", "no such key", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags + " " + c.shortcut);
        auto flag = [&](int i) { return std::string(1, c.flags[static_cast<size_t>(i)]); };
        Run("[ProgramOptions.Visuals]\r\nSaveWindowsSetup=" + flag(0) + "\r\nSaveMiscSetup=" + flag(1) +
            "\r\nOverrideStandardFontBold=" + flag(2) + "\r\nOverrideStandardFont=" + flag(3) +
            "\r\n[ProgramOptions.Miscellaneous]\r\nAlwaysShowInTray=" + flag(4) + "\r\nAlwaysShowInTask=" + flag(5) +
            "\r\nProgramPopupShortCut=" + c.shortcut + "\r\n");
        Open();
        TCheckBox* boxes[] = {d->chkWindowsVU,            d->chkMiscVU,     d->chbOverrideStandardFontStyleBold,
                              d->chbOverrideStandardFont, d->chbShowInTray, d->chbShowInTask};
        for (int i = 0; i < 6; ++i) EXPECT_EQ(boxes[i]->Checked(), c.flags[static_cast<size_t>(i)] == '1') << i;
        EXPECT_EQ(d->hkProgramActivateShortCutPB->HotKey(), c.shown);
        ShowPage("Miscellaneous");
        auto* native = Native<sim::SimHotKeyEdit>(d->hkProgramActivateShortCutPB);
        ASSERT_NE(native, nullptr);
        EXPECT_EQ(native->Key, c.shown & ShortCutBit::KeyMask);
        EXPECT_EQ(native->InvalidCombinations, HotKeyCombination::None | HotKeyCombination::Shift | HotKeyCombination::Alt);
        EXPECT_EQ(native->Replacement, kCtrl);
        Stop();
    }
}

// ---- OK --------------------------------------------------------------------------------------

TEST_F(OptionsDialogTest, OkStoresTheControlsAndTheNewHotKeyWorksAtOnce) {
    Run();
    Open();
    Check(d->chkWindowsVU, false);
    Check(d->chbOverrideStandardFont, true);
    Check(d->chbOverrideStandardFontStyleBold, true);
    TypeInto(d->cbOverrideStandardFontName, "My Own Font");
    ASSERT_TRUE(Native<sim::SimComboBox>(d->cbOverrideStandardFontSize)->UserSelect("12"));
    ASSERT_TRUE(ShowPage("Miscellaneous"));
    PressKeys('K', kCtrl);
    EXPECT_EQ(Native<sim::SimHotKeyEdit>(d->hkProgramActivateShortCutPB)->Modifiers, kCtrl);
    Press(d->btnOK);

    EXPECT_EQ(frame->OptionsFormRef, nullptr) << "closed and destroyed";
    EXPECT_EQ(Window(), nullptr);
    EXPECT_FALSE(O().SaveWindowsSetup);
    EXPECT_TRUE(O().OverrideStandardFont);
    EXPECT_TRUE(O().OverrideStandardFontBold);
    EXPECT_EQ(O().OverrideStandardFontName, "My Own Font") << "no check that the font exists";
    EXPECT_EQ(O().OverrideStandardFontSize, 12);
    EXPECT_EQ(O().ProgramPopupShortCut, "Ctrl+K");
    EXPECT_TRUE(Front()->OverrideStandardFont()) << "the tray menu draws with the font at once";
    EXPECT_FALSE(sim.SimUI().PressHotKey('L', kCtrl)) << "the old hot key is free";
    size_t menus = sim.SimUI().Menus.size();
    EXPECT_TRUE(sim.SimUI().PressHotKey('K', kCtrl));
    EXPECT_EQ(sim.SimUI().Menus.size(), menus + 1) << "the new one opens the tray menu";
    // The file is written when the window goes.
    EXPECT_EQ(Stored("ProgramOptions.Miscellaneous", "ProgramPopupShortCut"), "Ctrl+K");
    EXPECT_EQ(Stored("ProgramOptions.Visuals", "OverrideStandardFontName"), "My Own Font");
}

TEST_F(OptionsDialogTest, AnEmptyFontFieldKeepsTheStoredName) {
    sim.SimSystem().Fonts = {"Arial"};
    Run("[ProgramOptions.Visuals]\r\nOverrideStandardFontName=Gone Font\r\n");
    Open();
    ASSERT_EQ(d->cbOverrideStandardFontName->Text(), "") << "neither the font, Verdana nor the menu font is there";
    Press(d->btnOK);
    EXPECT_EQ(O().OverrideStandardFontName, "Gone Font");
}

TEST_F(OptionsDialogTest, ASizeThatIsNoNumberIsStoredAsTen) {
    for (const char* typed : {"abc", "", "12pt", "9"}) {
        SCOPED_TRACE(typed);
        Run("[ProgramOptions.Visuals]\r\nOverrideStandardFontSize=8\r\n");
        Open();
        TypeInto(d->cbOverrideStandardFontSize, typed);
        Press(d->btnOK);
        EXPECT_EQ(O().OverrideStandardFontSize, std::string(typed) == "9" ? 9 : 10);
        Stop();
    }
}

TEST_F(OptionsDialogTest, TheHotKeyFieldTurnsAKeyAloneOrWithShiftOrAltAloneIntoCtrlAndTheKey) {
    struct Case {
        uint32_t pressed;
        const char* stored;
    } cases[] = {
        {0, "Ctrl+K"},           {kShift, "Ctrl+K"},          {kAlt, "Ctrl+K"},
        {kCtrl, "Ctrl+K"},       {kCtrl | kAlt, "Ctrl+Alt+K"}, {kShift | kCtrl, "Shift+Ctrl+K"},
        {kShift | kAlt, "Shift+Alt+K"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored + std::string(" from ") + std::to_string(c.pressed));
        Run();
        Open();
        ShowPage("Miscellaneous");
        PressKeys('K', c.pressed);
        Press(d->btnOK);
        EXPECT_EQ(O().ProgramPopupShortCut, c.stored);
        Stop();
    }
}

// ---- Cancel, the close box and the keys ----------------------------------------------------

TEST_F(OptionsDialogTest, CancelAfterChangingEveryControlRewritesTheFileWithTheOldValues) {
    Run();
    frame->SaveOptions();
    IniDocument before = IniDocument::Parse(Get(File()));
    Open();
    for (TCheckBox* box : {d->chkWindowsVU, d->chkMiscVU, d->chbOverrideStandardFontStyleBold,
                           d->chbOverrideStandardFont})
        Native<sim::SimButton>(box)->UserClick();
    TypeInto(d->cbOverrideStandardFontName, "Other");
    TypeInto(d->cbOverrideStandardFontSize, "12");
    ShowPage("Miscellaneous");
    Native<sim::SimButton>(d->chbShowInTray)->UserClick();
    PressKeys('Q', kCtrl | kAlt);
    sim.Files().DeleteFile(File());
    Press(d->btnCancel);

    ASSERT_TRUE(Exists(File())) << "written again at the window's end";
    IniDocument after = IniDocument::Parse(Get(File()));
    for (const char* section : {"ProgramOptions.General", "ProgramOptions.Visuals", "ProgramOptions.Miscellaneous"})
        for (const std::string& key : before.Keys(section))
            EXPECT_EQ(after.ReadString(section, key, "<none>"), before.ReadString(section, key, "")) << key;
    EXPECT_TRUE(RunValue());
    EXPECT_TRUE(sim.SimUI().PressHotKey('L', kCtrl)) << "the hot key is as it was";
}

TEST_F(OptionsDialogTest, EnterPressesOkUnlessTheFocusIsOnAnotherButtonAndEscapeCancels) {
    struct Case {
        const char* name;
        std::function<void()> act;
        bool applied;
    } cases[] = {
        {"Enter", [this] { Window()->UserPressEnter(); }, true},
        {"Enter on Cancel",
         [this] {
             Native<sim::SimButton>(d->btnCancel)->UserFocus();
             EXPECT_TRUE(Native<sim::SimButton>(d->btnCancel)->Default) << "the focused button shows as default";
             EXPECT_FALSE(Native<sim::SimButton>(d->btnOK)->Default);
             Window()->UserPressEnter();
         },
         false},
        {"Escape", [this] { Window()->UserPressEscape(); }, false},
        {"close box", [this] { Window()->UserClose(); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim.Files().DeleteFile(File());
        Run();
        Open();
        EXPECT_TRUE(Native<sim::SimButton>(d->btnOK)->Default) << "OK shows as the default button";
        Check(d->chkMiscVU, false);
        c.act();
        app->ProcessMessages();
        EXPECT_EQ(frame->OptionsFormRef, nullptr) << "every close destroys the window";
        EXPECT_EQ(O().SaveMiscSetup, !c.applied);
        EXPECT_EQ(Stored("ProgramOptions.Visuals", "SaveMiscSetup"), c.applied ? "0" : "1");
        Stop();
    }
}

// ---- Default ---------------------------------------------------------------------------------

TEST_F(OptionsDialogTest, DefaultPicksTheSystemMenuFontAsNearAsTheListsGo) {
    struct Case {
        FontSpec menu;
        std::vector<std::string> fonts;
        std::string name;
        std::string size;
    } cases[] = {
        {{"Tahoma", 9}, {"Arial", "Tahoma", "Verdana"}, "Tahoma", "9"},
        {{"Tahoma", 14}, {"Arial", "Tahoma", "Verdana"}, "Tahoma", "9"},
        {{"tahoma", 8}, {"Arial", "Tahoma", "Verdana"}, "Verdana", "8"},
        {{"Segoe UI", 7}, {"Arial", "Verdana"}, "Verdana", "7"},
        {{"Segoe UI", 6}, {"Arial"}, "", "7"},
        {{"Segoe UI", 8}, {}, "Typed", "8"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.menu.Name + " " + std::to_string(c.menu.Size));
        sim.SimSystem().Fonts = c.fonts;
        sim.SimSystem().Menu = c.menu;
        Run("[ProgramOptions.Visuals]\r\nOverrideStandardFontBold=1\r\nOverrideStandardFont=1\r\n");
        Open();
        if (c.fonts.empty()) TypeInto(d->cbOverrideStandardFontName, "Typed");
        Press(d->BtnDefault);
        EXPECT_FALSE(d->chbOverrideStandardFontStyleBold->Checked());
        EXPECT_TRUE(d->chbOverrideStandardFont->Checked()) << "the drawing switch stays";
        EXPECT_EQ(d->cbOverrideStandardFontName->Text(), c.name) << "an empty list is left alone";
        EXPECT_EQ(Native<sim::SimComboBox>(d->cbOverrideStandardFontName)->Text, c.name);
        EXPECT_EQ(d->cbOverrideStandardFontSize->Text(), c.size);
        EXPECT_NE(frame->OptionsFormRef, nullptr) << "the window stays open";
        Stop();
    }
}

// ---- the hidden page and the start with Windows ---------------------------------------------

TEST_F(OptionsDialogTest, TheHiddenPagesCheckBoxIsStoredBackUnchanged) {
    for (const char* value : {"0", "1"}) {
        SCOPED_TRACE(value);
        Run("[ProgramOptions.Miscellaneous]\r\nAlwaysShowInTask=" + std::string(value) + "\r\n");
        Open();
        EXPECT_FALSE(d->chbShowInTask->HasPeer()) << "never shown";
        EXPECT_FALSE(ShowPage("tsHidden"));
        Press(d->btnOK);
        EXPECT_EQ(O().AlwaysShowInTask, std::string(value) == "1");
        EXPECT_EQ(Stored("ProgramOptions.Miscellaneous", "AlwaysShowInTask"), value);
        Stop();
    }
}

TEST_F(OptionsDialogTest, ClearingTheTrayOptionRemovesTheRunValueWhenTheWindowCloses) {
    Run();
    frame->SaveOptions();
    ASSERT_TRUE(RunValue());
    Open();
    ShowPage("Miscellaneous");
    Check(d->chbShowInTray, false);
    Press(d->btnOK);
    EXPECT_FALSE(RunValue());
    EXPECT_EQ(Stored("ProgramOptions.Miscellaneous", "AlwaysShowInTray"), "0");

    Open();
    ShowPage("Miscellaneous");
    Check(d->chbShowInTray, true);
    Press(d->btnOK);
    EXPECT_TRUE(RunValue());
}

// ---- the open page between openings ---------------------------------------------------------

TEST_F(OptionsDialogTest, TheWindowReopensOnThePageItClosedOnWhileMiscellaneousSetupIsSaved) {
    struct Case {
        const char* saveMisc;
        const char* reopened;
    } cases[] = {{"1", "Miscellaneous"}, {"0", "Visuals"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.saveMisc);
        Run("[ProgramOptions.Visuals]\r\nSaveMiscSetup=" + std::string(c.saveMisc) + "\r\n");
        Open();
        ShowPage("Miscellaneous");
        Press(d->btnCancel);
        EXPECT_EQ(Stored("FormProgramOptions", "pgcOptions.ActivePageIndex"),
                  std::string(c.saveMisc) == "1" ? "1" : "<none>");
        Open();
        EXPECT_EQ(d->pgcOptions->ActivePage()->Caption(), c.reopened);
        EXPECT_EQ(Native<sim::SimPageControl>(d->pgcOptions)->TabIndex, std::string(c.reopened) == "Visuals" ? 0 : 1);
        EXPECT_TRUE((std::string(c.reopened) == "Visuals" ? d->chkWindowsVU : d->chbShowInTray)->Focused());
        Stop();
    }
}

TEST_F(OptionsDialogTest, AStoredPageWithoutATabOrOutOfRangeOpensTheFirstPage) {
    for (const char* index : {"2", "7", "-1", "x"}) {
        SCOPED_TRACE(index);
        Run("[FormProgramOptions]\r\npgcOptions.ActivePageIndex=" + std::string(index) + "\r\n");
        Open();
        EXPECT_EQ(d->pgcOptions->ActivePage(), d->tsVisuals);
        Stop();
    }
}

// ---- the help panel --------------------------------------------------------------------------

TEST_F(OptionsDialogTest, TheHelpPanelExplainsTheControlWithTheFocus) {
    Run();
    Open();
    EXPECT_TRUE(d->chkWindowsVU->Focused()) << "the first page's first control on showing";
    EXPECT_EQ(d->memHelp->Text(), "Remember windows position, size, and state.");
    EXPECT_EQ(Native<sim::SimControl>(d->memHelp)->Text, d->memHelp->Text());

    const std::string noHelp = "No help available for this topic.";
    struct Case {
        std::function<TWinControl*(TFormProgramOptions&)> control;
        std::string text;
    } cases[] = {
        {[](auto& f) { return f.chkMiscVU; }, "Remember miscellaneous setup."},
        {[](auto& f) { return f.BtnDefault; }, noHelp},
        {[](auto& f) { return f.cbOverrideStandardFontSize; }, noHelp},
        {[](auto& f) { return f.cbOverrideStandardFontName; }, noHelp},
        {[](auto& f) { return f.chbOverrideStandardFont; }, noHelp},
        {[](auto& f) { return f.btnOK; }, noHelp},
        {[](auto& f) { return f.btnCancel; }, noHelp},
        {[](auto& f) { return f.chkWindowsVU; }, "Remember windows position, size, and state."},
    };
    for (const Case& c : cases) {
        TWinControl* control = c.control(*d);
        SCOPED_TRACE(control->Name());
        ASSERT_TRUE(sim.SimUI().Controls.at(control->Handle())->UserFocus());
        EXPECT_EQ(d->memHelp->Text(), c.text);
    }
    // The bold check box has no help hook: the panel keeps what it showed.
    Native<sim::SimButton>(d->chbOverrideStandardFontStyleBold)->UserClick();
    EXPECT_EQ(d->memHelp->Text(), "Remember windows position, size, and state.");

    // A page change moves the focus to the page's first control, which explains itself.
    ASSERT_TRUE(ShowPage("Miscellaneous"));
    EXPECT_TRUE(d->chbShowInTray->Focused());
    EXPECT_EQ(d->memHelp->Text(),
              "If checked, Pivola will register itself to windows startup registry and always be shown in system "
              "tray.\r\n\r\nUncheck to have Pivola un-register itself.");
    Native<sim::SimHotKeyEdit>(d->hkProgramActivateShortCutPB)->UserFocus();
    std::string hotKeys = d->memHelp->Text();
    EXPECT_TRUE(hotKeys.starts_with("Can be used when Pivola is minimized.")) << hotKeys;
    EXPECT_NE(hotKeys.find("To enter the \"hotkeys\", first make sure"), std::string::npos);
    EXPECT_EQ(hotKeys.find('{'), std::string::npos) << "every variable filled in";
    EXPECT_EQ(d->HelpText(d->chbShowInTask),
              "If checked, Pivola will be shown in task bar when a program window is visible.");
}

// ---- one window at a time --------------------------------------------------------------------

TEST_F(OptionsDialogTest, PreferencesWhileTheWindowIsOpenOpensNothingNew) {
    Run();
    TFormProgramOptions* first = Open();
    ASSERT_NE(first, nullptr);
    int broughtToFront = Window()->BroughtToFront;
    EXPECT_EQ(Open(), first);
    int windows = 0;
    for (auto* w : sim.SimUI().Forms()) windows += w->Params.ClassName == "TFormProgramOptions";
    EXPECT_EQ(windows, 1);
    EXPECT_EQ(Window()->BroughtToFront, broughtToFront) << "not even brought to the front";
    Press(d->btnCancel);
    EXPECT_NE(Open(), nullptr) << "a closed window opens anew";
}

TEST_F(OptionsDialogTest, ClosingTheProgramClosesTheOpenWindowAndWritesItsPlacement) {
    Run();
    Open();
    Window()->UserSetPlacement({WindowState::Normal, TRect{10, 20, 610, 520}});
    Stop();
    EXPECT_EQ(Stored("FormProgramOptions", "Left"), "10");
    EXPECT_EQ(Stored("FormProgramOptions", "Width"), "600");
}

// ---- texts -----------------------------------------------------------------------------------

TEST_F(OptionsDialogTest, TheWindowRegistersItsHelpAndItsTranslationListInOrder) {
    Run();
    Open();
    const IniDocument& base = Base("UTF8_program.ini");
    EXPECT_EQ(base.Keys("StrsRes__HelpText_ProgramOptions"),
              (std::vector<std::string>{"RememberStateWindows__Value", "RememberStateMisc__Value",
                                        "AlwaysShowInTray__Value", "AlwaysShowInTray__Template",
                                        "AlwaysShowInTask__Value", "AlwaysShowInTask__Template",
                                        "HotkeysSetup__Value", "HotkeysSetup__Template"}));
    EXPECT_EQ(base.Keys("StrsGui____Controls_ProgramOptions"),
              (std::vector<std::string>{
                  "FormProgramOptions.Caption", "btnOK.Caption", "btnCancel.Caption", "tsVisuals.Caption",
                  "tsMiscellaneous.Caption", "tsHidden.Caption", "pnlHelpHeading.Caption",
                  "gbUserInterfacePersistenceV.Caption", "chkWindowsVU.Caption", "chkMiscVU.Caption",
                  "gbFontSettingsV.Caption", "chbOverrideStandardFont.Caption",
                  "lblOverrideStandardFontStyleBold.Caption", "lblOverrideStandardFontSize.Caption",
                  "lblOverrideStandardFontName.Caption", "BtnDefault.Caption", "gbProgramBehavior.Caption",
                  "chbShowInTray.Caption", "chbShowInTask.Caption", "lblProgramActivateShortCutPB.Caption"}))
        << "empty captions and hints are not stored";
    EXPECT_EQ(DecodeIniValue(base.ReadString("StrsGui____Controls_ProgramOptions", "btnOK.Caption", "")), "&OK");
}

TEST_F(OptionsDialogTest, ACultureTranslatesTheCaptionsTheTabsAndTheHelp) {
    PutLanguage("de-de", "UTF8_program.ini",
                "[StrsGui____Controls_ProgramOptions]\r\n"
                "FormProgramOptions.Caption=Optionen\r\n"
                "tsMiscellaneous.Caption=Verschiedenes\r\n"
                "btnCancel.Caption=&Abbrechen\r\n"
                "[StrsRes__HelpText_ProgramOptions]\r\n"
                "RememberStateMisc__Value={ProgramNameShortCommon} merkt sich Einstellungen.\r\n"
                "RememberStateMisc__Template=__curly\r\n");
    Put(File(), "[ProgramOptions.General]\r\nLanguageCulture=de-de\r\n");
    Start();
    app->Run();
    Open();
    EXPECT_EQ(Window()->Caption(), "Optionen");
    EXPECT_EQ(Native<sim::SimPageControl>(d->pgcOptions)->Tabs, (std::vector<std::string>{"Visuals", "Verschiedenes"}));
    EXPECT_EQ(Native<sim::SimButton>(d->btnCancel)->Text, "&Abbrechen");
    Native<sim::SimButton>(d->chkMiscVU)->UserFocus();
    EXPECT_EQ(d->memHelp->Text(), "Pivola merkt sich Einstellungen.");
    Native<sim::SimButton>(d->chkWindowsVU)->UserFocus();
    EXPECT_EQ(d->memHelp->Text(), "Remember windows position, size, and state.") << "the English text stands in";

    // Back to English while the window is open: its captions, tabs and help follow.
    Native<sim::SimButton>(d->chkMiscVU)->UserFocus();
    frame->ChangeLanguage("en-us");
    EXPECT_EQ(Window()->Caption(), "Options");
    EXPECT_EQ(Native<sim::SimPageControl>(d->pgcOptions)->Tabs, (std::vector<std::string>{"Visuals", "Miscellaneous"}));
    EXPECT_EQ(d->memHelp->Text(), "Remember miscellaneous setup.");
}

}  // namespace
}  // namespace pv
