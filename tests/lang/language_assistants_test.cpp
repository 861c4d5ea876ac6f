#include "lang/language_composite.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/action_list.h"
#include "controls/application.h"
#include "controls/buttons.h"
#include "controls/edit.h"
#include "controls/form.h"
#include "controls/label.h"
#include "controls/menus.h"
#include "controls/page_control.h"
#include "controls/status_bar.h"
#include "tests/support/sim_test.h"
#include "platform/sim/sim_form.h"

namespace pv {
namespace {

const std::string kTrans = "C:\\Program Files\\Pivola\\trans\\";
const std::string kFile = "UTF8_program.ini";
const std::string kArea = "__Test";

// A window with one component of every kind the assistants handle, registered and
// translated in one fixed order as a window's hooks do.
class LanguageAssistants : public testing::SimTest {
protected:
    LanguageAssistants() {
        lc().SetTranslationFolder(kTrans);
        lc().SetOptions({.UseBuiltInTexts = true, .StoreNonEmptyOnly = true});
        form = TComponent::Create<TForm>(&app);
        form->SetName("TestForm");
        form->SetCaption("Test window");
        attach = Make<TBitBtn>("BitBtnAttach", "Find and Attach", "|Find and/or attach an item");
        label = Make<TLabel>("lblPath", "Path", "a hint nobody translates");
        edit = Make<TvdEdit>("edtPath", "C:\\typed.txt", "|The path");
        pages = Make<TPageControl>("pgc", "", "");
        for (const char* name : {"tsGeneral", "tsAbout"}) {
            auto* page = TComponent::Create<TTabSheet>(form);
            page->SetName(name);
            page->SetCaption(name + 2);
            page->SetPageControl(pages);
        }
        status = Make<TvdStatusBar>("sbHelp", "", "");
        status->SetAutoHintDef("Default line");
        menu = TComponent::Create<TPopupMenu>(form);
        open = MakeItem("miOpen", "&Open");
        open->Hint = "Opens a file";
        open->ShortCut = static_cast<int>(ShortCutBit::Ctrl | 'O');
        separator = MakeItem("N1", "-");
        actions = TComponent::Create<TActionList>(form);
        copy = MakeAction("acCopy", "&Copy", "Copies", ShortCutBit::Ctrl | 'C', true);
        custom = MakeAction("acCustom", "Custom", "Not standard", 0, false);
    }
    template <typename T>
    T* Make(const char* name, const char* caption, const char* hint) {
        T* c = TComponent::Create<T>(form);
        c->SetName(name);
        c->SetParent(form);
        c->SetCaption(caption);
        c->SetHint(hint);
        return c;
    }
    TMenuItem* MakeItem(const char* name, const char* caption) {
        auto* item = TComponent::Create<TMenuItem>(menu);
        item->SetName(name);
        item->Caption = caption;
        menu->Items()->Add(item);
        return item;
    }
    TAction* MakeAction(const char* name, const char* caption, const char* hint, TShortCut shortcut, bool standard) {
        auto* a = TComponent::Create<TAction>(actions);
        a->SetName(name);
        a->Caption = caption;
        a->Hint = hint;
        a->ShortCut = shortcut;
        a->StandardAction = standard;
        a->SetActionList(actions);
        return a;
    }
    void RegisterAll() {
        lang.AssistantControls().RegisterCaptionHint(kFile, kArea, *form);
        lang.AssistantControls().RegisterCaptionHint(kFile, kArea, *attach);
        lang.AssistantControls().RegisterCaption(kFile, kArea, *label);
        lang.AssistantControls().RegisterHint(kFile, kArea, *edit);
        lang.AssistantControls().RegisterPages(kFile, kArea, *pages);
        lang.AssistantControlsVD().RegisterAutoHintDef(kFile, kArea, *status);
        lang.AssistantMenus().RegisterMenuItem(kFile, kArea, *open);
        lang.AssistantMenus().RegisterMenuItem(kFile, kArea, *separator);
        lang.AssistantActions().RegisterActions(kFile, kArea, *actions);
    }
    void TranslateAll() {
        lang.AssistantControls().TranslateCaptionHint(kFile, kArea, *form);
        lang.AssistantControls().TranslateCaptionHint(kFile, kArea, *attach);
        lang.AssistantControls().TranslateCaption(kFile, kArea, *label);
        lang.AssistantControls().TranslateHint(kFile, kArea, *edit);
        lang.AssistantControls().TranslatePages(kFile, kArea, *pages);
        lang.AssistantControlsVD().TranslateAutoHintDef(kFile, kArea, *status);
        lang.AssistantMenus().TranslateMenuItem(kFile, kArea, *open);
        lang.AssistantMenus().TranslateMenuItem(kFile, kArea, *separator);
        lang.AssistantActions().TranslateActions(kFile, kArea, *actions);
    }
    // Every text the window shows, in one line each, so that whole states compare.
    std::vector<std::string> Texts() const {
        return {form->Caption(),
                form->Hint(),
                attach->Caption(),
                attach->Hint(),
                label->Caption(),
                label->Hint(),
                edit->Text(),
                edit->Hint(),
                pages->Pages(0)->Caption(),
                pages->Pages(1)->Caption(),
                status->AutoHintDef(),
                status->SimpleText(),
                open->Caption,
                open->Hint,
                ShortCutToText(static_cast<TShortCut>(open->ShortCut)),
                separator->Caption,
                copy->Caption,
                copy->Hint,
                ShortCutToText(copy->ShortCut),
                custom->Caption,
                custom->Hint};
    }
    void PutCulture(const std::string& culture, const std::string& body) {
        Put(kTrans + culture + "\\" + kFile, "\xEF\xBB\xBF" + body);
    }
    const IniDocument& Base() { return lc().LanguageFiles().at("en-us|" + kFile); }
    TvdlgLanguageController& lc() { return lang.Controller(); }

