// The manager window on the real backend: its native controls exist with the model's
// rectangles and texts, a click on a button's window runs its command, typing into an
// edit reaches its rule, and the native tree's items follow the model through attach,
// delete, cut and paste and moves.
#include "platform/win32/win32_common.h"

#include <gtest/gtest.h>

#include "tests/win32/win32_manager_fixture.h"

#include <algorithm>
#include <string>
#include <vector>

#include "app/front_form.h"
#include "app/shared_module.h"
#include "controls/application.h"
#include "controls/buttons.h"
#include "controls/combo_box.h"
#include "controls/edit.h"
#include "controls/panel.h"
#include "controls/scroll_box.h"
#include "controls/tree_view.h"
#include "platform/win32/win32_platform.h"

namespace pv {
namespace {

class Win32Manager : public testing::Win32ManagerTest {
protected:
    static std::string TextOf(HWND h) {
        wchar_t buffer[512] = {};
        GetWindowTextW(h, buffer, 511);
        return win32::Narrow(buffer);
    }
    // The model's nodes and the native items, in display order of a fully expanded tree:
    // the node key each item carries, and its text.
    std::vector<std::string> ModelOrder() {
        std::vector<std::string> out;
        for (TTreeNode* n = front->tvItems->Items().GetFirstNode(); n; n = n->GetNext())
            out.push_back(std::to_string(reinterpret_cast<uintptr_t>(n)) + ":" + std::string(n->Level(), '>') + n->Text());
        return out;
    }
    std::vector<std::string> NativeOrder() {
        std::vector<std::string> out;
        HWND tree = Hwnd(front->tvItems);
        struct Walk {
            HWND Tree;
            std::vector<std::string>& Out;
            void Items(HTREEITEM item, int level) {
                for (; item; item = TreeView_GetNextSibling(Tree, item)) {
                    wchar_t text[256] = {};
                    TVITEMW it{};
                    it.mask = TVIF_TEXT | TVIF_PARAM | TVIF_HANDLE;
                    it.hItem = item;
                    it.pszText = text;
                    it.cchTextMax = 255;
                    SendMessageW(Tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&it));
                    Out.push_back(std::to_string(static_cast<uintptr_t>(it.lParam)) + ":" + std::string(level, '>') +
                                  win32::Narrow(text));
                    Items(TreeView_GetChild(Tree, item), level + 1);
                }
            }
        } walk{tree, out};
        walk.Items(TreeView_GetRoot(tree), 0);
        return out;
    }
    void Select(TTreeNode* node) { front->tvItems->SetSelected(node); }
    void Click(const TControl* button) {
        SendMessageW(Hwnd(button), BM_CLICK, 0, 0);
        Pump();
    }
};

TEST_F(Win32Manager, EveryControlHasAWindowWithTheModelsRectangleAndText) {
    int checked = 0;
    for (int i = 0; i < front->ComponentCount(); ++i) {
        auto* c = dynamic_cast<TControl*>(front->Components(i));
        if (!c || c == front || !c->HasPeer()) continue;
        HWND h = Hwnd(c);
        ASSERT_TRUE(IsWindow(h)) << c->Name();
        EXPECT_EQ(GetParent(h), Hwnd(c->Parent())) << c->Name();
        RECT r{};
        GetWindowRect(h, &r);
        MapWindowPoints(nullptr, GetParent(h), reinterpret_cast<POINT*>(&r), 2);
        TRect b = c->BoundsRect();
        EXPECT_EQ(r.left, b.Left) << c->Name();
        EXPECT_EQ(r.top, b.Top) << c->Name();
        EXPECT_EQ(r.right - r.left, b.Width()) << c->Name();
        // A drop-down list's window reaches below its field, for the list.
        if (!dynamic_cast<TComboBox*>(c)) {
            EXPECT_EQ(r.bottom - r.top, b.Height()) << c->Name();
        }
        EXPECT_EQ(IsWindowEnabled(h) != 0, c->Enabled()) << c->Name();
        if (dynamic_cast<TButton*>(c) || dynamic_cast<TEdit*>(c)) {
            EXPECT_EQ(TextOf(h), c->Text()) << c->Name();
        }
        ++checked;
    }
    EXPECT_GT(checked, 40);
    RECT client{};
    GetClientRect(Hwnd(front), &client);
    EXPECT_EQ(client.right, front->ClientWidth());
    EXPECT_EQ(client.bottom, front->ClientHeight());
    EXPECT_EQ(front->ClientWidth(), 776);
    // The designed client height, unless the system's frame is so thin that the window's
    // minimum height of 630 gives more.
    RECT outer{};
    GetWindowRect(Hwnd(front), &outer);
    int frame = (outer.bottom - outer.top) - client.bottom;
    EXPECT_EQ(front->ClientHeight(), std::max(594, 630 - frame));
}

TEST_F(Win32Manager, AClickOnAButtonsWindowRunsItsCommand) {
    Select(front->RootTopMarker());
    SendMessageW(Hwnd(front->rbSeparator), BM_CLICK, 0, 0);
    Pump();
    EXPECT_TRUE(front->rbSeparator->Checked());
    EXPECT_FALSE(front->rbFile->Checked());
    EXPECT_NE(SendMessageW(Hwnd(front->rbSeparator), BM_GETCHECK, 0, 0), 0);
    EXPECT_EQ(SendMessageW(Hwnd(front->rbFile), BM_GETCHECK, 0, 0), 0);
    Click(front->BitBtnAttach);
    TTreeNode* added = front->RootTopMarker()->GetNextSibling();
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->Text(), kNormalSeparatorText);
    EXPECT_EQ(front->tvItems->Selected(), added);
    EXPECT_EQ(NativeOrder(), ModelOrder());
}

