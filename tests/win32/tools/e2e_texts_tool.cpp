// End-to-end helper: the texts another program's window shows.
//   e2e_texts_tool "<title>"   prints one line per control of the window, at any depth:
//                             its class, a blank, its text (UTF-8)
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

BOOL CALLBACK PrintControl(HWND child, LPARAM) {
    wchar_t cls[64] = {}, text[512] = {};
    GetClassNameW(child, cls, 64);
    GetWindowTextW(child, text, 512);
    std::wstring line = std::wstring(cls) + L" " + text + L"\n";
    int n = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), out.data(), n, nullptr, nullptr);
    std::fputs(out.c_str(), stdout);
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    HWND window = FindWindowW(nullptr, argv[1]);
    if (!window) return 3;
    EnumChildWindows(window, PrintControl, 0);
    return 0;
}
