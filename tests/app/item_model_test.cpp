#include "tests/app/app_fixture.h"

namespace pv {
namespace {

class ItemModelTest : public testing::AppTest {
protected:
    void SetUp() override {
        Start();
        f = Front();
        ASSERT_NE(f, nullptr);
    }
    TTreeNode* Root() { return f->RootTopMarker(); }
    TTreeNode* Link(TTreeNode* parent, const std::string& path, bool exe = true) {
        return f->AddItem(exe ? TItemKind::ExecutableLink : TItemKind::GeneralLink, path, parent, 7, exe, "WindowMax",
                          "cap", "C:\\wd", "-p");
    }
    TFormFront* f = nullptr;
};

TEST_F(ItemModelTest, AnEmptyModelHoldsOnlyTheRootTopMarker) {
    TTreeNodes& items = f->tvItems->Items();
    ASSERT_EQ(items.Count(), 1);
    TTreeNode* marker = items.GetFirstNode();
    EXPECT_TRUE(TFormFront::IsTopMarkerNode(marker));
    EXPECT_EQ(marker->Text(), "");
    EXPECT_EQ(marker->SelectedIndex(), 4);
    EXPECT_EQ(marker->StateIndex(), -1);
    EXPECT_EQ(marker->Data(), -1);
    EXPECT_EQ(f->NextItemId, 0);
    EXPECT_EQ(f->tvUndo->Items().Count(), 1);
}

TEST_F(ItemModelTest, EachKindGetsItsNodeFields) {
    TTreeNode* folder = f->AddItem(TItemKind::Folder, "", nullptr, -1, false, "", "Tools", "", "");
    TTreeNode* sep = f->AddItem(TItemKind::NormalSeparator, "", nullptr, -1, false, "", "ignored", "", "");
    TTreeNode* spe = f->AddItem(TItemKind::SpecialSeparator, "", folder, -1, false, "", "-My-Tools-", "", "");
    TTreeNode* dir = f->AddItem(TItemKind::GeneralLink, "C:\\Data", folder, ItemImage::AskDirectory, true, "", "Data",
                                "", "");

    EXPECT_EQ(folder->Text(), "Tools");
    EXPECT_EQ(folder->ImageIndex(), 0);
    EXPECT_EQ(folder->Data(), -1);
    ASSERT_EQ(folder->Count(), 3);
    EXPECT_TRUE(TFormFront::IsTopMarkerNode(folder->GetFirstChild())) << "a folder's level opens with its marker";
    EXPECT_EQ(sep->Text(), "---------------");
    EXPECT_EQ(sep->ImageIndex(), 2);
    EXPECT_EQ(spe->Text(), "--MyTools--");
    EXPECT_EQ(spe->ImageIndex(), 3);
    EXPECT_EQ(spe->Parent(), folder);
    EXPECT_EQ(dir->ImageIndex(), 5);
    EXPECT_EQ(dir->SelectedIndex(), 5);
    EXPECT_EQ(dir->Data(), 0);
    EXPECT_TRUE(TFormFront::IsDirectoryNode(dir));
    EXPECT_TRUE(TFormFront::IsLinkNode(dir));
    for (TTreeNode* n : {folder, sep, spe, dir}) EXPECT_EQ(n->StateIndex(), -1);
    EXPECT_EQ(f->tvItems->Items().GetFirstNode()->GetNextSibling(), folder) << "appended after the root marker";
}

TEST_F(ItemModelTest, LinksTakeConsecutiveIdsAndTheirTableEntries) {
    TTreeNode* exe = Link(nullptr, "C:\\a.exe", true);
    TTreeNode* doc = Link(nullptr, "C:\\b.txt", false);
    EXPECT_EQ(exe->Data(), 0);
    EXPECT_EQ(doc->Data(), 1);
    EXPECT_EQ(exe->ImageIndex(), 7);
    EXPECT_EQ(f->NextItemId, 2);
    EXPECT_EQ(f->ItemPaths, (std::vector<std::string>{"C:\\a.exe", "C:\\b.txt"}));

    EXPECT_EQ(f->GetItemParams(0), "-p");
    EXPECT_EQ(f->GetItemWorkDir(0), "C:\\wd");
    EXPECT_EQ(f->GetItemWindowState(0), "WindowMax");
    EXPECT_TRUE(f->GetItemRunAs(0));
    // A general link has a path and a window state only; writes to the others are ignored.
    EXPECT_EQ(f->GetItemWindowState(1), "WindowMax");
    f->SetItemParams(1, "x");
    f->SetItemWorkDir(1, "x");
    f->SetItemRunAs(1, true);
    EXPECT_EQ(f->GetItemParams(1), "");
    EXPECT_EQ(f->GetItemWorkDir(1), "");
    EXPECT_FALSE(f->GetItemRunAs(1));
    EXPECT_EQ(f->ItemParams.count(1), 0u) << "no entry is created";
    f->SetItemWindowState(1, "WindowMin");
    EXPECT_EQ(f->GetItemWindowState(1), "WindowMin");
    // Ids never issued read as empty too.
    EXPECT_EQ(f->GetItemParams(99), "");
    EXPECT_EQ(f->GetItemPath(-1), "");
}

TEST_F(ItemModelTest, AReloadRenumbersFromZero) {
    Link(nullptr, "C:\\a.exe");
    Link(nullptr, "C:\\b.exe");
    f->ReloadItems();
    EXPECT_EQ(f->NextItemId, 0);
    EXPECT_TRUE(f->ItemPaths.empty());
    EXPECT_TRUE(f->ItemWindowStates.empty());
    EXPECT_EQ(Link(nullptr, "C:\\c.exe")->Data(), 0);
}

TEST_F(ItemModelTest, KindAndClassTests) {
    struct Case {
        const char* path;
        bool executable, runable;
    } cases[] = {
        {"C:\\a.EXE", true, false}, {"x.com", true, false},   {"desk.cpl", true, false},
        {"run.bat", false, true},   {"r.CMD", false, true},   {"s.wsf", false, true},
        {"s.wsh", false, true},     {"a.lnk", false, false},  {"C:\\dir.exe\\file", false, false},
        {"noext", false, false},    {"", false, false},       {"C:\\x.exe.txt", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TFormFront::IsExecutableFile(c.path), c.executable) << c.path;
        EXPECT_EQ(TFormFront::IsRunableFile(c.path), c.runable) << c.path;
    }
    TTreeNode* bat = Link(nullptr, "go.bat");
    EXPECT_TRUE(f->IsRunableFile(bat));
    EXPECT_FALSE(f->IsExecutableFile(bat));
    EXPECT_FALSE(f->IsRunableFile(Root())) << "a marker has no path";
    EXPECT_TRUE(TFormFront::IsShortcutFile("C:\\x\\A.LNK"));
}

TEST_F(ItemModelTest, DashHelpers) {
    EXPECT_TRUE(TFormFront::IsDashesOnly(""));
    EXPECT_TRUE(TFormFront::IsDashesOnly("----"));
    EXPECT_FALSE(TFormFront::IsDashesOnly("-a-"));
    EXPECT_EQ(TFormFront::RemoveDashes("-My-Tools-"), "MyTools");
    EXPECT_EQ(TFormFront::RemoveDashes("---"), "");
}

TEST_F(ItemModelTest, RelativePathsResolveAgainstTheProgramFolder) {
    Put(kApp + "bin\\tool.exe", "");
    sim.Files().ForceDirectories("D:\\");
    sim.Files().ForceDirectories("C:\\Data");
    Put("D:\\present.exe", "");
    struct Case {
        const char* stored;
        std::string expected;
    } cases[] = {
        {"bin\\tool.exe", kApp + "bin\\tool.exe"},
        {".\\bin\\tool.exe", kApp + "bin\\tool.exe"},
        {"bin\\..\\bin\\tool.exe", kApp + "bin\\tool.exe"},
        {"bin\\missing.exe", "bin\\missing.exe"},
        {"D:\\missing.exe", "D:\\missing.exe"},
        {"D:\\present.exe", "D:\\present.exe"},
        {"C:\\Data", "C:\\Data"},
        {"bin", "bin"},  // a relative folder resolves only when usable unchanged
    };
    for (const auto& c : cases) {
        f->ItemPaths = {c.stored};
        EXPECT_EQ(f->GetItemLaunchPath(0), c.expected) << c.stored;
    }
}

TEST_F(ItemModelTest, ExpandingAFolderShowsTheOpenPicture) {
    TTreeNode* folder = f->AddItem(TItemKind::Folder, "", nullptr, -1, false, "", "F", "", "");
    folder->Expand();
    EXPECT_EQ(folder->SelectedIndex(), 1);
    EXPECT_EQ(folder->ImageIndex(), 0);
    folder->Collapse();
    EXPECT_EQ(folder->SelectedIndex(), 0);
}

TEST_F(ItemModelTest, TheUndoTreeIsACopyOfTheNodes) {
    TTreeNode* folder = f->AddItem(TItemKind::Folder, "", nullptr, -1, false, "", "F", "", "");
    Link(folder, "C:\\a.exe");
    f->tvUndo->Items().Assign(f->tvItems->Items());
    TTreeNode* copy = f->tvUndo->Items().GetFirstNode()->GetNextSibling();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Text(), "F");
    ASSERT_EQ(copy->Count(), 2);
    EXPECT_EQ(copy->Item(1)->Data(), 0);
    EXPECT_EQ(copy->Item(1)->ImageIndex(), 7);
}

}  // namespace
}  // namespace pv
