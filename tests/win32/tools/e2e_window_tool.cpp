// End-to-end helper: facts about another program's top-level window.
//   e2e_window_tool exstyle "<title>"   prints the window's extended style in hexadecimal
//   e2e_window_tool visible "<title>"   exit code 0 when the window is visible
#include <windows.h>

#include <cstdio>
#include <cwchar>

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) return 2;
    HWND window = FindWindowW(nullptr, argv[2]);
    if (!window) return 3;
    if (std::wcscmp(argv[1], L"exstyle") == 0) {
        std::printf("%08lx\n", static_cast<unsigned long>(GetWindowLongPtrW(window, GWL_EXSTYLE)));
        return 0;
    }
    if (std::wcscmp(argv[1], L"visible") == 0) return IsWindowVisible(window) ? 0 : 1;
    return 2;
}
