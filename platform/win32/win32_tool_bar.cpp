// The tool-bar family's native peer: the system's tool bar, flat, with text buttons of one
// size beside each other. Other controls on the bar are child windows of it: their
// messages come to the bar, which hands them to their peers. A button's click reaches the
// bar's parent as a command under the button's id; its tooltip is asked for when it is
// about to show. With visual styles on, a gradient may lie behind the buttons.
#include "platform/win32/win32_control.h"
#include "platform/win32/win32_ui.h"

#include <uxtheme.h>

namespace pv::win32 {

namespace {

class Win32ToolBarPeer final : public Win32ChildPeer<IToolBarPeer> {
public:
    Win32ToolBarPeer(IToolBarSink& sink, HWND parent) : Win32ChildPeer(sink), barSink_(sink) {
        Attach(CreateChild(TOOLBARCLASSNAMEW, L"",
                           CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER | TBSTYLE_FLAT | TBSTYLE_LIST |
                               TBSTYLE_TOOLTIPS | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                           WS_EX_CONTROLPARENT, parent));
        SendMessageW(hwnd_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
        // Text only: no pictures beside it.
        SendMessageW(hwnd_, TB_SETIMAGELIST, 0, 0);
        SendMessageW(hwnd_, TB_SETBITMAPSIZE, 0, MAKELPARAM(0, 0));
    }

    void SetButtonSize(int width, int height) override {
        width_ = width;
        height_ = height;
        ApplySize();
    }

    void SetButtons(const std::vector<ToolButtonView>& buttons) override {
        SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
        for (LRESULT n = SendMessageW(hwnd_, TB_BUTTONCOUNT, 0, 0); n > 0; --n) SendMessageW(hwnd_, TB_DELETEBUTTON, 0, 0);
        texts_.clear();
        texts_.reserve(buttons.size());
        std::vector<TBBUTTON> native;
        for (const ToolButtonView& b : buttons) {
            texts_.push_back(Wide(b.Caption));
            TBBUTTON t{};
            t.idCommand = b.Id;
            t.fsState = static_cast<BYTE>((b.Enabled ? TBSTATE_ENABLED : 0) | (b.Visible ? 0 : TBSTATE_HIDDEN));
            if (b.Separator) {
                t.fsStyle = BTNS_SEP;
                t.iBitmap = b.Width;
            } else {
                t.fsStyle = BTNS_BUTTON | BTNS_NOPREFIX;
                t.iBitmap = I_IMAGENONE;
                t.iString = reinterpret_cast<INT_PTR>(texts_.back().c_str());
            }
            native.push_back(t);
        }
        if (!native.empty()) SendMessageW(hwnd_, TB_ADDBUTTONSW, native.size(), reinterpret_cast<LPARAM>(native.data()));
        ApplySize();
        SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(hwnd_, nullptr, TRUE);
    }

    void SetGradient(bool gradient) override {
        gradient_ = gradient;
        InvalidateRect(hwnd_, nullptr, TRUE);
    }

    bool OnCommandId(WORD id, WORD, LRESULT& result) override {
        barSink_.PeerButtonClick(id);
        result = 0;
        return true;
    }

    bool OnNotify(NMHDR* hdr, LRESULT& result) override {
        result = 0;
        switch (hdr->code) {
            case TBN_GETINFOTIPW: {
                auto* tip = reinterpret_cast<NMTBGETINFOTIPW*>(hdr);
                std::wstring text = Wide(barSink_.PeerButtonTip(tip->iItem));
                if (tip->pszText && tip->cchTextMax > 0) lstrcpynW(tip->pszText, text.c_str(), tip->cchTextMax);
                return true;
            }
            case TBN_HOTITEMCHANGE: {
                auto* hot = reinterpret_cast<NMTBHOTITEM*>(hdr);
                barSink_.PeerButtonHot((hot->dwFlags & HICF_LEAVING) ? 0 : hot->idNew);
                return true;
            }
            default:
                return false;
        }
    }

    // The controls on the bar send their messages here; they go to their peers.
    bool OwnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
        switch (msg) {
            case WM_COMMAND:
                return lp != 0 && reinterpret_cast<HWND>(lp) != hwnd_ && RouteToChild(hwnd_, msg, wp, lp, result);
            case WM_NOTIFY:
                return reinterpret_cast<NMHDR*>(lp)->hwndFrom != hwnd_ && RouteToChild(hwnd_, msg, wp, lp, result);
            case WM_CTLCOLORBTN:
            case WM_CTLCOLOREDIT:
            case WM_CTLCOLORLISTBOX:
            case WM_CTLCOLORSTATIC:
            case WM_DRAWITEM:
            case WM_MEASUREITEM:
                return RouteToChild(hwnd_, msg, wp, lp, result);
            case WM_ERASEBKGND:
                if (!gradient_ || !IsAppThemed()) return false;
                PaintGradient(reinterpret_cast<HDC>(wp));
                result = 1;
                return true;
            default:
                return false;
        }
    }

private:
    void ApplySize() {
        if (width_ <= 0 || height_ <= 0) return;
        SendMessageW(hwnd_, TB_SETBUTTONWIDTH, 0, MAKELPARAM(width_, width_));
        SendMessageW(hwnd_, TB_SETBUTTONSIZE, 0, MAKELPARAM(width_, height_));
    }

    // From the window colour at the top to the button face at the bottom.
    void PaintGradient(HDC dc) {
        RECT r{};
        GetClientRect(hwnd_, &r);
        COLORREF top = GetSysColor(COLOR_WINDOW), bottom = GetSysColor(COLOR_BTNFACE);
        TRIVERTEX v[2] = {};
        v[0].x = r.left;
        v[0].y = r.top;
        v[0].Red = static_cast<COLOR16>(GetRValue(top) << 8);
        v[0].Green = static_cast<COLOR16>(GetGValue(top) << 8);
        v[0].Blue = static_cast<COLOR16>(GetBValue(top) << 8);
        v[1].x = r.right;
        v[1].y = r.bottom;
        v[1].Red = static_cast<COLOR16>(GetRValue(bottom) << 8);
        v[1].Green = static_cast<COLOR16>(GetGValue(bottom) << 8);
        v[1].Blue = static_cast<COLOR16>(GetBValue(bottom) << 8);
        GRADIENT_RECT g{0, 1};
        GradientFill(dc, v, 2, &g, 1, GRADIENT_FILL_RECT_V);
    }

    IToolBarSink& barSink_;
    std::vector<std::wstring> texts_;
    int width_ = 0, height_ = 0;
    bool gradient_ = false;
};

}  // namespace

std::unique_ptr<IToolBarPeer> Win32UserInterface::CreateToolBarPeer(IToolBarSink& sink, NativeHandle parent) {
    return std::make_unique<Win32ToolBarPeer>(sink, reinterpret_cast<HWND>(parent));
}

}  // namespace pv::win32
