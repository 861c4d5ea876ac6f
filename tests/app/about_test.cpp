// The About window in the whole program on the simulated desktop, opened as the user opens
// it ("About..." in the program menu): the data page and what it saves, prints and
// collects, the translation editor's files, tabs, saving, synchronising and searching,
// and the page it keeps between openings.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/front_form.h"
#include "controls/action_list.h"
#include "controls/application_events.h"
#include "controls/buttons.h"
#include "controls/find_dialog.h"
#include "controls/label.h"
#include "controls/menus.h"
#include "controls/page_control.h"
#include "controls/rich_edit.h"
#include "controls/status_bar.h"
#include "controls/string_grid.h"
#include "controls/tab_set.h"
#include "frame/shared_options.h"
#include "platform/sim/sim_find_dialog.h"
#include "platform/sim/sim_form.h"
#include "platform/sim/sim_rich_edit.h"
#include "platform/sim/sim_string_grid.h"
#include "platform/sim/sim_tab_set.h"
#include "tests/app/translation_fixture.h"
#include "controls/panel.h"
#include "windows/form_about.h"

namespace pv {
namespace {

const char* const kBom = "\xEF\xBB\xBF";

class AboutTest : public testing::TranslationTest {
protected:
    TvdFormAbout* Open() {
        Front()->miAbout->Click();
        app->ProcessMessages();
        return Window();
    }
    TvdFormAbout* Window() const { return frame ? dynamic_cast<TvdFormAbout*>(frame->AboutSlot) : nullptr; }
    template <typename Record>
    Record* Sim(const TControl* c) {
        return sim.SimUI().Control<Record>(c->Handle());
    }
    // The application becomes idle.
    static void Idle(TvdFormAbout* w) { w->ApplicationEventsAbout->OnIdle(w->ApplicationEventsAbout); }
    std::string Trans(const std::string& rel) { return Get(kTrans + rel); }
    // The editor on a file of the tab set.
    void ShowTab(TvdFormAbout* w, const std::string& tab) {
        w->pgcAbout->SetActivePageIndex(1);
        ASSERT_TRUE(Sim<sim::SimTabSet>(w->tabsetTranslation)->UserClickTab(tab));
    }
    void Type(TvdFormAbout* w, const std::string& text) {
        Sim<sim::SimRichEdit>(w->reTranslation)->TakeFocus();
        ASSERT_TRUE(Sim<sim::SimRichEdit>(w->reTranslation)->UserType(text));
    }
};

TEST_F(AboutTest, AboutOpensTheWindowWithTheProductLinesAndTheCreditsPage) {
    Start();
    TvdFormAbout* w = Open();
    ASSERT_NE(w, nullptr);
    auto* form = sim.SimUI().FindForm("TvdFormAbout");
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->Visible);
    EXPECT_EQ(form->Caption(), "About");
    EXPECT_FALSE(form->Params.MinimizeBox);
    EXPECT_FALSE(form->Params.MaximizeBox);
    EXPECT_EQ(w->LabelSum->Caption(), "Pivola 1.7.9");
    EXPECT_EQ(w->LabelDis->Caption(), "Distributed by Vendrik Software B.V.");
    EXPECT_EQ(w->LabelCop->Caption(), "Copyright \xC2\xA9 2004-2026 Vendrik Software B.V.");
    EXPECT_EQ(w->pgcAbout->ActivePage(), w->tsCredits);
    EXPECT_NE(w->reCredits->Text().find("GCC Runtime Library Exception"), std::string::npos);
    EXPECT_TRUE(w->reCredits->ReadOnly());
    // The address opens with the shell's "open".
    w->LabelUrl->Click();
    ASSERT_FALSE(sim.SimShellCalls().Calls.empty());
    EXPECT_EQ(sim.SimShellCalls().Calls.back().Verb, "open");
    EXPECT_EQ(sim.SimShellCalls().Calls.back().File, "https://www.vendrik-software.example");
    // A second "About..." brings the same window up.
    EXPECT_EQ(Open(), w);
}

TEST_F(AboutTest, TheDataPageShowsTheSixRowsAndItsFolderButtonsOpenTheFolders) {
    Start();
    TvdFormAbout* w = Open();
    w->pgcAbout->SetActivePageIndex(2);
    const std::vector<std::vector<std::string>> rows = {
        {"Key", "Value"},
        {"Application identification", "Pivola 1.7.9"},
        {"Operating system platform", "Windows 7"},
        {"Computer physical memory", "4096.00 MB (Free: 1024.00 MB)"},
        {"Computer virtual memory", "8388608.00 MB (Free: 7340032.00 MB)"},
        {"Application main directory", kApp},
        {"Application user data directory", kData},
    };
    EXPECT_EQ(w->sgData->Rows(), rows);
    auto* grid = Sim<sim::SimStringGrid>(w->sgData);
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->Rows, rows);
    ASSERT_EQ(grid->ColWidths.size(), 2u);
    EXPECT_EQ(grid->ColWidths[0], 150);
    EXPECT_EQ(grid->ColWidths[0] + grid->ColWidths[1], w->sgData->ClientWidth());
    EXPECT_FALSE(grid->UserPressCellButton(4));
    ASSERT_TRUE(grid->UserPressCellButton(5));
    ASSERT_TRUE(grid->UserPressCellButton(6));
    auto& calls = sim.SimShellCalls().Calls;
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[calls.size() - 2].File, kApp);
    EXPECT_EQ(calls.back().File, kData);
    EXPECT_EQ(calls.back().Verb, "open");
    EXPECT_EQ(calls.back().ShowCmd, ShowCmd::Normal);
}

