// Drag and drop on the real backend: shortcut files resolved through the shell's link
// object, the tree view's own drag driven by real mouse messages, and files dropped on
// the manager window's tree through a shell drop handle built here.
#include "platform/win32/win32_common.h"

#include <gtest/gtest.h>

#include "tests/win32/win32_manager_fixture.h"

#include <shobjidl.h>

#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/front_form.h"
#include "app/shared_module.h"
#include "controls/application.h"
#include "controls/tree_view.h"
#include "platform/win32/win32_platform.h"
#include "tests/win32/win32_fixture.h"

namespace pv {
namespace {

using Events = std::vector<std::string>;

std::string Point(const std::string& what, TPoint at) {
    return what + " " + std::to_string(at.X) + "," + std::to_string(at.Y);
}

// A form with one tree view, writing down what reaches the tree's sink.
class TreeSink final : public IFormSink, public ITreeViewSink {
public:
    Events Take() { return std::exchange(events_, {}); }
    bool AcceptDrop = true;
    int FilesTaken = 1000;  // files answered true before the sink answers false

    void PeerMouseEnter() override {}
    void PeerEnter() override {}
    void PeerCloseRequested() override {}
    void PeerPlacementChanged(const WindowPlacement&, bool, TSize) override {}
    bool PeerMessage(uint32_t, uintptr_t, intptr_t, intptr_t&) override { return false; }
    void PeerCancelKey() override { events_.push_back("cancel key"); }
    void PeerDefaultKey() override { events_.push_back("default key"); }
    bool PeerShortCut(uint32_t) override { return false; }
    void PeerExpandedChanged(uintptr_t node, bool expanded) override {
        events_.push_back("expanded " + std::to_string(node) + (expanded ? " on" : " off"));
    }
    void PeerSelectionChanged(uintptr_t node) override { events_.push_back("node " + std::to_string(node)); }
    void PeerMouseDown(MouseButton, TPoint at) override { events_.push_back(Point("down", at)); }
    void PeerMouseUp(MouseButton, TPoint at) override { events_.push_back(Point("up", at)); }
    bool PeerDragOver(TPoint at) override {
        events_.push_back(Point(AcceptDrop ? "over" : "refused", at));
        return AcceptDrop;
    }
    void PeerDragDrop(TPoint at) override { events_.push_back(Point("drop", at)); }
    void PeerDragEnd() override { events_.push_back("drag end"); }
    bool PeerFileDropped(const std::string& path, TPoint at) override {
        events_.push_back(Point("file " + path, at));
        return --FilesTaken > 0;
    }

private:
    Events events_;
};

// A shell drop handle as the shell hands it over: DROPFILES, then the wide paths, each
// with its null, and one more null. Whoever receives it frees it with DragFinish.
HDROP MakeDrop(const std::vector<std::wstring>& paths, POINT at) {
    size_t chars = 1;
    for (const std::wstring& p : paths) chars += p.size() + 1;
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + chars * sizeof(wchar_t));
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->pt = at;
    drop->fNC = FALSE;
    drop->fWide = TRUE;
    auto* text = reinterpret_cast<wchar_t*>(reinterpret_cast<char*>(drop) + sizeof(DROPFILES));
    for (const std::wstring& p : paths) {
        std::memcpy(text, p.c_str(), (p.size() + 1) * sizeof(wchar_t));
        text += p.size() + 1;
    }
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

HTREEITEM ItemOfKey(HWND tree, uintptr_t key) {
    struct Walk {
        HWND Tree;
        uintptr_t Key;
        HTREEITEM Find(HTREEITEM item) {
            for (; item; item = TreeView_GetNextSibling(Tree, item)) {
                TVITEMW it{};
                it.mask = TVIF_HANDLE | TVIF_PARAM;
                it.hItem = item;
                SendMessageW(Tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&it));
                if (static_cast<uintptr_t>(it.lParam) == Key) return item;
                if (HTREEITEM below = Find(TreeView_GetChild(Tree, item))) return below;
            }
            return nullptr;
        }
    } walk{tree, key};
    return walk.Find(TreeView_GetRoot(tree));
}

// The middle of an item's label, in the tree's client coordinates.
POINT LabelMiddle(HWND tree, HTREEITEM item) {
    RECT r{};
    TreeView_GetItemRect(tree, item, &r, TRUE);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// ---- shortcut files ----------------------------------------------------------------------

class Win32Shortcuts : public testing::Win32FolderTest {
protected:
    // A shortcut file as the shell's link object saves it.
    void MakeShortcut(const std::string& file, const std::string& target, const std::string& arguments,
                      const std::string& workDir) {
        IShellLinkW* link = nullptr;
        ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                               reinterpret_cast<void**>(&link))));
        link->SetPath(win32::Wide(target).c_str());
        link->SetArguments(win32::Wide(arguments).c_str());
        link->SetWorkingDirectory(win32::Wide(workDir).c_str());
        IPersistFile* persist = nullptr;
        ASSERT_TRUE(SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist))));
        EXPECT_TRUE(SUCCEEDED(persist->Save(win32::Wide(file).c_str(), TRUE)));
        persist->Release();
        link->Release();
    }
};

