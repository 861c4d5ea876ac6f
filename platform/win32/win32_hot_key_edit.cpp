// The hot-key field's native peer: the system's hot-key control (msctls_hotkey32). It
// applies the model's rules to what the user presses and tells the change with EN_CHANGE,
// also while only modifiers are held, so the peer reports only a combination that differs
// from the one reported last.
#include "platform/win32/win32_control.h"
#include "platform/win32/win32_ui.h"

namespace pv::win32 {

namespace {

// The system's modifier flags of a hot-key control from HotKeyModifier bits, and back.
BYTE FlagsOf(uint32_t modifiers) {
    BYTE flags = 0;
    if (modifiers & HotKeyModifier::Shift) flags |= HOTKEYF_SHIFT;
    if (modifiers & HotKeyModifier::Control) flags |= HOTKEYF_CONTROL;
    if (modifiers & HotKeyModifier::Alt) flags |= HOTKEYF_ALT;
    return flags;
}

uint32_t ModifiersOf(BYTE flags) {
    uint32_t modifiers = 0;
    if (flags & HOTKEYF_SHIFT) modifiers |= HotKeyModifier::Shift;
    if (flags & HOTKEYF_CONTROL) modifiers |= HotKeyModifier::Control;
    if (flags & HOTKEYF_ALT) modifiers |= HotKeyModifier::Alt;
    return modifiers;
}

// The keys of the extended keyboard, which the field names apart from the keypad's
// (Del, not Num Del).
bool IsExtendedKey(uint32_t vk) {
    return (vk >= VK_PRIOR && vk <= VK_DOWN) || vk == VK_INSERT || vk == VK_DELETE || vk == VK_DIVIDE ||
           vk == VK_NUMLOCK;
}

class Win32HotKeyEditPeer final : public Win32ChildPeer<IHotKeyEditPeer> {
public:
    Win32HotKeyEditPeer(IHotKeyEditSink& sink, HWND parent) : Win32ChildPeer(sink), sink_(sink) {
        Attach(CreateChild(HOTKEY_CLASSW, L"", WS_TABSTOP, WS_EX_CLIENTEDGE, parent));
    }

    // The field shows its combination, never a text of the model's.
    void SetText(const std::string&) override {}

    void SetHotKey(uint32_t virtualKey, uint32_t modifiers) override {
        BYTE flags = virtualKey ? FlagsOf(modifiers) : 0;
        if (IsExtendedKey(virtualKey)) flags |= HOTKEYF_EXT;
        SendMessageW(hwnd_, HKM_SETHOTKEY, MAKEWORD(static_cast<BYTE>(virtualKey), flags), 0);
        shown_ = Current();
    }
    void SetRules(uint32_t invalid, uint32_t replacement) override {
        SendMessageW(hwnd_, HKM_SETRULES, invalid, MAKELPARAM(FlagsOf(replacement), 0));
    }

    bool OnCommand(WORD code, LRESULT& result) override {
        if (code != EN_CHANGE) return false;
        result = 0;
        WORD now = Current();
        if (now == shown_) return true;
        shown_ = now;
        sink_.PeerHotKeyChanged(LOBYTE(now), ModifiersOf(HIBYTE(now)));
        return true;
    }

private:
    WORD Current() const { return static_cast<WORD>(SendMessageW(hwnd_, HKM_GETHOTKEY, 0, 0)); }

    IHotKeyEditSink& sink_;
    WORD shown_ = 0;
};

}  // namespace

std::unique_ptr<IHotKeyEditPeer> Win32UserInterface::CreateHotKeyEditPeer(IHotKeyEditSink& sink, NativeHandle parent) {
    return std::make_unique<Win32HotKeyEditPeer>(sink, reinterpret_cast<HWND>(parent));
}

}  // namespace pv::win32