// Every button of the translator's tool bar is whole in the window as it opens.
TEST_F(AboutTest, TheTranslationToolBarFitsTheWindow) {
    Start();
    TvdFormAbout* w = Open();
    ASSERT_NE(w, nullptr);
    w->pgcAbout->SetActivePageIndex(1);
    ASSERT_GT(w->tbTranslation->ControlCount(), 0);
    for (int i = 0; i < w->tbTranslation->ControlCount(); ++i) {
        const TControl* b = w->tbTranslation->Controls(i);
        EXPECT_LE(b->Left() + b->Width(), w->tbTranslation->ClientWidth()) << b->Name();
    }
}

TEST_F(AboutTest, WindowsVersionWordsAndMegabytes) {
    struct Case {
        OsVersion Version;
        const char* Word;
    };
    const Case cases[] = {{{1, 4, 0, 950, ""}, "95"},    {{1, 4, 10, 1998, ""}, "98"}, {{1, 4, 90, 3000, ""}, "ME"},
                          {{2, 4, 0, 1381, ""}, "NT"},   {{2, 5, 0, 2195, ""}, "2000"}, {{2, 5, 1, 2600, ""}, "XP"},
                          {{2, 5, 2, 3790, ""}, "2003"}, {{2, 6, 0, 6000, ""}, "Vista"}, {{2, 10, 0, 19045, ""}, "10"}};
    for (const Case& c : cases) EXPECT_EQ(WindowsVersionWord(c.Version), c.Word);
    EXPECT_EQ(FormatMegabytes(0), "0.00");
    EXPECT_EQ(FormatMegabytes(1310720), "1.25");
}

TEST_F(AboutTest, SaveWritesTheGridAsAnHtmlTableAndPrintHandsItsRowsToThePrintDialog) {
    Start();
    TvdFormAbout* w = Open();
    sim.SimFiles().ForceDirectories("C:\\out");
    sim.SimUI().ExpectSaveFileDialog("C:\\out\\facts");
    w->btnSave->Click();
    ASSERT_EQ(sim.SimUI().SaveFileDialogs.size(), 1u);
    const SaveFileRequest& r = sim.SimUI().SaveFileDialogs[0];
    EXPECT_EQ(r.InitialDir, kData + "temp\\");
    EXPECT_EQ(r.DefaultExt, "html");
    EXPECT_EQ(r.Filter, "HTML file (*.html)|*.html");
    EXPECT_TRUE(r.OverwritePrompt);
    EXPECT_TRUE(r.FileName.empty());
    std::string html = Get("C:\\out\\facts.html");
    EXPECT_NE(html.find("<table"), std::string::npos);
    EXPECT_NE(html.find("<tr><th>Key</th><th>Value</th></tr>"), std::string::npos);
    EXPECT_NE(html.find("<td>Operating system platform</td><td>Windows 7</td>"), std::string::npos);

    sim.SimUI().ExpectPrintDialog(false);
    w->btnPrint->Click();
    EXPECT_TRUE(sim.SimUI().Printed.empty());
    sim.SimUI().ExpectPrintDialog(true);
    w->btnPrint->Click();
    ASSERT_EQ(sim.SimUI().Printed.size(), 1u);
    EXPECT_EQ(sim.SimUI().Printed[0].Rows, w->sgData->Rows());
}

