#include "platform/win32/win32_control.h"
#include "platform/win32/win32_dpi.h"

#include <map>
#include <tuple>
#include <unordered_map>

namespace pv::win32 {

namespace {

// The peer of each control window of ours. Kept here rather than in a window property:
// every notification a control sends asks for its peer, and where properties live with
// the window manager (as under Wine) each such look costs a round trip to it.
std::unordered_map<HWND, Win32ControlPeer*>& PeersByWindow() {
    static std::unordered_map<HWND, Win32ControlPeer*> peers;
    return peers;
}
const wchar_t* kTooltipProp = L"PivolaTooltip";
constexpr UINT_PTR kTrackId = 0x5056;

// The control the pointer was last reported over, so that moving within it reports once.
HWND hovered = nullptr;

struct FontKey {
    std::string Name;
    int Size;
    bool Bold, Italic, Underline;
    int Dpi;
    bool operator<(const FontKey& o) const {
        return std::tie(Name, Size, Bold, Italic, Underline, Dpi) <
               std::tie(o.Name, o.Size, o.Bold, o.Italic, o.Underline, o.Dpi);
    }
};

// The tooltip window of a top-level window, made when its first control gets a tooltip.
HWND TooltipOf(HWND control) {
    HWND root = GetAncestor(control, GA_ROOT);
    if (!root) return nullptr;
    if (auto tip = static_cast<HWND>(GetPropW(root, kTooltipProp))) return tip;
    HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, root, nullptr,
                               ModuleInstance(), nullptr);
    if (tip) SetPropW(root, kTooltipProp, tip);
    return tip;
}

TOOLINFOW ToolOf(HWND control, std::wstring& text) {
    TOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = GetParent(control);
    ti.uId = reinterpret_cast<UINT_PTR>(control);
    ti.lpszText = text.data();
    return ti;
}

}  // namespace

HFONT FontHandle(const FontSpec& f, int dpi) {
    static std::map<FontKey, HFONT> fonts;
    if (dpi <= 0) dpi = SystemDpi();
    FontKey key{f.Name, f.Size, f.Bold, f.Italic, f.Underline, dpi};
    auto it = fonts.find(key);
    if (it != fonts.end()) return it->second;
    HFONT font = CreateFontW(-MulDiv(f.Size, dpi, 72), 0, 0, 0, f.Bold ? FW_BOLD : FW_NORMAL, f.Italic, f.Underline, 0,
                             DEFAULT_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0, Wide(f.Name).c_str());
    fonts[key] = font;
    return font;
}

namespace {
void Forget(HWND hwnd, const Win32ControlPeer* peer) {
    auto it = PeersByWindow().find(hwnd);
    if (it != PeersByWindow().end() && it->second == peer) PeersByWindow().erase(it);
}
}  // namespace

Win32ControlPeer::~Win32ControlPeer() {
    if (hwnd_) Forget(hwnd_, this);
}

Win32ControlPeer* Win32ControlPeer::FromWindow(HWND hwnd) {
    if (!hwnd) return nullptr;
    auto it = PeersByWindow().find(hwnd);
    return it == PeersByWindow().end() ? nullptr : it->second;
}

void Win32ControlPeer::Attach(HWND hwnd) {
    hwnd_ = hwnd;
    if (!hwnd_) return;
    PeersByWindow()[hwnd_] = this;
    SetWindowSubclass(hwnd_, TrackPointer, kTrackId, reinterpret_cast<DWORD_PTR>(this));
}

void Win32ControlPeer::Detach() {
    if (!hwnd_) return;
    if (hovered == hwnd_) hovered = nullptr;
    DoSetHint("");
    RemoveWindowSubclass(hwnd_, TrackPointer, kTrackId);
    Forget(hwnd_, this);
    DestroyWindow(hwnd_);
    hwnd_ = nullptr;
}

void Win32ControlPeer::PointerOver() {
    if (hovered == hwnd_) return;
    hovered = hwnd_;
    sink_.PeerMouseEnter();
}

