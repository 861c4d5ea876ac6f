// End-to-end helper: another program that holds a global hot key ("Ctrl+L" unless a
// virtual-key letter is given), writes a ready file, and runs until it is ended.
#include <windows.h>

#include <cstdio>

int wmain(int argc, wchar_t** argv) {
    const wchar_t* ready = argc > 1 ? argv[1] : L"hotkey-ready.txt";
    UINT key = argc > 2 ? static_cast<UINT>(argv[2][0]) : 'L';
    if (!RegisterHotKey(nullptr, 1, MOD_CONTROL, key)) return 2;
    if (FILE* f = _wfopen(ready, L"w")) {
        std::fputs("ready\n", f);
        std::fclose(f);
    }
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    }
    return 0;
}