TEST_F(AboutTest, CollectDataCopiesWhatExistsAndSkipsTheMissingLog) {
    Put(kApp + "muc.ini", "[Misc]\r\nDataAccess=os\r\n");
    Start();
    TvdFormAbout* w = Open();
    // The log does not exist yet in a fresh data folder.
    sim.SimFiles().DeleteFile(kData + "logs\\misc\\program.log");
    frame->SaveOptions();
    sim.SimUI().ExpectFolderDialog("C:\\support");
    sim.SimFiles().ForceDirectories("C:\\support");
    w->btnCollectData->Click();
    ASSERT_FALSE(sim.SimUI().FolderDialogs.empty());
    EXPECT_EQ(sim.SimUI().FolderDialogs.back().Title, "Select output directory");
    EXPECT_NE(Get("C:\\support\\data.html").find("<table"), std::string::npos);
    EXPECT_EQ(Get("C:\\support\\muc.ini"), Get(kApp + "muc.ini"));
    EXPECT_EQ(Get("C:\\support\\options.ini"), Get(kData + "config\\options.ini"));
    EXPECT_FALSE(sim.Files().FileExists("C:\\support\\program.log"));
}

TEST_F(AboutTest, CollectDataGoesOnAfterAStepThatFails) {
    Start();
    TvdFormAbout* w = Open();
    frame->SaveOptions();
    sim.SimFiles().ForceDirectories("C:\\support");
    sim.SimFiles().FaultHook = [](const char* op, const std::string& path) {
        return std::string(op) == "write" && path.find("data.html") != std::string::npos;
    };
    w->CollectData("C:\\support");
    sim.SimFiles().FaultHook = nullptr;
    EXPECT_FALSE(sim.Files().FileExists("C:\\support\\data.html"));
    EXPECT_TRUE(sim.Files().FileExists("C:\\support\\options.ini"));
}

TEST_F(AboutTest, TheOpenPageIsKeptBetweenOpenings) {
    Start();
    TvdFormAbout* w = Open();
    w->pgcAbout->SetActivePageIndex(2);
    w->Close();
    app->ProcessMessages();
    ASSERT_EQ(Window(), nullptr);
    EXPECT_EQ(sim.Files().GetProfileString(kData + "config\\options.ini", "vdFormAbout", "pgcAbout.ActivePageIndex", ""),
              "2");
    EXPECT_EQ(Open()->pgcAbout->ActivePage(), Open()->tsData);
}

TEST_F(AboutTest, AnotherCultureAddsItsThreeFilesCreatedEmpty) {
    StartIn("de-de");
    TvdFormAbout* w = Open();
    const std::vector<std::string> tabs = {"en-us\\UTF8_program.ini", "en-us\\UTF8_shared.ini",
                                           "en-us\\UTF8_general.ini", "de-de\\UTF8_program.ini",
                                           "de-de\\UTF8_shared.ini",  "de-de\\UTF8_general.ini"};
    EXPECT_EQ(w->tabsetTranslation->Tabs(), tabs);
    w->pgcAbout->SetActivePageIndex(1);
    ASSERT_NE(Sim<sim::SimTabSet>(w->tabsetTranslation), nullptr);
    EXPECT_EQ(Sim<sim::SimTabSet>(w->tabsetTranslation)->Tabs, tabs);
    for (const char* name : {"UTF8_program.ini", "UTF8_shared.ini", "UTF8_general.ini"}) {
        EXPECT_TRUE(sim.Files().FileExists(kTrans + "de-de\\" + name)) << name;
        EXPECT_EQ(Trans(std::string("de-de\\") + name), "");
    }
    // The first tab shows the English program file, which cannot be changed.
    EXPECT_EQ(w->tabsetTranslation->TabIndex(), 0);
    EXPECT_EQ(w->edtTranslationHeading->Text(), kTrans + "en-us\\UTF8_program.ini");
    EXPECT_TRUE(w->reTranslation->ReadOnly());
    w->UpdateActions();
    EXPECT_FALSE(w->ALI_File_Save->Enabled);
    EXPECT_FALSE(w->ALI_Edit_Sync->Enabled);
    // Going back to English keeps the English tabs only; the files stay.
    w->SetEditCulture("en-us");
    EXPECT_EQ(w->tabsetTranslation->Tabs().size(), 3u);
}

