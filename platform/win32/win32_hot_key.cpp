// The global hot key, with a hidden window of its own that receives WM_HOTKEY.
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_ui.h"

namespace pv::win32 {

namespace {

const wchar_t* kHotKeyClass = L"PivolaHotKeyWindow";

class Win32HotKeyPeer final : public IHotKeyPeer {
public:
    explicit Win32HotKeyPeer(IHotKeySink& sink) : sink_(sink) {
        RegisterWindowClass(kHotKeyClass, Proc);
        hwnd_ = CreateWindowExW(0, kHotKeyClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, ModuleInstance(), this);
        // A process-unique id for the one hot key of this peer.
        static int next = 0x4000;
        id_ = ++next;
    }
    ~Win32HotKeyPeer() override {
        Unregister();
        if (hwnd_) {
            SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
            DestroyWindow(hwnd_);
        }
    }
    bool Register(uint32_t virtualKey, uint32_t modifiers) override {
        Unregister();
        registered_ = RegisterHotKey(hwnd_, id_, modifiers, virtualKey) != FALSE;
        return registered_;
    }
    void Unregister() override {
        if (registered_) UnregisterHotKey(hwnd_, id_);
        registered_ = false;
    }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        auto* self = BoundObject<Win32HotKeyPeer>(hwnd, msg, lp);
        if (self && msg == WM_HOTKEY && static_cast<int>(wp) == self->id_)
            return GuardedCall([&] {
                self->sink_.PeerHotKey();
                return LRESULT(0);
            });
        return DefWindowProcW(hwnd, msg, wp, lp);
    }

    IHotKeySink& sink_;
    HWND hwnd_ = nullptr;
    int id_ = 0;
    bool registered_ = false;
};

}  // namespace

std::unique_ptr<IHotKeyPeer> Win32UserInterface::CreateHotKeyPeer(IHotKeySink& sink) {
    return std::make_unique<Win32HotKeyPeer>(sink);
}

}  // namespace pv::win32
