// Drag and drop in the manager window's tree: the press, hold and move that start a drag,
// what may be dropped where, folders opening under a resting pointer, and links made from
// files, folders and shortcuts dropped from the shell. Every gesture is the user's on the
// tree's native control, in virtual time.
#include <string>
#include <vector>

#include "controls/edit.h"
#include "controls/image_list.h"
#include "controls/timer.h"
#include "controls/tree_view.h"
#include "platform/sim/sim_edit.h"
#include "platform/sim/sim_tree_view.h"
#include "tests/app/manager_fixture.h"
#include "util/bitmap.h"
#include "util/exception.h"
#include "util/paths.h"

namespace pv {
namespace {

const std::string kDashes = "---------------";
using testing::Key;
TBitmap32 Solid(uint32_t argb) { return TBitmap32::Create(16, 16, argb); }

class ManagerDragDropTest : public testing::ManagerTest {
protected:
    // The captions of a level after its top marker, in the model and on the screen alike.
    std::vector<std::string> Level(TTreeNode* folder = nullptr) {
        std::vector<std::string> model, shown;
        for (TTreeNode* n = Marker(folder)->GetNextSibling(); n; n = n->GetNextSibling()) model.push_back(n->Text());
        const std::vector<uintptr_t>& kids = Tree()->Children[Key(folder)];
        for (size_t i = 1; i < kids.size(); ++i) shown.push_back(Tree()->Nodes[kids[i]].State.Text);
        EXPECT_EQ(shown, model) << "the native tree follows the model";
        return model;
    }
    TPoint At(const TTreeNode* node) {
        TPoint p = Tree()->PointOf(Key(node));
        EXPECT_GE(p.Y, 0) << node->Text() << " is not shown";
        return p;
    }
    // Below the last row, where no node is.
    TPoint Empty() { return {40, static_cast<int>(Tree()->VisibleRows().size()) * 16 + 30}; }

    // The user's hand on the tree.
    void Press(TPoint at, MouseButton button = MouseButton::Left) { Tree()->UserMouseDown(at, button); }
    void MoveTo(TPoint at) { Tree()->UserMouseMove(at); }
    void Release() { Tree()->UserMouseUp(); }
    // Presses on a node, holds the button past the drag delay and moves the 8 pixels that
    // start the drag (sideways, within the node's row).
    void StartDrag(TTreeNode* node) {
        TPoint at = At(node);
        Press(at);
        sim.Advance(150);
        MoveTo({at.X + 8, at.Y});
        ASSERT_TRUE(Tree()->Dragging) << "the drag of " << node->Text() << " started";
    }
    void DragOnto(TTreeNode* node, TTreeNode* target) {
        StartDrag(node);
        MoveTo(At(target));
        Release();
    }
    int DropFiles(const std::vector<std::string>& paths, TPoint at) { return Tree()->UserDropFiles(paths, at); }

