// The tree editing commands of the manager window: which of them are available, the node
// queries they share, and what Find and Attach, Delete, Cut, Copy, Paste, Up, Down,
// Sweep, Help and Launch do to the tree, its tables and its image lists. Commands are
// clicked on their native buttons and nodes picked in the tree's native control.
#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "controls/application_events.h"
#include "controls/buttons.h"
#include "controls/edit.h"
#include "controls/image_list.h"
#include "controls/tree_view.h"
#include "platform/sim/sim_button.h"
#include "platform/sim/sim_edit.h"
#include "platform/sim/sim_tree_view.h"
#include "tests/app/manager_fixture.h"
#include "util/bitmap.h"

namespace pv {
namespace {

const std::string kDashes = "---------------";
const std::string kAlphabet = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

TBitmap32 Solid(uint32_t argb) { return TBitmap32::Create(16, 16, argb); }
using testing::Key;

class ManagerCommandsTest : public testing::ManagerTest {
protected:
    // The captions of a level after its top marker.
    std::vector<std::string> Level(TTreeNode* folder = nullptr) {
        std::vector<std::string> out;
        for (TTreeNode* n = Marker(folder)->GetNextSibling(); n; n = n->GetNextSibling()) out.push_back(n->Text());
        return out;
    }
    // The same level as the native tree shows it, top marker included.
    std::vector<std::string> NativeLevel(TTreeNode* folder = nullptr) {
        std::vector<std::string> out;
        for (uintptr_t k : Tree()->Children[Key(folder)]) out.push_back(Tree()->Nodes[k].State.Text);
        return out;
    }
    sim::SimButton* Native(TButton* button) { return sim.SimUI().Control<sim::SimButton>(button->Handle()); }
    sim::SimEdit* Native(TvdEdit* field) { return sim.SimUI().Control<sim::SimEdit>(field->Handle()); }
    bool Click(TButton* button) { return Native(button)->UserClick(); }
    // Picks the kind in the "Add item" panel and clicks "Find and Attach".
    bool Attach(TRadioButton* kind) {
        Click(kind);
        return Click(f->BitBtnAttach);
    }
    void ExpectSelected(TTreeNode* node) {
        EXPECT_EQ(f->tvItems->Selected(), node);
        EXPECT_EQ(Tree()->Selected, Key(node)) << "the native tree shows the same selection";
    }
};

// ---- which commands apply ----------------------------------------------------------------

struct StateCase {
    const char* Selected;
    bool Attach, Cut, Copy, Paste, Delete, Launch, Up, Down;
};

TEST_F(ManagerCommandsTest, EachCommandIsAvailableForTheKindsAndPlacesItAppliesTo) {
    Folder("Games");
    PutLevel("Games\\", "^UnkLnk|C:\\in.txt|txt|In|\r\n");
    StartWith(
        "^Folder|Games\r\n"
        "^NorSep|\r\n"
        "^ExeLnk|C:\\a.exe|||A||\r\n"
        "^UnkLnk|C:\\b.txt|txt|B|\r\n"
        "^SpeSep|S\r\n");
    EXPECT_FALSE(f->BitBtnAttach->Enabled()) << "nothing selected at start";
    TTreeNode* games = Item(0);
    std::map<std::string, TTreeNode*> nodes = {
        {"root marker", f->RootTopMarker()}, {"folder", games},       {"folder marker", Marker(games)},
        {"only link in folder", Item(0, games)}, {"separator", Item(1)}, {"executable link", Item(2)},
        {"document link", Item(3)},              {"last, special separator", Item(4)}};
    const StateCase cases[] = {
        // selected                  Attach Cut   Copy   Paste  Delete Launch Up     Down
        {"root marker", true, false, false, false, false, false, false, false},
        {"folder marker", true, false, false, false, false, false, false, false},
        {"folder", true, true, false, false, true, false, false, true},
        {"only link in folder", true, true, true, false, true, true, false, false},
        {"separator", true, true, true, false, true, false, true, true},
        {"executable link", true, true, true, false, true, true, true, true},
        {"document link", true, true, true, false, true, true, true, true},
        {"last, special separator", true, true, true, false, true, false, true, false},
    };
    for (const StateCase& c : cases) {
        SCOPED_TRACE(c.Selected);
        Select(nodes[c.Selected]);
        const std::pair<TBitBtn*, bool> expected[] = {
            {f->BitBtnAttach, c.Attach}, {f->BitBtnCut, c.Cut},       {f->BitBtnCopy, c.Copy},
            {f->BitBtnPaste, c.Paste},   {f->BitBtnDelete, c.Delete}, {f->BitBtnLaunch, c.Launch},
            {f->BitBtnMoveUp, c.Up},     {f->BitBtnMoveDown, c.Down}, {f->BitBtnSweep, true},
            {f->BitBtnUndo, true},       {f->BitBtnSave, true},       {f->BitBtnHelp, true},
            {f->BitBtnClose, true}};
        for (const auto& [button, enabled] : expected) {
            EXPECT_EQ(button->Enabled(), enabled) << button->Name();
            EXPECT_EQ(Native(button)->Enabled, enabled) << button->Name() << " on screen";
        }
    }
    // With a copied link, Paste is available wherever the user points.
    Select(Item(2));
    ASSERT_TRUE(Click(f->BitBtnCopy));
    for (const auto& [name, node] : nodes) {
        Select(node);
        EXPECT_TRUE(f->BitBtnPaste->Enabled()) << name;
    }
}

TEST_F(ManagerCommandsTest, WithNothingSelectedOnlyTheAlwaysAvailableCommandsRemain) {
    StartWith("^UnkLnk|C:\\a.txt|txt|A|\r\n^UnkLnk|C:\\b.txt|txt|B|\r\n");
    Select(Item(0));
    ASSERT_TRUE(Click(f->BitBtnCopy));
    // The selected node leaves the tree without a command (as a drop may move it).
    f->tvItems->Items().Delete(Item(0));
    ASSERT_EQ(f->tvItems->Selected(), nullptr);
    for (TBitBtn* b : {f->BitBtnAttach, f->BitBtnCut, f->BitBtnCopy, f->BitBtnPaste, f->BitBtnDelete,
                       f->BitBtnLaunch, f->BitBtnMoveUp, f->BitBtnMoveDown})
        EXPECT_FALSE(Native(b)->Enabled) << b->Name();
    for (TBitBtn* b : {f->BitBtnSweep, f->BitBtnUndo, f->BitBtnSave, f->BitBtnHelp, f->BitBtnClose})
        EXPECT_TRUE(Native(b)->Enabled) << b->Name();
    EXPECT_FALSE(Native(f->edtFileCap)->Enabled) << "the editor shows nothing";
}

TEST_F(ManagerCommandsTest, TheStatesAreRefreshedWhenTheApplicationBecomesIdle) {
    StartWith("^UnkLnk|C:\\a.txt|txt|A|\r\n^UnkLnk|C:\\b.txt|txt|B|\r\n");
    TTreeNode* b = Item(1);
    Select(b);
    ASSERT_TRUE(f->BitBtnMoveUp->Enabled());
    // The tree changes under the selection without a command of the window.
    f->tvItems->Items().MoveAfter(Item(0), nullptr, b);
    ASSERT_EQ(Item(0), b);
    app->Run();
    EXPECT_FALSE(Native(f->BitBtnMoveUp)->Enabled) << "B is now first in its level";
    EXPECT_TRUE(Native(f->BitBtnMoveDown)->Enabled);
    // The window's own idle hook does the same.
    f->tvItems->Items().MoveAfter(b, nullptr, Item(1));
    f->ApplicationEvents->OnIdle(f->ApplicationEvents);
    EXPECT_TRUE(Native(f->BitBtnMoveUp)->Enabled);
    EXPECT_FALSE(Native(f->BitBtnMoveDown)->Enabled);
}

// ---- node queries ------------------------------------------------------------------------

TEST_F(ManagerCommandsTest, SiblingCaptionsCompareTrimmedWithTheLettersAToZFolded) {
    Folder("Games");
    PutLevel("Games\\", "^UnkLnk|C:\\in.txt|txt|Inner|\r\n");
    StartWith(
        "^Folder|Games\r\n"
        "^UnkLnk|C:\\a.txt|txt| Tools\t|\r\n"
        "^SpeSep|Media\r\n"
        "^UnkLnk|C:\\c.txt|txt|Caf\xE9|\r\n");  // the store is in the code page
    TTreeNode* games = Item(0);
    TTreeNode* inner = Item(0, games);
    struct Case {
        TTreeNode* Node;
        std::string Caption;
        bool Self, Expected;
    };
    const Case cases[] = {
        {games, "tools", false, true},               // the sibling's blanks and tab are trimmed
        {games, " \x01TOOLS \t", false, true},       // and the given caption's
        {games, "tool", false, false},               // whole captions only
        {games, "games", false, false},              // the node itself counts only when asked
        {games, "GAMES", true, true},
        {games, "--MEDIA--", false, true},           // any kind of sibling
        {games, "", false, true},                    // the top marker's empty caption is a sibling too
        {games, "caf\xC3\xA9", false, true},
        {games, "CAF\xC3\x89", false, false},        // only A to Z are folded
        {games, "inner", false, false},              // another level
        {inner, "games", false, false},              // the parent is no sibling
        {Marker(games), "INNER", false, true},
        {inner, "inner", false, false},
        {nullptr, "Games", true, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(f->SiblingCaptionExists(c.Node, c.Caption, c.Self), c.Expected)
            << (c.Node ? c.Node->Text() : "(none)") << " / \"" << c.Caption << "\" / " << c.Self;
}

TEST_F(ManagerCommandsTest, ANodeIsInTheSubtreeOfItselfAndOfEveryAncestor) {
    Folder("Games\\Deep");
    PutLevel("Games\\", "^Folder|Deep\r\n");
    PutLevel("Games\\Deep\\", "^UnkLnk|C:\\x.txt|txt|X|\r\n");
    StartWith("^Folder|Games\r\n^UnkLnk|C:\\r.txt|txt|R|\r\n");
    TTreeNode* games = Item(0);
    TTreeNode* deep = Item(0, games);
    TTreeNode* x = Item(0, deep);
    struct Case {
        TTreeNode* Node;
        TTreeNode* Ancestor;
        bool Expected;
    };
    const Case cases[] = {
        {games, games, true}, {x, games, true},        {Marker(games), games, true}, {deep, deep, true},
        {x, deep, true},      {games, x, false},       {games, deep, false},         {Item(1), games, false},
        {games, f->RootTopMarker(), false},            {nullptr, games, false},      {games, nullptr, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TFormFront::IsInSubtree(c.Node, c.Ancestor), c.Expected)
            << (c.Node ? c.Node->Text() : "(none)") << " in " << (c.Ancestor ? c.Ancestor->Text() : "(none)");
}

TEST_F(ManagerCommandsTest, AFolderMayBePlacedOnlyWhereItMeetsNoNamesakeAndNotBelowItself) {
    Folder("Games\\Deep");
    Folder("Other");
    Folder("Third");
    PutLevel("Games\\", "^Folder|Deep\r\n^UnkLnk|C:\\y.txt|txt|Y|\r\n");
    PutLevel("Games\\Deep\\", "^UnkLnk|C:\\x.txt|txt|X|\r\n");
    PutLevel("Other\\", "^UnkLnk|C:\\g.txt|txt| games |\r\n");
    PutLevel("Third\\", "^UnkLnk|C:\\z.txt|txt|Z|\r\n");
    StartWith(
        "^Folder|Games\r\n"
        "^UnkLnk|C:\\g.txt|txt|GAMES|\r\n"  // a namesake beside it, as the store gave it
        "^Folder|Other\r\n"
        "^Folder|Third\r\n"
        "^UnkLnk|C:\\r.txt|txt|R|\r\n");
    TTreeNode* games = Item(0);
    TTreeNode* other = Item(2);
    TTreeNode* third = Item(3);
    TTreeNode* deep = Item(0, games);
    struct Case {
        const char* Why;
        TTreeNode* Node;
        TTreeNode* Target;
        bool Expected;
    };
    const Case cases[] = {
        {"a link goes anywhere", Item(4), Item(0, deep), true},
        {"a link goes next to its namesake", Item(1), Item(0, other), true},
        {"within its own level, even beside a namesake", games, Item(1), true},
        {"to the top of its own level", games, f->RootTopMarker(), true},
        {"into a level holding a namesake", games, Marker(other), false},
        {"after the namesake itself", games, Item(0, other), false},
        {"below itself, at its own top marker", games, Marker(games), false},
        {"below itself, deep down", games, Item(0, deep), false},
        {"below itself, after its child folder", games, deep, false},
        {"into another level", games, Marker(third), true},
        {"after a node of another level", games, Item(0, third), true},
        {"a subfolder out to the root", deep, Item(4), true},
        {"a subfolder within its level", deep, Item(1, games), true},
        {"nothing to place", nullptr, Item(4), false},
    };
    for (const Case& c : cases) EXPECT_EQ(f->CanPlaceNode(c.Node, c.Target), c.Expected) << c.Why;
}

TEST_F(ManagerCommandsTest, TheLevelTopMarkerIsFoundFromTheSelection) {
    Folder("Games\\Deep");
    PutLevel("Games\\", "^UnkLnk|C:\\y.txt|txt|Y|\r\n^Folder|Deep\r\n");
    PutLevel("Games\\Deep\\", "^UnkLnk|C:\\x.txt|txt|X|\r\n");
    StartWith("^UnkLnk|C:\\r.txt|txt|R|\r\n^Folder|Games\r\n");
    TTreeNode* games = Item(1);
    TTreeNode* deep = Item(1, games);
    EXPECT_EQ(f->LevelTopMarker(), f->RootTopMarker()) << "nothing selected";
    struct Case {
        TTreeNode* Selected;
        TTreeNode* Expected;
    };
    const Case cases[] = {
        {Item(0), f->RootTopMarker()}, {games, f->RootTopMarker()},     {f->RootTopMarker(), f->RootTopMarker()},
        {Item(0, games), Marker(games)}, {deep, Marker(games)},          {Marker(games), Marker(games)},
        {Item(0, deep), Marker(deep)},
    };
    for (const Case& c : cases) {
        Select(c.Selected);
        EXPECT_EQ(f->LevelTopMarker(), c.Expected) << c.Selected->Text();
    }
}

TEST_F(ManagerCommandsTest, ACaptionIsTakenFromTheLastPartOfAPath) {
    struct Case {
        const char* Path;
        const char* Caption;
    };
    const Case cases[] = {
        {"C:\\Tools\\calc.exe", "calc"},
        {"C:\\Program Files", "Program Files"},
        {"D:\\My.App", "My"},
        {"C:\\", "C:"},
        {"calc.exe", "calc"},                   // a file without folder
        {"README", "README"},
        {"C:\\Tools\\", "Tools"},               // one trailing separator is dropped
        {"C:/Tools/v1.2/setup", "setup"},       // "/" counts as "\"; a dot before the last one does not
        {"C:\\a\\archive.tar.gz", "archive.tar"},
        {"\\\\srv\\share\\x.doc", "x"},
        {"C:\\a\\.profile", ""},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(TFormFront::ItemCaptionFromPath(c.Path), c.Caption) << c.Path;
}

// ---- find and attach ---------------------------------------------------------------------

TEST_F(ManagerCommandsTest, AttachingNeedsASelectedNode) {
    StartWith("^NorSep|\r\n");
    EXPECT_FALSE(Attach(f->rbSeparator));
    EXPECT_EQ(Level(), std::vector<std::string>{kDashes});
}

TEST_F(ManagerCommandsTest, ANewNodeIsPlacedAfterTheSelectedNodeOrFirstAfterATopMarker) {
    Folder("Games");
    PutLevel("Games\\", "^UnkLnk|C:\\y.txt|txt|Y|\r\n");
    StartWith("^UnkLnk|C:\\a.txt|txt|A|\r\n^Folder|Games\r\n^UnkLnk|C:\\b.txt|txt|B|\r\n");
    TTreeNode* a = Item(0);
    TTreeNode* games = Item(1);
    TTreeNode* b = Item(2);
    TTreeNode* y = Item(0, games);
    struct Case {
        const char* Where;
        TTreeNode* Reference;
        TTreeNode* Folder;
        std::vector<std::string> Level;
    };
    const Case cases[] = {
        {"the root top marker", f->RootTopMarker(), nullptr, {kDashes, "A", "Games", "B"}},
        {"a node in the middle", a, nullptr, {kDashes, "A", kDashes, "Games", "B"}},
        {"the last node", b, nullptr, {kDashes, "A", kDashes, "Games", "B", kDashes}},
        {"a folder's top marker", Marker(games), games, {kDashes, "Y"}},
        {"a node in a folder", y, games, {kDashes, "Y", kDashes}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Where);
        games->Collapse();
        Select(c.Reference);
        ASSERT_TRUE(Attach(f->rbSeparator));
        EXPECT_EQ(Level(c.Folder), c.Level);
        TTreeNode* added = f->tvItems->Selected();
        ASSERT_NE(added, nullptr);
        EXPECT_EQ(added->Parent(), c.Reference->Parent());
        EXPECT_EQ(added->GetPrevSibling(), c.Reference);
        EXPECT_EQ(added->Text(), kDashes);
        EXPECT_EQ(added->ImageIndex(), 2);
        EXPECT_EQ(added->SelectedIndex(), 2);
        EXPECT_EQ(added->Data(), -1);
        ExpectSelected(added);
        EXPECT_EQ(f->edtFileType->Text(), "Separator") << "the editor shows the new node";
        EXPECT_EQ(Native(f->BitBtnDelete)->Enabled, true);
        std::vector<std::string> shown = NativeLevel(c.Folder);
        EXPECT_EQ(std::vector<std::string>(shown.begin() + 1, shown.end()), c.Level) << "the native tree follows";
        if (c.Folder) {
            EXPECT_TRUE(c.Folder->Expanded()) << "the parent is opened";
            EXPECT_TRUE(Tree()->Nodes[Key(c.Folder)].Expanded);
            EXPECT_EQ(c.Folder->SelectedIndex(), 1);
        }
    }
    EXPECT_EQ(f->NextItemId, 3) << "separators take no id";
}

TEST_F(ManagerCommandsTest, AnAttachedFolderGetsARandomNameOfEightCharactersAndItsTopMarker) {
    StartWith("");
    Select(f->RootTopMarker());
    ASSERT_TRUE(Attach(f->rbFolder));
    ASSERT_TRUE(Attach(f->rbFolder));
    std::vector<std::string> names = Level();
    ASSERT_EQ(names.size(), 2u);
    for (const std::string& name : names) {
        EXPECT_EQ(name.size(), 8u) << name;
        EXPECT_EQ(name.find_first_not_of(kAlphabet), std::string::npos) << name;
    }
    EXPECT_NE(names[0], names[1]) << "two folders beside each other";
    TTreeNode* second = f->tvItems->Selected();
    EXPECT_EQ(second, Item(1));
    EXPECT_EQ(second->ImageIndex(), 0);
    EXPECT_EQ(second->SelectedIndex(), 0);
    EXPECT_EQ(second->Data(), -1);
    ASSERT_EQ(second->Count(), 1);
    TTreeNode* marker = second->GetFirstChild();
    EXPECT_TRUE(TFormFront::IsTopMarkerNode(marker));
    EXPECT_EQ(marker->Text(), "");
    EXPECT_EQ(marker->SelectedIndex(), 4);
    EXPECT_EQ(marker->Data(), -1);
    EXPECT_EQ(Native(f->edtFileCap)->Text, names[1]);
    EXPECT_TRUE(sim.SimUI().Dialogs.empty());
    EXPECT_EQ(f->NextItemId, 0);
}

TEST_F(ManagerCommandsTest, AFolderNameThatMeetsACaptionOfTheLevelInAnyCaseIsDrawnAgain) {
    // The generator is seeded from the clock: the same start draws the same names.
    StartWith("");
    Select(f->RootTopMarker());
    ASSERT_TRUE(Attach(f->rbFolder));
    ASSERT_TRUE(Attach(f->rbFolder));
    // The second folder was placed after the first, which was selected then.
    const std::string first = Item(0)->Text(), second = Item(1)->Text();
    Restart();
    Select(f->RootTopMarker());
    ASSERT_TRUE(Attach(f->rbFolder));
    ASSERT_EQ(Item(0)->Text(), first);

    // Now the level holds the first draw with its letter case swapped.
    std::string swapped = first;
    for (char& c : swapped) c = std::isupper(static_cast<unsigned char>(c)) ? static_cast<char>(std::tolower(c))
                                                                            : static_cast<char>(std::toupper(c));
    PutLevel("", "^UnkLnk|C:\\a.txt|txt|" + swapped + "|\r\n");
    Restart();
    Select(f->RootTopMarker());
    ASSERT_TRUE(Attach(f->rbFolder));
    EXPECT_EQ(Item(0)->Text(), second) << "the first draw was refused, the second taken";
    EXPECT_EQ(Level(), (std::vector<std::string>{second, swapped}));
}

TEST_F(ManagerCommandsTest, ADirectoryIsAttachedFromTheFolderBrowser) {
    sim.Files().ForceDirectories("C:\\Program Files");
    StartWith("^UnkLnk|C:\\a.exe|exe|A|\r\n");
    Select(Item(0));
    sim.SimUI().ExpectFolderDialog("");
    ASSERT_TRUE(Attach(f->rbFileDirectory));
    EXPECT_EQ(Level(), std::vector<std::string>{"A"}) << "cancelled: nothing added";
    EXPECT_EQ(f->NextItemId, 1);
    ExpectSelected(Item(0));

    sim.SimUI().ExpectFolderDialog("C:\\Program Files");
    ASSERT_TRUE(Click(f->BitBtnAttach));
    ASSERT_EQ(sim.SimUI().FolderDialogs.size(), 2u);
    EXPECT_EQ(sim.SimUI().FolderDialogs.back().Title, "Pivola");
    EXPECT_EQ(sim.SimUI().FolderDialogs.back().Owner, f->Handle());
    TTreeNode* added = Item(1);
    ASSERT_NE(added, nullptr);
    ExpectSelected(added);
    EXPECT_EQ(added->Text(), "Program Files");
    EXPECT_EQ(added->ImageIndex(), 5);
    EXPECT_EQ(added->SelectedIndex(), 5);
    EXPECT_EQ(added->Data(), 1);
    EXPECT_EQ(f->NextItemId, 2);
    EXPECT_EQ(f->GetItemPath(1), "C:\\Program Files");
    EXPECT_EQ(EntriesOf(1), "") << "a directory link has no launch entries";
    EXPECT_EQ(f->AddedIconCount, 0) << "it shows the fixed directory picture";
    EXPECT_EQ(f->edtFileType->Text(), "Viewable");
}

struct FileCase {
    const char* File;
    const char* Caption;
    const char* Entries;  // launch tables with an entry for the new link
    const char* Type;
};

TEST_F(ManagerCommandsTest, AnAttachedFileGetsANewIconAndTheTableEntriesOfItsClass) {
    const FileCase cases[] = {
        {"C:\\Tools\\calc.exe", "calc", "PWSR", "Executable"},  {"C:\\Tools\\old.COM", "old", "PWSR", "Executable"},
        {"C:\\Tools\\go.bat", "go", "PWSR", "Runable"},         {"C:\\Tools\\go.cmd", "go", "PWSR", "Runable"},
        {"C:\\Tools\\s.wsf", "s", "PWSR", "Runable"},           {"C:\\Tools\\s.wsh", "s", "PWSR", "Runable"},
        {"C:\\Tools\\app.lnk", "app", "S", "Shortcut"},         {"C:\\Docs\\read me.txt", "read me", "S", "Viewable"},
        {"C:\\Docs\\Makefile", "Makefile", "S", "Viewable"},
    };
    StartWith("");
    uint32_t colour = 0xFF100000;
    for (const FileCase& c : cases) {
        Put(c.File, "");
        sim.SimShellCalls().SetFileIcon(c.File, Solid(colour += 0x10));
    }
    colour = 0xFF100000;
    int expectedId = 0;
    for (const FileCase& c : cases) {
        SCOPED_TRACE(c.File);
        colour += 0x10;
        int before = f->ilPublicPM->Count();
        int icons = f->AddedIconCount;
        Select(f->RootTopMarker());
        sim.SimUI().ExpectOpenFileDialog(c.File);
        ASSERT_TRUE(Attach(f->rbFile));
        const OpenFileRequest& dialog = sim.SimUI().OpenFileDialogs.back();
        EXPECT_EQ(dialog.Filter, "All Files (*.*)|*.*");
        EXPECT_TRUE(dialog.FileMustExist);
        EXPECT_TRUE(dialog.PathMustExist);
        EXPECT_TRUE(dialog.HideReadOnly);
        EXPECT_TRUE(dialog.Resizable);

        TTreeNode* added = Item(0);
        ExpectSelected(added);
        EXPECT_EQ(added->Text(), c.Caption);
        EXPECT_EQ(added->Data(), expectedId);
        EXPECT_EQ(f->GetItemPath(expectedId), c.File);
        EXPECT_EQ(EntriesOf(expectedId), c.Entries);
        EXPECT_EQ(f->GetItemParams(expectedId), "");
        EXPECT_EQ(f->GetItemWorkDir(expectedId), "");
        EXPECT_EQ(f->GetItemWindowState(expectedId), "");
        EXPECT_FALSE(f->GetItemRunAs(expectedId));
        // The icon is appended to both lists and the link shows it.
        EXPECT_EQ(f->AddedIconCount, icons + 1);
        EXPECT_EQ(f->ilPublicPM->Count(), before + 1);
        EXPECT_EQ(f->ilPublicTV->Count(), before + 1);
        EXPECT_EQ(added->ImageIndex(), f->AddedMarker + f->AddedIconCount);
        EXPECT_EQ(added->SelectedIndex(), added->ImageIndex());
        EXPECT_EQ(added->ImageIndex(), before) << "the appended picture";
        EXPECT_EQ(f->ilPublicPM->Image(added->ImageIndex()), Solid(colour));
        EXPECT_EQ(f->edtFileType->Text(), c.Type);
        ++expectedId;
    }
    EXPECT_EQ(f->NextItemId, expectedId);
}

TEST_F(ManagerCommandsTest, CancellingTheOpenDialogAddsNothing) {
    StartWith("^NorSep|\r\n");
    Select(Item(0));
    int icons = f->ilPublicPM->Count();
    sim.SimUI().ExpectOpenFileDialog("");
    ASSERT_TRUE(Attach(f->rbFile));
    EXPECT_EQ(Level(), std::vector<std::string>{kDashes});
    EXPECT_EQ(f->NextItemId, 0);
    EXPECT_EQ(f->AddedIconCount, 0);
    EXPECT_EQ(f->ilPublicPM->Count(), icons);
    EXPECT_TRUE(f->ItemPaths.empty());
}

TEST_F(ManagerCommandsTest, AControlPanelFileRunsThroughTheControlPanelProgram) {
    struct Case {
        const char* File;
        const char* Caption;
        const char* Params;
    };
    const Case cases[] = {
        {"C:\\Windows\\System32\\desk.cpl", "desk", "C:\\Windows\\System32\\desk.cpl"},
        {"C:\\Program Files\\Tools\\panel.CPL", "panel", "\"C:\\Program Files\\Tools\\panel.CPL\""},
    };
    StartWith("");
    const std::string control = sim.System().SystemFolder() + "\\control.exe";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.File);
        Put(c.File, "");
        Select(f->RootTopMarker());
        sim.SimUI().ExpectOpenFileDialog(c.File);
        ASSERT_TRUE(Attach(f->rbFile));
        TTreeNode* added = Item(0);
        int id = Id(added);
        EXPECT_EQ(added->Text(), c.Caption);
        EXPECT_EQ(f->GetItemPath(id), control);
        EXPECT_EQ(f->GetItemParams(id), c.Params);
        EXPECT_EQ(EntriesOf(id), "PWSR");
        EXPECT_EQ(sim.SimShellCalls().IconQueries.back(), c.File) << "the icon is the control panel file's";
        EXPECT_EQ(Native(f->edtFileParams)->Text, c.Params);
    }
}

// ---- delete ------------------------------------------------------------------------------

TEST_F(ManagerCommandsTest, DeleteRemovesTheNodeWithItsSubtreeAndSelectsANeighbour) {
    Folder("Games");
    PutLevel("Games\\", "^ExeLnk|C:\\in.exe|-p|in.bmp|In||\r\n^NorSep|\r\n");
    StartWith("^UnkLnk|C:\\a.txt|txt|A|\r\n^Folder|Games\r\n^NorSep|\r\n^UnkLnk|C:\\b.txt|txt|B|\r\n");
    TTreeNode* games = Item(1);
    int total = f->tvItems->Items().Count();
    size_t paths = f->ItemPaths.size();
    int inId = Id(Item(0, games));
    Select(games);
    ASSERT_TRUE(Click(f->BitBtnDelete));
    EXPECT_EQ(Level(), (std::vector<std::string>{"A", kDashes, "B"}));
    EXPECT_EQ(f->tvItems->Items().Count(), total - 4) << "the folder, its marker and both children";
    EXPECT_EQ(NativeLevel(), (std::vector<std::string>{"", "A", kDashes, "B"}));
    // The removed link's entries stay until the next reload.
    EXPECT_EQ(f->ItemPaths.size(), paths);
    EXPECT_EQ(f->GetItemParams(inId), "-p");
    EXPECT_EQ(f->NextItemId, 3);

    // Whichever neighbour the tree picks, it is selected and the editor shows it.
    for (int round = 0; round < 3; ++round) {
        TTreeNode* victim = Item(round == 1 ? 1 : 0);  // middle, then first, then last
        if (round == 2) victim = Item(static_cast<int>(Level().size()) - 1);
        TTreeNode* prev = victim->GetPrevSibling();
        TTreeNode* next = victim->GetNextSibling();
        Select(victim);
        ASSERT_TRUE(Click(f->BitBtnDelete));
        TTreeNode* now = f->tvItems->Selected();
        ASSERT_NE(now, nullptr);
        EXPECT_TRUE(now == prev || now == next) << "round " << round;
        ExpectSelected(now);
        EXPECT_EQ(f->edtFileType->Text(), f->ItemTypeText(now));
    }
    EXPECT_TRUE(Level().empty());
    EXPECT_FALSE(Native(f->BitBtnDelete)->Enabled) << "only the root top marker is left";
    EXPECT_FALSE(Click(f->BitBtnDelete));
    f->BitBtnDeleteClick(f->BitBtnDelete);
    EXPECT_EQ(f->tvItems->Items().Count(), 1) << "the top marker is never deleted";
}

TEST_F(ManagerCommandsTest, DeletingTheClipboardNodeOrAnAncestorEmptiesTheClipboard) {
    Folder("Games");
    PutLevel("Games\\", "^UnkLnk|C:\\in.txt|txt|In|\r\n");
    StartWith("^Folder|Games\r\n^UnkLnk|C:\\a.txt|txt|A|\r\n^UnkLnk|C:\\b.txt|txt|B|\r\n");
    TTreeNode* games = Item(0);
    // Copied inside a folder; deleting another node keeps it.
    Select(Item(0, games));
    ASSERT_TRUE(Click(f->BitBtnCopy));
    Select(Item(2));
    ASSERT_TRUE(Click(f->BitBtnDelete));
    EXPECT_NE(f->ClipboardNode(), nullptr);
    Select(games);
    ASSERT_TRUE(Click(f->BitBtnDelete));
    EXPECT_EQ(f->ClipboardNode(), nullptr) << "deleted with its folder";
    Select(Item(0));
    EXPECT_FALSE(Native(f->BitBtnPaste)->Enabled);
    // Cut, then deleted itself.
    ASSERT_TRUE(Click(f->BitBtnCut));
    ASSERT_TRUE(Click(f->BitBtnDelete));
    EXPECT_EQ(f->ClipboardNode(), nullptr);
    EXPECT_FALSE(Native(f->BitBtnPaste)->Enabled);
}

// ---- cut and copy ------------------------------------------------------------------------

TEST_F(ManagerCommandsTest, CutMarksTheNodeGhostedUntilAnotherCutOrCopyTakesTheClipboard) {
    Folder("Games");
    StartWith("^Folder|Games\r\n^UnkLnk|C:\\a.txt|txt|A|\r\n^UnkLnk|C:\\b.txt|txt|B|\r\n");
    TTreeNode* games = Item(0);
    TTreeNode* a = Item(1);
    TTreeNode* b = Item(2);
    auto ghosted = [&](TTreeNode* n) { return Tree()->Nodes[Key(n)].State.Cut; };
    Select(a);
    ASSERT_TRUE(Click(f->BitBtnCut));
    EXPECT_EQ(f->ClipboardNode(), a);
    EXPECT_TRUE(a->Cut());
    EXPECT_TRUE(ghosted(a));
    Select(games);
    EXPECT_FALSE(Native(f->BitBtnCopy)->Enabled) << "a folder cannot be copied";
    ASSERT_TRUE(Click(f->BitBtnCut));
    EXPECT_EQ(f->ClipboardNode(), games);
    EXPECT_TRUE(ghosted(games));
    EXPECT_FALSE(a->Cut());
    EXPECT_FALSE(ghosted(a));
    Select(b);
    ASSERT_TRUE(Click(f->BitBtnCopy));
    EXPECT_EQ(f->ClipboardNode(), b);
    EXPECT_FALSE(b->Cut()) << "a copied node is not ghosted";
    EXPECT_FALSE(ghosted(b));
    EXPECT_FALSE(games->Cut());
    EXPECT_FALSE(ghosted(games));
}

// ---- paste -------------------------------------------------------------------------------

TEST_F(ManagerCommandsTest, APastedSeparatorIsIdentical) {
    StartWith("^NorSep|\r\n^SpeSep|Media\r\n^UnkLnk|C:\\a.txt|txt|A|\r\n");
    for (int source : {0, 1}) {
        TTreeNode* sep = Item(source);
        SCOPED_TRACE(sep->Text());
        Select(sep);
        ASSERT_TRUE(Click(f->BitBtnCopy));
        TTreeNode* target = Item(static_cast<int>(Level().size()) - 1);
        Select(target);
        ASSERT_TRUE(Click(f->BitBtnPaste));
        TTreeNode* copy = target->GetNextSibling();
        ASSERT_NE(copy, nullptr);
        ExpectSelected(copy);
        EXPECT_NE(copy, sep);
        EXPECT_EQ(copy->Text(), sep->Text());
        EXPECT_EQ(copy->ImageIndex(), sep->ImageIndex());
        EXPECT_EQ(copy->SelectedIndex(), sep->SelectedIndex());
        EXPECT_EQ(copy->Data(), -1);
        EXPECT_EQ(f->ClipboardNode(), sep) << "a copy can be pasted again";
    }
    EXPECT_EQ(Level(), (std::vector<std::string>{kDashes, "--Media--", "A", kDashes, "--Media--"}));
    EXPECT_EQ(f->NextItemId, 1);
}

TEST_F(ManagerCommandsTest, APastedDirectoryLinkGetsANewIdAndNoLaunchEntries) {
    sim.Files().ForceDirectories("C:\\docs");
    StartWith("^UnkLnk|C:\\docs||Docs|*WindowMax\r\n");
    int icons = f->ilPublicPM->Count();
    Select(Item(0));
    ASSERT_TRUE(Click(f->BitBtnCopy));
    ASSERT_TRUE(Click(f->BitBtnPaste));
    TTreeNode* copy = Item(1);
    ExpectSelected(copy);
    EXPECT_EQ(copy->Text(), "(Docs)");
    EXPECT_EQ(copy->ImageIndex(), 5);
    EXPECT_EQ(copy->SelectedIndex(), 5);
    EXPECT_EQ(copy->Data(), 1);
    EXPECT_EQ(f->GetItemPath(1), "C:\\docs");
    EXPECT_EQ(EntriesOf(1), "") << "not even the source's window entry";
    EXPECT_EQ(f->ilPublicPM->Count(), icons) << "no icon for a directory";
    EXPECT_EQ(f->AddedIconCount, 0);
}

TEST_F(ManagerCommandsTest, APastedLinkGetsItsOwnIconAndCopiesOfTheLaunchAttributes) {
    Put("C:\\t\\tool.exe", "");
    Put("C:\\docs\\r.txt", "");
    sim.SimShellCalls().SetFileIcon("C:\\t\\tool.exe", Solid(0xFFAA0000));
    sim.SimShellCalls().SetFileIcon("C:\\docs\\r.txt", Solid(0xFF00AA00));
    StartWith(
        "^ExeLnk|C:\\t\\tool.exe|-v|tool.bmp|Tool|C:\\work|*WindowMax*UserRunAs\r\n"
        "^UnkLnk|C:\\docs\\r.txt|txt|Readme|*WindowMin\r\n");
    struct Case {
        int Source;
        const char* Caption;
        const char* Entries;
        uint32_t Icon;
    };
    const Case cases[] = {{0, "(Tool)", "PWSR", 0xFFAA0000}, {1, "(Readme)", "", 0xFF00AA00}};
    TTreeNode* sources[] = {Item(0), Item(1)};
    for (const Case& c : cases) {
        TTreeNode* source = sources[c.Source];
        SCOPED_TRACE(source->Text());
        int count = f->ilPublicPM->Count();
        int added = f->AddedIconCount;
        int id = f->NextItemId;
        Select(source);
        ASSERT_TRUE(Click(f->BitBtnCopy));
        ASSERT_TRUE(Click(f->BitBtnPaste));
        TTreeNode* copy = source->GetNextSibling();
        ExpectSelected(copy);
        EXPECT_EQ(copy->Text(), c.Caption);
        EXPECT_EQ(copy->Data(), id);
        EXPECT_EQ(f->GetItemPath(id), f->GetItemPath(Id(source)));
        EXPECT_EQ(f->AddedIconCount, added + 1);
        EXPECT_EQ(f->ilPublicPM->Count(), count + 1);
        EXPECT_EQ(f->ilPublicTV->Count(), count + 1);
        EXPECT_EQ(copy->ImageIndex(), f->AddedMarker + f->AddedIconCount);
        EXPECT_EQ(copy->SelectedIndex(), copy->ImageIndex());
        EXPECT_EQ(f->ilPublicPM->Image(copy->ImageIndex()), Solid(c.Icon));
        EXPECT_EQ(EntriesOf(id), c.Entries);
    }
    int copy = Id(Item(1));
    EXPECT_EQ(f->GetItemParams(copy), "-v");
    EXPECT_EQ(f->GetItemWorkDir(copy), "C:\\work");
    EXPECT_EQ(f->GetItemWindowState(copy), "WindowMax");
    EXPECT_TRUE(f->GetItemRunAs(copy));
    // The copy's attributes are its own.
    f->SetItemParams(copy, "-other");
    EXPECT_EQ(f->GetItemParams(Id(Item(0))), "-v");
}

TEST_F(ManagerCommandsTest, APastedCopyOfARunableLinkGetsEveryLaunchEntry) {
    // A runable link from a general record has only a window entry; a pasted copy of a
    // runable file is given all four, with the source's values.
    Put("C:\\t\\run.cmd", "");
    StartWith("^UnkLnk|C:\\t\\run.cmd|cmd|Run|*WindowHid\r\n");
    Select(Item(0));
    ASSERT_TRUE(Click(f->BitBtnCopy));
    ASSERT_TRUE(Click(f->BitBtnPaste));
    int copy = Id(Item(1));
    EXPECT_EQ(EntriesOf(copy), "PWSR");
    EXPECT_EQ(f->GetItemWindowState(copy), "WindowHid");
    EXPECT_EQ(f->GetItemParams(copy), "");
    EXPECT_FALSE(f->GetItemRunAs(copy));
}

TEST_F(ManagerCommandsTest, ACopiedLinkPastedTwiceGivesTwoLinksWithTheirOwnIdsAndIcons) {
    Put("C:\\t\\tool.exe", "");
    StartWith("^ExeLnk|C:\\t\\tool.exe|||Tool||\r\n^NorSep|\r\n");
    Select(Item(0));
    ASSERT_TRUE(Click(f->BitBtnCopy));
    Select(Item(1));
    ASSERT_TRUE(Click(f->BitBtnPaste));
    ASSERT_TRUE(Click(f->BitBtnPaste));
    EXPECT_EQ(Level(), (std::vector<std::string>{"Tool", kDashes, "(Tool)", "(Tool)"}));
    // The second paste follows the first copy, which was selected then.
    TTreeNode* first = Item(2);
    TTreeNode* second = Item(3);
    ExpectSelected(second);
    EXPECT_EQ(first->Data(), 1);
    EXPECT_EQ(second->Data(), 2);
    EXPECT_NE(first->ImageIndex(), second->ImageIndex());
    EXPECT_EQ(f->AddedIconCount, 2);
    EXPECT_EQ(second->ImageIndex(), f->AddedMarker + 2);
    EXPECT_EQ(f->ClipboardNode(), Item(0));
    EXPECT_EQ(f->ItemPaths.size(), 3u);
}

TEST_F(ManagerCommandsTest, ACutNodeMovesWithItsSubtreeAndTheClipboardIsEmptied) {
    Folder("Games");
    Folder("Other");
    PutLevel("Games\\", "^UnkLnk|C:\\g1.txt|txt|G1|\r\n^NorSep|\r\n");
    PutLevel("Other\\", "^UnkLnk|C:\\o.txt|txt|O|\r\n");
    StartWith("^Folder|Games\r\n^Folder|Other\r\n^UnkLnk|C:\\a.txt|txt|A|\r\n");
    TTreeNode* games = Item(0);
    TTreeNode* other = Item(1);
    TTreeNode* g1 = Item(0, games);
    Select(games);
    ASSERT_TRUE(Click(f->BitBtnCut));
    Select(Item(0, other));
    ASSERT_TRUE(Click(f->BitBtnPaste));
    EXPECT_EQ(Level(), (std::vector<std::string>{"Other", "A"}));
    EXPECT_EQ(Level(other), (std::vector<std::string>{"O", "Games"}));
    EXPECT_EQ(Level(games), (std::vector<std::string>{"G1", kDashes}));
    EXPECT_EQ(Item(0, games), g1) << "the same nodes moved";
    ExpectSelected(games);
    EXPECT_EQ(f->ClipboardNode(), nullptr);
    EXPECT_FALSE(games->Cut());
    EXPECT_FALSE(Tree()->Nodes[Key(games)].State.Cut);
    EXPECT_TRUE(other->Expanded());
    EXPECT_EQ(NativeLevel(other), (std::vector<std::string>{"", "O", "Games"}));
    EXPECT_EQ(NativeLevel(games), (std::vector<std::string>{"", "G1", kDashes})) << "the subtree came along";
    EXPECT_FALSE(Native(f->BitBtnPaste)->Enabled);

    // A cut link pasted at a top marker becomes the first entry of that level.
    Select(Item(1));
    ASSERT_TRUE(Click(f->BitBtnCut));
    Select(Marker(games));
    ASSERT_TRUE(Click(f->BitBtnPaste));
    EXPECT_EQ(Level(games), (std::vector<std::string>{"A", "G1", kDashes}));
    EXPECT_EQ(Level(), std::vector<std::string>{"Other"});
}

TEST_F(ManagerCommandsTest, ACutFolderCannotBePastedBelowItselfNorBesideANamesakeElsewhere) {
    Folder("Games\\Deep");
    Folder("Other");
    PutLevel("Games\\", "^Folder|Deep\r\n^UnkLnk|C:\\y.txt|txt|Y|\r\n");
    PutLevel("Other\\", "^UnkLnk|C:\\g.txt|txt|games|\r\n");
    StartWith("^Folder|Games\r\n^UnkLnk|C:\\g.txt|txt|GAMES|\r\n^Folder|Other\r\n^UnkLnk|C:\\a.txt|txt|A|\r\n");
    TTreeNode* games = Item(0);
    TTreeNode* other = Item(2);
    TTreeNode* deep = Item(0, games);
    Select(games);
    ASSERT_TRUE(Click(f->BitBtnCut));
    struct Case {
        const char* Where;
        TTreeNode* Target;
        bool Pastable;
    };
    const Case cases[] = {
        {"its own top marker", Marker(games), false},
        {"a node inside it", Item(1, games), false},
        {"its subfolder", deep, false},
        {"inside its subfolder", Marker(deep), false},
        {"a level holding a namesake", Marker(other), false},
        {"beside the namesake", Item(0, other), false},
        {"its own level, beside a namesake", Item(1), true},
        {"its own level, at the top", f->RootTopMarker(), true},
    };
    for (const Case& c : cases) {
        Select(c.Target);
        EXPECT_EQ(Native(f->BitBtnPaste)->Enabled, c.Pastable) << c.Where;
    }
    // A refused place cannot be forced.
    Select(Item(1, games));
    f->BitBtnPasteClick(f->BitBtnPaste);
    EXPECT_EQ(games->Parent(), nullptr);
    EXPECT_EQ(f->ClipboardNode(), games);
    // Within its own level it moves.
    Select(Item(3));
    ASSERT_TRUE(Click(f->BitBtnPaste));
    EXPECT_EQ(Level(), (std::vector<std::string>{"GAMES", "Other", "A", "Games"}));
}

// ---- up and down -------------------------------------------------------------------------

TEST_F(ManagerCommandsTest, UpAndDownTradePlacesWithANeighbourAndKeepTheSelection) {
    Folder("Games");
    PutLevel("Games\\", "^UnkLnk|C:\\g.txt|txt|G|\r\n");
    StartWith("^UnkLnk|C:\\a.txt|txt|A|\r\n^Folder|Games\r\n^UnkLnk|C:\\c.txt|txt|C|\r\n");
    TTreeNode* games = Item(1);
    games->Expand();
    struct Case {
        const char* Move;
        std::vector<std::string> Level;
        bool UpAfter, DownAfter;
    };
    const Case cases[] = {
        {"Up", {"Games", "A", "C"}, false, true},
        {"Down", {"A", "Games", "C"}, true, true},
        {"Down", {"A", "C", "Games"}, true, false},
        {"Up", {"A", "Games", "C"}, true, true},
    };
    Select(games);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Move);
        int repaints = Tree()->Repaints;
        ASSERT_TRUE(Click(std::string(c.Move) == "Up" ? f->BitBtnMoveUp : f->BitBtnMoveDown));
        EXPECT_EQ(Level(), c.Level);
        std::vector<std::string> shown = NativeLevel();
        EXPECT_EQ(std::vector<std::string>(shown.begin() + 1, shown.end()), c.Level);
        ExpectSelected(games);
        EXPECT_EQ(Tree()->Repaints, repaints + 1) << "repainted once";
        EXPECT_TRUE(Tree()->Redraw);
        EXPECT_EQ(NativeLevel(games), (std::vector<std::string>{"", "G"})) << "the folder keeps its content";
        EXPECT_TRUE(Tree()->Nodes[Key(games)].Expanded);
        EXPECT_EQ(Native(f->BitBtnMoveUp)->Enabled, c.UpAfter);
        EXPECT_EQ(Native(f->BitBtnMoveDown)->Enabled, c.DownAfter);
    }
}

TEST_F(ManagerCommandsTest, NothingMovesPastATopMarkerOrTheEndOfALevel) {
    StartWith("^UnkLnk|C:\\a.txt|txt|A|\r\n^UnkLnk|C:\\b.txt|txt|B|\r\n");
    TTreeNode* marker = f->RootTopMarker();
    for (TTreeNode* n : {marker, Item(0), Item(1)}) {
        Select(n);
        bool first = n == Item(0);
        bool last = n == Item(1);
        EXPECT_EQ(f->CanMoveUp(n, false), !first && n != marker) << n->Text();
        EXPECT_EQ(f->CanMoveDown(n, false), !last && n != marker) << n->Text();
    }
    Select(Item(0));
    EXPECT_FALSE(Click(f->BitBtnMoveUp));
    f->BitBtnMoveUpClick(f->BitBtnMoveUp);
    Select(Item(1));
    f->BitBtnMoveDownClick(f->BitBtnMoveDown);
    Select(marker);
    f->BitBtnMoveDownClick(f->BitBtnMoveDown);
    EXPECT_EQ(Level(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(f->tvItems->Items().GetFirstNode(), marker);
    EXPECT_FALSE(f->CanMoveUp(nullptr, false));
    EXPECT_FALSE(f->CanMoveDown(nullptr, false));
}

// ---- sweep -------------------------------------------------------------------------------

class ManagerSweepTest : public ManagerCommandsTest {
protected:
    void SetUp() override {
        Put("C:\\live.txt", "");
        Put(kApp + "bin\\tool.exe", "");
        sim.Files().ForceDirectories("C:\\docs");
        Folder("Full\\Deep");
        Folder("Empty");
        PutLevel("Full\\",
                 "^UnkLnk|C:\\dead2.txt|txt|Dead2|\r\n"
                 "^UnkLnk|C:\\live.txt|txt|Live2|\r\n"
                 "^Folder|Deep\r\n");
        PutLevel("Full\\Deep\\", "^UnkLnk|C:\\dead3.txt|txt|Dead3|\r\n^NorSep|\r\n");
        StartWith(
            "^UnkLnk|C:\\live.txt|txt|Live|\r\n"
            "^UnkLnk|C:\\dead.txt|txt|Dead|\r\n"
            "^ExeLnk|bin\\tool.exe|||Relative||\r\n"        // found below the program folder
            "^ExeLnk|bin\\gone.exe|||RelativeGone||\r\n"
            "^UnkLnk|C:\\docs\\||DocsSlash|\r\n"            // a path ending in "\" needs a directory
            "^UnkLnk|C:\\live.txt\\||FileSlash|\r\n"
            "^UnkLnk|C:\\docs||Docs|\r\n"
            "^UnkLnk|C:\\gonedir||GoneDir|\r\n"
            "^UnkLnk|||NoPath|\r\n"
            "^NorSep|\r\n"
            "^SpeSep|Mark\r\n"
            "^Folder|Full\r\n"
            "^Folder|Empty\r\n");
    }
    const std::vector<std::string> kRootBefore = {"Live",     "Dead",    "Relative", "RelativeGone", "DocsSlash",
                                                  "FileSlash", "Docs",   "GoneDir",  "NoPath",       kDashes,
                                                  "--Mark--", "Full",    "Empty"};
    const std::vector<std::string> kFullBefore = {"Dead2", "Live2", "Deep"};
};

TEST_F(ManagerSweepTest, OnlyDeadLinksAreRemovedThroughEveryFolderOfTheLevel) {
    ASSERT_TRUE(Exists("C:\\live.txt\\")) << "only the directory rule tells FileSlash apart from Live";
    Select(Find("NoPath"));
    ASSERT_TRUE(Click(f->BitBtnCopy));
    int repaints = Tree()->Repaints;
    ASSERT_TRUE(Click(f->BitBtnSweep));
    EXPECT_EQ(Tree()->Repaints, repaints + 1) << "the tree repaints once";
    EXPECT_EQ(Level(), (std::vector<std::string>{"Live", "Relative", "DocsSlash", "Docs", "NoPath", kDashes,
                                                 "--Mark--", "Full", "Empty"}));
    TTreeNode* full = Find("Full");
    EXPECT_EQ(Level(full), (std::vector<std::string>{"Live2", "Deep"}));
    EXPECT_EQ(Level(Find("Deep")), std::vector<std::string>{kDashes});
    EXPECT_EQ(Level(Find("Empty")), std::vector<std::string>{});
    std::vector<std::string> shown = NativeLevel();
    EXPECT_EQ(shown.size(), 10u) << "the native tree follows";
    // Afterwards the root top marker is selected and the clipboard is empty.
    ExpectSelected(f->RootTopMarker());
    EXPECT_EQ(f->edtFileType->Text(), "Special: Drag and drop items here");
    EXPECT_EQ(f->ClipboardNode(), nullptr);
    EXPECT_TRUE(Tree()->Redraw);
}

TEST_F(ManagerSweepTest, ASelectedFolderIsSweptWithoutItsLevel) {
    Select(Find("Full"));
    ASSERT_TRUE(Click(f->BitBtnSweep));
    EXPECT_EQ(Level(), kRootBefore) << "the level around the folder is left alone";
    EXPECT_EQ(Level(Find("Full")), (std::vector<std::string>{"Live2", "Deep"}));
    EXPECT_EQ(Level(Find("Deep")), std::vector<std::string>{kDashes});
    ExpectSelected(f->RootTopMarker());
}

TEST_F(ManagerSweepTest, ANodeInsideAFolderSweepsTheFoldersLevel) {
    Select(Find("Live2"));
    ASSERT_TRUE(Click(f->BitBtnSweep));
    EXPECT_EQ(Level(), kRootBefore);
    EXPECT_EQ(Level(Find("Full")), (std::vector<std::string>{"Live2", "Deep"}));
    EXPECT_EQ(Level(Find("Deep")), std::vector<std::string>{kDashes});
}

TEST_F(ManagerSweepTest, AnEmptyFolderIsLeftAsItIs) {
    TTreeNode* empty = Find("Empty");
    Select(empty);
    ASSERT_TRUE(Click(f->BitBtnSweep));
    EXPECT_EQ(Level(), kRootBefore);
    EXPECT_EQ(Level(Find("Full")), kFullBefore);
    ASSERT_EQ(empty->Count(), 1);
    EXPECT_TRUE(TFormFront::IsTopMarkerNode(empty->GetFirstChild()));
    ExpectSelected(f->RootTopMarker());
}

TEST_F(ManagerSweepTest, WithNothingSelectedNothingIsSwept) {
    ASSERT_EQ(f->tvItems->Selected(), nullptr);
    ASSERT_TRUE(Click(f->BitBtnSweep));
    EXPECT_EQ(Level(), kRootBefore);
}

// ---- help and launch ---------------------------------------------------------------------

TEST_F(ManagerCommandsTest, HelpOpensTheHelpPageOfTheProgramFolder) {
    StartWith("");
    ASSERT_TRUE(Click(f->BitBtnHelp));
    ASSERT_FALSE(sim.SimShellCalls().Calls.empty());
    const sim::ShellCall& call = sim.SimShellCalls().Calls.back();
    EXPECT_EQ(call.Verb, "open");
    EXPECT_EQ(call.File, kApp + "help\\index.html");
    EXPECT_EQ(call.ShowCmd, ShowCmd::Normal);
    // A failure is ignored.
    sim.SimShellCalls().ExecuteResult = 2;
    ASSERT_TRUE(Click(f->BitBtnHelp));
    EXPECT_TRUE(sim.SimUI().Dialogs.empty());
}

TEST_F(ManagerCommandsTest, LaunchStartsTheSelectedLinkThroughTheShell) {
    Put(kApp + "bin\\tool.exe", "");
    Folder("Games");
    StartWith(
        "^ExeLnk|bin\\tool.exe|-v|tool.bmp|Tool|C:\\work|*WindowMax\r\n"
        "^UnkLnk|C:\\docs\\r.txt|txt|Readme|\r\n"
        "^Folder|Games\r\n"
        "^NorSep|\r\n");
    Select(Item(0));
    ASSERT_TRUE(Click(f->BitBtnLaunch));
    ASSERT_EQ(sim.SimShellCalls().Calls.size(), 1u);
    const sim::ShellCall& call = sim.SimShellCalls().Calls.back();
    EXPECT_EQ(call.Verb, "open");
    EXPECT_EQ(call.File, kApp + "bin\\tool.exe") << "the resolved path";
    EXPECT_EQ(call.Params, "-v");
    EXPECT_EQ(call.Dir, "C:\\work");
    EXPECT_EQ(call.ShowCmd, ShowCmd::ShowMaximized);
    Select(Item(1));
    ASSERT_TRUE(Click(f->BitBtnLaunch));
    EXPECT_EQ(sim.SimShellCalls().Calls.back().File, "C:\\docs\\r.txt");
    for (TTreeNode* n : {Item(2), Item(3), f->RootTopMarker()}) {
        Select(n);
        EXPECT_FALSE(Click(f->BitBtnLaunch)) << n->Text();
        f->BitBtnLaunchClick(f->BitBtnLaunch);
    }
    EXPECT_EQ(sim.SimShellCalls().Calls.size(), 2u);
}

}  // namespace
}  // namespace pv
