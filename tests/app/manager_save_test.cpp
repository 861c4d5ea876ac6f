// Changes, undo, save and close: the question at close, undo back to the last save, the
// save through a backup, recovery at start-up, and that a save which fails or stops at
// any of its disk operations leaves the old store or the new one, never a mix.
#include <functional>
#include <map>
#include <set>

#include "controls/buttons.h"
#include "controls/image_list.h"
#include "controls/menus.h"
#include "controls/tree_view.h"
#include "platform/file_tools.h"
#include "platform/sim/sim_form.h"
#include "tests/app/manager_fixture.h"
#include "util/paths.h"
#include "util/strings.h"

namespace pv {
namespace {

const std::string kWantSave = "Do you want to save changes?";
const std::string kLocked = "Could not save, perhaps due to \"locked\" files?";
const std::string kRecover = "A backup of an earlier items list exists";

// A store with nested folders, pictures beside executable links, and every record form.
const std::string kRoot =
    "^ExeLnk|C:\\Tools\\tool.exe|-x|tool.bmp|Tool|C:\\Tools|*WindowMax*UserRunAs\r\n"
    "^ExeLnk|C:\\Tools\\tool.exe||tool1.bmp|Tool again||\r\n"
    "^UnkLnk|C:\\Docs\\readme.txt|txt|Readme|*WindowMin\r\n"
    "^UnkLnk|C:\\Docs||Docs|\r\n"
    "^ExeLnk|C:\\Tools\\run.bat||bat|Run||\r\n"
    "^NorSep|\r\n"
    "^SpeSep|Media\r\n"
    "^Folder|Games\r\n"
    "^Folder|Empty\r\n";
const std::string kGames = "^ExeLnk|C:\\Games\\game.exe||game.bmp|Game||\r\n^Folder|Deep\r\n";
const std::string kDeep = "^UnkLnk|C:\\Docs\\readme.txt|txt|Deep readme|\r\n";

class ManagerSaveTest : public testing::ManagerTest {
protected:
    std::string Backup() { return kData + "temp\\item_bak"; }
    void PutStore() {
        for (const char* target : {"C:\\Tools\\tool.exe", "C:\\Tools\\run.bat", "C:\\Games\\game.exe",
                                   "C:\\Docs\\readme.txt"})
            Put(target, "target");
        Put(Store() + "shortcuts.txt", kRoot);
        Put(Store("Games\\") + "shortcuts.txt", kGames);
        Put(Store("Games\\Deep\\") + "shortcuts.txt", kDeep);
        Put(Store() + "tool.bmp", "old picture");
        Put(Store() + "tool1.bmp", "old picture 1");
        Put(Store("Games\\") + "game.bmp", "old game picture");
        sim.Files().ForceDirectories(Store("Empty"));
    }
    // Every file and folder of the store, with the files' bytes.
    std::map<std::string, std::string> Snapshot(std::string folder = "") {
        if (folder.empty()) folder = Store();
        folder = IncludeTrailingBackslash(folder);
        std::map<std::string, std::string> out;
        for (const TreeEntry& e : ListRecursive(sim.Files(), folder))
            out[e.RelativePath] = e.IsDirectory ? "<folder>" : Get(folder + e.RelativePath);
        return out;
    }
    // The same edits every time: a caption, a new separator, a moved link, a deleted
    // folder, and a parameter.
    void Edit() {
        TFormFront* f = Front();
        Item(2)->SetText("Read me");
        f->tvItems->SetSelected(Item(5));
        f->rbSeparator->SetChecked(true);
        f->BitBtnAttach->Click();
        f->tvItems->Items().MoveAfter(Item(0), nullptr, Item(3));
        Item(9)->Delete();
        f->SetItemParams(static_cast<int>(Item(3)->Data()), "-y");
    }
    void Save() { Front()->BitBtnSave->Click(); }
    void Close() { sim.SimUI().FindForm("TFormFront")->UserClose(); }
};

// ---- the question at close and undo ------------------------------------------------------

TEST_F(ManagerSaveTest, WhatCountsAsAChangeAtClose) {
    struct Case {
        const char* What;
        std::function<void(TFormFront*)> Edit;
        bool Asks;
    };
    const Case cases[] = {
        {"nothing", [](TFormFront*) {}, false},
        {"a link down and back up",
         [](TFormFront* f) {
             TTreeNode* link = f->RootTopMarker()->GetNextSibling();
             f->CanMoveDown(link, true);
             f->CanMoveUp(link, true);
         },
         false},
        {"parameters only",
         [](TFormFront* f) { f->SetItemParams(static_cast<int>(f->RootTopMarker()->GetNextSibling()->Data()), "-z"); },
         false},
        {"a folder's letter case", [](TFormFront* f) { f->RootTopMarker()->GetNextSibling()->SetText("games"); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        Put(Store() + "shortcuts.txt", "^Folder|Games\r\n^UnkLnk|C:\\a.txt|txt|A|\r\n");
        sim.Files().ForceDirectories(Store("Games"));
        Start();
        Front()->Show();
        c.Edit(Front());
        if (c.Asks) sim.SimUI().ExpectMessageDialog(kWantSave, ModalResult::Cancel);
        size_t dialogs = sim.SimUI().Dialogs.size();
        Close();
        EXPECT_EQ(sim.SimUI().Dialogs.size(), dialogs + (c.Asks ? 1 : 0));
        EXPECT_EQ(Front()->Visible(), c.Asks) << "hidden unless the question was cancelled";
        EXPECT_FALSE(app->Terminated()) << "closing the manager never ends the program";
        Stop();
    }
}

TEST_F(ManagerSaveTest, TheAnswersToTheCloseQuestion) {
    PutStore();
    Start();
    TFormFront* f = Front();
    f->Show();
    Item(2)->SetText("Read me");
    f->SetItemParams(static_cast<int>(Item(0)->Data()), "-changed");

    sim.SimUI().ExpectMessageDialog(kWantSave, ModalResult::Cancel);
    Close();
    EXPECT_TRUE(f->Visible());
    EXPECT_EQ(Item(2)->Text(), "Read me") << "Cancel keeps the edits";
    EXPECT_EQ(sim.SimUI().Dialogs.back().Kind, MsgDlgType::Warning);

    sim.SimUI().ExpectMessageDialog(kWantSave, ModalResult::No);
    Close();
    EXPECT_FALSE(f->Visible());
    EXPECT_EQ(Item(2)->Text(), "Readme") << "No restores the tree";
    EXPECT_EQ(f->GetItemParams(static_cast<int>(Item(0)->Data())), "-changed") << "but not the tables";
    EXPECT_EQ(f->tvItems->Selected(), f->RootTopMarker());
    EXPECT_EQ(Get(Store() + "shortcuts.txt"), kRoot) << "nothing was written";

    f->Show();
    Item(2)->SetText("Read me");
    sim.SimUI().ExpectMessageDialog(kWantSave, ModalResult::Yes);
    Close();
    EXPECT_FALSE(f->Visible());
    EXPECT_NE(Get(Store() + "shortcuts.txt").find("|Read me|"), std::string::npos) << "Yes saves";
    EXPECT_NE(Get(Store() + "shortcuts.txt").find("|-changed|"), std::string::npos)
        << "an edit that counts as none is written with the next save";
}

TEST_F(ManagerSaveTest, UndoRemovesTheAttachedLinksAndTheirIconsButKeepsTheTables) {
    Put("C:\\t\\a.exe", "a");
    Start();
    TFormFront* f = Front();
    int pictures = f->ilPublicPM->Count();
    size_t paths = f->ItemPaths.size();
    for (int i = 0; i < 3; ++i) {
        f->tvItems->SetSelected(f->RootTopMarker());
        sim.SimUI().ExpectOpenFileDialog("C:\\t\\a.exe");
        f->BitBtnAttach->Click();
    }
    EXPECT_EQ(f->tvItems->Items().Count(), 4);
    EXPECT_EQ(f->ilPublicPM->Count(), pictures + 3);
    f->BitBtnUndo->Click();
    EXPECT_EQ(f->tvItems->Items().Count(), 1);
    EXPECT_EQ(f->ilPublicPM->Count(), pictures);
    EXPECT_EQ(f->ilPublicTV->Count(), pictures);
    EXPECT_EQ(f->AddedIconCount, 0);
    EXPECT_EQ(f->ItemPaths.size(), paths + 3) << "the entries stay, referenced by no node";
    EXPECT_EQ(f->tvItems->Selected(), f->RootTopMarker());
}

TEST_F(ManagerSaveTest, AfterASaveUndoChangesNothing) {
    PutStore();
    Start();
    Edit();
    Save();
    auto saved = Snapshot();
    int count = Front()->tvItems->Items().Count();
    Front()->BitBtnUndo->Click();
    Front()->BitBtnUndo->Click();
    EXPECT_EQ(Front()->tvItems->Items().Count(), count);
    EXPECT_FALSE(Front()->TreeChanged());
    EXPECT_EQ(Snapshot(), saved);
}

// ---- the save ----------------------------------------------------------------------------

TEST_F(ManagerSaveTest, ASaveWritesTheTreeRecyclesTheOldStoreAndReloads) {
    PutStore();
    Put("C:\\Windows\\media\\chimes.wav", "RIFF");
    Start();
    Edit();
    Save();
    EXPECT_FALSE(DirExists(Backup())) << "the backup goes when the save is done";
    EXPECT_FALSE(DirExists(Backup() + ".new"));
    EXPECT_FALSE(DirExists(Backup() + ".old"));
    std::string root = Get(Store() + "shortcuts.txt");
    EXPECT_NE(root.find("^UnkLnk|C:\\Docs\\readme.txt|txt|Read me|*WindowMin"), std::string::npos) << root;
    EXPECT_EQ(root.find("Empty"), std::string::npos);
    EXPECT_FALSE(DirExists(Store("Empty")));
    EXPECT_EQ(Get(Store("Games\\Deep\\") + "shortcuts.txt"), kDeep);
    // The old contents went to the recycle bin, the backup's too.
    const auto& bin = sim.SimShellCalls().Recycled;
    EXPECT_NE(std::find(bin.begin(), bin.end(), Store() + "tool.bmp"), bin.end());
    EXPECT_NE(std::find(bin.begin(), bin.end(), Backup() + ".old\\tool.bmp"), bin.end());
    EXPECT_EQ(sim.SimSounds().Played, std::vector<std::string>{"C:\\Windows\\media\\chimes.wav"});
    EXPECT_EQ(sim.SimUI().WaitCursorShown, 1);
    EXPECT_FALSE(sim.SimUI().WaitCursor) << "the hourglass is gone again";
    // Reloaded from disk: ids from 0, the undo copy renewed, the root top marker selected.
    EXPECT_EQ(Front()->NextItemId, static_cast<int>(Front()->ItemPaths.size()));
    EXPECT_FALSE(Front()->TreeChanged());
    EXPECT_EQ(Front()->tvItems->Selected(), Front()->RootTopMarker());
}

TEST_F(ManagerSaveTest, NoChimeWithoutTheSoundFile) {
    PutStore();
    Start();
    Save();
    EXPECT_TRUE(sim.SimSounds().Played.empty());
}

TEST_F(ManagerSaveTest, AStoreFileThatCannotBeCopiedStopsTheSaveBeforeAnythingChanges) {
    PutStore();
    Start();
    Edit();
    auto before = Snapshot();
    sim.SimFiles().SetUnreadable(Store("Games\\") + "game.bmp");
    sim.SimUI().ExpectMessageDialog(kLocked, ModalResult::Ok);
    Save();
    EXPECT_EQ(Snapshot(), before) << "the store keeps every file";
    EXPECT_FALSE(DirExists(Backup())) << "no half backup is left to be offered";
    EXPECT_FALSE(DirExists(Backup() + ".new"));
    EXPECT_TRUE(Front()->TreeChanged()) << "the edits are still there to be saved again";
    sim.SimFiles().SetUnreadable(Store("Games\\") + "game.bmp", false);
    Save();
    EXPECT_NE(Get(Store() + "shortcuts.txt").find("Read me"), std::string::npos);
}

TEST_F(ManagerSaveTest, AStoreThatWasNotReadWholeIsNotOverwritten) {
    PutStore();
    sim.SimFiles().SetUnreadable(Store("Games\\") + "shortcuts.txt");
    sim.OnFailure = [](const std::string&) {};  // the read error's report
    Start();
    sim.SimFiles().SetUnreadable(Store("Games\\") + "shortcuts.txt", false);
    auto before = Snapshot();
    size_t dialogs = sim.SimUI().Dialogs.size();
    Save();
    EXPECT_EQ(Snapshot(), before);
    ASSERT_EQ(sim.SimUI().Dialogs.size(), dialogs + 1) << "the refusal is reported";
    EXPECT_NE(sim.SimUI().Dialogs.back().Text.find("could not all be read"), std::string::npos);
}

TEST_F(ManagerSaveTest, IconNamesComeFromTheFileNameWhicheverSeparatorThePathUses) {
    Put(Store() + "shortcuts.txt",
        "^ExeLnk|C:/Tools/x.exe||x.bmp|Slashes||\r\n^ExeLnk|C:\\Tools\\x.exe||x1.bmp|Backslashes||\r\n"
        "^NorSep|\r\n");
    Start();
    Save();
    EXPECT_EQ(Get(Store() + "shortcuts.txt"),
              "^ExeLnk|C:/Tools/x.exe||x.bmp|Slashes||\r\n^ExeLnk|C:\\Tools\\x.exe||x1.bmp|Backslashes||\r\n"
              "^NorSep|\r\n");
    EXPECT_TRUE(Exists(Store() + "x.bmp"));
    EXPECT_TRUE(Exists(Store() + "x1.bmp"));
}

TEST_F(ManagerSaveTest, ManyLinksToOneProgramGetNumberedIconNamesThatNeverMeet) {
    std::string root;
    for (int i = 0; i < 300; ++i) root += "^ExeLnk|C:\\Tools\\tool.exe||tool.bmp|T" + std::to_string(i) + "||\r\n";
    root += "^ExeLnk|C:\\Other\\tool1.exe||tool1.bmp|Other||\r\n";
    Put(Store() + "shortcuts.txt", root);
    Start();
    Save();
    std::string saved = Get(Store() + "shortcuts.txt");
    EXPECT_NE(saved.find("||tool.bmp|T0|"), std::string::npos);
    EXPECT_NE(saved.find("||tool1.bmp|T1|"), std::string::npos);
    EXPECT_NE(saved.find("||tool299.bmp|T299|"), std::string::npos);
    std::set<std::string> icons;
    for (const std::string& line : Split(saved, '\n')) {
        std::vector<std::string> fields = Split(line, '|');
        if (fields.size() > 3) {
            EXPECT_TRUE(icons.insert(fields[3]).second) << fields[3] << " given twice";
        }
    }
    EXPECT_EQ(icons.size(), 301u);
}

// ---- recovery at start-up ----------------------------------------------------------------

TEST_F(ManagerSaveTest, RecoveryAtStartUp) {
    struct Case {
        int Answer;
        bool StoreIsBackup;
        bool BackupLeft;
    };
    const Case cases[] = {{ModalResult::Yes, true, false}, {ModalResult::No, false, false},
                          {ModalResult::Cancel, false, true}};
    // The links' targets give their icons, so the pictures beside them are not read.
    for (const char* target : {"C:\\Tools\\tool.exe", "C:\\Games\\game.exe"}) Put(target, "target");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Answer);
        sim.Files().ForceDirectories(Backup() + "\\Games");
        Put(Backup() + "\\shortcuts.txt", kRoot);
        Put(Backup() + "\\Games\\shortcuts.txt", kGames);
        Put(Backup() + "\\tool.bmp", "backed-up picture");
        Put(Store() + "shortcuts.txt", "^NorSep|\r\n");
        Put(Store() + "stray.bmp", "from the interrupted save");
        auto backup = Snapshot(Backup()), store = Snapshot();
        sim.SimUI().ExpectMessageDialog(kRecover, c.Answer);
        Start();
        const MessageDialogRequest& question = sim.SimUI().Dialogs.back();
        EXPECT_NE(question.Text.find(kData + "temp\\item_bak"), std::string::npos) << "the folder is named";
        EXPECT_EQ(question.Kind, MsgDlgType::Warning);
        EXPECT_EQ(Snapshot(), c.StoreIsBackup ? backup : store) << "byte for byte the backup, nothing else";
        EXPECT_EQ(DirExists(Backup()), c.BackupLeft);
        EXPECT_EQ(Front()->tvItems->Items().Count() > 5, c.StoreIsBackup) << "the store is loaded after the answer";
        Stop();
        DeleteFolderContents(sim.Files(), Backup());
        sim.Files().RemoveDir(Backup());
        DeleteFolderContents(sim.Files(), Store());
    }
}

// ---- a save that fails or stops at any disk operation ------------------------------------

TEST_F(ManagerSaveTest, ASaveThatFailsOrStopsAtAnyDiskOperationLeavesTheOldStoreOrTheNewOne) {
    // The new store, and how many disk operations a save of it makes.
    PutStore();
    auto old = Snapshot();
    Start();
    Edit();
    int operations = 0;
    sim.SimFiles().FaultHook = [&](const char*, const std::string&) {
        ++operations;
        return false;
    };
    Save();
    sim.SimFiles().FaultHook = nullptr;
    auto fresh = Snapshot();
    ASSERT_NE(fresh, old);
    ASSERT_GT(operations, 30);
    Stop();

    for (bool kill : {false, true}) {
        for (int n = 1; n <= operations; ++n) {
            SCOPED_TRACE((kill ? "stopped at operation " : "failed operation ") + std::to_string(n));
            DeleteFolderContents(sim.Files(), Store());
            for (const auto& [rel, bytes] : old) {
                if (bytes == "<folder>") sim.Files().ForceDirectories(Store(rel));
                else Put(Store(rel), bytes);
            }
            Start();
            Edit();
            int count = 0;
            // A stop is the disk refusing everything from that operation on: nothing
            // the program does afterwards reaches it, as after a kill.
            sim.SimFiles().FaultHook = [&](const char*, const std::string&) {
                ++count;
                return kill ? count >= n : count == n;
            };
            sim.OnFailure = [](const std::string&) {};  // the save's own reports
            Save();
            Stop();
            sim.SimFiles().FaultHook = nullptr;
            sim.OnFailure = [](const std::string& what) { ADD_FAILURE() << what; };
            bool offered = DirExists(Backup());
            if (offered) sim.SimUI().ExpectMessageDialog(kRecover, ModalResult::Yes);
            Start();
            Stop();
            auto now = Snapshot();
            EXPECT_TRUE(now == old || now == fresh) << "a mix of the two after " << n << " of " << operations;
            EXPECT_FALSE(DirExists(Backup())) << "a backup that was offered and taken is gone";
            for (const char* leftover : {".new", ".old"}) {
                DeleteFolderContents(sim.Files(), Backup() + leftover);
                sim.Files().RemoveDir(Backup() + leftover);
            }
        }
    }
}

}  // namespace
}  // namespace pv
