#include <filesystem>

#include "controls/image_list.h"
#include "controls/menus.h"
#include "frame/logging.h"
#include "tests/app/app_fixture.h"
#include "util/bmp.h"
#include "util/strings.h"

namespace pv {
namespace {

class StoreTest : public testing::AppTest {
protected:
    std::string Store(const std::string& rel = "") { return kData + "shortcuts\\" + rel; }
    void PutLevel(const std::string& rel, const std::string& text) { Put(Store(rel) + "shortcuts.txt", text); }
    // Empties the store folder as a save does, then writes the tree.
    void SaveAgain() {
        auto host = sim.SimFiles().HostPath(Store());
        std::filesystem::remove_all(host);
        std::filesystem::create_directories(host);
        Front()->SaveItems();
    }
    std::vector<TTreeNode*> RootItems() {
        std::vector<TTreeNode*> out;
        for (TTreeNode* n = Front()->RootTopMarker()->GetNextSibling(); n; n = n->GetNextSibling()) out.push_back(n);
        return out;
    }
    std::string Log() { return Get(kData + "logs\\misc\\program.log"); }
};

TEST_F(StoreTest, EveryRecordFormSurvivesALoadAndASaveByteForByte) {
    sim.Files().ForceDirectories("C:\\docs");
    Put("C:\\a\\b.exe", "exe");
    const std::string root =
        "^Folder|Games\r\n"
        "^NorSep|\r\n"
        "^SpeSep|MyTools\r\n"
        "^SpeSep|\r\n"
        "^ExeLnk|C:\\a\\b.exe||b.bmp|B||\r\n"
        "^ExeLnk|C:\\x\\go.bat|-v -q|bat|Go|C:\\work|*WindowMax*UserRunAs\r\n"
        "^ExeLnk|tools\\t.exe|p|t.bmp|Relative|w|*WindowHid\r\n"
        "^UnkLnk|C:\\docs||Docs|*WindowMax\r\n"
        "^UnkLnk|C:\\docs\\r.txt|txt|Readme|\r\n"
        "^UnkLnk|C:\\v\\clip.lnk|lnk|Clip|*WindowMin\r\n"
        "^Folder|Empty\r\n";
    const std::string games = "^UnkLnk|D:\\g\\p.pdf|pdf|Manual|\r\n^Folder|Deep\r\n";
    const std::string deep = "^ExeLnk|D:\\g\\run.cmd||cmd|Run||\r\n";
    PutLevel("", root);
    PutLevel("Games\\", games);
    PutLevel("Games\\Deep\\", deep);
    sim.Files().ForceDirectories(Store("Empty"));
    Start();
    SaveAgain();
    EXPECT_EQ(Get(Store() + "shortcuts.txt"), root);
    EXPECT_EQ(Get(Store("Games\\") + "shortcuts.txt"), games);
    EXPECT_EQ(Get(Store("Games\\Deep\\") + "shortcuts.txt"), deep);
    EXPECT_TRUE(DirExists(Store("Empty")));
    EXPECT_FALSE(Exists(Store("Empty\\") + "shortcuts.txt")) << "an empty folder gets no file";
    // The executable links' pictures lie beside the records as 16 x 16, 32-bit bitmaps.
    for (const char* bmp : {"b.bmp", "t.bmp"}) {
        TBitmap32 b = DecodeBmp(Get(Store() + bmp));
        EXPECT_EQ(b.Width, 16);
        EXPECT_EQ(b.Height, 16);
    }
    EXPECT_FALSE(Exists(Store() + "go.bmp")) << "a runable link uses its extension's icon";
}

TEST_F(StoreTest, RecordsLoadIntoNodesAndTables) {
    sim.Files().ForceDirectories("C:\\docs");
    PutLevel("",
             "^ExeLnk|C:\\a\\b.exe||b.bmp|B||\r\n"
             "^UnkLnk|C:\\docs||Docs|*WindowMax\r\n"
             "^ExeLnk|x.exe|||X||*UserRunAs*WindowMin\r\n"
             "^NorSep\r\n"
             "^norsep|\r\n"
             " ^NorSep|\r\n"
             "^SpeSep|\r\n"
             "^UnkLnk\r\n"
             "^ExeLnk|short\r\n"
             "garbage line\r\n"
             "\r\n");
    Start();
    TFormFront* f = Front();
    auto items = RootItems();
    ASSERT_EQ(items.size(), 7u);
    EXPECT_EQ(items[0]->Text(), "B");
    EXPECT_EQ(f->GetItemPath(0), "C:\\a\\b.exe");
    EXPECT_EQ(f->GetItemParams(0), "");
    EXPECT_EQ(f->GetItemWorkDir(0), "");
    EXPECT_EQ(f->GetItemWindowState(0), "");
    EXPECT_EQ(items[0]->ImageIndex(), -1) << "no bitmap beside the record and no target";
    EXPECT_EQ(items[1]->ImageIndex(), 5);
    EXPECT_EQ(f->GetItemWindowState(1), "WindowMax");
    EXPECT_EQ(f->GetItemWindowState(2), "WindowMin") << "WindowMin outranks the order of the tokens";
    EXPECT_TRUE(f->GetItemRunAs(2));
    EXPECT_TRUE(TFormFront::IsNormalSeparatorNode(items[3]));
    EXPECT_EQ(items[4]->Text(), "----");
    EXPECT_EQ(items[5]->Text(), "") << "a bare link record still makes a link";
    EXPECT_EQ(f->GetItemPath(3), "");
    EXPECT_EQ(f->GetItemPath(4), "") << "too few fields leave the values empty";
    EXPECT_EQ(f->NextItemId, 5);
    SaveAgain();
    std::string saved = Get(Store() + "shortcuts.txt");
    EXPECT_NE(saved.find("^ExeLnk|x.exe||x.bmp|X||*WindowMin*UserRunAs\r\n"), std::string::npos);
    EXPECT_NE(saved.find("^SpeSep|\r\n"), std::string::npos);
}

TEST_F(StoreTest, LineBreaksOfAnyKindAreAccepted) {
    PutLevel("", "^NorSep|\n^SpeSep|A\r^SpeSep|B\r\n");
    Start();
    EXPECT_EQ(RootItems().size(), 3u);
}

TEST_F(StoreTest, AFolderWhoseDirectoryIsMissingIsDroppedWithItsRecord) {
    PutLevel("", "^Folder|Games\r\n^NorSep|\r\n");
    Start();
    ASSERT_EQ(RootItems().size(), 1u);
    SaveAgain();
    EXPECT_EQ(Get(Store() + "shortcuts.txt"), "^NorSep|\r\n");
}

TEST_F(StoreTest, AFolderDirectoryWithoutAFileLoadsAsAnEmptyFolder) {
    PutLevel("", "^Folder|Games\r\n");
    sim.Files().ForceDirectories(Store("Games"));
    Start();
    auto items = RootItems();
    ASSERT_EQ(items.size(), 1u);
    ASSERT_EQ(items[0]->Count(), 1);
    EXPECT_TRUE(TFormFront::IsTopMarkerNode(items[0]->GetFirstChild()));
}

TEST_F(StoreTest, ALostPictureFileGivesWayToTheTargetsIcon) {
    // The picture beside the record stands in only for a missing target; a link whose
    // picture is gone still shows its target's icon, and each save writes that icon.
    const TBitmap32 icon = TBitmap32::Create(16, 16, 0xFFAA0000);
    Put("C:\\p\\one.exe", "");
    sim.SimShellCalls().SetFileIcon("C:\\p\\one.exe", icon);
    PutLevel("", "^ExeLnk|C:\\p\\one.exe||one.bmp|One||\r\n");
    Start();
    TFormFront* f = Front();
    ASSERT_EQ(RootItems()[0]->ImageIndex(), f->LoadedMarker + 1);
    EXPECT_EQ(f->ilPublicPM->Image(f->LoadedMarker + 1), icon);
    EXPECT_EQ(f->ilPublicPM->Count(), f->ilPublicTV->Count());
    SaveAgain();
    const std::string first = Get(Store() + "one.bmp");
    EXPECT_EQ(DecodeBmp(first), icon);
    f->ReloadItems();
    SaveAgain();
    EXPECT_EQ(Get(Store() + "one.bmp"), first);
}

TEST_F(StoreTest, IconFileNamesAreMadeUniquePerFolder) {
    Put("C:\\x\\tool.exe", "");
    PutLevel("", "^ExeLnk|C:\\x\\tool.exe|||One||\r\n^ExeLnk|C:\\x\\tool.exe|||Two||\r\n"
                 "^ExeLnk|D:\\y\\tool.exe|||Three||\r\n");
    Start();
    SaveAgain();
    EXPECT_EQ(Get(Store() + "shortcuts.txt"),
              "^ExeLnk|C:\\x\\tool.exe||tool.bmp|One||\r\n^ExeLnk|C:\\x\\tool.exe||tool1.bmp|Two||\r\n"
              "^ExeLnk|D:\\y\\tool.exe||tool2.bmp|Three||\r\n");
    for (const char* name : {"tool.bmp", "tool1.bmp", "tool2.bmp"}) EXPECT_TRUE(Exists(Store() + name)) << name;
}

TEST_F(StoreTest, TheRecordKindFollowsTheCurrentPath) {
    PutLevel("", "^UnkLnk|C:\\n.txt|txt|Note|*WindowMin\r\n");
    Start();
    Front()->ItemPaths[0] = "C:\\n.bat";
    Front()->SetItemParams(0, "ignored");
    SaveAgain();
    EXPECT_EQ(Get(Store() + "shortcuts.txt"), "^ExeLnk|C:\\n.bat||bat|Note||*WindowMin\r\n")
        << "the tables never had parameters or a working directory for it";
}

TEST_F(StoreTest, ALinkSavedAsAGeneralLinkLeavesItsElevationBehind) {
    // Reading a general link's record never takes the run-as flag, so writing it there
    // would make the saved file say more than the next load gives.
    PutLevel("", "^ExeLnk|C:\\t\\tool.exe|-v|tool.bmp|Tool|C:\\w|*WindowMax*UserRunAs\r\n");
    Start();
    Front()->ItemPaths[0] = "C:\\t\\readme.txt";
    SaveAgain();
    const std::string saved = "^UnkLnk|C:\\t\\readme.txt|txt|Tool|*WindowMax\r\n";
    EXPECT_EQ(Get(Store() + "shortcuts.txt"), saved);
    Front()->ReloadItems();
    SaveAgain();
    EXPECT_EQ(Get(Store() + "shortcuts.txt"), saved);
}

TEST_F(StoreTest, AnEmptyOrMissingStoreGivesOnlyTheRootMarker) {
    Start();
    EXPECT_TRUE(RootItems().empty());
    EXPECT_EQ(Front()->NextItemId, 0);
    EXPECT_EQ(Front()->ilPublicPM->Count(), 26) << "no extension icons without a store";
    EXPECT_EQ(Front()->ilPublicTV->Count(), 26);
    SaveAgain();
    EXPECT_EQ(Get(Store() + "shortcuts.txt"), "") << "the root level gets an empty file";
}

TEST_F(StoreTest, IdsStartFromZeroAfterASaveAndReload) {
    PutLevel("", "^UnkLnk|a.txt|txt|A|\r\n^UnkLnk|b.txt|txt|B|\r\n^UnkLnk|c.txt|txt|C|\r\n");
    Start();
    Front()->tvItems->Items().Delete(RootItems()[1]);
    SaveAgain();
    Front()->ReloadItems();
    auto items = RootItems();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0]->Data(), 0);
    EXPECT_EQ(items[1]->Data(), 1);
    EXPECT_EQ(Front()->GetItemPath(1), "c.txt");
}

