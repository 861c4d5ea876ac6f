// The progress bar family's native peer: the system's progress bar (msctls_progress32).
#include "platform/win32/win32_control.h"
#include "platform/win32/win32_ui.h"

namespace pv::win32 {

namespace {

class Win32ProgressBarPeer final : public Win32ChildPeer<IProgressBarPeer> {
public:
    Win32ProgressBarPeer(IControlSink& sink, HWND parent) : Win32ChildPeer(sink) {
        Attach(CreateChild(PROGRESS_CLASSW, L"", 0, WS_EX_STATICEDGE, parent));
    }
    void SetRange(int maximum) override { SendMessageW(hwnd_, PBM_SETRANGE32, 0, maximum); }
    void SetPosition(int position) override { SendMessageW(hwnd_, PBM_SETPOS, position, 0); }
    void SetStaticEdge(bool edge) override {
        LONG_PTR ex = GetWindowLongPtrW(hwnd_, GWL_EXSTYLE);
        LONG_PTR changed = edge ? (ex | WS_EX_STATICEDGE) : (ex & ~static_cast<LONG_PTR>(WS_EX_STATICEDGE));
        if (changed == ex) return;
        SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, changed);
        SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }
};

}  // namespace

std::unique_ptr<IProgressBarPeer> Win32UserInterface::CreateProgressBarPeer(IControlSink& sink, NativeHandle parent) {
    return std::make_unique<Win32ProgressBarPeer>(sink, reinterpret_cast<HWND>(parent));
}

}  // namespace pv::win32
