#include <map>
#include <string>
#include <vector>

#include "controls/buttons.h"
#include "controls/menus.h"
#include "controls/status_bar.h"
#include "tests/app/translation_fixture.h"

namespace pv {
namespace {

const std::string kProgram = "UTF8_program.ini";

class FrontTextsTest : public testing::TranslationTest {
protected:
    // Every text of the main window's controls and program menu, by component name.
    std::map<std::string, std::string> Snapshot() {
        std::map<std::string, std::string> texts;
        for (int i = 0; i < Front()->ComponentCount(); ++i)
            if (auto* c = dynamic_cast<TControl*>(Front()->Components(i))) texts[c->Name()] = c->Caption() + "|" + c->Hint();
        texts["FormFront"] = Front()->Caption() + "|" + Front()->Hint();
        texts["StatusBarHelp.AutoHintDef"] =
            Front()->StatusBarHelp->AutoHintDef() + "|" + Front()->StatusBarHelp->SimpleText();
        AddMenu(Front()->pmBasic->Items(), texts);
        return texts;
    }
    static void AddMenu(TMenuItem* level, std::map<std::string, std::string>& texts) {
        for (int i = 0; i < level->Count(); ++i) {
            TMenuItem* m = level->Items(i);
            // The language list's entries are the culture folders, which no translation names.
            if (m->Name().empty()) continue;
            texts[m->Name()] = m->Caption + "|" + m->Hint + "|" + std::to_string(m->ShortCut);
            AddMenu(m, texts);
        }
    }
    // The program submenu of the tray menu.
    TMenuItem* TrayProgramMenu() {
        TMenuItem* root = Front()->pmItems->Items();
        return root->Items(root->Count() - 1);
    }
};

TEST_F(FrontTextsTest, TheWindowRegistersItsEnglishTextsInTheOrderOfItsList) {
    Start();
    const IniDocument& base = Base(kProgram);
    EXPECT_EQ(base.SectionNames(),
              (std::vector<std::string>{"MetaData", "StrsRes__MessageText__FrontMain", "StrsGui____Controls__FrontMain",
                                        "StrsGui____ControlsVD__FrontMain", "StrsGui____Menus__FrontMain"}));
    EXPECT_EQ(base.Keys("StrsRes__MessageText__FrontMain"),
              (std::vector<std::string>{
                  "NoAddItemOnTypeProgram__Value", "WantSaveChanges__Value", "ItemFolderNeedName__Value",
                  "ItemFolderIllegalName__Value", "ItemFolderDuplicatedName__Value", "ItemFolderDropOnSub__Value",
                  "SaveErrorLockedFiles__Value", "DiskItemsDataBackup__Value", "DiskItemsDataBackup__Template",
                  "NotAvailableShort__Value", "ItemTypeExecutable__Value", "ItemTypeRunable__Value",
                  "ItemTypeShortcut__Value", "ItemTypeViewable__Value", "ItemTypeSeparator__Value",
                  "ItemTypeSpecialTop__Value", "ItemTypeSpecialDesign__Value", "ItemTypeSpecialFolder__Value", "RestoreBackupFailed__Value", "RestoreBackupFailed__Template"}));
    // The window's title and the empty hints are not registered.
    std::vector<std::string> controls = {"pnlAddItemHeader.Caption"};
    for (const char* name : {"BitBtnAttach", "rbFile", "rbFileDirectory", "rbSeparator", "rbFolder"}) {
        controls.push_back(std::string(name) + ".Caption");
        controls.push_back(std::string(name) + ".Hint");
    }
    for (const char* name : {"pnlEditItemHeader", "pnlEditLaunchHeader", "lblFileType", "lblFilePath", "lblFileParams",
                             "lblWorkPath", "lblWindowState", "lblUserRunAs", "chkUserRunAs"})
        controls.push_back(std::string(name) + ".Caption");
    controls.push_back("chkUserRunAs.Hint");
    for (const char* name : {"edtFileCap", "edtFileType", "edtFilePathName", "edtFileParams"})
        controls.push_back(std::string(name) + ".Hint");
    controls.push_back("pnlToolsHeader.Caption");
    for (const char* name : {"BitBtnSweep", "BitBtnUndo", "BitBtnCut", "BitBtnCopy", "BitBtnPaste", "BitBtnDelete",
                             "BitBtnSave", "BitBtnClose", "BitBtnLaunch"}) {
        controls.push_back(std::string(name) + ".Caption");
        controls.push_back(std::string(name) + ".Hint");
    }
    controls.push_back("BitBtnHelp.Caption");
    EXPECT_EQ(base.Keys("StrsGui____Controls__FrontMain"), controls);
    EXPECT_EQ(base.Keys("StrsGui____ControlsVD__FrontMain"), std::vector<std::string>{"StatusBarHelp.AutoHintDef"});
    std::vector<std::string> menus;
    for (const char* name : {"miSysMenuProgram", "miCloseApp", "miPivolaKitFolder", "miToolsNotes", "miToolsClip",
                             "miToolsShot", "miToolsSync", "miToolsFind", "miSysMenuSystem", "miHelpFile",
                             "miManageItems", "miPreferences", "miVisitWebsite", "miAbout", "MiTools"})
        menus.push_back(std::string(name) + ".Caption");
    EXPECT_EQ(base.Keys("StrsGui____Menus__FrontMain"), menus) << "menu items have neither hints nor shortcuts";

    const std::pair<const char*, const char*> values[] = {
        {"BitBtnAttach.Hint", "|Find and/or attach an item of selected kind"},
        {"chkUserRunAs.Hint", "Windows Vista and later functionality to elevate user rights in launched application"},
        {"edtFilePathName.Hint",
         "|The file-path and file-name (e.g. \"c:\\vendrik\\example.exe\") which the item points at (see help on how "
         "to use relative paths)"},
        {"BitBtnCopy.Caption", "C&opy"},
    };
    for (const auto& [key, text] : values)
        EXPECT_EQ(DecodeIniValue(base.ReadString("StrsGui____Controls__FrontMain", key, "")), text) << key;
    EXPECT_EQ(Front()->Caption(), "Pivola 1.7.9");
}

TEST_F(FrontTextsTest, ACultureThatTranslatesOneCaptionOnlyChangesThatCaption) {
    PutLanguage("de-de", kProgram, "[StrsGui____Controls__FrontMain]\r\nBitBtnAttach.Caption=Suchen und anhängen\r\n");
    Start();
    auto english = Snapshot();
    Stop();
    StartIn("de-de");
    auto german = Snapshot();
    EXPECT_EQ(german["BitBtnAttach"], "Suchen und anhängen|" + english["BitBtnAttach"].substr(16));
    german.erase("BitBtnAttach");
    english.erase("BitBtnAttach");
    EXPECT_EQ(german, english);
}

TEST_F(FrontTextsTest, SwitchingToACultureAndBackGivesEveryComponentItsEnglishTextBack) {
    PutLanguage("de-de", kProgram,
                "[StrsGui____Controls__FrontMain]\r\n"
                "FormFront.Caption=Hauptfenster\r\n"
                "BitBtnAttach.Caption=Suchen und anhängen\r\n"
                "BitBtnAttach.Hint=|Ein Element suchen\r\n"
                "rbFolder.Caption=Menüordner\r\n"
                "lblFilePath.Caption=Pfad\r\n"
                "chkUserRunAs.Hint=Erhöhte Rechte\r\n"
                "edtFileCap.Hint=|Der angezeigte Text\r\n"
                "BitBtnHelp.Caption=&Hilfe\r\n"
                "[StrsGui____ControlsVD__FrontMain]\r\n"
                "StatusBarHelp.AutoHintDef=Mit \"Suchen\" fügen Sie Verknüpfungen hinzu.\r\n"
                "[StrsGui____Menus__FrontMain]\r\n"
                "miManageItems.Caption=Einträge verwalten...\r\n"
                "miToolsClip.Caption=Vendrik Zwischenablage\r\n"
                "MiTools.Caption=Werkzeuge\r\n");
    Start();
    const auto english = Snapshot();
    SwitchTo("de-de");
    auto german = Snapshot();
    EXPECT_EQ(german["BitBtnAttach"], "Suchen und anhängen||Ein Element suchen");
    EXPECT_EQ(german["chkUserRunAs"], "Run as admin|Erhöhte Rechte");
    EXPECT_EQ(german["StatusBarHelp.AutoHintDef"],
              "Mit \"Suchen\" fügen Sie Verknüpfungen hinzu.|Mit \"Suchen\" fügen Sie Verknüpfungen hinzu.")
        << "the status bar shows the new default line";
    EXPECT_EQ(german["miToolsClip"], "Vendrik Zwischenablage||0");
    EXPECT_EQ(german["MiTools"], "Werkzeuge||0");
    EXPECT_EQ(german["FormFront"], "Pivola 1.7.9|") << "the title never comes from a language file";
    EXPECT_EQ(german["miCheckUpdates"], english.at("miCheckUpdates")) << "not in the list";
    SwitchTo("en-us");
    EXPECT_EQ(Snapshot(), english);
}

TEST_F(FrontTextsTest, TheTrayMenuShowsTheCultureOfItsLastReload) {
    PutLanguage("de-de", kProgram, "[StrsGui____Menus__FrontMain]\r\nmiManageItems.Caption=Einträge verwalten...\r\n");
    StartIn("de-de");
    TMenuItem* program = TrayProgramMenu();
    EXPECT_EQ(program->Items(13)->Name(), "miManageItems__Copy");
    EXPECT_EQ(program->Items(13)->Caption, "Einträge verwalten...");
    EXPECT_EQ(program->Items(4)->Caption, "Updates...");

    SwitchTo("en-us");
    EXPECT_EQ(TrayProgramMenu()->Items(13)->Caption, "Einträge verwalten...") << "until the next reload";
    Front()->ReloadItems();
    EXPECT_EQ(TrayProgramMenu()->Items(13)->Caption, "Manage items...");
}

TEST_F(FrontTextsTest, TheWindowsMessagesComeInTheCultureWithTheirVariablesFilledIn) {
    PutLanguage("de-de", kProgram,
                "[StrsRes__MessageText__FrontMain]\r\n"
                "WantSaveChanges__Value=Änderungen speichern?\r\n"
                "DiskItemsDataBackup__Value=Eine Sicherung liegt in \"{AppDataPath}item_bak\".\r\n"
                "DiskItemsDataBackup__Template=__curly\r\n");
    Start();
    EXPECT_EQ(Front()->Message("WantSaveChanges"), "Do you want to save changes?");
    EXPECT_EQ(Front()->Message("ItemFolderIllegalName"), "The folder name can not contain: \"\\ / : * ? \" < > |\"");
    std::string backup = Front()->Message("DiskItemsDataBackup");
    EXPECT_TRUE(backup.starts_with("A backup of an earlier items list exists as \"" + kData + "temp\\item_bak\"."))
        << backup;
    EXPECT_TRUE(backup.ends_with("the normal items.")) << backup;
    EXPECT_EQ(SplitLines(backup).size(), 6u);

    SwitchTo("de-de");
    EXPECT_EQ(Front()->Message("WantSaveChanges"), "Änderungen speichern?");
    EXPECT_EQ(Front()->Message("DiskItemsDataBackup"), "Eine Sicherung liegt in \"" + kData + "temp\\item_bak\".");
    EXPECT_EQ(Front()->Message("NotAvailableShort"), "N/A");
}

}  // namespace
}  // namespace pv