    TvdlgLanguageCompositeAllEx lang{sim};
    TApplication app{sim};
    TForm* form = nullptr;
    TBitBtn* attach = nullptr;
    TLabel* label = nullptr;
    TvdEdit* edit = nullptr;
    TPageControl* pages = nullptr;
    TvdStatusBar* status = nullptr;
    TPopupMenu* menu = nullptr;
    TMenuItem* open = nullptr;
    TMenuItem* separator = nullptr;
    TActionList* actions = nullptr;
    TAction* copy = nullptr;
    TAction* custom = nullptr;
};

const char* const kGermanEverything =
    "[StrsGui____Controls__Test]\r\n"
    "TestForm.Caption=Testfenster\r\n"
    "BitBtnAttach.Caption=Suchen und anhängen\r\n"
    "BitBtnAttach.Hint=|Suchen oder anhängen\r\n"
    "lblPath.Caption=Pfad\r\n"
    "lblPath.Hint=nicht übersetzt\r\n"
    "edtPath.Caption=nicht übersetzt\r\n"
    "edtPath.Hint=|Der Pfad\r\n"
    "tsGeneral.Caption=Allgemein\r\n"
    "tsAbout.Caption=Über\r\n"
    "[StrsGui____ControlsVD__Test]\r\n"
    "sbHelp.AutoHintDef=Standardzeile\r\n"
    "[StrsGui____Menus__Test]\r\n"
    "miOpen.Caption=Ö&ffnen\r\n"
    "miOpen.Hint=Öffnet eine Datei\r\n"
    "miOpen.ShortCut=Ctrl+F\r\n"
    "[StrsGui____Actions__Test]\r\n"
    "acCopy.Caption=&Kopieren\r\n"
    "acCopy.Hint=Kopiert\r\n"
    "acCopy.ShortCut=Shift+Ins\r\n"
    "acCustom.Caption=Eigen\r\n";

TEST_F(LanguageAssistants, TheBaseCultureRegistersTheBuiltInTextsAndTranslatingChangesNothing) {
    // Even an English file on disk that says otherwise is not consulted while the design
    // culture stands: the components already show the built-in texts.
    PutCulture("en-us", "[StrsGui____Controls__Test]\r\nBitBtnAttach.Caption=Other\r\n");
    const auto before = Texts();
    RegisterAll();
    TranslateAll();
    EXPECT_EQ(Texts(), before);

    // Empty texts, separators, label hints, edit texts and other kinds of actions are not
    // registered; the file's line is overwritten in place.
    const std::pair<const char*, std::vector<std::string>> expected[] = {
        {"StrsGui____Controls__Test",
         {"BitBtnAttach.Caption", "TestForm.Caption", "BitBtnAttach.Hint", "lblPath.Caption", "edtPath.Hint",
          "tsGeneral.Caption", "tsAbout.Caption"}},
        {"StrsGui____ControlsVD__Test", {"sbHelp.AutoHintDef"}},
        {"StrsGui____Menus__Test", {"miOpen.Caption", "miOpen.Hint", "miOpen.ShortCut"}},
        {"StrsGui____Actions__Test", {"acCopy.Caption", "acCopy.Hint", "acCopy.ShortCut"}},
    };
    for (const auto& [section, keys] : expected) EXPECT_EQ(Base().Keys(section), keys) << section;
    EXPECT_EQ(Base().ReadString("StrsGui____Menus__Test", "miOpen.ShortCut", ""), "Ctrl+O");
    EXPECT_EQ(Base().ReadString("StrsGui____Controls__Test", "tsAbout.Caption", ""), "About");
    EXPECT_EQ(Base().ReadString("StrsGui____Controls__Test", "BitBtnAttach.Caption", ""), "Find and Attach");
    EXPECT_EQ(Base().ReadString("StrsGui____Controls__Test", "BitBtnAttach.Hint", ""), "|Find and/or attach an item");
}

TEST_F(LanguageAssistants, ACultureThatTranslatesOneCaptionOnlyLeavesEveryOtherTextEnglish) {
    PutCulture("de-de", "[StrsGui____Controls__Test]\r\nBitBtnAttach.Caption=Suchen und anhängen\r\n");
    auto expected = Texts();
    expected[2] = "Suchen und anhängen";
    RegisterAll();
    lc().SetCulture("de-de");
    TranslateAll();
    EXPECT_EQ(Texts(), expected);
    EXPECT_EQ(attach->Hint(), "|Find and/or attach an item") << "the hint falls back to the registered English one";
}

TEST_F(LanguageAssistants, SwitchingToACultureAndBackGivesEveryComponentItsEnglishTextBack) {
    PutCulture("de-de", kGermanEverything);
    const auto english = Texts();
    RegisterAll();
    lc().SetCulture("de-de");
    TranslateAll();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Testfenster", "", "Suchen und anhängen",
                                                 "|Suchen oder anhängen", "Pfad", "a hint nobody translates",
                                                 "C:\\typed.txt", "|Der Pfad", "Allgemein", "Über", "Standardzeile",
                                                 "Standardzeile", "Ö&ffnen", "Öffnet eine Datei", "Ctrl+F", "-",
                                                 "&Kopieren", "Kopiert", "Shift+Ins", "Custom", "Not standard"}));
    lc().SetCulture("en-us");
    TranslateAll();
    EXPECT_EQ(Texts(), english);
}

