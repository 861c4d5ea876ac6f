// The scroll-box family's native peer: a container of its own class with a vertical
// scroll bar. The model lays the children out for the scroll position, so the peer never
// moves them: it turns the bar and the wheel into a new position, reports it, and shows
// whatever the model sends back.
#include "platform/win32/win32_control.h"
#include "platform/win32/win32_ui.h"

#include <algorithm>

namespace pv::win32 {

namespace {

const wchar_t* kScrollBoxClass = L"PivolaScrollBox";
constexpr int kLinePixels = 16;
constexpr int kLinesPerNotch = 3;

class Win32ScrollBoxPeer final : public Win32ChildPeer<IScrollBoxPeer> {
public:
    Win32ScrollBoxPeer(IScrollBoxSink& sink, HWND parent) : Win32ChildPeer(sink), sink_(sink) {
        RegisterWindowClass(kScrollBoxClass, Proc);
        Attach(CreateChild(kScrollBoxClass, L"", WS_VSCROLL | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, parent));
    }

    void SetVertScroll(int range, int page, int position) override {
        range_ = range;
        page_ = page;
        position_ = position;
        SCROLLINFO si{};
        si.cbSize = sizeof si;
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        si.nMin = 0;
        // The bar leaves as soon as the page holds the whole range.
        si.nMax = std::max(0, range - 1);
        si.nPage = static_cast<UINT>(std::max(0, page));
        si.nPos = position;
        SetScrollInfo(hwnd_, SB_VERT, &si, TRUE);
    }

    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        LRESULT routed = 0;
        if (RouteToChild(hwnd, msg, wp, lp, routed)) return routed;
        auto* self = dynamic_cast<Win32ScrollBoxPeer*>(FromWindow(hwnd));
        switch (msg) {
            case WM_ERASEBKGND: {
                RECT r{};
                GetClientRect(hwnd, &r);
                FillRect(reinterpret_cast<HDC>(wp), &r, GetSysColorBrush(COLOR_BTNFACE));
                return 1;
            }
            case WM_VSCROLL:
                if (!self) break;
                return GuardedCall([&] {
                    self->OnScroll(LOWORD(wp));
                    return LRESULT(0);
                });
            case WM_MOUSEWHEEL:
                // Without a bar the wheel belongs to the containers further out.
                if (!self || self->range_ <= self->page_) break;
                return GuardedCall([&] {
                    self->OnWheel(GET_WHEEL_DELTA_WPARAM(wp));
                    return LRESULT(0);
                });
        }
        return DefWindowProcW(hwnd, msg, wp, lp);
    }

private:
    void OnScroll(WORD request) {
        int position = position_;
        switch (request) {
            case SB_LINEUP: position -= kLinePixels; break;
            case SB_LINEDOWN: position += kLinePixels; break;
            case SB_PAGEUP: position -= page_; break;
            case SB_PAGEDOWN: position += page_; break;
            case SB_THUMBTRACK:
            case SB_THUMBPOSITION: {
                // The 32-bit track position: the message's own is cut to 16 bits.
                SCROLLINFO si{};
                si.cbSize = sizeof si;
                si.fMask = SIF_TRACKPOS;
                if (!GetScrollInfo(hwnd_, SB_VERT, &si)) return;
                position = si.nTrackPos;
                break;
            }
            case SB_TOP: position = 0; break;
            case SB_BOTTOM: position = range_; break;
            default: return;
        }
        MoveTo(position);
    }

    // Notches of a fine-grained wheel add up until they make a whole line.
    void OnWheel(int delta) {
        constexpr int kLineDelta = WHEEL_DELTA / kLinesPerNotch;
        wheel_ += delta;
        int lines = wheel_ / kLineDelta;
        wheel_ -= lines * kLineDelta;
        if (lines) MoveTo(position_ - lines * kLinePixels);
    }

    void MoveTo(int position) {
        position = std::clamp(position, 0, std::max(0, range_ - page_));
        if (position != position_) sink_.PeerVertScroll(position);
    }

    IScrollBoxSink& sink_;
    int range_ = 0, page_ = 0, position_ = 0;
    int wheel_ = 0;
};

}  // namespace

std::unique_ptr<IScrollBoxPeer> Win32UserInterface::CreateScrollBoxPeer(IScrollBoxSink& sink, NativeHandle parent) {
    return std::make_unique<Win32ScrollBoxPeer>(sink, reinterpret_cast<HWND>(parent));
}

}  // namespace pv::win32