TEST_F(Win32Manager, TypingIntoTheCaptionFieldRenamesTheFolderAndRefusesIllegalNames) {
    Select(front->RootTopMarker());
    front->rbFolder->SetChecked(true);
    Click(front->BitBtnAttach);
    TTreeNode* folder = front->tvItems->Selected();
    ASSERT_TRUE(TFormFront::IsFolderNode(folder));
    HWND edit = Hwnd(front->edtFileCap);
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"Games|"));
    Pump();
    EXPECT_EQ(folder->Text(), "Games") << "the delimiter is removed";
    EXPECT_EQ(TextOf(edit), "Games");
    DWORD caret = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&caret), 0);
    EXPECT_EQ(caret, 5u) << "the caret stays at the end of what was typed";
    EXPECT_EQ(NativeOrder(), ModelOrder());
}

TEST_F(Win32Manager, TheNativeTreeFollowsAttachDeleteCutPasteAndMoves) {
    TTreeNodes& items = front->tvItems->Items();
    Select(front->RootTopMarker());
    front->rbFolder->SetChecked(true);
    Click(front->BitBtnAttach);
    TTreeNode* folder = front->tvItems->Selected();
    front->rbSeparator->SetChecked(true);
    Click(front->BitBtnAttach);
    Click(front->BitBtnAttach);
    TTreeNode* link = front->AddItem(TItemKind::GeneralLink, "C:\\windows\\win.ini", nullptr, ItemImage::Directory,
                                     false, "", "Settings", "", "");
    EXPECT_EQ(NativeOrder(), ModelOrder());

    Select(link);
    Click(front->BitBtnMoveUp);
    EXPECT_EQ(link->GetPrevSibling()->Text(), kNormalSeparatorText);
    EXPECT_EQ(front->tvItems->Selected(), link);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(TreeView_GetSelection(Hwnd(front->tvItems))) != 0, true);
    EXPECT_EQ(NativeOrder(), ModelOrder());

    Click(front->BitBtnCut);
    TVITEMW state{};
    state.mask = TVIF_STATE | TVIF_HANDLE;
    state.hItem = TreeView_GetSelection(Hwnd(front->tvItems));
    state.stateMask = TVIS_CUT;
    SendMessageW(Hwnd(front->tvItems), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&state));
    EXPECT_TRUE(state.state & TVIS_CUT) << "the cut link is ghosted";
    Select(folder->GetFirstChild());
    Click(front->BitBtnPaste);
    EXPECT_EQ(link->Parent(), folder);
    EXPECT_FALSE(link->Cut());
    EXPECT_EQ(NativeOrder(), ModelOrder());

    Select(folder);
    Click(front->BitBtnDelete);
    EXPECT_EQ(items.Count(), 3) << "the marker and two separators are left";
    EXPECT_EQ(NativeOrder(), ModelOrder());
}

TEST_F(Win32Manager, ANodeWithoutPictureReachesTheNativeItemWithoutOne) {
    TTreeNode* bare = front->tvItems->Items().Add(nullptr, "bare");
    bare->SetImageIndex(-1);
    bare->SetSelectedIndex(-1);
    TVITEMW it{};
    it.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_HANDLE;
    HWND tree = Hwnd(front->tvItems);
    it.hItem = TreeView_GetNextSibling(tree, TreeView_GetRoot(tree));
    SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&it));
    EXPECT_NE(it.iImage, I_IMAGECALLBACK);
    EXPECT_NE(it.iSelectedImage, I_IMAGECALLBACK);
    EXPECT_EQ(SendMessageW(tree, TVM_GETINDENT, 0, 0), 21);
}

}  // namespace
}  // namespace pv
