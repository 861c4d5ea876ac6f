// The tree view's native peer: a SysTreeView32 whose items carry the model's node keys.
#include "platform/win32/win32_control.h"
#include "platform/win32/win32_ui.h"

#include <unordered_map>

namespace pv::win32 {

namespace {

class Win32TreeViewPeer final : public Win32ChildPeer<ITreeViewPeer> {
public:
    Win32TreeViewPeer(ITreeViewSink& sink, HWND parent) : Win32ChildPeer(sink), sink_(sink) {
        Attach(CreateChild(WC_TREEVIEWW, L"",
                           WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                           WS_EX_CLIENTEDGE, parent));
    }
    void InsertNode(uintptr_t node, uintptr_t parent, uintptr_t after, const TreeNodeState& s) override {
        TVINSERTSTRUCTW ins{};
        ins.hParent = parent ? Item(parent) : TVI_ROOT;
        ins.hInsertAfter = after ? Item(after) : TVI_FIRST;
        std::wstring text = Wide(s.Text);
        ins.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE | TVIF_PARAM;
        ins.item.pszText = text.data();
        ins.item.iImage = Picture(s.ImageIndex);
        ins.item.iSelectedImage = Picture(s.SelectedIndex);
        ins.item.stateMask = TVIS_CUT;
        ins.item.state = s.Cut ? TVIS_CUT : 0;
        ins.item.lParam = static_cast<LPARAM>(node);
        Quiet q(*this);
        HTREEITEM h = reinterpret_cast<HTREEITEM>(SendMessageW(hwnd_, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)));
        if (h) items_[node] = h;
    }
    void UpdateNode(uintptr_t node, const TreeNodeState& s) override {
        HTREEITEM h = Item(node);
        if (!h) return;
        std::wstring text = Wide(s.Text);
        TVITEMW it{};
        it.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE;
        it.hItem = h;
        it.pszText = text.data();
        it.iImage = Picture(s.ImageIndex);
        it.iSelectedImage = Picture(s.SelectedIndex);
        it.stateMask = TVIS_CUT;
        it.state = s.Cut ? TVIS_CUT : 0;
        Quiet q(*this);
        SendMessageW(hwnd_, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&it));
    }
    void DeleteNode(uintptr_t node) override {
        HTREEITEM h = Item(node);
        if (!h) return;
        Forget(h);
        Quiet q(*this);
        SendMessageW(hwnd_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(h));
    }
    void Clear() override {
        Quiet q(*this);
        SendMessageW(hwnd_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
        items_.clear();
    }
    void SetExpanded(uintptr_t node, bool expanded) override {
        if (HTREEITEM h = Item(node)) {
            Quiet q(*this);
            SendMessageW(hwnd_, TVM_EXPAND, expanded ? TVE_EXPAND : TVE_COLLAPSE, reinterpret_cast<LPARAM>(h));
        }
    }
    void SelectNode(uintptr_t node) override {
        Quiet q(*this);
        SendMessageW(hwnd_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node ? Item(node) : nullptr));
    }
    uintptr_t NodeAt(TPoint) override { return 0; }
    void BeginDrag(int) override {}
    void SetAcceptFiles(bool) override {}
    void SetImageList(NativeHandle imageList) override {
        SendMessageW(hwnd_, TVM_SETIMAGELIST, TVSIL_NORMAL, static_cast<LPARAM>(imageList));
    }
    void SetIndent(int pixels) override { SendMessageW(hwnd_, TVM_SETINDENT, static_cast<WPARAM>(pixels), 0); }
    void SetRedraw(bool redraw) override {
        SendMessageW(hwnd_, WM_SETREDRAW, redraw, 0);
        // The view painted nothing meanwhile; what changed shows now.
        if (redraw) InvalidateRect(hwnd_, nullptr, TRUE);
    }

    bool OnNotify(NMHDR* hdr, LRESULT& result) override {
        result = 0;
        if (quiet_) return false;
        if (hdr->code == TVN_ITEMEXPANDEDW) {
            auto* nm = reinterpret_cast<NMTREEVIEWW*>(hdr);
            sink_.PeerExpandedChanged(static_cast<uintptr_t>(nm->itemNew.lParam), (nm->action & TVE_EXPAND) != 0);
            return true;
        }
        if (hdr->code == TVN_SELCHANGEDW) {
            auto* nm = reinterpret_cast<NMTREEVIEWW*>(hdr);
            sink_.PeerSelectionChanged(nm->itemNew.hItem ? static_cast<uintptr_t>(nm->itemNew.lParam) : 0);
            return true;
        }
        if (hdr->code == NM_RCLICK) {
            // A right press selects the node under the pointer as a left press would, so
            // a context menu acts on what the user pointed at. The change is the user's
            // and is reported through TVN_SELCHANGED. The answer stays 0, so that the
            // view still goes on to ask for the context menu.
            SelectAtPointer();
            return true;
        }
        return false;
    }

private:
    // The model's "no picture" is -1, which the view takes for "ask the parent"
    // (I_IMAGECALLBACK) and draws as garbage; the view's own "no picture" is I_IMAGENONE.
    static int Picture(int index) { return index < 0 ? I_IMAGENONE : index; }

    void SelectAtPointer() {
        TVHITTESTINFO hit{};
        GetCursorPos(&hit.pt);
        ScreenToClient(hwnd_, &hit.pt);
        auto h = reinterpret_cast<HTREEITEM>(SendMessageW(hwnd_, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
        if (h && (hit.flags & TVHT_ONITEM)) SendMessageW(hwnd_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(h));
    }

    // Changes made by the model itself are not reported back to it.
    struct Quiet {
        Win32TreeViewPeer& p;
        bool was;
        explicit Quiet(Win32TreeViewPeer& peer) : p(peer), was(peer.quiet_) { p.quiet_ = true; }
        ~Quiet() { p.quiet_ = was; }
    };
    HTREEITEM Item(uintptr_t node) const {
        auto it = items_.find(node);
        return it == items_.end() ? nullptr : it->second;
    }
    void Forget(HTREEITEM h) {
        for (HTREEITEM c = TreeView_GetChild(hwnd_, h); c; c = TreeView_GetNextSibling(hwnd_, c)) Forget(c);
        TVITEMW it{};
        it.mask = TVIF_HANDLE | TVIF_PARAM;
        it.hItem = h;
        if (SendMessageW(hwnd_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&it))) items_.erase(static_cast<uintptr_t>(it.lParam));
    }

    ITreeViewSink& sink_;
    bool quiet_ = false;
    std::unordered_map<uintptr_t, HTREEITEM> items_;
};

}  // namespace

std::unique_ptr<ITreeViewPeer> Win32UserInterface::CreateTreeViewPeer(ITreeViewSink& sink, NativeHandle parent) {
    return std::make_unique<Win32TreeViewPeer>(sink, reinterpret_cast<HWND>(parent));
}

}  // namespace pv::win32