TEST_F(LanguageAssistants, ATranslatedShortcutTextThatIsEmptyOrDoesNotConvertRemovesTheShortcut) {
    RegisterAll();
    const std::pair<const char*, TShortCut> cases[] = {
        {"", 0}, {"Nonsense", 0}, {"Ctrl+", 0}, {"alt+f4", ShortCutBit::Alt | 0x73}, {"^K", ShortCutBit::Ctrl | 'K'}};
    int n = 0;
    for (const auto& [text, shortcut] : cases) {
        // A culture of its own per case, so that no cached document answers.
        std::string culture = "x" + std::to_string(n++);
        PutCulture(culture, std::string("[StrsGui____Menus__Test]\r\nmiOpen.ShortCut=") + text +
                                "\r\n[StrsGui____Actions__Test]\r\nacCopy.ShortCut=" + text + "\r\n");
        lc().SetCulture(culture);
        TranslateAll();
        EXPECT_EQ(static_cast<TShortCut>(open->ShortCut), shortcut) << '"' << text << '"';
        EXPECT_EQ(copy->ShortCut, shortcut) << '"' << text << '"';
        lc().SetCulture("en-us");
        TranslateAll();
        EXPECT_EQ(ShortCutToText(static_cast<TShortCut>(open->ShortCut)), "Ctrl+O");
    }
}

