// The status-bar family's native peer: the system's status bar, in simple mode (one panel
// whose text is the peer's text) or with parts of given widths whose first one shows that
// text. A part the window draws itself is an owner-drawn part: the bar's WM_DRAWITEM,
// handed over by the parent, is reported with the part's rectangle. The bar neither sizes
// nor places itself: the model's bounds hold.
#include "platform/win32/win32_control.h"
#include "platform/win32/win32_ui.h"

namespace pv::win32 {

namespace {

class Win32StatusBarPeer final : public Win32ChildPeer<IStatusBarPeer> {
public:
    Win32StatusBarPeer(IControlSink& sink, HWND parent)
        : Win32ChildPeer(sink), panelSink_(dynamic_cast<IStatusBarSink*>(&sink)) {
        Attach(CreateChild(STATUSCLASSNAMEW, L"", CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER, 0, parent));
        SendMessageW(hwnd_, SB_SIMPLE, TRUE, 0);
    }

    // In simple mode the window's own text is the first of the panels that simple mode
    // hides; with parts it is the first part's.
    void SetText(const std::string& text) override {
        text_ = Wide(text);
        ShowText();
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

    void SetPanels(const std::vector<StatusPanelSpec>& panels) override {
        panels_ = panels;
        if (panels.empty()) {
            SendMessageW(hwnd_, SB_SIMPLE, TRUE, 0);
        } else {
            // The parts are given by their right edges; the last one reaches the bar's end.
            std::vector<int> edges;
            int right = 0;
            for (size_t i = 0; i < panels.size(); ++i) {
                right += panels[i].Width;
                edges.push_back(i + 1 == panels.size() ? -1 : right);
            }
            SendMessageW(hwnd_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
            for (size_t i = 1; i < panels.size(); ++i)
                SendMessageW(hwnd_, SB_SETTEXTW, i | (panels[i].Drawn ? SBT_OWNERDRAW : 0), 0);
            SendMessageW(hwnd_, SB_SIMPLE, FALSE, 0);
        }
        ShowText();
        InvalidateRect(hwnd_, nullptr, TRUE);
    }

    bool OnDrawItem(DRAWITEMSTRUCT* item, LRESULT& result) override {
        if (!panelSink_ || item->itemID >= panels_.size()) return false;
        const RECT& r = item->rcItem;
        panelSink_->PeerDrawPanel(static_cast<int>(item->itemID), TRect{r.left, r.top, r.right, r.bottom});
        result = TRUE;
        return true;
    }

private:
    void ShowText() {
        WPARAM part = panels_.empty() ? SB_SIMPLEID : 0;
        if (!panels_.empty() && panels_[0].Drawn) part |= SBT_OWNERDRAW;
        SendMessageW(hwnd_, SB_SETTEXTW, part, reinterpret_cast<LPARAM>(text_.c_str()));
    }

    IStatusBarSink* panelSink_;
    std::vector<StatusPanelSpec> panels_;
    std::wstring text_;
};

}  // namespace

std::unique_ptr<IStatusBarPeer> Win32UserInterface::CreateStatusBarPeer(IControlSink& sink, NativeHandle parent) {
    return std::make_unique<Win32StatusBarPeer>(sink, reinterpret_cast<HWND>(parent));
}

}  // namespace pv::win32
