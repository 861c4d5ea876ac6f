#include "platform/win32/win32_common.h"
#include "platform/win32/win32_ui.h"


#include <unordered_map>


namespace pv::win32 {

namespace {

// ---- message-only windows ----------------------------------------------------------------

const wchar_t* kMessageClass = L"PivolaMessageWindow";

class Win32MessageWindow final : public IMessageWindow {
public:
    explicit Win32MessageWindow(MessageProc proc) : proc_(std::move(proc)) {
        hwnd_ = CreateWindowExW(0, kMessageClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, ModuleInstance(), this);
    }
    ~Win32MessageWindow() override {
        if (hwnd_) DestroyWindow(hwnd_);
    }
    NativeHandle Handle() override { return reinterpret_cast<NativeHandle>(hwnd_); }
    void Post(uint32_t msg, uintptr_t w, intptr_t l) override { PostMessageW(hwnd_, msg, w, l); }

    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        auto* self = BoundObject<Win32MessageWindow>(hwnd, msg, lp);
        if (self && self->proc_ && msg != WM_NCCREATE && msg != WM_NCDESTROY) {
            intptr_t result = 0;
            bool handled = false;
            // A handler may destroy its own window (the deferred start can end the frame),
            // so it runs from a copy.
            MessageProc proc = self->proc_;
            LRESULT r = GuardedCall([&] {
                handled = proc(msg, wp, lp, result);
                return static_cast<LRESULT>(result);
            });
            if (handled) return r;
        }
        return DefWindowProcW(hwnd, msg, wp, lp);
    }

private:
    MessageProc proc_;
    HWND hwnd_ = nullptr;
};

// ---- top-level windows -------------------------------------------------------------------

const wchar_t* kPeerProp = L"PivolaPeer";

class NotifyTarget {
public:
    virtual ~NotifyTarget() = default;
    virtual LRESULT OnNotify(NMHDR* hdr) = 0;
};

class Win32FormPeer final : public IFormPeer {
public:
    Win32FormPeer(IFormSink& sink, const FormParams& params) : sink_(sink) {
        std::wstring cls = Wide(params.ClassName.empty() ? "TForm" : params.ClassName);
        EnsureClass(cls);
        DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
        if (!params.MinimizeBox) style &= ~WS_MINIMIZEBOX;
        if (!params.MaximizeBox) style &= ~WS_MAXIMIZEBOX;
        const TRect& b = params.Bounds;
        hwnd_ = CreateWindowExW(WS_EX_APPWINDOW, cls.c_str(), Wide(params.Caption).c_str(), style, b.Left, b.Top,
                                b.Width(), b.Height(), nullptr, nullptr, ModuleInstance(), this);
    }
    ~Win32FormPeer() override {
        if (font_) DeleteObject(font_);
        if (hwnd_) {
            SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
            DestroyWindow(hwnd_);
        }
    }
    NativeHandle Handle() override { return reinterpret_cast<NativeHandle>(hwnd_); }
    void SetCaption(const std::string& caption) override { SetWindowTextW(hwnd_, Wide(caption).c_str()); }
    void SetVisible(bool visible) override {
        if (!visible) {
            ShowWindow(hwnd_, SW_HIDE);
            return;
        }
        int cmd = state_ == WindowState::Maximized ? SW_SHOWMAXIMIZED
                  : state_ == WindowState::Minimized ? SW_SHOWMINIMIZED
                                                     : SW_SHOW;
        ShowWindow(hwnd_, cmd);
    }
    void SetBounds(const TRect& r) override {
        WINDOWPLACEMENT wp{};
        wp.length = sizeof wp;
        GetWindowPlacement(hwnd_, &wp);
        wp.rcNormalPosition = RECT{r.Left, r.Top, r.Right, r.Bottom};
        wp.flags = 0;
        wp.showCmd = IsWindowVisible(hwnd_) ? (IsZoomed(hwnd_) ? SW_SHOWMAXIMIZED
                                               : IsIconic(hwnd_) ? SW_SHOWMINIMIZED
                                                                 : SW_SHOWNOACTIVATE)
                                            : SW_HIDE;
        SetWindowPlacement(hwnd_, &wp);
    }
    void SetWindowState(WindowState state) override {
        state_ = state;
        if (!IsWindowVisible(hwnd_)) return;
        ShowWindow(hwnd_, state == WindowState::Maximized ? SW_MAXIMIZE
                          : state == WindowState::Minimized ? SW_MINIMIZE
                                                            : SW_RESTORE);
    }
    WindowPlacement GetPlacement() override {
        WINDOWPLACEMENT wp{};
        wp.length = sizeof wp;
        GetWindowPlacement(hwnd_, &wp);
        WindowPlacement p;
        const RECT& r = wp.rcNormalPosition;
        p.Normal = TRect{r.left, r.top, r.right, r.bottom};
        if (IsWindowVisible(hwnd_))
            p.State = IsIconic(hwnd_) ? WindowState::Minimized : IsZoomed(hwnd_) ? WindowState::Maximized : WindowState::Normal;
        else
            p.State = state_;
        return p;
    }
    void SetCloseEnabled(bool enabled) override {
        EnableMenuItem(GetSystemMenu(hwnd_, FALSE), SC_CLOSE, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    }
    void SetRightToLeft(bool rtl) override {
        LONG_PTR ex = GetWindowLongPtrW(hwnd_, GWL_EXSTYLE);
        ex = rtl ? (ex | WS_EX_LAYOUTRTL) : (ex & ~static_cast<LONG_PTR>(WS_EX_LAYOUTRTL));
        SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, ex);
        InvalidateRect(hwnd_, nullptr, TRUE);
    }
    void SetFont(const FontSpec& f) override {
        HDC dc = GetDC(nullptr);
        int dpi = GetDeviceCaps(dc, LOGPIXELSY);
        ReleaseDC(nullptr, dc);
        HFONT font = CreateFontW(-MulDiv(f.Size, dpi, 72), 0, 0, 0, f.Bold ? FW_BOLD : FW_NORMAL, f.Italic, f.Underline,
                                 0, DEFAULT_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0, Wide(f.Name).c_str());
        if (font_) DeleteObject(font_);
        font_ = font;
        SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        for (HWND c = GetWindow(hwnd_, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    }
    void BringToFront() override {
        if (IsWindowVisible(hwnd_)) ::SetForegroundWindow(hwnd_);
    }

    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        auto* self = BoundObject<Win32FormPeer>(hwnd, msg, lp);
        if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
        switch (msg) {
            case WM_CLOSE:
                return GuardedCall([&] {
                    self->sink_.PeerCloseRequested();
                    return LRESULT(0);
                });
            case WM_SIZE:
            case WM_MOVE:
            case WM_SHOWWINDOW: {
                LRESULT r = DefWindowProcW(hwnd, msg, wp, lp);
                GuardedCall([&] {
                    self->sink_.PeerPlacementChanged(self->GetPlacement(), IsWindowVisible(hwnd) != 0);
                    return LRESULT(0);
                });
                return r;
            }
            case WM_NOTIFY: {
                auto* hdr = reinterpret_cast<NMHDR*>(lp);
                if (auto* target = static_cast<NotifyTarget*>(GetPropW(hdr->hwndFrom, kPeerProp)))
                    return GuardedCall([&] { return target->OnNotify(hdr); });
                break;
            }
            default: {
                intptr_t result = 0;
                bool handled = false;
                LRESULT r = GuardedCall([&] {
                    handled = self->sink_.PeerMessage(msg, wp, lp, result);
                    return static_cast<LRESULT>(result);
                });
                if (handled) return r;
            }
        }
        return DefWindowProcW(hwnd, msg, wp, lp);
    }

private:
    static void EnsureClass(const std::wstring& name) {
        WNDCLASSEXW existing{};
        existing.cbSize = sizeof existing;
        if (GetClassInfoExW(ModuleInstance(), name.c_str(), &existing)) return;
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = Proc;
        wc.hInstance = ModuleInstance();
        wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.hIcon = LoadIconW(ModuleInstance(), L"MAINICON");
        wc.lpszClassName = name.c_str();
        RegisterClassExW(&wc);
    }

    IFormSink& sink_;
    HWND hwnd_ = nullptr;
    HFONT font_ = nullptr;
    WindowState state_ = WindowState::Normal;
};

// ---- tree views --------------------------------------------------------------------------

class Win32TreeViewPeer final : public ITreeViewPeer, public NotifyTarget {
public:
    Win32TreeViewPeer(ITreeViewSink& sink, HWND parent) : sink_(sink) {
        hwnd_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, L"",
                                WS_CHILD | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                                    TVS_SHOWSELALWAYS,
                                0, 0, 100, 100, parent, nullptr, ModuleInstance(), nullptr);
        SetPropW(hwnd_, kPeerProp, static_cast<NotifyTarget*>(this));
    }
    ~Win32TreeViewPeer() override {
        if (hwnd_) {
            RemovePropW(hwnd_, kPeerProp);
            DestroyWindow(hwnd_);
        }
    }
    NativeHandle Handle() override { return reinterpret_cast<NativeHandle>(hwnd_); }
    void InsertNode(uintptr_t node, uintptr_t parent, uintptr_t after, const TreeNodeState& s) override {
        TVINSERTSTRUCTW ins{};
        ins.hParent = parent ? Item(parent) : TVI_ROOT;
        ins.hInsertAfter = after ? Item(after) : TVI_FIRST;
        std::wstring text = Wide(s.Text);
        ins.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
        ins.item.pszText = text.data();
        ins.item.iImage = s.ImageIndex;
        ins.item.iSelectedImage = s.SelectedIndex;
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
        it.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        it.hItem = h;
        it.pszText = text.data();
        it.iImage = s.ImageIndex;
        it.iSelectedImage = s.SelectedIndex;
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
    void SetBounds(const TRect& r) override {
        SetWindowPos(hwnd_, nullptr, r.Left, r.Top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    void SetVisible(bool visible) override { ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE); }
    void SetImageList(NativeHandle imageList) override {
        SendMessageW(hwnd_, TVM_SETIMAGELIST, TVSIL_NORMAL, static_cast<LPARAM>(imageList));
    }

    LRESULT OnNotify(NMHDR* hdr) override {
        if (quiet_) return 0;
        if (hdr->code == TVN_ITEMEXPANDEDW) {
            auto* nm = reinterpret_cast<NMTREEVIEWW*>(hdr);
            sink_.PeerExpandedChanged(static_cast<uintptr_t>(nm->itemNew.lParam), (nm->action & TVE_EXPAND) != 0);
        } else if (hdr->code == TVN_SELCHANGEDW) {
            auto* nm = reinterpret_cast<NMTREEVIEWW*>(hdr);
            sink_.PeerSelectionChanged(nm->itemNew.hItem ? static_cast<uintptr_t>(nm->itemNew.lParam) : 0);
        }
        return 0;
    }

private:
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
    HWND hwnd_ = nullptr;
    bool quiet_ = false;
    std::unordered_map<uintptr_t, HTREEITEM> items_;
};

// ---- message dialogs ---------------------------------------------------------------------

// The system's message box with the request's title and button captions put in as it
// opens, so that translated captions show on the standard dialog.
thread_local const MessageDialogRequest* pendingDialog = nullptr;
thread_local HHOOK dialogHook = nullptr;

LRESULT CALLBACK DialogHook(int code, WPARAM wp, LPARAM lp) {
    if (code == HCBT_ACTIVATE && pendingDialog) {
        HWND box = reinterpret_cast<HWND>(wp);
        for (const auto& b : pendingDialog->Buttons)
            if (HWND button = GetDlgItem(box, b.Result)) SetWindowTextW(button, Wide(b.Caption).c_str());
        pendingDialog = nullptr;
    }
    return CallNextHookEx(dialogHook, code, wp, lp);
}

UINT ButtonSet(const MessageDialogRequest& r) {
    auto has = [&](int result) {
        for (const auto& b : r.Buttons)
            if (b.Result == result && b.Visible) return true;
        return false;
    };
    if (has(ModalResult::Yes) && has(ModalResult::No)) return has(ModalResult::Cancel) ? MB_YESNOCANCEL : MB_YESNO;
    if (has(ModalResult::Abort) || has(ModalResult::Ignore)) return MB_ABORTRETRYIGNORE;
    if (has(ModalResult::Retry)) return MB_RETRYCANCEL;
    if (has(ModalResult::Ok) && has(ModalResult::Cancel)) return MB_OKCANCEL;
    return MB_OK;
}

UINT IconOf(MsgDlgType kind) {
    switch (kind) {
        case MsgDlgType::Warning: return MB_ICONWARNING;
        case MsgDlgType::Error: return MB_ICONERROR;
        case MsgDlgType::Information: return MB_ICONINFORMATION;
        case MsgDlgType::Confirmation: return MB_ICONQUESTION;
        case MsgDlgType::Custom: return 0;
    }
    return 0;
}

}  // namespace

Win32UserInterface::Win32UserInterface() {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TREEVIEW_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    WNDCLASSW wc{};
    wc.lpfnWndProc = Win32MessageWindow::Proc;
    wc.hInstance = ModuleInstance();
    wc.lpszClassName = kMessageClass;
    RegisterClassW(&wc);
}

std::unique_ptr<IMessageWindow> Win32UserInterface::CreateMessageWindow(MessageProc proc) {
    return std::make_unique<Win32MessageWindow>(std::move(proc));
}

std::unique_ptr<IFormPeer> Win32UserInterface::CreateFormPeer(IFormSink& sink, const FormParams& params) {
    return std::make_unique<Win32FormPeer>(sink, params);
}

std::unique_ptr<ITreeViewPeer> Win32UserInterface::CreateTreeViewPeer(ITreeViewSink& sink, NativeHandle parent) {
    return std::make_unique<Win32TreeViewPeer>(sink, reinterpret_cast<HWND>(parent));
}

int Win32UserInterface::ShowMessageDialog(const MessageDialogRequest& r) {
    UINT type = ButtonSet(r) | IconOf(r.Kind) | MB_TASKMODAL | MB_SETFOREGROUND;
    if (r.RightToLeft) type |= MB_RTLREADING | MB_RIGHT;
    pendingDialog = &r;
    dialogHook = SetWindowsHookExW(WH_CBT, DialogHook, nullptr, GetCurrentThreadId());
    int result = MessageBoxW(nullptr, Wide(r.Text).c_str(), Wide(r.Title).c_str(), type);
    if (dialogHook) UnhookWindowsHookEx(dialogHook);
    dialogHook = nullptr;
    pendingDialog = nullptr;
    // The box's identifiers are numbered as modal results are.
    return result;
}

bool Win32UserInterface::GetCursorPos(TPoint& pos) {
    POINT p;
    if (!::GetCursorPos(&p)) return false;
    pos = {p.x, p.y};
    return true;
}

void Win32UserInterface::SetForegroundWindow(NativeHandle window) { ::SetForegroundWindow(reinterpret_cast<HWND>(window)); }

void Win32UserInterface::PostNullMessage(NativeHandle window) { PostMessageW(reinterpret_cast<HWND>(window), WM_NULL, 0, 0); }

bool Win32UserInterface::DisableWindowsGhosting() {
    wchar_t sys[MAX_PATH];
    UINT n = GetSystemDirectoryW(sys, MAX_PATH);
    std::wstring path = std::wstring(sys, n) + L"\\user32.dll";
    HMODULE user32 = GetModuleHandleW(path.c_str());
    if (!user32) user32 = LoadLibraryW(path.c_str());
    if (!user32) return false;
    using Fn = void(WINAPI*)();
    auto fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(user32, "DisableProcessWindowsGhosting")));
    if (!fn) return false;
    fn();
    return true;
}

void Win32UserInterface::RestoreApplication() {}

void Win32UserInterface::SetRightToLeft(bool rtl) { SetProcessDefaultLayout(rtl ? LAYOUT_RTL : 0); }

}  // namespace pv::win32