TEST_F(LanguageAssistants, AnEmptyTranslatedShortcutRemovesOneOnAKeyWithoutTextForm) {
    // Ctrl+; and Ctrl+Num 0 have no name in the shortcut table, so they read as "" too.
    for (TShortCut nameless : {ShortCutBit::Ctrl | 0xBA, ShortCutBit::Ctrl | 0x60}) {
        ASSERT_EQ(ShortCutToText(nameless), "");
        open->ShortCut = static_cast<int>(nameless);
        copy->ShortCut = nameless;
        RegisterAll();
        PutCulture("de-de", "[StrsGui____Menus__Test]\r\nmiOpen.ShortCut=\r\n");
        lc().SetCulture("de-de");
        TranslateAll();
        EXPECT_EQ(open->ShortCut, 0) << "a translated empty shortcut removes it";
        EXPECT_EQ(copy->ShortCut, nameless) << "one no file translates stays";
        lc().SetCulture("en-us");
    }
}

TEST_F(LanguageAssistants, APresentButEmptyTranslationEmptiesTheText) {
    PutCulture("de-de", "[StrsGui____Controls__Test]\r\nBitBtnAttach.Hint=\r\nBitBtnAttach.Caption=  \r\n");
    RegisterAll();
    lc().SetCulture("de-de");
    TranslateAll();
    EXPECT_EQ(attach->Hint(), "");
    EXPECT_EQ(attach->Caption(), "");
}

TEST_F(LanguageAssistants, TheReadingDirectionFollowsTheCultureByItsExactName) {
    TvdlgLanguageAssistantApplication& bidi = lang.AssistantApplication();
    const std::string shared = "UTF8_shared.ini";
    for (TBiDiMode mode : {TBiDiMode::LeftToRight, TBiDiMode::RightToLeft, TBiDiMode::RightToLeftNoAlign,
                           TBiDiMode::RightToLeftReadingOnly}) {
        app.SetBiDiMode(mode);
        bidi.RegisterBiDiMode(shared, "__Module", app);
        EXPECT_EQ(lc().LanguageFiles().at("en-us|" + shared).ReadString("StrsGui____Application__Module",
                                                                         "Application.BiDiMode", ""),
                  BiDiModeName(mode));
    }
    EXPECT_EQ(BiDiModeName(static_cast<TBiDiMode>(4)), "");
    app.SetBiDiMode(TBiDiMode::LeftToRight);
    bidi.RegisterBiDiMode(shared, "__Module", app);

    const std::pair<const char*, TBiDiMode> cases[] = {{"RightToLeft", TBiDiMode::RightToLeft},
                                                       {"righttoleft", TBiDiMode::LeftToRight},
                                                       {"RightToLeftNoAlign", TBiDiMode::RightToLeftNoAlign},
                                                       {"RightToLeftReadingOnly", TBiDiMode::RightToLeftReadingOnly},
                                                       {"", TBiDiMode::LeftToRight},
                                                       {" RightToLeft ", TBiDiMode::RightToLeft},
                                                       {"Arabic", TBiDiMode::LeftToRight}};
    int n = 0;
    sim::SimForm* window = sim.SimUI().Forms().at(0);
    for (const auto& [text, mode] : cases) {
        std::string culture = "x" + std::to_string(n++);
        Put(kTrans + culture + "\\" + shared,
            std::string("[StrsGui____Application__Module]\r\nApplication.BiDiMode=") + text + "\r\n");
        lc().SetCulture(culture);
        bidi.ApplyBiDiMode(shared, "__Module", app);
        bool rtl = mode != TBiDiMode::LeftToRight;
        EXPECT_EQ(app.BiDiMode(), mode) << '"' << text << '"';
        EXPECT_EQ(sim.SimUI().RightToLeft, rtl) << '"' << text << '"';
        EXPECT_EQ(form->RightToLeft(), rtl) << '"' << text << '"';
        EXPECT_EQ(window->RightToLeft, rtl) << "the native window follows";
    }
    lc().SetCulture("en-us");
    bidi.ApplyBiDiMode(shared, "__Module", app);
    EXPECT_EQ(app.BiDiMode(), TBiDiMode::LeftToRight) << "the registered direction comes back";
    EXPECT_FALSE(window->RightToLeft);
}

}  // namespace
}  // namespace pv