TEST_F(AboutTest, SavingWritesTheByteOrderMarkAndUtf8WithCrLfAndAFailedWriteKeepsTheEdits) {
    PutLanguage("de-de", "UTF8_program.ini", "[MetaData]\r\nLingua_ID=de-de\r\n");
    StartIn("de-de");
    TvdFormAbout* w = Open();
    ShowTab(w, "de-de\\UTF8_program.ini");
    EXPECT_FALSE(w->reTranslation->ReadOnly());
    EXPECT_EQ(w->reTranslation->Text(), "[MetaData]\r\nLingua_ID=de-de");
    Type(w, "[MetaData]\nLingua_ID=de-de\n[X]\nK=Gr\xC3\xBC\xC3\x9F\x65");
    EXPECT_TRUE(w->reTranslation->Modified());
    // Ctrl+S, as the user presses it.
    auto* form = sim.SimUI().FindForm("TvdFormAbout");
    w->UpdateActions();
    EXPECT_TRUE(form->UserPressShortCut(TextToShortCut("Ctrl+S")));
    EXPECT_EQ(Trans("de-de\\UTF8_program.ini"),
              std::string(kBom) + "[MetaData]\r\nLingua_ID=de-de\r\n[X]\r\nK=Gr\xC3\xBC\xC3\x9F\x65");
    EXPECT_FALSE(w->reTranslation->Modified());

    // A write that fails leaves the file as it was, the editor modified, and says so.
    Type(w, "[MetaData]\r\nLingua_ID=de-de\r\n[X]\r\nK=neu");
    sim.SimFiles().FaultHook = [](const char* op, const std::string&) { return std::string(op) == "move"; };
    EXPECT_FALSE(w->SaveTranslationFile());
    sim.SimFiles().FaultHook = nullptr;
    EXPECT_TRUE(w->reTranslation->Modified());
    EXPECT_EQ(Trans("de-de\\UTF8_program.ini"),
              std::string(kBom) + "[MetaData]\r\nLingua_ID=de-de\r\n[X]\r\nK=Gr\xC3\xBC\xC3\x9F\x65");
    EXPECT_NE(w->stbAbout->SimpleText().find("could not be saved"), std::string::npos);
    EXPECT_FALSE(sim.Files().FileExists(kTrans + "de-de\\UTF8_program.ini.tmp"));
}

TEST_F(AboutTest, SwitchingTabsWithUnsavedEditsAsksAndCancelKeepsTheEditsAndTheTab) {
    PutLanguage("de-de", "UTF8_program.ini", "[MetaData]\r\nLingua_ID=de-de\r\n");
    StartIn("de-de");
    TvdFormAbout* w = Open();
    ShowTab(w, "de-de\\UTF8_program.ini");
    Type(w, "[MetaData]\r\nLingua_ID=de-de\r\nedited");
    auto* tabs = Sim<sim::SimTabSet>(w->tabsetTranslation);
    sim.SimUI().ExpectMessageDialog("Save file \"" + kTrans + "de-de\\UTF8_program.ini\" changes?", ModalResult::Cancel);
    tabs->UserClickTab("de-de\\UTF8_shared.ini");
    EXPECT_EQ(w->tabsetTranslation->CurrentTab(), "de-de\\UTF8_program.ini");
    EXPECT_EQ(tabs->TabIndex, 3);
    EXPECT_EQ(w->reTranslation->Text(), "[MetaData]\r\nLingua_ID=de-de\r\nedited");
    EXPECT_TRUE(w->reTranslation->Modified());

    // No switches without saving; yes saves first.
    sim.SimUI().ExpectMessageDialog("changes?", ModalResult::No);
    tabs->UserClickTab("de-de\\UTF8_shared.ini");
    EXPECT_EQ(w->tabsetTranslation->CurrentTab(), "de-de\\UTF8_shared.ini");
    EXPECT_EQ(Trans("de-de\\UTF8_program.ini"), std::string(kBom) + "[MetaData]\r\nLingua_ID=de-de\r\n");
    ShowTab(w, "de-de\\UTF8_program.ini");
    Type(w, "[MetaData]\r\nLingua_ID=de-de\r\nsaved");
    sim.SimUI().ExpectMessageDialog("changes?", ModalResult::Yes);
    tabs->UserClickTab("de-de\\UTF8_general.ini");
    EXPECT_EQ(Trans("de-de\\UTF8_program.ini"), std::string(kBom) + "[MetaData]\r\nLingua_ID=de-de\r\nsaved");
    EXPECT_EQ(sim.SimUI().UnansweredScripts(), 0u);
}

