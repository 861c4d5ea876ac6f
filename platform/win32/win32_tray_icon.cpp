// The notification-area icon, with a hidden window of its own that receives the shell's
// messages for it.
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_tray_icon.h"
#include "platform/win32/win32_ui.h"

namespace pv::win32 {

namespace {

constexpr UINT kTrayCallback = WM_APP + 10;
constexpr UINT_PTR kClickTimer = 1;
const wchar_t* kTrayClass = L"PivolaTrayWindow";

class Win32TrayIconPeer final : public ITrayIconPeer {
public:
    explicit Win32TrayIconPeer(ITrayIconSink& sink) : sink_(sink) {
        taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
        RegisterWindowClass(kTrayClass, Proc);
        // A top-level window (not message-only), so that the shell's broadcast of
        // TaskbarCreated reaches it.
        hwnd_ = CreateWindowExW(0, kTrayClass, L"PivolaTray", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                ModuleInstance(), this);
        picture_ = LoadTrayPicture(L"MAINICON");
    }
    ~Win32TrayIconPeer() override {
        Remove();
        if (hwnd_) {
            SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
            DestroyWindow(hwnd_);
        }
        if (picture_.Owned) DestroyIcon(picture_.Icon);
    }
    bool Add(const std::string& tip) override {
        tip_ = tip;
        NOTIFYICONDATAW d = Data(NIF_MESSAGE | NIF_ICON | NIF_TIP);
        shown_ = Shell_NotifyIconW(NIM_ADD, &d) != FALSE;
        return shown_;
    }
    bool Remove() override {
        if (!shown_) return false;
        NOTIFYICONDATAW d = Data(0);
        bool ok = Shell_NotifyIconW(NIM_DELETE, &d) != FALSE;
        shown_ = false;
        return ok;
    }
    bool SetTip(const std::string& tip) override {
        tip_ = tip;
        if (!shown_) return false;
        NOTIFYICONDATAW d = Data(NIF_TIP);
        return Shell_NotifyIconW(NIM_MODIFY, &d) != FALSE;
    }
    NativeHandle Handle() override { return reinterpret_cast<NativeHandle>(hwnd_); }

private:
    NOTIFYICONDATAW Data(UINT flags) {
        NOTIFYICONDATAW d{};
        d.cbSize = sizeof d;
        d.hWnd = hwnd_;
        d.uID = 1;
        d.uFlags = flags;
        d.uCallbackMessage = kTrayCallback;
        d.hIcon = picture_.Icon;
        // The tip field holds a fixed number of UTF-16 units; a longer tip is cut before a
        // character, never between the halves of one.
        std::wstring w = CutToUnits(Wide(tip_), ARRAYSIZE(d.szTip) - 1);
        wcsncpy(d.szTip, w.c_str(), ARRAYSIZE(d.szTip) - 1);
        return d;
    }

    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        auto* self = BoundObject<Win32TrayIconPeer>(hwnd, msg, lp);
        if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
        if (msg == kTrayCallback) {
            return GuardedCall([&] {
                switch (LOWORD(lp)) {
                    case WM_LBUTTONDOWN: self->leftDown_ = true; break;
                    case WM_LBUTTONUP:
                        // A click waits for the double-click time: the menu it shows is
                        // modal and would swallow the second click of a double click.
                        if (self->leftDown_) {
                            self->leftDown_ = false;
                            SetTimer(hwnd, kClickTimer, GetDoubleClickTime(), nullptr);
                        }
                        break;
                    case WM_LBUTTONDBLCLK:
                        self->leftDown_ = false;
                        KillTimer(hwnd, kClickTimer);
                        self->sink_.PeerDoubleClick();
                        break;
                    case WM_RBUTTONUP: self->sink_.PeerRightClick(); break;
                }
                return LRESULT(0);
            });
        }
        if (msg == WM_TIMER && wp == kClickTimer) {
            KillTimer(hwnd, kClickTimer);
            return GuardedCall([&] {
                self->sink_.PeerClick();
                return LRESULT(0);
            });
        }
        if (msg == self->taskbarCreated_ && self->taskbarCreated_ != 0) {
            // The shell was restarted and forgot every icon: put ours back. A shell that
            // still has it would refuse a second add, so whatever it holds goes first.
            if (self->shown_) {
                NOTIFYICONDATAW d = self->Data(0);
                Shell_NotifyIconW(NIM_DELETE, &d);
                self->shown_ = false;
                self->Add(self->tip_);
            }
            return 0;
        }
        if (msg == WM_ENDSESSION && wp) self->Remove();
        return DefWindowProcW(hwnd, msg, wp, lp);
    }

    ITrayIconSink& sink_;
    HWND hwnd_ = nullptr;
    TrayPicture picture_;
    UINT taskbarCreated_ = 0;
    std::string tip_;
    bool shown_ = false;
    bool leftDown_ = false;
};

}  // namespace

TrayPicture LoadTrayPicture(const wchar_t* resource) {
    auto own = static_cast<HICON>(LoadImageW(ModuleInstance(), resource, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                             GetSystemMetrics(SM_CYSMICON), 0));
    if (own) return {own, true};
    return {LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION)), false};
}

std::unique_ptr<ITrayIconPeer> Win32UserInterface::CreateTrayIconPeer(ITrayIconSink& sink) {
    return std::make_unique<Win32TrayIconPeer>(sink);
}


}  // namespace pv::win32
