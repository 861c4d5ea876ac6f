// The panel family's native peer: a window of its own class that holds other controls
// and hands their messages to their peers. A plain panel is the button face; a header
// strip is one line of centred text on the themed header, or on the caption colours
// when the system draws without visual styles; a caption heading is one line of text on
// the themed active window caption, or on the active caption's gradient colour. A
// bordered panel has a thin sunken edge (WS_EX_STATICEDGE) around its client area.
#include "platform/win32/win32_control.h"
#include "platform/win32/win32_ui.h"

#include <uxtheme.h>
#include <vssym32.h>

namespace pv::win32 {

namespace {

const wchar_t* kPanelClass = L"PivolaPanel";
// Room between the strip's ends and its text, so that the ellipsis does not touch them.
constexpr int kTextInset = 4;

// A strip goes inactive while it cannot take input: disabled itself, or below a
// disabled container or window.
bool Inactive(HWND hwnd) {
    for (HWND w = hwnd; w; w = (GetWindowLongPtrW(w, GWL_STYLE) & WS_CHILD) ? GetParent(w) : nullptr)
        if (!IsWindowEnabled(w)) return true;
    return false;
}

class Win32PanelPeer final : public Win32ChildPeer<IPanelPeer> {
public:
    Win32PanelPeer(IControlSink& sink, HWND parent) : Win32ChildPeer(sink) {
        RegisterWindowClass(kPanelClass, Proc);
        Attach(CreateChild(kPanelClass, L"", WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, parent));
    }

    // The window keeps no face of its own: each change that shows is painted anew (a
    // change of the enabled state through WM_ENABLE).
    void SetText(const std::string& text) override {
        DoSetText(text);
        Repaint();
    }
    void SetFace(PanelFace face) override {
        if (face_ == face) return;
        face_ = face;
        Repaint();
    }
    void SetBorder(bool border) override {
        LONG_PTR ex = GetWindowLongPtrW(hwnd_, GWL_EXSTYLE);
        LONG_PTR changed = border ? (ex | WS_EX_STATICEDGE) : (ex & ~static_cast<LONG_PTR>(WS_EX_STATICEDGE));
        if (changed == ex) return;
        SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, changed);
        // The frame changes size: the system measures the client area anew.
        SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        LRESULT routed = 0;
        if (RouteToChild(hwnd, msg, wp, lp, routed)) return routed;
        // Until the peer has taken the window over, the panel is a plain one.
        auto* self = dynamic_cast<Win32PanelPeer*>(FromWindow(hwnd));
        switch (msg) {
            case WM_ERASEBKGND:
                return 1;  // WM_PAINT covers the whole client area
            case WM_PAINT: {
                PAINTSTRUCT ps;
                HDC dc = BeginPaint(hwnd, &ps);
                Paint(hwnd, dc, self);
                EndPaint(hwnd, &ps);
                return 0;
            }
            case WM_PRINTCLIENT:
                Paint(hwnd, reinterpret_cast<HDC>(wp), self);
                return 0;
            case WM_SETFONT:
                if (self) self->font_ = reinterpret_cast<HFONT>(wp);
                if (LOWORD(lp)) InvalidateRect(hwnd, nullptr, FALSE);
                return 0;
            case WM_GETFONT:
                return self ? reinterpret_cast<LRESULT>(self->font_) : 0;
            case WM_ENABLE:
                // The strip's colours follow the state, and so do header strips inside.
                RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
                return 0;
            case WM_SIZE:
                // A text placed by the width (centred, or cut with an ellipsis) moves with it.
                if (self && self->face_ != PanelFace::Plain) InvalidateRect(hwnd, nullptr, FALSE);
                break;
        }
        return DefWindowProcW(hwnd, msg, wp, lp);
    }

private:
    void Repaint() { InvalidateRect(hwnd_, nullptr, FALSE); }