TEST_F(AboutTest, SynchronisingRebuildsTheFileFromTheEnglishOne) {
    PutLanguage("en-us", "UTF8_program.ini",
                "; Pivola texts\r\n[MetaData]\r\nLingua_ID=en-us\r\n\r\n[__MessageText__FrontMain]\r\n"
                "WantSaveChanges=Save changes?\r\nNotAvailableShort=n/a\r\n"
                "WantSaveChanges__Template=__curly\r\n");
    PutLanguage("de-de", "UTF8_program.ini",
                "[MetaData]\r\nLingua_ID=de-de\r\n[__MessageText__FrontMain]\r\nWantSaveChanges=\xC3\x84nderungen "
                "speichern?\r\nWantSaveChanges__Template=__sharp\r\nObsolete=weg\r\n");
    StartIn("de-de");
    TvdFormAbout* w = Open();
    ShowTab(w, "de-de\\UTF8_program.ini");
    w->UpdateActions();
    ASSERT_TRUE(w->ALI_Edit_Sync->Enabled);
    w->ALI_Edit_Sync->Execute();
    EXPECT_EQ(w->reTranslation->Text(),
              "; Pivola texts\r\n[MetaData]\r\nLingua_ID=de-de\r\n\r\n[__MessageText__FrontMain]\r\n"
              "WantSaveChanges=\xC3\x84nderungen speichern?\r\nNotAvailableShort=\r\n"
              "WantSaveChanges__Template=__curly");
    EXPECT_TRUE(w->reTranslation->Modified());
    // Nothing is saved until the user saves.
    EXPECT_NE(Trans("de-de\\UTF8_program.ini").find("Obsolete"), std::string::npos);
}

TEST_F(AboutTest, AFileThatIsNotUtf8IsShownInTheCodePageAndTheWindowSaysSo) {
    Put(kTrans + "de-de\\UTF8_program.ini", "[MetaData]\r\nLingua_ID=de-de\r\nK=Gr\xFC\xDF" "e\r\n");
    StartIn("de-de");
    TvdFormAbout* w = Open();
    ShowTab(w, "de-de\\UTF8_program.ini");
    EXPECT_EQ(w->reTranslation->Text(), "[MetaData]\r\nLingua_ID=de-de\r\nK=Gr\xC3\xBC\xC3\x9F\x65");
    EXPECT_NE(w->stbAbout->SimpleText().find("not valid UTF-8"), std::string::npos);
}

TEST_F(AboutTest, NewAndOpenChooseTheCultureThroughTheFolderBrowser) {
    Start();
    TvdFormAbout* w = Open();
    sim.SimUI().ExpectFolderDialog(kTrans + "fr-fr");
    w->ALI_File_New->Execute();
    const FolderBrowseRequest& r = sim.SimUI().FolderDialogs.back();
    EXPECT_EQ(r.Title, "Add support for a new language");
    EXPECT_EQ(r.InitialDir, kTrans);
    EXPECT_TRUE(r.NewFolderButton);
    EXPECT_EQ(w->tabsetTranslation->Tabs().back(), "fr-fr\\UTF8_general.ini");
    EXPECT_TRUE(sim.Files().FileExists(kTrans + "fr-fr\\UTF8_shared.ini"));
    // The program's own language stays.
    EXPECT_EQ(frame->Options->LanguageCulture, "en-us");
    sim.SimUI().ExpectFolderDialog(kTrans + "nl-nl\\");
    w->ALI_File_Open->Execute();
    EXPECT_FALSE(sim.SimUI().FolderDialogs.back().NewFolderButton);
    EXPECT_EQ(w->tabsetTranslation->Tabs().size(), 6u);
    EXPECT_EQ(w->tabsetTranslation->Tabs().back(), "nl-nl\\UTF8_general.ini");
}

