// The user-interface service of the real backend: the common controls, and the few
// application-wide operations. Each control family's peers and factory live in the
// family's own file (win32_<family>.cpp).
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_dpi.h"
#include "platform/win32/win32_ui.h"

namespace pv::win32 {

Win32UserInterface::Win32UserInterface() {
    // Every common-control class the families' peers make (buttons, edits, combo boxes,
    // statics, the status bar, tooltips, the tree view, the tab control, the hot-key
    // field), registered once for the process.
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES |
                                             ICC_TREEVIEW_CLASSES | ICC_USEREX_CLASSES | ICC_TAB_CLASSES |
                                             ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&icc);
}

int Win32UserInterface::DpiAt(TPoint at) { return PointDpi(POINT{at.X, at.Y}); }

bool Win32UserInterface::GetCursorPos(TPoint& pos) {
    POINT p;
    if (!::GetCursorPos(&p)) return false;
    pos = {p.x, p.y};
    return true;
}

void Win32UserInterface::SetForegroundWindow(NativeHandle window) { ::SetForegroundWindow(reinterpret_cast<HWND>(window)); }

void Win32UserInterface::PostNullMessage(NativeHandle window) { PostMessageW(reinterpret_cast<HWND>(window), WM_NULL, 0, 0); }

bool Win32UserInterface::DisableWindowsGhosting() {
    wchar_t sys[MAX_PATH];
    UINT n = GetSystemDirectoryW(sys, MAX_PATH);
    std::wstring path = std::wstring(sys, n) + L"\\user32.dll";
    HMODULE user32 = GetModuleHandleW(path.c_str());
    if (!user32) user32 = LoadLibraryW(path.c_str());
    if (!user32) return false;
    using Fn = void(WINAPI*)();
    auto fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(user32, "DisableProcessWindowsGhosting")));
    if (!fn) return false;
    fn();
    return true;
}

void Win32UserInterface::RestoreApplication() {}

void Win32UserInterface::SetWaitCursor(bool wait) {
    // The operation holds the message loop, so nothing sets the pointer back meanwhile.
    ::SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(wait ? IDC_WAIT : IDC_ARROW)));
}

void Win32UserInterface::SetRightToLeft(bool rtl) { SetProcessDefaultLayout(rtl ? LAYOUT_RTL : 0); }

}  // namespace pv::win32
