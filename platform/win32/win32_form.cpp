// Top-level windows and the frame's hidden message windows. A form's window procedure
// hands its children's messages to their peers and tells the model about placement,
// closing and the cancel key.
#include "platform/win32/win32_control.h"
#include "platform/win32/win32_dpi.h"
#include "platform/win32/win32_ui.h"

namespace pv::win32 {

namespace {

// ---- message-only windows ----------------------------------------------------------------

const wchar_t* kMessageClass = L"PivolaMessageWindow";
const wchar_t* kFormProp = L"PivolaForm";
// WM_DPICHANGED, which the headers for the oldest system the program runs on lack.
constexpr UINT kDpiChanged = 0x02E0;

class Win32MessageWindow final : public IMessageWindow {
public:
    explicit Win32MessageWindow(MessageProc proc) : proc_(std::move(proc)) {
        WNDCLASSW existing{};
        if (!GetClassInfoW(ModuleInstance(), kMessageClass, &existing)) {
            WNDCLASSW wc{};
            wc.lpfnWndProc = Proc;
            wc.hInstance = ModuleInstance();
            wc.lpszClassName = kMessageClass;
            RegisterClassW(&wc);
        }
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

class Win32FormPeer final : public IFormPeer, public Win32ControlPeer {
public:
    Win32FormPeer(IFormSink& sink, const FormParams& params) : Win32ControlPeer(sink), sink_(sink) {
        std::wstring cls = Wide(params.ClassName.empty() ? "TForm" : params.ClassName);
        EnsureClass(cls);
        style_ = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
        if (!params.MinimizeBox) style_ &= ~WS_MINIMIZEBOX;
        if (!params.MaximizeBox) style_ &= ~WS_MAXIMIZEBOX;
        const TRect& b = params.Bounds;
        HWND hwnd = CreateWindowExW(WS_EX_APPWINDOW | WS_EX_CONTROLPARENT, cls.c_str(), Wide(params.Caption).c_str(),
                                    style_, b.Left, b.Top, b.Width(), b.Height(), nullptr, nullptr, ModuleInstance(),
                                    this);
        Attach(hwnd);
        if (hwnd_) SetPropW(hwnd_, kFormProp, this);
    }
    ~Win32FormPeer() override {
        if (hwnd_) {
            RemovePropW(hwnd_, kFormProp);
            SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        }
        Detach();
    }
    NativeHandle Handle() override { return reinterpret_cast<NativeHandle>(hwnd_); }
    void SetText(const std::string& caption) override { DoSetText(caption); }
    void SetHint(const std::string&) override {}
    void SetEnabled(bool enabled) override { DoSetEnabled(enabled); }
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
    TSize ClientSize() override {
        // A minimised window has no client area; the model keeps laying out for the
        // normal one.
        if (IsIconic(hwnd_)) {
            WindowPlacement p = GetPlacement();
            RECT frame{0, 0, 0, 0};
            AdjustWindowRectEx(&frame, style_, FALSE, 0);
            return {p.Normal.Width() - (frame.right - frame.left), p.Normal.Height() - (frame.bottom - frame.top)};
        }
        RECT r{};
        GetClientRect(hwnd_, &r);
        return {r.right - r.left, r.bottom - r.top};
    }
    TSize WindowSizeFor(TSize client) override {
        RECT r{0, 0, client.cx, client.cy};
        AdjustWindowRectEx(&r, style_, FALSE, 0);
        return {r.right - r.left, r.bottom - r.top};
    }
    void SetMinTrackSize(TSize size) override { minTrack_ = size; }
    void SetCloseEnabled(bool enabled) override {
        EnableMenuItem(GetSystemMenu(hwnd_, FALSE), SC_CLOSE, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    }
    void SetRightToLeft(bool rtl) override {
        LONG_PTR ex = GetWindowLongPtrW(hwnd_, GWL_EXSTYLE);
        ex = rtl ? (ex | WS_EX_LAYOUTRTL) : (ex & ~static_cast<LONG_PTR>(WS_EX_LAYOUTRTL));
        SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, ex);
        InvalidateRect(hwnd_, nullptr, TRUE);
    }
    void SetFont(const FontSpec& f) override { DoSetFont(f); }
    void BringToFront() override {
        if (IsWindowVisible(hwnd_)) ::SetForegroundWindow(hwnd_);
    }
    int Dpi() override { return WindowDpi(hwnd_); }
    TRect WorkArea() override {
        MONITORINFO info{};
        info.cbSize = sizeof info;
        if (!GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST), &info)) {
            RECT r{};
            SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
            return TRect{r.left, r.top, r.right, r.bottom};
        }
        const RECT& r = info.rcWork;
        return TRect{r.left, r.top, r.right, r.bottom};
    }
    void SetFocus() override { DoSetFocus(); }
    bool ShortCut(uint32_t shortcut) { return sink_.PeerShortCut(shortcut); }
    // The window passes the focus on to a control (WM_SETFOCUS below), which reports it.
    void FocusTaken() override {}

    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        auto* self = BoundObject<Win32FormPeer>(hwnd, msg, lp);
        if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
        if (msg == WM_NCCREATE) self->hwnd_ = hwnd;
        LRESULT routed = 0;
        if (RouteToChild(hwnd, msg, wp, lp, routed)) return routed;
        // Children that show the window's state (header strips go inactive with it) hear
        // nothing of it themselves.
        if (msg == WM_ENABLE) RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
        switch (msg) {
            case WM_CLOSE:
                return GuardedCall([&] {
                    self->sink_.PeerCloseRequested();
                    return LRESULT(0);
                });
            case WM_COMMAND:
                // The dialog manager's Escape and Enter: IDCANCEL and IDOK with no control
                // behind them.
                if (LOWORD(wp) == IDCANCEL && lp == 0)
                    return GuardedCall([&] {
                        self->sink_.PeerCancelKey();
                        return LRESULT(0);
                    });
                if (LOWORD(wp) == IDOK && lp == 0)
                    return GuardedCall([&] {
                        self->sink_.PeerDefaultKey();
                        return LRESULT(0);
                    });
                break;
            case WM_ACTIVATE:
                // As a dialog does: the control that had the keyboard gets it back, and a
                // window shown for the first time gives it to its first tab stop.
                if (LOWORD(wp) == WA_INACTIVE) {
                    HWND focus = GetFocus();
                    if (focus && IsChild(hwnd, focus)) self->lastFocus_ = focus;
                } else if (!HIWORD(wp) && self->FocusChild()) {
                    return 0;
                }
                break;
            case WM_SETFOCUS:
                // The window itself never keeps the keyboard: it goes on to a control.
                if (self->FocusChild()) return 0;
                break;
            case WM_GETMINMAXINFO:
                if (self->minTrack_.cx > 0 || self->minTrack_.cy > 0) {
                    auto* info = reinterpret_cast<MINMAXINFO*>(lp);
                    info->ptMinTrackSize.x = std::max<LONG>(info->ptMinTrackSize.x, self->minTrack_.cx);
                    info->ptMinTrackSize.y = std::max<LONG>(info->ptMinTrackSize.y, self->minTrack_.cy);
                    return 0;
                }
                break;
            case kDpiChanged:
                // The model lays itself out again at the new DPI and takes the rectangle
                // the system suggests, which keeps the window under the pointer.
                return GuardedCall([&] {
                    const RECT& r = *reinterpret_cast<const RECT*>(lp);
                    self->sink_.PeerDpiChanged(HIWORD(wp), TRect{r.left, r.top, r.right, r.bottom});
                    return LRESULT(0);
                });
            case WM_SIZE:
            case WM_MOVE:
            case WM_SHOWWINDOW: {
                LRESULT r = DefWindowProcW(hwnd, msg, wp, lp);
                GuardedCall([&] {
                    self->sink_.PeerPlacementChanged(self->GetPlacement(), IsWindowVisible(hwnd) != 0,
                                                     self->ClientSize());
                    return LRESULT(0);
                });
                return r;
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

    // Gives the keyboard to the control that had it last, or to the first tab stop.
    bool FocusChild() {
        HWND target = lastFocus_ && IsWindow(lastFocus_) && IsChild(hwnd_, lastFocus_) && IsWindowVisible(lastFocus_) &&
                              IsWindowEnabled(lastFocus_)
                          ? lastFocus_
                          : GetNextDlgTabItem(hwnd_, nullptr, FALSE);
        if (!target || target == hwnd_ || !IsWindowEnabled(target)) return false;
        ::SetFocus(target);
        return true;
    }

    IFormSink& sink_;
    DWORD style_ = 0;
    WindowState state_ = WindowState::Normal;
    TSize minTrack_;
    HWND lastFocus_ = nullptr;
};

}  // namespace

bool IsFormWindow(HWND hwnd) { return hwnd && GetPropW(hwnd, kFormProp) != nullptr; }

bool FormShortCut(HWND form, uint32_t shortcut) {
    auto* peer = form ? static_cast<Win32FormPeer*>(GetPropW(form, kFormProp)) : nullptr;
    if (!peer) return false;
    bool taken = false;
    GuardedCall([&] {
        taken = peer->ShortCut(shortcut);
        return LRESULT(0);
    });
    return taken;
}

namespace {
const wchar_t* kModelessProp = L"PivolaModelessDialog";
}  // namespace

void MarkModelessDialog(HWND dialog) { SetPropW(dialog, kModelessProp, reinterpret_cast<HANDLE>(1)); }
bool IsModelessDialog(HWND hwnd) { return hwnd && GetPropW(hwnd, kModelessProp) != nullptr; }

std::unique_ptr<IMessageWindow> Win32UserInterface::CreateMessageWindow(MessageProc proc) {
    return std::make_unique<Win32MessageWindow>(std::move(proc));
}

std::unique_ptr<IFormPeer> Win32UserInterface::CreateFormPeer(IFormSink& sink, const FormParams& params) {
    return std::make_unique<Win32FormPeer>(sink, params);
}

}  // namespace pv::win32
