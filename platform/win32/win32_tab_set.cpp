// The tab-set family's native peer: a tab control (SysTabControl32) with its tabs at the
// bottom and no pages. A click shows the new tab at once; the model puts the old one back
// when it refuses the change.
#include "platform/win32/win32_control.h"
#include "platform/win32/win32_ui.h"

namespace pv::win32 {

namespace {

class Win32TabSetPeer final : public Win32ChildPeer<ITabSetPeer> {
public:
    Win32TabSetPeer(ITabSetSink& sink, HWND parent) : Win32ChildPeer(sink), sink_(sink) {
        Attach(CreateChild(WC_TABCONTROLW, L"", WS_TABSTOP | WS_CLIPSIBLINGS | TCS_BOTTOM | TCS_FOCUSNEVER, 0,
                           parent));
    }
    void SetText(const std::string&) override {}
    void SetTabs(const std::vector<std::string>& captions) override {
        TabCtrl_DeleteAllItems(hwnd_);
        for (size_t i = 0; i < captions.size(); ++i) {
            std::wstring text = Wide(captions[i]);
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = text.data();
            SendMessageW(hwnd_, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
        }
    }
    void SelectTab(int tab) override { TabCtrl_SetCurSel(hwnd_, tab); }
    bool OnNotify(NMHDR* hdr, LRESULT& result) override {
        if (hdr->code != TCN_SELCHANGE) return false;
        int tab = TabCtrl_GetCurSel(hwnd_);
        result = GuardedCall([&] {
            sink_.PeerTabClicked(tab);
            return LRESULT(0);
        });
        return true;
    }

private:
    ITabSetSink& sink_;
};

}  // namespace

std::unique_ptr<ITabSetPeer> Win32UserInterface::CreateTabSetPeer(ITabSetSink& sink, NativeHandle parent) {
    return std::make_unique<Win32TabSetPeer>(sink, reinterpret_cast<HWND>(parent));
}

}  // namespace pv::win32
