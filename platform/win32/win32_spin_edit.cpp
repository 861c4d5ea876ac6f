// The spin edit family's native peer: a number field (EDIT with ES_NUMBER) with the
// system's up-down control beside it as its buddy. The up-down writes the stepped value
// into the field, so every change, typed or stepped, arrives as the field's EN_CHANGE.
#include <algorithm>

#include "platform/win32/win32_control.h"
#include "platform/win32/win32_ui.h"

namespace pv::win32 {

namespace {

constexpr int kArrowsWidth = 17;

class Win32SpinEditPeer final : public Win32ChildPeer<ISpinEditPeer> {
public:
    Win32SpinEditPeer(ISpinEditSink& sink, HWND parent) : Win32ChildPeer(sink), sink_(sink) {
        Attach(CreateChild(L"EDIT", L"", WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, parent));
        arrows_ = CreateChild(UPDOWN_CLASSW, L"", UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0, parent);
        SendMessageW(arrows_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(hwnd_), 0);
    }
    ~Win32SpinEditPeer() override {
        if (arrows_) DestroyWindow(arrows_);
    }

    void SetBounds(const TRect& r) override {
        int arrows = std::min(kArrowsWidth, r.Width() / 2);
        DoSetBounds({r.Left, r.Top, r.Right - arrows, r.Bottom});
        MoveWindow(arrows_, r.Right - arrows, r.Top, arrows, r.Height(), TRUE);
    }
    void SetVisible(bool visible) override {
        DoSetVisible(visible);
        ShowWindow(arrows_, visible ? SW_SHOWNA : SW_HIDE);
    }
    void SetEnabled(bool enabled) override {
        DoSetEnabled(enabled);
        EnableWindow(arrows_, enabled);
    }
    void SetRange(int minimum, int maximum) override {
        min_ = minimum;
        max_ = maximum;
        SendMessageW(arrows_, UDM_SETRANGE32, minimum, maximum);
    }
    void SetValue(int value) override {
        settingValue_ = true;
        SendMessageW(arrows_, UDM_SETPOS32, 0, value);
        settingValue_ = false;
    }

    bool OnCommand(WORD code, LRESULT& result) override {
        if (code != EN_CHANGE) return false;
        result = 0;
        if (settingValue_) return true;
        wchar_t text[16]{};
        GetWindowTextW(hwnd_, text, 16);
        if (text[0] == 0) return true;
        int value = std::clamp(static_cast<int>(wcstol(text, nullptr, 10)), min_, max_);
        sink_.PeerValueChanged(value);
        return true;
    }

private:
    ISpinEditSink& sink_;
    HWND arrows_ = nullptr;
    int min_ = 0;
    int max_ = 100;
    bool settingValue_ = false;
};

}  // namespace

std::unique_ptr<ISpinEditPeer> Win32UserInterface::CreateSpinEditPeer(ISpinEditSink& sink, NativeHandle parent) {
    return std::make_unique<Win32SpinEditPeer>(sink, reinterpret_cast<HWND>(parent));
}

}  // namespace pv::win32
