// The page-control family's native peer: a container of its own class holding the tab
// control (SysTabControl32) that draws the tabs and the frame, with the pages, made by
// the model below the container, lying over the tab control's display area.
//
// The pages are siblings of the tab control, not its children, so that the dialog keys
// reach both: Tab stops on the row of tabs and goes into the open page. The tab control
// stays at the bottom of the container's windows and leaves out of its painting the
// pages above it.
#include "platform/win32/win32_control.h"
#include "platform/win32/win32_ui.h"

namespace pv::win32 {

namespace {

const wchar_t* kPageControlClass = L"PivolaPageControl";
constexpr UINT_PTR kTabsId = 0x5057;

class Win32PageControlPeer final : public Win32ChildPeer<IPageControlPeer> {
public:
    Win32PageControlPeer(IPageControlSink& sink, HWND parent) : Win32ChildPeer(sink), sink_(sink) {
        RegisterWindowClass(kPageControlClass, Proc);
        Attach(CreateChild(kPageControlClass, L"", WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, parent));
        tabs_ = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, 0, 0, 0,
                                0, hwnd_, nullptr, ModuleInstance(), nullptr);
        SetWindowSubclass(tabs_, TabsProc, kTabsId, reinterpret_cast<DWORD_PTR>(this));
    }
    ~Win32PageControlPeer() override {
        if (tabs_) RemoveWindowSubclass(tabs_, TabsProc, kTabsId);
    }

    void SetBounds(const TRect& bounds) override {
        DoSetBounds(bounds);
        SetWindowPos(tabs_, HWND_BOTTOM, 0, 0, bounds.Width(), bounds.Height(), SWP_NOACTIVATE);
    }
    void SetFont(const FontSpec& font) override {
        DoSetFont(font);
        SendMessageW(tabs_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(font)), TRUE);
    }
    // The tabs carry the captions; the container has no text of its own to show.
    void SetText(const std::string&) override {}
    void SetFocus() override {
        if (GetFocus() != tabs_) ::SetFocus(tabs_);
    }
    // The focus lies on the row of tabs, a window of its own (TabsProc reports it).
    void FocusTaken() override {}

    void SetTabs(const std::vector<std::string>& captions) override {
        int selected = TabCtrl_GetCurSel(tabs_);
        TabCtrl_DeleteAllItems(tabs_);
        for (size_t i = 0; i < captions.size(); ++i) {
            std::wstring text = Wide(captions[i]);
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = text.data();
            SendMessageW(tabs_, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
        }
        if (selected >= 0 && selected < static_cast<int>(captions.size())) TabCtrl_SetCurSel(tabs_, selected);
    }
    void SelectTab(int tab) override { TabCtrl_SetCurSel(tabs_, tab); }
    TRect DisplayRect(TSize size) override {
        RECT r{0, 0, size.cx, size.cy};
        TabCtrl_AdjustRect(tabs_, FALSE, &r);
        return {r.left, r.top, std::max(r.left, r.right), std::max(r.top, r.bottom)};
    }

    HWND Tabs() const { return tabs_; }

    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        LRESULT routed = 0;
        if (RouteToChild(hwnd, msg, wp, lp, routed)) return routed;
        auto* self = dynamic_cast<Win32PageControlPeer*>(FromWindow(hwnd));
        switch (msg) {
            case WM_ERASEBKGND:
                return 1;  // the tab control and the pages cover the whole area
            case WM_NOTIFY: {
                auto* hdr = reinterpret_cast<NMHDR*>(lp);
                if (self && hdr->hwndFrom == self->tabs_ && hdr->code == TCN_SELCHANGE)
                    return GuardedCall([&] {
                        self->sink_.PeerTabChanged(TabCtrl_GetCurSel(self->tabs_));
                        return LRESULT(0);
                    });
                break;
            }
            case WM_PARENTNOTIFY:
                // A page made later goes above the tab control, which keeps to the bottom.
                if (self && LOWORD(wp) == WM_CREATE)
                    SetWindowPos(self->tabs_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
                break;
            case WM_SETFOCUS:
                if (self) ::SetFocus(self->tabs_);
                return 0;
        }
        return DefWindowProcW(hwnd, msg, wp, lp);
    }

private:
    static LRESULT CALLBACK TabsProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
        auto* self = reinterpret_cast<Win32PageControlPeer*>(data);
        if (msg == WM_MOUSEMOVE) GuardedCall([&] {
                self->PointerOver();
                return LRESULT(0);
            });
        if (msg == WM_SETFOCUS) {
            LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
            GuardedCall([&] {
                self->sink_.PeerEnter();
                return LRESULT(0);
            });
            return r;
        }
        return DefSubclassProc(hwnd, msg, wp, lp);
    }

    IPageControlSink& sink_;
    HWND tabs_ = nullptr;
};

}  // namespace

std::unique_ptr<IPageControlPeer> Win32UserInterface::CreatePageControlPeer(IPageControlSink& sink,
                                                                           NativeHandle parent) {
    return std::make_unique<Win32PageControlPeer>(sink, reinterpret_cast<HWND>(parent));
}

}  // namespace pv::win32
