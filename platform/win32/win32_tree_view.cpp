// The tree view's native peer: a SysTreeView32 whose items carry the model's node keys.
// The peer does the presses on nodes, the drag of a node and the shell's file drops itself
// (in a subclass of the view's window), so that what the user does reaches the model in
// one order on every system: the press has selected the node, a drag reports each move
// and ends in a drop or an end, and the release follows.
#include "platform/win32/win32_control.h"
#include "platform/win32/win32_ui.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <unordered_map>

namespace pv::win32 {

namespace {

class Win32TreeViewPeer final : public Win32ChildPeer<ITreeViewPeer> {
public:
    Win32TreeViewPeer(ITreeViewSink& sink, HWND parent) : Win32ChildPeer(sink), sink_(sink) {
        // The view's own drag (TVN_BEGINDRAG) stays off; the model starts drags itself.
        Attach(CreateChild(WC_TREEVIEWW, L"",
                           WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS |
                               TVS_DISABLEDRAGDROP,
                           WS_EX_CLIENTEDGE, parent));
        if (hwnd_) SetWindowSubclass(hwnd_, Subclass, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    }
    ~Win32TreeViewPeer() override {
        if (!hwnd_) return;
        // The window outlives this part of the peer by a moment; nothing may reach it then.
        RemoveWindowSubclass(hwnd_, Subclass, kSubclassId);
        drag_ = Drag::None;
        pressed_.reset();
        if (GetCapture() == hwnd_) ReleaseCapture();
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
        HTREEITEM h = reinterpret_cast<HTREEITEM>(Direct(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)));
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
        Direct(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&it));
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
    uintptr_t NodeAt(TPoint at) override {
        HTREEITEM h = ItemAt(at);
        return h ? KeyOf(h) : 0;
    }
    void BeginDrag(int threshold) override {
        // Only a press the view saw, and still holds, can become a drag.
        if (!pressed_ || drag_ != Drag::None || GetCapture() != hwnd_) return;
        drag_ = Drag::Armed;
        threshold_ = threshold;
    }
    void SetAcceptFiles(bool accept) override { DragAcceptFiles(hwnd_, accept ? TRUE : FALSE); }
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
        return false;
    }

private:
    // The model's "no picture" is -1, which the view takes for "ask the parent"
    // (I_IMAGECALLBACK) and draws as garbage; the view's own "no picture" is I_IMAGENONE.
    static int Picture(int index) { return index < 0 ? I_IMAGENONE : index; }

    static constexpr UINT_PTR kSubclassId = 0x5054;
    enum class Drag { None, Armed, Running };

