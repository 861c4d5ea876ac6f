// The label family's native peer: a STATIC window showing its text on the parent's
// face. An "&" is an ordinary character unless the model asks for accelerators.
#include "platform/win32/win32_control.h"
#include "platform/win32/win32_ui.h"

namespace pv::win32 {

namespace {

class Win32LabelPeer final : public Win32ChildPeer<ILabelPeer> {
public:
    Win32LabelPeer(IControlSink& sink, HWND parent) : Win32ChildPeer(sink) {
        Attach(CreateChild(L"STATIC", L"", SS_LEFT | SS_NOPREFIX, 0, parent));
    }

    void SetShowAccelChar(bool show) override {
        LONG_PTR style = GetWindowLongPtrW(hwnd_, GWL_STYLE);
        LONG_PTR changed = show ? (style & ~static_cast<LONG_PTR>(SS_NOPREFIX)) : (style | SS_NOPREFIX);
        if (changed == style) return;
        SetWindowLongPtrW(hwnd_, GWL_STYLE, changed);
        InvalidateRect(hwnd_, nullptr, TRUE);
    }
};

}  // namespace

std::unique_ptr<ILabelPeer> Win32UserInterface::CreateLabelPeer(IControlSink& sink, NativeHandle parent) {
    return std::make_unique<Win32LabelPeer>(sink, reinterpret_cast<HWND>(parent));
}

}  // namespace pv::win32
