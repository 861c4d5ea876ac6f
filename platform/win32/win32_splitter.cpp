// The splitter family's native peer: a bar of its own class that the user drags. The
// model resizes the control beside it, which moves the bar itself, so offsets are taken
// on the screen from where the drag began, never from the bar's own client area.
#include "platform/win32/win32_control.h"
#include "platform/win32/win32_ui.h"

namespace pv::win32 {

namespace {

const wchar_t* kSplitterClass = L"PivolaSplitter";

POINT ScreenPoint(HWND hwnd, LPARAM lp) {
    POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
    ClientToScreen(hwnd, &p);
    return p;
}

class Win32SplitterPeer final : public Win32ChildPeer<ISplitterPeer> {
public:
    Win32SplitterPeer(ISplitterSink& sink, HWND parent) : Win32ChildPeer(sink), sink_(sink) {
        RegisterWindowClass(kSplitterClass, Proc);
        Attach(CreateChild(kSplitterClass, L"", 0, 0, parent));
    }

    void SetVertical(bool vertical) override { vertical_ = vertical; }

    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        auto* self = dynamic_cast<Win32SplitterPeer*>(FromWindow(hwnd));
        if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
        switch (msg) {
            case WM_ERASEBKGND: {
                RECT r{};
                GetClientRect(hwnd, &r);
                FillRect(reinterpret_cast<HDC>(wp), &r, GetSysColorBrush(COLOR_BTNFACE));
                return 1;
            }
            case WM_SETCURSOR:
                if (LOWORD(lp) != HTCLIENT) break;
                SetCursor(LoadCursorW(nullptr, self->vertical_ ? IDC_SIZEWE : IDC_SIZENS));
                return TRUE;
            case WM_LBUTTONDOWN:
                SetCapture(hwnd);
                self->start_ = ScreenPoint(hwnd, lp);
                self->dragging_ = true;
                return GuardedCall([&] {
                    self->sink_.PeerDragStart();
                    return LRESULT(0);
                });
            case WM_MOUSEMOVE:
                if (!self->dragging_ || GetCapture() != hwnd) break;
                return GuardedCall([&] {
                    POINT now = ScreenPoint(hwnd, lp);
                    self->sink_.PeerDragTo(self->vertical_ ? now.x - self->start_.x : now.y - self->start_.y);
                    return LRESULT(0);
                });
            case WM_LBUTTONUP:
                self->dragging_ = false;
                if (GetCapture() == hwnd) ReleaseCapture();
                return 0;
            case WM_CAPTURECHANGED:
                self->dragging_ = false;
                return 0;
        }
        return DefWindowProcW(hwnd, msg, wp, lp);
    }

private:
    ISplitterSink& sink_;
    bool vertical_ = true;
    bool dragging_ = false;
    POINT start_{};
};

}  // namespace

std::unique_ptr<ISplitterPeer> Win32UserInterface::CreateSplitterPeer(ISplitterSink& sink, NativeHandle parent) {
    return std::make_unique<Win32SplitterPeer>(sink, reinterpret_cast<HWND>(parent));
}

}  // namespace pv::win32