TEST_F(Win32Shortcuts, AShortcutResolvesToTheLongPathOfItsTargetWithItsArgumentsAndFolder) {
    // A long folder and file name, which the link object hands out in their short form.
    const std::string target = root + "Program Folder With Spaces\\The Long Program Name.exe";
    const std::string work = root + "Working Folder";
    ASSERT_TRUE(platform->Files().ForceDirectories(root + "Program Folder With Spaces"));
    ASSERT_TRUE(platform->Files().ForceDirectories(work));
    platform->Files().WriteAllBytes(target, "MZ");
    wchar_t shortForm[MAX_PATH] = L"";
    ASSERT_GT(GetShortPathNameW(win32::Wide(target).c_str(), shortForm, MAX_PATH), 0u);
    ASSERT_NE(win32::Narrow(shortForm), target) << "the system gives the file a short name";
    const std::string saved[] = {target, win32::Narrow(shortForm)};
    for (const std::string& path : saved) {
        SCOPED_TRACE(path);
        MakeShortcut(root + "Tool.lnk", path, "/open \"a file.txt\" -v", work);
        std::optional<ShortcutInfo> info = platform->Shell().ResolveShortcut(root + "Tool.lnk", 0);
        ASSERT_TRUE(info.has_value());
        EXPECT_EQ(info->Target, target);
        EXPECT_EQ(info->Arguments, "/open \"a file.txt\" -v");
        EXPECT_EQ(info->WorkingDir, work);
    }
}

TEST_F(Win32Shortcuts, WhatIsNoShortcutResolvesToNothing) {
    platform->Files().WriteAllBytes(root + "Fake.lnk", "this is text, not a shell link");
    for (const std::string& file : {root + "Missing.lnk", root + "Fake.lnk"}) {
        EXPECT_FALSE(platform->Shell().ResolveShortcut(file, 0).has_value()) << file;
    }
}

// ---- the tree view's drag ----------------------------------------------------------------

class Win32TreeDrag : public ::testing::Test {
protected:
    void SetUp() override {
        FormParams params;
        params.ClassName = "TDragTestForm";
        params.Caption = "Drag";
        params.Bounds = {40, 40, 440, 440};
        form = platform->UI().CreateFormPeer(sink, params);
        tree = platform->UI().CreateTreeViewPeer(sink, form->Handle());
        tree->SetFont(FontSpec{});
        tree->SetBounds({10, 10, 310, 310});
        tree->SetVisible(true);
        for (uintptr_t key = 1; key <= 3; ++key)
            tree->InsertNode(key, 0, key - 1, TreeNodeState{"node " + std::to_string(key)});
        h = reinterpret_cast<HWND>(tree->Handle());
        sink.Take();
    }
    void TearDown() override {
        if (GetCapture()) ReleaseCapture();
    }
    POINT At(uintptr_t key) { return LabelMiddle(h, ItemOfKey(h, key)); }
    static LPARAM Pos(POINT p) { return MAKELPARAM(p.x, p.y); }
    void Send(UINT msg, POINT p, WPARAM wp = 0) { SendMessageW(h, msg, wp, Pos(p)); }
    static TPoint T(POINT p) { return {p.x, p.y}; }
    static POINT Moved(POINT p, int dx, int dy) { return {p.x + dx, p.y + dy}; }
    uintptr_t DropHighlight() {
        HTREEITEM item = TreeView_GetDropHilight(h);
        if (!item) return 0;
        TVITEMW it{};
        it.mask = TVIF_HANDLE | TVIF_PARAM;
        it.hItem = item;
        SendMessageW(h, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&it));
        return static_cast<uintptr_t>(it.lParam);
    }

    std::unique_ptr<Platform> platform = win32::CreateWin32Platform();
    TreeSink sink;
    std::unique_ptr<IFormPeer> form;
    std::unique_ptr<ITreeViewPeer> tree;
    HWND h = nullptr;
};

