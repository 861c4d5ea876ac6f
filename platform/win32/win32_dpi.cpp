#include "platform/win32/win32_dpi.h"

namespace pv::win32 {

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

template <typename Fn>
Fn Lookup(HMODULE module, const char* name) {
    return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

// Windows 10 (1607).
GetDpiForWindowFn ForWindow() {
    static GetDpiForWindowFn fn = Lookup<GetDpiForWindowFn>(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
    return fn;
}

// Windows 8.1.
GetDpiForMonitorFn ForMonitor() {
    static GetDpiForMonitorFn fn = Lookup<GetDpiForMonitorFn>(LoadLibraryW(L"shcore.dll"), "GetDpiForMonitor");
    return fn;
}

int MonitorDpi(HMONITOR monitor) {
    UINT x = 0, y = 0;
    if (monitor && ForMonitor() && SUCCEEDED(ForMonitor()(monitor, kEffectiveDpi, &x, &y)) && y > 0)
        return static_cast<int>(y);
    return SystemDpi();
}

}  // namespace

int SystemDpi() {
    HDC dc = GetDC(nullptr);
    int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
    if (dc) ReleaseDC(nullptr, dc);
    return dpi > 0 ? dpi : 96;
}

int WindowDpi(HWND hwnd) {
    if (hwnd && ForWindow())
        if (UINT dpi = ForWindow()(hwnd)) return static_cast<int>(dpi);
    return hwnd ? MonitorDpi(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST)) : SystemDpi();
}

int PointDpi(POINT at) { return MonitorDpi(MonitorFromPoint(at, MONITOR_DEFAULTTONEAREST)); }


}  // namespace pv::win32