    static void Paint(HWND hwnd, HDC dc, const Win32PanelPeer* self) {
        RECT r{};
        GetClientRect(hwnd, &r);
        PanelFace face = self ? self->face_ : PanelFace::Plain;
        if (face == PanelFace::Caption) return PaintCaption(hwnd, dc, r, self);
        if (face != PanelFace::HeaderStrip) {
            FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
            return;
        }
        bool inactive = Inactive(hwnd);
        COLORREF text = GetSysColor(inactive ? COLOR_INACTIVECAPTIONTEXT : COLOR_CAPTIONTEXT);
        HTHEME theme = IsAppThemed() && IsThemeActive() ? OpenThemeData(hwnd, L"HEADER") : nullptr;
        if (theme) {
            DrawThemeBackground(theme, dc, HP_HEADERITEM, HIS_NORMAL, &r, nullptr);
            if (inactive) text = GetSysColor(COLOR_GRAYTEXT);
            else if (FAILED(GetThemeColor(theme, HP_HEADERITEM, HIS_NORMAL, TMT_TEXTCOLOR, &text)))
                text = GetSysColor(COLOR_BTNTEXT);
            CloseThemeData(theme);
        } else {
            FillRect(dc, &r, GetSysColorBrush(inactive ? COLOR_GRADIENTINACTIVECAPTION : COLOR_GRADIENTACTIVECAPTION));
        }
        InflateRect(&r, -kTextInset, 0);
        PaintText(hwnd, dc, r, self, text, DT_CENTER);
    }

    // Like the caption of an active window: its themed element, or without visual styles
    // the active caption's gradient colour, with the caption's text colour.
    static void PaintCaption(HWND hwnd, HDC dc, RECT r, const Win32PanelPeer* self) {
        COLORREF text = GetSysColor(COLOR_CAPTIONTEXT);
        HTHEME theme = IsAppThemed() && IsThemeActive() ? OpenThemeData(hwnd, L"WINDOW") : nullptr;
        if (theme) {
            // The element may leave its corners to what lies beneath: the window's face.
            FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
            DrawThemeBackground(theme, dc, WP_CAPTION, CS_ACTIVE, &r, nullptr);
            if (FAILED(GetThemeColor(theme, WP_CAPTION, CS_ACTIVE, TMT_TEXTCOLOR, &text)))
                text = GetSysColor(COLOR_CAPTIONTEXT);
            CloseThemeData(theme);
        } else {
            FillGradient(dc, r, GetSysColor(COLOR_ACTIVECAPTION), GetSysColor(COLOR_GRADIENTACTIVECAPTION));
        }
        InflateRect(&r, -kTextInset, 0);
        PaintText(hwnd, dc, r, self, text, DT_LEFT);
    }

    // From `left` at the left edge to `right` at the right one, as a caption runs.
    static void FillGradient(HDC dc, const RECT& r, COLORREF left, COLORREF right) {
        auto vertex = [](LONG x, LONG y, COLORREF c) {
            return TRIVERTEX{x, y, static_cast<COLOR16>(GetRValue(c) << 8), static_cast<COLOR16>(GetGValue(c) << 8),
                             static_cast<COLOR16>(GetBValue(c) << 8), 0};
        };
        TRIVERTEX v[2] = {vertex(r.left, r.top, left), vertex(r.right, r.bottom, right)};
        GRADIENT_RECT g{0, 1};
        if (!GradientFill(dc, v, 2, &g, 1, GRADIENT_FILL_RECT_H)) {
            HBRUSH brush = CreateSolidBrush(right);
            FillRect(dc, &r, brush);
            DeleteObject(brush);
        }
    }

    // The window's text on one line, vertically centred, cut with an ellipsis.
    static void PaintText(HWND hwnd, HDC dc, RECT r, const Win32PanelPeer* self, COLORREF colour, UINT align) {
        int length = GetWindowTextLengthW(hwnd);
        if (length <= 0) return;
        std::wstring caption(static_cast<size_t>(length) + 1, L'\0');
        caption.resize(static_cast<size_t>(GetWindowTextW(hwnd, caption.data(), length + 1)));
        HGDIOBJ font = self->font_ ? self->font_ : GetStockObject(DEFAULT_GUI_FONT);
        HGDIOBJ oldFont = SelectObject(dc, font);
        int oldMode = SetBkMode(dc, TRANSPARENT);
        COLORREF oldColour = SetTextColor(dc, colour);
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &r,
                  align | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
        SetTextColor(dc, oldColour);
        SetBkMode(dc, oldMode);
        SelectObject(dc, oldFont);
    }

    HFONT font_ = nullptr;
    PanelFace face_ = PanelFace::Plain;
};

}  // namespace

std::unique_ptr<IPanelPeer> Win32UserInterface::CreatePanelPeer(IControlSink& sink, NativeHandle parent) {
    return std::make_unique<Win32PanelPeer>(sink, reinterpret_cast<HWND>(parent));
}

}  // namespace pv::win32