TEST_F(Win32TreeDrag, APressSelectsTheNodeAndADragReportsEachMoveThenTheDropThenTheRelease) {
    POINT a = At(1), c = At(3);
    Send(WM_LBUTTONDOWN, a, MK_LBUTTON);
    EXPECT_EQ(sink.Take(), (Events{"node 1", Point("down", T(a))})) << "selected before the press is handed on";
    EXPECT_EQ(GetCapture(), h) << "the release comes to the view wherever it happens";

    tree->BeginDrag(8);
    Send(WM_MOUSEMOVE, Moved(a, 7, 0), MK_LBUTTON);
    Send(WM_MOUSEMOVE, Moved(a, 0, -7), MK_LBUTTON);
    EXPECT_EQ(sink.Take(), Events{}) << "7 pixels are not yet a drag";
    Send(WM_MOUSEMOVE, Moved(a, 8, 0), MK_LBUTTON);
    Send(WM_MOUSEMOVE, c, MK_LBUTTON);
    EXPECT_EQ(sink.Take(), (Events{Point("over", T(Moved(a, 8, 0))), Point("over", T(c))}));
    EXPECT_EQ(DropHighlight(), 3u) << "the node under the pointer is the drop target";
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));

    sink.AcceptDrop = false;
    Send(WM_MOUSEMOVE, Moved(c, 1, 0), MK_LBUTTON);
    EXPECT_EQ(DropHighlight(), 0u);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_NO)) << "the no-drop pointer where refused";
    sink.AcceptDrop = true;
    Send(WM_MOUSEMOVE, c, MK_LBUTTON);
    EXPECT_EQ(DropHighlight(), 3u);
    sink.Take();

    Send(WM_LBUTTONUP, c);
    EXPECT_EQ(sink.Take(), (Events{Point("drop", T(c)), Point("up", T(c))}));
    EXPECT_EQ(DropHighlight(), 0u) << "the highlight goes with the drag";
    EXPECT_NE(GetCapture(), h);
    EXPECT_EQ(TreeView_GetSelection(h), ItemOfKey(h, 1)) << "the selection stays where the press put it";
}

