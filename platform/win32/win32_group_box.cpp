// The group-box family's native peer: a container of its own class that draws the
// etched frame with its text at the top left (the themed group box with visual styles)
// and hands its children's messages to their peers, which a system group box would not.
#include "platform/win32/win32_control.h"
#include "platform/win32/win32_ui.h"

#include <uxtheme.h>
#include <vssym32.h>

namespace pv::win32 {

namespace {

const wchar_t* kGroupBoxClass = L"PivolaGroupBox";
// Where the text starts, and the room on both sides of it inside the frame's gap.
constexpr int kTextLeft = 8;
constexpr int kTextGap = 2;

class Win32GroupBoxPeer final : public Win32ChildPeer<IGroupBoxPeer> {
public:
    Win32GroupBoxPeer(IControlSink& sink, HWND parent) : Win32ChildPeer(sink) {
        RegisterWindowClass(kGroupBoxClass, Proc);
        Attach(CreateChild(kGroupBoxClass, L"", WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, parent));
    }

    void SetText(const std::string& text) override {
        DoSetText(text);
        InvalidateRect(hwnd_, nullptr, FALSE);
    }

    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        LRESULT routed = 0;
        if (RouteToChild(hwnd, msg, wp, lp, routed)) return routed;
        auto* self = dynamic_cast<Win32GroupBoxPeer*>(FromWindow(hwnd));
        switch (msg) {
            case WM_ERASEBKGND:
                return 1;  // WM_PAINT covers the whole client area
            case WM_PAINT: {
                PAINTSTRUCT ps;
                HDC dc = BeginPaint(hwnd, &ps);
                Paint(hwnd, dc, self ? self->font_ : nullptr);
                EndPaint(hwnd, &ps);
                return 0;
            }
            case WM_PRINTCLIENT:
                Paint(hwnd, reinterpret_cast<HDC>(wp), self ? self->font_ : nullptr);
                return 0;
            case WM_SETFONT:
                if (self) self->font_ = reinterpret_cast<HFONT>(wp);
                if (LOWORD(lp)) InvalidateRect(hwnd, nullptr, FALSE);
                return 0;
            case WM_GETFONT:
                return self ? reinterpret_cast<LRESULT>(self->font_) : 0;
            case WM_ENABLE:
                InvalidateRect(hwnd, nullptr, FALSE);
                return 0;
        }
        return DefWindowProcW(hwnd, msg, wp, lp);
    }

private:
    static void Paint(HWND hwnd, HDC dc, HFONT font) {
        RECT client{};
        GetClientRect(hwnd, &client);
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
        HGDIOBJ oldFont = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
        int length = GetWindowTextLengthW(hwnd);
        std::wstring text(static_cast<size_t>(std::max(length, 0)) + 1, L'\0');
        text.resize(static_cast<size_t>(GetWindowTextW(hwnd, text.data(), length + 1)));
        SIZE extent{0, 0};
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        RECT measure{0, 0, 0, 0};
        if (!text.empty()) {
            DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measure, DT_SINGLELINE | DT_CALCRECT);
            extent = {measure.right, measure.bottom};
        }
        // The frame runs through the middle of the text's line; the text interrupts it.
        RECT frame{client.left, client.top + tm.tmHeight / 2, client.right, client.bottom};
        RECT label{kTextLeft, 0, std::min<LONG>(kTextLeft + extent.cx, client.right - kTextLeft), tm.tmHeight};
        RECT gap{label.left - kTextGap, label.top, label.right + kTextGap, label.bottom};
        bool enabled = IsWindowEnabled(hwnd);
        HTHEME theme = IsAppThemed() && IsThemeActive() ? OpenThemeData(hwnd, L"BUTTON") : nullptr;
        int saved = SaveDC(dc);
        if (!text.empty()) ExcludeClipRect(dc, gap.left, gap.top, gap.right, gap.bottom);
        if (theme) DrawThemeBackground(theme, dc, BP_GROUPBOX, enabled ? GBS_NORMAL : GBS_DISABLED, &frame, nullptr);
        else DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
        RestoreDC(dc, saved);
        if (!text.empty()) {
            COLORREF colour = GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
            if (theme) GetThemeColor(theme, BP_GROUPBOX, enabled ? GBS_NORMAL : GBS_DISABLED, TMT_TEXTCOLOR, &colour);
            int oldMode = SetBkMode(dc, TRANSPARENT);
            COLORREF oldColour = SetTextColor(dc, colour);
            DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &label, DT_LEFT | DT_SINGLELINE | DT_END_ELLIPSIS);
            SetTextColor(dc, oldColour);
            SetBkMode(dc, oldMode);
        }
        if (theme) CloseThemeData(theme);
        SelectObject(dc, oldFont);
    }

    HFONT font_ = nullptr;
};

}  // namespace

std::unique_ptr<IGroupBoxPeer> Win32UserInterface::CreateGroupBoxPeer(IControlSink& sink, NativeHandle parent) {
    return std::make_unique<Win32GroupBoxPeer>(sink, reinterpret_cast<HWND>(parent));
}

}  // namespace pv::win32