TEST_F(StoreTest, TextTheCodePageCannotHoldIsKept) {
    const std::string caption = "\xE6\x97\xA5\xE6\x9C\xAC";  // Japanese
    PutLevel("", "^UnkLnk|C:\\r.txt|txt|plain|\r\n");
    Start();
    Front()->RootTopMarker()->GetNextSibling()->SetText(caption);
    SaveAgain();
    std::string saved = Get(Store() + "shortcuts.txt");
    EXPECT_TRUE(StartsWith(saved, "\xEF\xBB\xBF")) << "written as UTF-8 with a byte order mark";
    Front()->ReloadItems();
    EXPECT_EQ(RootItems()[0]->Text(), caption);
    // A code-page file keeps its plain bytes.
    Front()->RootTopMarker()->GetNextSibling()->SetText("caf\xC3\xA9");
    SaveAgain();
    EXPECT_EQ(Get(Store() + "shortcuts.txt"), "^UnkLnk|C:\\r.txt|txt|caf\xE9|\r\n");
}

TEST_F(StoreTest, AFolderThatLeadsBackToAnAncestorStopsTheDescent) {
    PutLevel("", "^Folder|Loop\r\n^NorSep|\r\n");
    sim.Files().ForceDirectories(Store("Real"));
    std::filesystem::create_directory_symlink(sim.SimFiles().HostPath(Store()),
                                              sim.SimFiles().HostPath(Store()) / "Loop");
    Start();
    auto items = RootItems();
    ASSERT_EQ(items.size(), 2u) << "the rest of the level is kept";
    EXPECT_EQ(items[0]->Text(), "Loop");
    EXPECT_EQ(items[0]->Count(), 1) << "the looping folder is not read again";
}