    static TPoint PointOf(LPARAM lp) { return {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))}; }

    // The item whose picture or label is at the point.
    HTREEITEM ItemAt(TPoint at, UINT* flags = nullptr) const {
        TVHITTESTINFO hit{};
        hit.pt = {at.X, at.Y};
        auto h = reinterpret_cast<HTREEITEM>(SendMessageW(hwnd_, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
        if (flags) *flags = hit.flags;
        return h && (hit.flags & TVHT_ONITEM) ? h : nullptr;
    }
    uintptr_t KeyOf(HTREEITEM h) const {
        TVITEMW it{};
        it.mask = TVIF_HANDLE | TVIF_PARAM;
        it.hItem = h;
        if (!SendMessageW(hwnd_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&it))) return 0;
        return static_cast<uintptr_t>(it.lParam);
    }

    static LRESULT CALLBACK Subclass(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
        auto* self = reinterpret_cast<Win32TreeViewPeer*>(data);
        bool handled = false;
        LRESULT result = GuardedCall([&] { return self->OnMessage(msg, wp, lp, handled); });
        return handled ? result : DefSubclassProc(hwnd, msg, wp, lp);
    }

    // `handled` is set once the message is the peer's own; the view's procedure then never
    // sees it.
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
        switch (msg) {
            case WM_LBUTTONDOWN:
            case WM_LBUTTONDBLCLK:
                return OnPress(MouseButton::Left, msg, wp, lp, handled);
            case WM_RBUTTONDOWN:
            case WM_RBUTTONDBLCLK:
                return OnPress(MouseButton::Right, msg, wp, lp, handled);
            case WM_LBUTTONUP:
                OnRelease(MouseButton::Left, PointOf(lp));
                return 0;
            case WM_RBUTTONUP:
                // The view's procedure then asks for the context menu.
                OnRelease(MouseButton::Right, PointOf(lp));
                return 0;
            case WM_MOUSEMOVE:
                OnMove(PointOf(lp));
                return 0;
            case WM_GETDLGCODE:
                // While a drag runs, Escape is the drag's, not the window's Close button.
                if (drag_ == Drag::None) return 0;
                handled = true;
                return DefSubclassProc(hwnd_, msg, wp, lp) | DLGC_WANTALLKEYS;
            case WM_KEYDOWN:
                if (drag_ == Drag::None || wp != VK_ESCAPE) return 0;
                handled = true;
                EndDrag(false, {});
                return 0;
            case WM_CAPTURECHANGED:
                // Another window took the mouse: the press and any drag are over.
                if (reinterpret_cast<HWND>(lp) == hwnd_) return 0;
                pressed_.reset();
                if (drag_ != Drag::None) EndDrag(false, {});
                return 0;
            case WM_DROPFILES:
                handled = true;
                OnDropFiles(reinterpret_cast<HDROP>(wp));
                return 0;
        }
        return 0;
    }

    // A press on a node selects it at once (reported as the user's change), then the
    // model hears of the press. The view's own press would wait inside for a drag of its
    // own, swallowing the release; it only gets a left press on a node's expand button.
    LRESULT OnPress(MouseButton button, UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
        TPoint at = PointOf(lp);
        UINT flags = 0;
        HTREEITEM h = ItemAt(at, &flags);
        if (drag_ != Drag::None) EndDrag(false, {});
        if (h) SendMessageW(hwnd_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(h));
        // After the selection: a view without one selects its first node as it takes the
        // focus.
        ::SetFocus(hwnd_);
        pressed_ = button;
        pressAt_ = at;
        // The release comes here wherever the pointer is by then.
        SetCapture(hwnd_);
        handled = true;
        sink_.PeerMouseDown(button, at);
        // A double click on a node opens or closes it, as the view does it.
        bool viewsOwn = button == MouseButton::Left && ((flags & TVHT_ONITEMBUTTON) || (h && msg == WM_LBUTTONDBLCLK));
        return viewsOwn ? DefSubclassProc(hwnd_, msg, wp, lp) : 0;
    }

    void OnRelease(MouseButton button, TPoint at) {
        if (!pressed_ || *pressed_ != button) {
            sink_.PeerMouseUp(button, at);
            return;
        }
        pressed_.reset();
        if (drag_ != Drag::None) {
            EndDrag(true, at);
        } else if (GetCapture() == hwnd_) {
            ReleaseCapture();
        }
        sink_.PeerMouseUp(button, at);
    }

    void OnMove(TPoint at) {
        if (drag_ == Drag::Armed) {
            int moved = std::max(std::abs(at.X - pressAt_.X), std::abs(at.Y - pressAt_.Y));
            if (moved < threshold_) return;
            drag_ = Drag::Running;
        }
        if (drag_ == Drag::Running) DragOver(at);
    }

    void DragOver(TPoint at) {
        accepted_ = sink_.PeerDragOver(at);
        lastOver_ = at;
        if (drag_ != Drag::Running) return;  // cancelled meanwhile
        HTREEITEM target = accepted_ ? ItemAt(at) : nullptr;
        SendMessageW(hwnd_, TVM_SELECTITEM, TVGN_DROPHILITE, reinterpret_cast<LPARAM>(target));
        SetCursor(LoadCursorW(nullptr, accepted_ ? IDC_ARROW : IDC_NO));
    }

    // Ends the drag: with `release`, the button came up at `at`, which drops there when
    // the drag ran and the point is accepted; otherwise the drag is cancelled.
    void EndDrag(bool release, TPoint at) {
        bool running = drag_ == Drag::Running;
        if (release && running && !(at == lastOver_)) {
            DragOver(at);
            if (drag_ != Drag::Running) return;  // the model's answer ended it already
        }
        bool drop = release && running && accepted_;
        drag_ = Drag::None;
        accepted_ = false;
        SendMessageW(hwnd_, TVM_SELECTITEM, TVGN_DROPHILITE, 0);
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        // A drag cancelled while the button is held keeps the mouse, so that the release
        // still reaches the model.
        if (!pressed_ && GetCapture() == hwnd_) ReleaseCapture();
        if (drop)
            sink_.PeerDragDrop(at);
        else
            sink_.PeerDragEnd();
    }

    // Every dropped path is read whole, however long; DragFinish releases the drop on
    // every way out.
    void OnDropFiles(HDROP drop) {
        struct Finish {
            HDROP Drop;
            ~Finish() { DragFinish(Drop); }
        } finish{drop};
        UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
        POINT pt{};
        DragQueryPoint(drop, &pt);
        for (UINT i = 0; i < count; ++i) {
            UINT length = DragQueryFileW(drop, i, nullptr, 0);
            std::wstring path(length + 1, L'\0');
            path.resize(DragQueryFileW(drop, i, path.data(), length + 1));
            if (!sink_.PeerFileDropped(Narrow(path), TPoint{pt.x, pt.y})) break;
        }
    }

    // Changes made by the model itself are not reported back to it.
    struct Quiet {
        Win32TreeViewPeer& p;
        bool was;
        explicit Quiet(Win32TreeViewPeer& peer) : p(peer), was(peer.quiet_) { p.quiet_ = true; }
        ~Quiet() { p.quiet_ = was; }
    };
    // A node the model adds or changes goes straight to the tree's own procedure: the
    // subclasses in between watch only the user's input, and each costs a property look
    // per message where the window manager keeps the properties (as under Wine), which a
    // reload of a thousand items pays a thousand times over.
    LRESULT Direct(UINT msg, WPARAM wp, LPARAM lp) {
        if (!classProc_) classProc_ = reinterpret_cast<WNDPROC>(GetClassLongPtrW(hwnd_, GCLP_WNDPROC));
        return classProc_ ? CallWindowProcW(classProc_, hwnd_, msg, wp, lp) : SendMessageW(hwnd_, msg, wp, lp);
    }
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
    WNDPROC classProc_ = nullptr;
    // The button held since a press in the view, where it went down, and the drag.
    std::optional<MouseButton> pressed_;
    TPoint pressAt_;
    Drag drag_ = Drag::None;
    int threshold_ = 0;
    bool accepted_ = false;
    TPoint lastOver_;
};

}  // namespace

std::unique_ptr<ITreeViewPeer> Win32UserInterface::CreateTreeViewPeer(ITreeViewSink& sink, NativeHandle parent) {
    return std::make_unique<Win32TreeViewPeer>(sink, reinterpret_cast<HWND>(parent));
}

}  // namespace pv::win32