LRESULT CALLBACK Win32ControlPeer::TrackPointer(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
    // A window destroyed with its parent takes its entry along, so that a later window
    // given the same handle is never taken for it.
    if (msg == WM_NCDESTROY) Forget(hwnd, reinterpret_cast<Win32ControlPeer*>(data));
    if (msg == WM_MOUSEMOVE) GuardedCall([&] {
            reinterpret_cast<Win32ControlPeer*>(data)->PointerOver();
            return LRESULT(0);
        });
    LRESULT own = 0;
    if (GuardedCall([&] { return LRESULT(reinterpret_cast<Win32ControlPeer*>(data)->OwnMessage(msg, wp, lp, own)); }))
        return own;
    if (msg == WM_SETFOCUS) {
        // The control takes the focus first; the model hears of it afterwards.
        LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
        GuardedCall([&] {
            reinterpret_cast<Win32ControlPeer*>(data)->FocusTaken();
            return LRESULT(0);
        });
        return r;
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

void Win32ControlPeer::DoSetBounds(const TRect& r) {
    SetWindowPos(hwnd_, nullptr, r.Left, r.Top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32ControlPeer::DoSetVisible(bool visible) { ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE); }

void Win32ControlPeer::DoSetEnabled(bool enabled) { EnableWindow(hwnd_, enabled); }

void Win32ControlPeer::DoSetFocus() {
    if (GetFocus() != hwnd_ && !IsChild(hwnd_, GetFocus())) ::SetFocus(hwnd_);
}

void Win32ControlPeer::DoSetText(const std::string& text) { SetWindowTextW(hwnd_, Wide(text).c_str()); }

void Win32ControlPeer::DoSetFont(const FontSpec& font) {
    // A font's points become pixels at the DPI of the monitor the window is on.
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(font, WindowDpi(hwnd_))), TRUE);
}

void Win32ControlPeer::DoSetHint(const std::string& hint) {
    std::wstring text = Wide(hint);
    if (text == tip_ || !hwnd_) return;
    HWND tip = TooltipOf(hwnd_);
    if (!tip) return;
    TOOLINFOW ti = ToolOf(hwnd_, tip_);
    if (!tip_.empty()) SendMessageW(tip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    tip_ = text;
    if (tip_.empty()) return;
    ti = ToolOf(hwnd_, tip_);
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

HWND CreateChild(const wchar_t* className, const std::wstring& text, DWORD style, DWORD exStyle, HWND parent) {
    // Ids start well above the dialog's own answers (IDOK, IDCANCEL, ...).
    static UINT nextId = 1000;
    UINT id = nextId++;
    if (nextId > 0xFFF0) nextId = 1000;
    return CreateWindowExW(exStyle, className, text.c_str(), WS_CHILD | style, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), ModuleInstance(), nullptr);
}

bool RouteToChild(HWND container, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    result = 0;
    switch (msg) {
        case WM_COMMAND:
            if (auto* peer = Win32ControlPeer::FromWindow(reinterpret_cast<HWND>(lp)))
                return GuardedCall([&] { return LRESULT(peer->OnCommandId(LOWORD(wp), HIWORD(wp), result)); }) != 0;
            return false;
        case WM_NOTIFY: {
            auto* hdr = reinterpret_cast<NMHDR*>(lp);
            if (auto* peer = Win32ControlPeer::FromWindow(hdr->hwndFrom))
                return GuardedCall([&] { return LRESULT(peer->OnNotify(hdr, result)); }) != 0;
            return false;
        }
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORSCROLLBAR:
            if (auto* peer = Win32ControlPeer::FromWindow(reinterpret_cast<HWND>(lp)))
                return GuardedCall([&] { return LRESULT(peer->OnCtlColor(reinterpret_cast<HDC>(wp), result)); }) != 0;
            return false;
        case WM_DRAWITEM: {
            auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
            if (item->CtlType == ODT_MENU) return false;
            if (auto* peer = Win32ControlPeer::FromWindow(item->hwndItem))
                return GuardedCall([&] { return LRESULT(peer->OnDrawItem(item, result)); }) != 0;
            return false;
        }
        case WM_MEASUREITEM: {
            auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
            if (item->CtlType == ODT_MENU) return false;
            if (auto* peer = Win32ControlPeer::FromWindow(GetDlgItem(container, static_cast<int>(item->CtlID))))
                return GuardedCall([&] { return LRESULT(peer->OnMeasureItem(item, result)); }) != 0;
            return false;
        }
        case WM_MOUSEMOVE: {
            // The container itself, or a disabled child (which gets no mouse messages).
            POINT pt{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
            HWND under = ChildWindowFromPointEx(container, pt, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
            if (auto* peer = Win32ControlPeer::FromWindow(under ? under : container))
                GuardedCall([&] {
                    peer->PointerOver();
                    return LRESULT(0);
                });
            return false;
        }
    }
    return false;
}

}  // namespace pv::win32