TEST_F(AboutTest, FindAndReplaceAskToStartOverAndBeforeEachReplacement) {
    PutLanguage("de-de", "UTF8_program.ini", "[MetaData]\r\nLingua_ID=de-de\r\n[S]\r\nA=x\r\nB=x");
    StartIn("de-de");
    TvdFormAbout* w = Open();
    ShowTab(w, "de-de\\UTF8_program.ini");
    Sim<sim::SimRichEdit>(w->reTranslation)->TakeFocus();
    auto* form = sim.SimUI().FindForm("TvdFormAbout");
    w->UpdateActions();
    ASSERT_TRUE(form->UserPressShortCut(TextToShortCut("Ctrl+F")));
    ASSERT_NE(sim.SimUI().FindDialog, nullptr);
    EXPECT_FALSE(sim.SimUI().FindDialog->Params.Replace);
    sim.SimUI().FindDialog->UserRequest(FindCommand::FindNext, "=x");
    EXPECT_EQ(w->reTranslation->SelText(), "=x");
    const int first = w->reTranslation->SelStart();
    w->ALI_Edit_Search_FindNext->Execute();
    EXPECT_GT(w->reTranslation->SelStart(), first);
    // Past the last one the user is asked to start over from the top.
    sim.SimUI().ExpectMessageDialog("\"=x\" not found. Restart search from top?", ModalResult::Yes);
    w->ALI_Edit_Search_FindNext->Execute();
    EXPECT_EQ(w->reTranslation->SelStart(), first);

    // Replace all carries the text over and asks before each replacement.
    w->UpdateActions();
    ASSERT_TRUE(w->ALI_Edit_Search_ReplaceOpen->Enabled);
    w->ALI_Edit_Search_ReplaceOpen->Execute();
    ASSERT_NE(sim.SimUI().FindDialog, nullptr);
    EXPECT_TRUE(sim.SimUI().FindDialog->Params.Replace);
    EXPECT_EQ(sim.SimUI().FindDialog->Params.FindWhat, "=x");
    w->reTranslation->SetSelection(0, 0);
    sim.SimUI().ExpectMessageDialog("Replace \"=x\" with \"=y\"?", ModalResult::Yes);
    sim.SimUI().ExpectMessageDialog("Replace \"=x\" with \"=y\"?", ModalResult::No);
    sim.SimUI().FindDialog->UserRequest(FindCommand::ReplaceAll, "=x", "=y");
    EXPECT_EQ(w->reTranslation->Text(), "[MetaData]\r\nLingua_ID=de-de\r\n[S]\r\nA=y\r\nB=x");
    EXPECT_EQ(sim.SimUI().UnansweredScripts(), 0u);
}

TEST_F(AboutTest, ActionStatesFollowTheFocusedFieldOnIdle) {
    PutLanguage("de-de", "UTF8_program.ini", "[MetaData]\r\nLingua_ID=de-de\r\n");
    StartIn("de-de");
    TvdFormAbout* w = Open();
    ShowTab(w, "de-de\\UTF8_program.ini");
    auto* edit = Sim<sim::SimRichEdit>(w->reTranslation);
    edit->TakeFocus();
    edit->UserSelect(0, 10);
    Idle(w);
    EXPECT_TRUE(w->ALI_Edit_Cut->Enabled);
    EXPECT_TRUE(w->ALI_Edit_Copy->Enabled);
    EXPECT_FALSE(w->ALI_Edit_Paste->Enabled);
    EXPECT_FALSE(w->ALI_Edit_Undo->Enabled);
    w->ALI_Edit_Copy->Execute();
    EXPECT_EQ(sim.SimUI().Clipboard, "[MetaData]");
    Idle(w);
    EXPECT_TRUE(w->ALI_Edit_Paste->Enabled);
    // The English file: nothing that changes it.
    Sim<sim::SimRichEdit>(w->reCredits)->TakeFocus();
    Sim<sim::SimRichEdit>(w->reCredits)->UserSelect(0, 3);
    Idle(w);
    EXPECT_FALSE(w->ALI_Edit_Cut->Enabled);
    EXPECT_FALSE(w->ALI_Edit_Search_ReplaceOpen->Enabled);
    EXPECT_TRUE(w->ALI_Edit_Copy->Enabled);
    EXPECT_TRUE(w->ALI_Edit_Search_FindOpen->Enabled);
    EXPECT_TRUE(w->ALI_File_New->Enabled);
    EXPECT_FALSE(sim.SimUI().FindForm("TvdFormAbout")->UserPressShortCut(TextToShortCut("Ctrl+X")));
}

}  // namespace
}  // namespace pv