TEST_F(Win32TreeDrag, ADragEndsWithoutADropWhenRefusedCancelledOrNeverStarted) {
    struct Case {
        const char* Why;
        bool Moves;  // the pointer moves past the threshold
        std::function<void(POINT)> End;
        Events Expected;  // after the press and the moves
    };
    auto release = [this](POINT at) { Send(WM_LBUTTONUP, at); };
    const Case cases[] = {
        {"released where refused", true,
         [&](POINT at) {
             sink.AcceptDrop = false;
             Send(WM_MOUSEMOVE, at, MK_LBUTTON);
             sink.Take();
             release(at);
         },
         {"drag end", "up"}},
        {"Escape", true,
         [&](POINT at) {
             EXPECT_TRUE(SendMessageW(h, WM_GETDLGCODE, VK_ESCAPE, 0) & DLGC_WANTALLKEYS)
                 << "the window's Escape button does not take it";
             SendMessageW(h, WM_KEYDOWN, VK_ESCAPE, 0);
             EXPECT_EQ(GetCapture(), h) << "the button is still held; its release comes here";
             Send(WM_MOUSEMOVE, Moved(at, 0, 20), MK_LBUTTON);
             release(at);
         },
         {"drag end", "up"}},
        {"another window takes the mouse", true,
         [&](POINT at) {
             SetCapture(reinterpret_cast<HWND>(form->Handle()));
             ReleaseCapture();
             release(at);
         },
         {"drag end", "up"}},
        {"released before moving 8 pixels", false, release, {"drag end", "up"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Why);
        sink.AcceptDrop = true;
        POINT b = At(2);
        Send(WM_LBUTTONDOWN, b, MK_LBUTTON);
        tree->BeginDrag(8);
        if (c.Moves) Send(WM_MOUSEMOVE, At(3), MK_LBUTTON);
        sink.Take();
        c.End(At(3));
        Events got = sink.Take();
        // The release's point is not the matter here.
        for (std::string& e : got)
            if (e.rfind("up ", 0) == 0) e = "up";
        EXPECT_EQ(got, c.Expected);
        EXPECT_EQ(DropHighlight(), 0u);
        EXPECT_NE(GetCapture(), h);
    }
}

TEST_F(Win32TreeDrag, WithoutAPressNoDragStartsAndAClickReportsPressAndReleaseOnly) {
    tree->BeginDrag(8);
    Send(WM_MOUSEMOVE, At(3), 0);
    EXPECT_EQ(sink.Take(), Events{});
    EXPECT_NE(GetCapture(), h);
    POINT b = At(2);
    Send(WM_LBUTTONDOWN, b, MK_LBUTTON);
    Send(WM_MOUSEMOVE, At(3), MK_LBUTTON);
    Send(WM_LBUTTONUP, At(3));
    EXPECT_EQ(sink.Take(), (Events{"node 2", Point("down", T(b)), Point("up", T(At(3)))}));
    EXPECT_EQ(TreeView_GetSelection(h), ItemOfKey(h, 2));
}

TEST_F(Win32TreeDrag, TheNodeAtAPointIsTheOneWhosePictureOrLabelIsThere) {
    RECT row{};
    TreeView_GetItemRect(h, ItemOfKey(h, 2), &row, TRUE);
    RECT last{};
    TreeView_GetItemRect(h, ItemOfKey(h, 3), &last, FALSE);
    struct Case {
        const char* Where;
        TPoint At;
        uintptr_t Node;
    };
    const Case cases[] = {
        {"the label", {row.left + 2, (row.top + row.bottom) / 2}, 2},
        {"right of the label", {row.right + 20, (row.top + row.bottom) / 2}, 0},
        {"below the last row", {row.left + 2, last.bottom + 10}, 0},
        {"outside the window", {-5, -5}, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(tree->NodeAt(c.At), c.Node) << c.Where;
}

TEST_F(Win32TreeDrag, DroppedFilesReachTheSinkWholeUntilItStopsTakingThem) {
    tree->SetAcceptFiles(true);
    EXPECT_TRUE(GetWindowLongPtrW(h, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    const std::wstring deep = L"C:\\drop\\" + std::wstring(300, L'd') + L"\\end.txt";
    sink.FilesTaken = 2;
    SendMessageW(h, WM_DROPFILES,
                 reinterpret_cast<WPARAM>(MakeDrop({L"C:\\drop\\one.txt", deep, L"C:\\drop\\three.txt"}, {25, 7})), 0);
    EXPECT_EQ(sink.Take(), (Events{"file C:\\drop\\one.txt 25,7", "file " + win32::Narrow(deep) + " 25,7"}));
    tree->SetAcceptFiles(false);
    EXPECT_FALSE(GetWindowLongPtrW(h, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
}

// ---- files dropped on the manager window -------------------------------------------------

using Win32ManagerDrop = testing::Win32ManagerTest;

TEST_F(Win32ManagerDrop, DroppedFilesBecomeLinksAfterTheNodeUnderTheDropPointWithTheirWholePaths) {
    TTreeNode* a = front->AddItem(TItemKind::GeneralLink, "C:\\a.txt", nullptr, ItemImage::Directory, false, "", "A",
                                  "", "");
    front->AddItem(TItemKind::GeneralLink, "C:\\b.txt", nullptr, ItemImage::Directory, false, "", "B", "", "");
    HWND tree = reinterpret_cast<HWND>(front->tvItems->Handle());
    EXPECT_TRUE(GetWindowLongPtrW(tree, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);

    std::string deep = "C:\\Dropped";
    while (deep.size() <= 300) deep += "\\a folder with a rather long name";
    deep += "\\Deep Document.txt";
    const std::string shallow = "C:\\Dropped\\note.txt";
    POINT at = LabelMiddle(tree, ItemOfKey(tree, reinterpret_cast<uintptr_t>(a)));
    SendMessageW(tree, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({win32::Wide(shallow), win32::Wide(deep)}, at)),
                 0);
    Pump();

    std::vector<std::string> level;
    for (TTreeNode* n = a->Parent() ? a->Parent()->GetFirstChild() : front->tvItems->Items().GetFirstNode(); n;
         n = n->GetNextSibling())
        level.push_back(n->Text());
    EXPECT_EQ(level, (std::vector<std::string>{"", "A", "Deep Document", "note", "B"}));
    TTreeNode* added = a->GetNextSibling();
    EXPECT_EQ(front->GetItemPath(static_cast<int>(added->Data())), deep)
        << "the whole path, not its first 255 characters";
    EXPECT_EQ(front->GetItemPath(static_cast<int>(added->GetNextSibling()->Data())), shallow);
    EXPECT_EQ(front->tvItems->Selected(), added);
    EXPECT_EQ(TreeView_GetSelection(tree), ItemOfKey(tree, reinterpret_cast<uintptr_t>(added)));
    // The native tree shows them in the same order.
    HTREEITEM shown = TreeView_GetNextSibling(tree, ItemOfKey(tree, reinterpret_cast<uintptr_t>(a)));
    EXPECT_EQ(shown, ItemOfKey(tree, reinterpret_cast<uintptr_t>(added)));
}

}  // namespace
}  // namespace pv