TEST_F(StoreTest, ContentThatIsNoStoreDoesNotBreakTheLoad) {
    std::string junk;
    for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 37 + 11) % 256);
    junk += "\r\n^UnkLnk|" + std::string(1 << 20, 'x') + "|txt|long|\r\n^NorSep|\r\n";
    PutLevel("", junk);
    Start();
    ASSERT_NE(Front(), nullptr);
    EXPECT_GE(RootItems().size(), 2u);
}

TEST_F(StoreTest, ABrokenIconBitmapIsReportedAndTheRestLoads) {
    PutLevel("", "^ExeLnk|D:\\gone\\a.exe||a.bmp|A||\r\n^NorSep|\r\n");
    Put(Store() + "a.bmp", "BM not really a bitmap");
    sim.SimUI().ExpectMessageDialog("Invalid bitmap", ModalResult::No);
    Start();
    auto items = RootItems();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0]->ImageIndex(), -1);
    EXPECT_NE(Log().find("Exception Class Name: EInvalidGraphic"), std::string::npos);
}

TEST_F(StoreTest, AnUnreadableLevelReachesTheErrorReport) {
    PutLevel("", "^NorSep|\r\n");
    sim.SimFiles().SetUnreadable(Store() + "shortcuts.txt");
    sim.SimUI().ExpectMessageDialog("Cannot open file", ModalResult::No);
    Start();
    ASSERT_NE(Front(), nullptr);
    EXPECT_NE(Log().find("Exception Class Name: EFOpenError"), std::string::npos);
}

TEST_F(StoreTest, AFolderThatCannotBeCreatedIsLoggedAndTheRestOfItsLevelIsStillWritten) {
    PutLevel("", "^Folder|Games\r\n^NorSep|\r\n");
    PutLevel("Games\\", "^NorSep|\r\n");
    Start();
    auto host = sim.SimFiles().HostPath(Store());
    std::filesystem::remove_all(host);
    std::filesystem::create_directories(host);
    sim.Files().WriteAllBytes(Store("Games"), "a file where the folder should go");
    EXPECT_EQ(Front()->SaveItems(), 1) << "the failure is counted, so the save can put the old store back";
    EXPECT_EQ(Get(Store() + "shortcuts.txt"), "^Folder|Games\r\n^NorSep|\r\n")
        << "the records after the failing one are still written";
    EXPECT_NE(Log().find("ID: Maintain_SaveNodesFrom"), std::string::npos);
    EXPECT_NE(Log().find("Message: " + Store() + "Games"), std::string::npos);
}

}  // namespace
}  // namespace pv