    void ExpectSelected(TTreeNode* node) {
        EXPECT_EQ(f->tvItems->Selected(), node);
        EXPECT_EQ(Tree()->Selected, Key(node)) << "the native tree shows the same selection";
        EXPECT_EQ(sim.SimUI().Control<sim::SimEdit>(f->edtFileCap->Handle())->Text, node ? node->Text() : "")
            << "the editor shows it";
    }

};

const char* const kThreeLinks =
    "^UnkLnk|C:\\a.txt|txt|A|\r\n"
    "^UnkLnk|C:\\b.txt|txt|B|\r\n"
    "^UnkLnk|C:\\c.txt|txt|C|\r\n";

// ---- the gesture -------------------------------------------------------------------------

TEST_F(ManagerDragDropTest, TheTreeTakesShellDropsAlsoAfterItsNativeControlIsMadeAgain) {
    StartWith(kThreeLinks);
    EXPECT_TRUE(Tree()->AcceptFiles);
    f->tvItems->DestroyPeer();
    f->tvItems->CreatePeer(f->Handle());
    EXPECT_TRUE(Tree()->AcceptFiles);
}

TEST_F(ManagerDragDropTest, AShortPressIsAClickAndALongerOneDragsOnceThePointerHasMovedEightPixels) {
    StartWith(kThreeLinks);
    TTreeNode* a = Item(0);
    TPoint at = At(a);

    Press(at);
    ExpectSelected(a);
    EXPECT_TRUE(f->TimerDrag->Enabled());
    sim.Advance(149);
    Release();
    EXPECT_FALSE(f->TimerDrag->Enabled());
    sim.Advance(1000);
    MoveTo({at.X + 30, At(Item(2)).Y});
    EXPECT_FALSE(Tree()->DragArmed) << "a click starts no drag";
    EXPECT_FALSE(Tree()->Dragging);

    Press(at);
    sim.Advance(150);
    EXPECT_TRUE(Tree()->DragArmed);
    EXPECT_FALSE(f->TimerDrag->Enabled()) << "the drag timer fires once";
    MoveTo({at.X + 7, at.Y});
    MoveTo({at.X, at.Y - 7});
    EXPECT_FALSE(Tree()->Dragging) << "7 pixels are not yet a drag";
    MoveTo({at.X - 8, at.Y});
    EXPECT_TRUE(Tree()->Dragging);
    EXPECT_TRUE(Tree()->DropAccepted);
    EXPECT_EQ(Tree()->DropTarget, Key(a)) << "the node under the pointer is highlighted";
    EXPECT_FALSE(Tree()->NoDropPointer);
    Release();
    EXPECT_FALSE(Tree()->Dragging);
    EXPECT_EQ(Tree()->DropTarget, 0u) << "the highlight goes with the drag";
    EXPECT_EQ(Level(), (std::vector<std::string>{"A", "B", "C"})) << "a node dropped on itself stays";
    ExpectSelected(a);
}

TEST_F(ManagerDragDropTest, OnlyALeftPressOnANodeOtherThanATopMarkerPreparesADrag) {
    StartWith(kThreeLinks);
    struct Case {
        const char* Where;
        TPoint At;
        MouseButton Button;
        TTreeNode* Selects;
    };
    const Case cases[] = {
        {"the root top marker", At(f->RootTopMarker()), MouseButton::Left, f->RootTopMarker()},
        {"empty space", Empty(), MouseButton::Left, f->RootTopMarker()},
        {"a link, with the right button", At(Item(1)), MouseButton::Right, Item(1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Where);
        Press(c.At, c.Button);
        EXPECT_FALSE(f->TimerDrag->Enabled());
        ExpectSelected(c.Selects);
        sim.Advance(500);
        MoveTo({c.At.X + 20, c.At.Y + 20});
        EXPECT_FALSE(Tree()->Dragging);
        Release();
        EXPECT_EQ(Level(), (std::vector<std::string>{"A", "B", "C"}));
    }
}

TEST_F(ManagerDragDropTest, ADraggedLinkLandsDirectlyAfterTheNodeItIsDroppedOn) {
    struct Case {
        const char* Dragged;
        const char* Onto;  // "" for the root top marker
        std::vector<std::string> Level;
    };
    const Case cases[] = {
        {"A", "B", {"B", "A", "C"}},  // onto the next node: the two change places
        {"B", "A", {"A", "B", "C"}},  // onto its predecessor: nothing changes
        {"A", "C", {"B", "C", "A"}},
        {"C", "", {"C", "A", "B"}},   // onto the top marker: first of the level
        {"C", "A", {"A", "C", "B"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Dragged) + " onto " + (*c.Onto ? c.Onto : "the top marker"));
        StartWith(kThreeLinks);
        TTreeNode* dragged = Find(c.Dragged);
        DragOnto(dragged, *c.Onto ? Find(c.Onto) : f->RootTopMarker());
        EXPECT_EQ(Level(), c.Level);
        ExpectSelected(dragged);
        EXPECT_EQ(f->edtFileType->Text(), "Viewable");
    }
}

TEST_F(ManagerDragDropTest, ALinkHeldOverACollapsedFolderOpensItAndDropsFirstIntoItOnItsTopMarker) {
    PutLevel("Games\\", "^UnkLnk|C:\\y.txt|txt|Y|\r\n");
    StartWith("^UnkLnk|C:\\l.txt|txt|L|\r\n^Folder|Games\r\n^UnkLnk|C:\\m.txt|txt|M|\r\n");
    TTreeNode* l = Item(0);
    TTreeNode* games = Item(1);
    TTreeNode* m = Item(2);
    StartDrag(l);

    // Resting shorter than 400 ms opens nothing, and moving off the folder starts over.
    MoveTo(At(games));
    EXPECT_TRUE(Tree()->DropAccepted);
    EXPECT_EQ(Tree()->DropTarget, Key(games));
    sim.Advance(399);
    EXPECT_FALSE(games->Expanded());
    MoveTo(At(m));
    sim.Advance(1000);
    EXPECT_FALSE(games->Expanded());
    EXPECT_FALSE(f->TimerExpand->Enabled()) << "a link is not a folder to open";

    MoveTo(At(games));
    sim.Advance(400);
    EXPECT_TRUE(games->Expanded());
    EXPECT_TRUE(Tree()->Nodes[Key(games)].Expanded);
    ExpectSelected(games);
    EXPECT_FALSE(f->TimerExpand->Enabled());

    MoveTo(At(Marker(games)));
    EXPECT_TRUE(Tree()->DropAccepted);
    Release();
    EXPECT_EQ(Level(games), (std::vector<std::string>{"L", "Y"}));
    EXPECT_EQ(Level(), (std::vector<std::string>{"Games", "M"}));
    ExpectSelected(l);
}

TEST_F(ManagerDragDropTest, AFolderIsRefusedBelowItselfAndInALevelHoldingItsNamesake) {
    PutLevel("Tools\\", "^UnkLnk|C:\\t.txt|txt|T|\r\n");
    PutLevel("Seps\\", "^SpeSep|tools\r\n");
    PutLevel("Links\\", "^UnkLnk|C:\\x.txt|txt|tools|\r\n");
    struct Case {
        const char* Why;
        const char* Folder;  // the level the target is in
        const char* Target;
        bool Allowed;
    };
    const Case cases[] = {
        {"onto a node inside itself", "Tools", "T", false},
        {"onto its own top marker", "Tools", "", false},
        {"beside a special separator \"--tools--\"", "Seps", "--tools--", true},
        {"beside a link captioned \"tools\"", "Links", "tools", false},
        {"to the top of a level holding \"tools\"", "Links", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Why);
        StartWith("^Folder|Tools\r\n^Folder|Seps\r\n^Folder|Links\r\n");
        TTreeNode* tools = Item(0);
        TTreeNode* level = Find(c.Folder);
        level->Expand();
        TTreeNode* target = *c.Target ? Find(c.Target) : Marker(level);
        StartDrag(tools);
        MoveTo(At(target));
        EXPECT_EQ(Tree()->DropAccepted, c.Allowed);
        EXPECT_EQ(Tree()->NoDropPointer, !c.Allowed);
        EXPECT_EQ(Tree()->DropTarget, c.Allowed ? Key(target) : 0u);
        Release();
        EXPECT_EQ(tools->Parent(), c.Allowed ? level : nullptr);
        if (c.Allowed) {
            EXPECT_EQ(tools->GetPrevSibling(), target);
        } else {
            EXPECT_EQ(Level(), (std::vector<std::string>{"Tools", "Seps", "Links"})) << "nothing changes";
        }
        EXPECT_TRUE(sim.SimUI().Dialogs.empty()) << "a refusal is silent";
    }
}

TEST_F(ManagerDragDropTest, OverEmptySpaceADropIsTakenAndDoesNothing) {
    StartWith(kThreeLinks);
    StartDrag(Item(0));
    MoveTo(Empty());
    EXPECT_TRUE(Tree()->DropAccepted);
    EXPECT_EQ(Tree()->DropTarget, 0u);
    Release();
    EXPECT_EQ(Level(), (std::vector<std::string>{"A", "B", "C"}));
}

TEST_F(ManagerDragDropTest, TheNodesAroundAFolderAreRepaintedAtMostTenTimesPerPress) {
    PutLevel("Games\\", "^UnkLnk|C:\\y.txt|txt|Y|\r\n");
    StartWith("^UnkLnk|C:\\l.txt|txt|L|\r\n^Folder|Games\r\n^UnkLnk|C:\\m.txt|txt|M|\r\n");
    TTreeNode* games = Item(1);
    TTreeNode* marker = Marker(games);
    TTreeNode* m = Item(2);
    // Each repaint changes a node's look four times: picture and caption away and back.
    auto repaints = [&](TTreeNode* n) { return Tree()->Updates[Key(n)] / 4; };
    for (int press = 0; press < 2; ++press) {
        SCOPED_TRACE(press);
        int markerBefore = repaints(marker), mBefore = repaints(m);
        StartDrag(Item(0));
        TPoint over = At(games);
        MoveTo(over);  // starts the expand timer
        for (int i = 1; i <= 12; ++i) MoveTo({over.X + i, over.Y});
        EXPECT_EQ(repaints(marker) - markerBefore, 10) << "the first child, the folder's top marker";
        EXPECT_EQ(repaints(m) - mBefore, 10) << "the next sibling";
        MoveTo(Empty());
        Release();
    }
    EXPECT_EQ(Level(), (std::vector<std::string>{"L", "Games", "M"}));
    EXPECT_EQ(marker->Text(), "");
    EXPECT_EQ(marker->ImageIndex(), 4);
    EXPECT_EQ(m->Text(), "M");
    EXPECT_EQ(Tree()->Nodes[Key(m)].State.Text, "M");
    EXPECT_EQ(Tree()->Nodes[Key(m)].State.ImageIndex, m->ImageIndex()) << "they look as before";
}

TEST_F(ManagerDragDropTest, ANodeThatLeavesTheTreeDuringADragIsNotMoved) {
    StartWith(kThreeLinks);
    TTreeNode* a = Item(0);
    StartDrag(a);
    f->BitBtnDeleteClick(nullptr);  // the selected node, A, as the Delete key would
    MoveTo(At(Find("C")));
    EXPECT_FALSE(Tree()->DropAccepted) << "nothing is dragged any more";
    Release();
    EXPECT_EQ(Level(), (std::vector<std::string>{"B", "C"}));
}

// ---- files dropped from the shell --------------------------------------------------------

struct DropCase {
    const char* Why;
    const char* Dropped;
    bool Folder;            // the dropped path is a directory
    const char* Target;     // the shortcut's target, when the dropped file is a resolving shortcut
    const char* Arguments;  // and its arguments and working folder
    const char* WorkDir;
    const char* Caption;
    const char* Path;
    const char* Params;
    const char* LinkWorkDir;
    const char* Entries;
    const char* IconOf;  // the file whose icon the link shows; "" for the directory picture
};

TEST_F(ManagerDragDropTest, ADroppedFileBecomesALinkDirectlyAfterTheNodeUnderThePoint) {
    StartWith(kThreeLinks);
    const std::string system = sim.System().SystemFolder();
    const std::string control = system + "\\control.exe";
    const std::string desk = system + "\\desk.cpl";
    const DropCase cases[] = {
        {"a shortcut to a program", "C:\\Desktop\\Notepad.lnk", false, "C:\\Windows\\notepad.exe", "/w a.txt",
         "C:\\Work", "Notepad", "C:\\Windows\\notepad.exe", "/w a.txt", "C:\\Work", "PWSR", "C:\\Windows\\notepad.exe"},
        {"a shortcut to a document", "C:\\Desktop\\Report.lnk", false, "C:\\Docs\\report.doc", "-x", "C:\\Docs",
         "Report", "C:\\Docs\\report.doc", "", "", "S", "C:\\Docs\\report.doc"},
        {"a shortcut to a folder", "C:\\Desktop\\Data.lnk", false, "C:\\Data", "", "", "Data", "C:\\Data", "", "", "S",
         ""},
        {"a shortcut to a control-panel file in capitals", "C:\\Desktop\\Display.lnk", false,
         "C:\\Windows\\System32\\DESK.CPL", "@0", "", "Display", "C:\\Windows\\System32\\DESK.CPL", "@0", "", "PWSR",
         "C:\\Windows\\System32\\DESK.CPL"},
        {"a shortcut to a control-panel file", "C:\\Desktop\\Panel.lnk", false, "C:\\Program Files\\P\\panel.cpl",
         "-ignored", "C:\\P", "Panel", control.c_str(), "\"C:\\Program Files\\P\\panel.cpl\"", "C:\\P", "PWSR",
         control.c_str()},
        {"a shortcut that does not resolve", "C:\\Desktop\\Broken.lnk", false, nullptr, "", "", "Broken",
         "C:\\Desktop\\Broken.lnk", "", "", "S", "C:\\Desktop\\Broken.lnk"},
        {"a control-panel file", desk.c_str(), false, nullptr, "", "", "desk", control.c_str(), desk.c_str(), "",
         "PWSR", control.c_str()},
        {"a control-panel file with a space in its path", "C:\\Program Files\\P\\panel.cpl", false, nullptr, "", "",
         "panel", control.c_str(), "\"C:\\Program Files\\P\\panel.cpl\"", "", "PWSR", control.c_str()},
        {"a script in capitals", "C:\\Tools\\RUN.BAT", false, nullptr, "", "", "RUN", "C:\\Tools\\RUN.BAT", "", "",
         "PWSR", "C:\\Tools\\RUN.BAT"},
        {"a folder", "C:\\Data", true, nullptr, "", "", "Data", "C:\\Data", "", "", "S", ""},
        {"a folder whose name has an extension", "C:\\Work\\my.project", true, nullptr, "", "", "my",
         "C:\\Work\\my.project", "", "", "S", "C:\\Work\\my.project"},
    };
    uint32_t colour = 0xFF200000;
    for (const DropCase& c : cases) {
        if (c.Folder) {
            sim.Files().ForceDirectories(c.Dropped);
        } else {
            Put(c.Dropped, "");
        }
        if (c.Target) {
            sim.SimShellCalls().SetShortcut(c.Dropped, ShortcutInfo{c.Target, c.Arguments, c.WorkDir});
            if (ExtractFileExt(c.Target).empty())
                sim.Files().ForceDirectories(c.Target);
            else
                Put(c.Target, "");
        }
    }
    Put(control, "");
    for (const DropCase& c : cases) {
        SCOPED_TRACE(c.Why);
        colour += 0x10;
        if (*c.IconOf) sim.SimShellCalls().SetFileIcon(c.IconOf, Solid(colour));
        int id = f->NextItemId;
        int icons = f->AddedIconCount;
        size_t queries = sim.SimShellCalls().IconQueries.size();
        TTreeNode* b = Find("B");
        EXPECT_EQ(DropFiles({c.Dropped}, At(b)), 1);

        TTreeNode* added = b->GetNextSibling();
        ASSERT_NE(added, nullptr);
        EXPECT_EQ(added->Parent(), nullptr);
        ExpectSelected(added);
        EXPECT_EQ(added->Text(), c.Caption);
        EXPECT_EQ(added->Data(), id);
        EXPECT_EQ(f->NextItemId, id + 1);
        EXPECT_EQ(f->GetItemPath(id), c.Path);
        EXPECT_EQ(f->GetItemParams(id), c.Params);
        EXPECT_EQ(f->GetItemWorkDir(id), c.LinkWorkDir);
        EXPECT_EQ(f->GetItemWindowState(id), "");
        EXPECT_FALSE(f->GetItemRunAs(id));
        EXPECT_EQ(EntriesOf(id), c.Entries);
        if (*c.IconOf) {
            EXPECT_EQ(f->AddedIconCount, icons + 1);
            EXPECT_EQ(added->ImageIndex(), f->AddedMarker + f->AddedIconCount);
            EXPECT_EQ(f->ilPublicPM->Image(added->ImageIndex()), Solid(colour));
            ASSERT_EQ(sim.SimShellCalls().IconQueries.size(), queries + 1);
            EXPECT_EQ(sim.SimShellCalls().IconQueries.back(), c.IconOf);
        } else {
            EXPECT_EQ(added->ImageIndex(), 5) << "the directory picture";
            EXPECT_EQ(f->AddedIconCount, icons);
            EXPECT_EQ(sim.SimShellCalls().IconQueries.size(), queries) << "no icon is extracted";
        }
        EXPECT_EQ(added->SelectedIndex(), added->ImageIndex());
        EXPECT_EQ(Tree()->Nodes[Key(added)].State.ImageIndex, added->ImageIndex());
    }
    EXPECT_TRUE(sim.SimUI().Dialogs.empty());
}

TEST_F(ManagerDragDropTest, FilesDroppedTogetherLandAfterTheTargetInTheReverseOfTheShellsOrder) {
    StartWith(kThreeLinks);
    for (const char* p : {"C:\\x\\one.txt", "C:\\x\\two.txt", "C:\\x\\three.txt"}) Put(p, "");
    EXPECT_EQ(DropFiles({"C:\\x\\one.txt", "C:\\x\\two.txt", "C:\\x\\three.txt"}, At(Item(0))), 3);
    EXPECT_EQ(Level(), (std::vector<std::string>{"A", "three", "two", "one", "B", "C"}));
    ExpectSelected(Find("three"));
    EXPECT_EQ(f->GetItemPath(Id(Find("one"))), "C:\\x\\one.txt") << "ids in the shell's order";
    EXPECT_EQ(Id(Find("one")) + 2, Id(Find("three")));
}

TEST_F(ManagerDragDropTest, ADropBelowTheLastNodeGoesFirstIntoTheLevelOfTheSelectedNode) {
    PutLevel("Games\\", "^UnkLnk|C:\\y.txt|txt|Y|\r\n^UnkLnk|C:\\z.txt|txt|Z|\r\n");
    Put("C:\\x\\new.txt", "");
    struct Case {
        const char* Selected;  // "" for nothing
        const char* Level;     // "" for the root level
        std::vector<std::string> Expected;
    };
    const Case cases[] = {
        {"Z", "Games", {"new", "Y", "Z"}},
        {"Games", "", {"new", "A", "Games"}},
        {"", "", {"new", "A", "Games"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(*c.Selected ? c.Selected : "nothing selected");
        StartWith("^UnkLnk|C:\\a.txt|txt|A|\r\n^Folder|Games\r\n");
        TTreeNode* games = Find("Games");
        games->Expand();
        if (*c.Selected) Press(At(Find(c.Selected)));
        Release();
        EXPECT_EQ(DropFiles({"C:\\x\\new.txt"}, Empty()), 1);
        EXPECT_EQ(Level(*c.Level ? games : nullptr), c.Expected);
        ExpectSelected(Find("new"));
    }
}

TEST_F(ManagerDragDropTest, ADropWithNoPlaceToGoShowsAnErrorAndAddsNothing) {
    StartWith(kThreeLinks);
    Put("C:\\x\\new.txt", "");
    f->tvItems->Items().Clear();
    size_t paths = f->ItemPaths.size();
    int icons = f->AddedIconCount;
    sim.SimUI().ExpectMessageDialog("You can not drop items on following type: \"Program item\"", ModalResult::Ok);
    EXPECT_EQ(DropFiles({"C:\\x\\new.txt"}, {10, 10}), 1);
    ASSERT_EQ(sim.SimUI().Dialogs.size(), 1u);
    EXPECT_EQ(sim.SimUI().Dialogs[0].Kind, MsgDlgType::Error);
    ASSERT_EQ(sim.SimUI().Dialogs[0].Buttons.size(), 1u);
    EXPECT_EQ(f->tvItems->Items().Count(), 0);
    EXPECT_EQ(f->ItemPaths.size(), paths);
    EXPECT_EQ(f->AddedIconCount, icons);
}

// ---- the tree view's side ----------------------------------------------------------------

TEST_F(ManagerDragDropTest, AHandlerThatUnassignsItselfLeavesTheFilesThatFollowUnread) {
    StartWith(kThreeLinks);
    std::vector<std::string> seen;
    f->tvItems->OnDropFiles = [&](TComponent*, const std::string& path, TPoint) {
        seen.push_back(path);
        if (seen.size() == 2) f->tvItems->OnDropFiles = nullptr;
    };
    EXPECT_EQ(DropFiles({"C:\\1", "C:\\2", "C:\\3"}, At(Item(0))), 2);
    EXPECT_EQ(seen, (std::vector<std::string>{"C:\\1", "C:\\2"}));
    EXPECT_EQ(DropFiles({"C:\\4"}, At(Item(0))), 1) << "without a handler the first file is refused";
    EXPECT_EQ(seen.size(), 2u);
}

TEST_F(ManagerDragDropTest, AFailingDragHandlerIsReportedAndRefusesTheDrop) {
    StartWith(kThreeLinks);
    f->tvItems->OnDragOver = [](TComponent*, TPoint, bool&) { throw EInvalidOperation("over failed"); };
    // Once where the drag starts, once over C.
    sim.SimUI().ExpectMessageDialog("over failed", ModalResult::No);
    sim.SimUI().ExpectMessageDialog("over failed", ModalResult::No);
    StartDrag(Item(0));
    MoveTo(At(Item(2)));
    EXPECT_FALSE(Tree()->DropAccepted);
    EXPECT_TRUE(Tree()->NoDropPointer);
    Release();
    EXPECT_EQ(Level(), (std::vector<std::string>{"A", "B", "C"}));
}

}  // namespace
}  // namespace pv
