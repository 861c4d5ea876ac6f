// The status-bar family's native peer: a status bar in simple mode, one panel whose text
// is the peer's text. It neither sizes nor places itself: the model's bounds hold.
#include "platform/win32/win32_control.h"
#include "platform/win32/win32_ui.h"

namespace pv::win32 {

namespace {

class Win32StatusBarPeer final : public Win32ChildPeer<IStatusBarPeer> {
public:
    Win32StatusBarPeer(IControlSink& sink, HWND parent) : Win32ChildPeer(sink) {
        Attach(CreateChild(STATUSCLASSNAMEW, L"", CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER, 0, parent));
        SendMessageW(hwnd_, SB_SIMPLE, TRUE, 0);
    }

    // The window's own text is the first of the panels that simple mode hides.
    void SetText(const std::string& text) override {
        SendMessageW(hwnd_, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(Wide(text).c_str()));
    }

    void SetSizeGrip(bool grip) override {
        LONG_PTR style = GetWindowLongPtrW(hwnd_, GWL_STYLE);
        LONG_PTR changed = grip ? (style | SBARS_SIZEGRIP) : (style & ~static_cast<LONG_PTR>(SBARS_SIZEGRIP));
        if (changed == style) return;
        SetWindowLongPtrW(hwnd_, GWL_STYLE, changed);
        SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        InvalidateRect(hwnd_, nullptr, TRUE);
    }
};

}  // namespace

std::unique_ptr<IStatusBarPeer> Win32UserInterface::CreateStatusBarPeer(IControlSink& sink, NativeHandle parent) {
    return std::make_unique<Win32StatusBarPeer>(sink, reinterpret_cast<HWND>(parent));
}

}  // namespace pv::win32
