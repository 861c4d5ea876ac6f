// End-to-end helper for the notification area:
//   e2e_tray_tool remove     takes Pivola's icon away, as a crashed shell would have lost it
//   e2e_tray_tool broadcast  sends the shell's "TaskbarCreated" message to every window,
//                            as the shell does when it has been restarted
#include <windows.h>
#include <shellapi.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    if (std::wcscmp(argv[1], L"remove") == 0) {
        HWND tray = FindWindowW(L"PivolaTrayWindow", nullptr);
        if (!tray) return 3;
        NOTIFYICONDATAW d{};
        d.cbSize = sizeof d;
        d.hWnd = tray;
        d.uID = 1;
        return Shell_NotifyIconW(NIM_DELETE, &d) ? 0 : 4;
    }
    if (std::wcscmp(argv[1], L"broadcast") == 0) {
        UINT msg = RegisterWindowMessageW(L"TaskbarCreated");
        return PostMessageW(HWND_BROADCAST, msg, 0, 0) ? 0 : 5;
    }
    return 2;
}
