// End-to-end helper: facts about another program's top-level window.
//   e2e_window_tool exstyle "<title>"   prints the window's extended style in hexadecimal
//   e2e_window_tool visible "<title>"   exit code 0 when the window is visible
//   e2e_window_tool rect "<title>"      prints the window's screen rectangle: left top right bottom
//   e2e_window_tool tree "<title>"      prints the items of the window's tree view, one per
//                                       line, indented two blanks per level, the selected
//                                       one marked with "*" and a ghosted (cut) one with "~"
//   e2e_window_tool focus "<title>"     prints the class and text of the focused control
//   e2e_window_tool windows "<class>"   prints the title of every top-level window of that
//                                       class, hidden ones included, one per line
//   e2e_window_tool shown "<class>"     the same for the visible ones only
//   e2e_window_tool foreground          prints the title of the foreground window
//   e2e_window_tool minimize "<title>"  minimises the window, as its minimise box would
//   e2e_window_tool iconic "<title>"    exit code 0 when the window is minimised
//   e2e_window_tool close "<title>"     asks the window to close, as its close box would
//   e2e_window_tool children "<title>"  prints the class and text of every visible child
//                                       window, one per line, in the order of the tree
//   e2e_window_tool list "<title>"      prints the rows of the window's list view, its cells
//                                       separated by " | "
//   e2e_window_tool child "<title>" "<class>"  prints the screen rectangle of the window's
//                                       first control of that class: left top right bottom
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

// The first child window of a class, at any depth.
HWND FindChildOfClass(HWND parent, const wchar_t* cls) {
    struct Search {
        const wchar_t* Class;
        HWND Found;
    } search{cls, nullptr};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM lp) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lp);
            wchar_t name[64];
            GetClassNameW(child, name, 64);
            if (_wcsicmp(name, s->Class) != 0) return TRUE;
            s->Found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

void PrintUtf8(const std::wstring& text) {
    int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    std::fputs(out.c_str(), stdout);
}

// The tree's items are read through memory lent in the other program, as a tree view
// only answers with pointers into its own process.
int DumpTree(HWND window) {
    HWND tree = FindChildOfClass(window, WC_TREEVIEWW);
    if (!tree) return 4;
    DWORD pid = 0;
    GetWindowThreadProcessId(tree, &pid);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!process) return 5;
    const SIZE_T textChars = 512;
    auto* remote = static_cast<char*>(
        VirtualAllocEx(process, nullptr, sizeof(TVITEMW) + textChars * sizeof(wchar_t), MEM_COMMIT, PAGE_READWRITE));
    if (!remote) return 6;
    auto* remoteText = reinterpret_cast<wchar_t*>(remote + sizeof(TVITEMW));
    HTREEITEM selected = TreeView_GetSelection(tree);
    struct Walker {
        HWND Tree;
        HANDLE Process;
        char* Remote;
        wchar_t* RemoteText;
        HTREEITEM Selected;
        void Walk(HTREEITEM item, int level) {
            for (; item; item = TreeView_GetNextSibling(Tree, item)) {
                TVITEMW it{};
                it.mask = TVIF_TEXT | TVIF_STATE | TVIF_HANDLE;
                it.hItem = item;
                it.stateMask = TVIS_CUT;
                it.pszText = RemoteText;
                it.cchTextMax = 512;
                WriteProcessMemory(Process, Remote, &it, sizeof it, nullptr);
                SendMessageW(Tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(Remote));
                TVITEMW back{};
                ReadProcessMemory(Process, Remote, &back, sizeof back, nullptr);
                wchar_t text[512] = {};
                ReadProcessMemory(Process, RemoteText, text, sizeof text - sizeof(wchar_t), nullptr);
                std::wstring line(static_cast<size_t>(level * 2), L' ');
                line += text;
                if (item == Selected) line += L" *";
                if (back.state & TVIS_CUT) line += L" ~";
                PrintUtf8(line + L"\n");
                Walk(TreeView_GetChild(Tree, item), level + 1);
            }
        }
    } walker{tree, process, remote, remoteText, selected};
    walker.Walk(TreeView_GetRoot(tree), 0);
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return 0;
}

// The list view's cells, read through memory lent in the other program as for the tree.
int DumpList(HWND window) {
    HWND list = FindChildOfClass(window, WC_LISTVIEWW);
    if (!list) return 4;
    DWORD pid = 0;
    GetWindowThreadProcessId(list, &pid);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!process) return 5;
    const SIZE_T textChars = 512;
    auto* remote = static_cast<char*>(
        VirtualAllocEx(process, nullptr, sizeof(LVITEMW) + textChars * sizeof(wchar_t), MEM_COMMIT, PAGE_READWRITE));
    if (!remote) return 6;
    auto* remoteText = reinterpret_cast<wchar_t*>(remote + sizeof(LVITEMW));
    int columns = Header_GetItemCount(ListView_GetHeader(list));
    int rows = ListView_GetItemCount(list);
    for (int r = 0; r < rows; ++r) {
        std::wstring line;
        for (int c = 0; c < columns; ++c) {
            LVITEMW it{};
            it.iSubItem = c;
            it.pszText = remoteText;
            it.cchTextMax = static_cast<int>(textChars);
            WriteProcessMemory(process, remote, &it, sizeof it, nullptr);
            SendMessageW(list, LVM_GETITEMTEXTW, r, reinterpret_cast<LPARAM>(remote));
            wchar_t text[512] = {};
            ReadProcessMemory(process, remoteText, text, sizeof text - sizeof(wchar_t), nullptr);
            if (c) line += L" | ";
            line += text;
        }
        PrintUtf8(line + L"\n");
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return 0;
}

std::wstring TitleOf(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

// Every top-level window of a class, as EnumWindows lists them; only the visible ones if asked.
struct WindowQuery {
    const wchar_t* cls;
    bool visibleOnly;
};
int ListWindows(const wchar_t* cls, bool visibleOnly) {
    WindowQuery query{cls, visibleOnly};
    EnumWindows(
        [](HWND window, LPARAM lp) -> BOOL {
            const auto* q = reinterpret_cast<const WindowQuery*>(lp);
            wchar_t name[256] = {};
            GetClassNameW(window, name, 256);
            if (std::wcscmp(name, q->cls) == 0 && (!q->visibleOnly || IsWindowVisible(window)))
                PrintUtf8(TitleOf(window) + L"\n");
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&query));
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 2 && std::wcscmp(argv[1], L"foreground") == 0) {
        HWND window = GetForegroundWindow();
        if (!window) return 1;
        PrintUtf8(TitleOf(window) + L"\n");
        return 0;
    }
    if (argc < 3) return 2;
    if (std::wcscmp(argv[1], L"windows") == 0) return ListWindows(argv[2], false);
    if (std::wcscmp(argv[1], L"shown") == 0) return ListWindows(argv[2], true);
    HWND window = FindWindowW(nullptr, argv[2]);
    if (!window) return 3;
    if (std::wcscmp(argv[1], L"exstyle") == 0) {
        std::printf("%08lx\n", static_cast<unsigned long>(GetWindowLongPtrW(window, GWL_EXSTYLE)));
        return 0;
    }
    if (std::wcscmp(argv[1], L"visible") == 0) return IsWindowVisible(window) ? 0 : 1;
    if (std::wcscmp(argv[1], L"iconic") == 0) return IsIconic(window) ? 0 : 1;
    if (std::wcscmp(argv[1], L"minimize") == 0) {
        ShowWindow(window, SW_MINIMIZE);
        return 0;
    }
    if (std::wcscmp(argv[1], L"close") == 0) {
        PostMessageW(window, WM_CLOSE, 0, 0);
        return 0;
    }
    if (std::wcscmp(argv[1], L"children") == 0) {
        EnumChildWindows(
            window,
            [](HWND child, LPARAM) -> BOOL {
                if (!IsWindowVisible(child)) return TRUE;
                wchar_t cls[64] = {}, text[512] = {};
                GetClassNameW(child, cls, 64);
                GetWindowTextW(child, text, 512);
                for (wchar_t* p = text; *p; ++p)
                    if (*p == L'\r' || *p == L'\n') *p = L' ';
                PrintUtf8(std::wstring(cls) + L" " + text + L"\n");
                return TRUE;
            },
            0);
        return 0;
    }
    if (std::wcscmp(argv[1], L"rect") == 0) {
        RECT r{};
        GetWindowRect(window, &r);
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
        return 0;
    }
    if (std::wcscmp(argv[1], L"tree") == 0) return DumpTree(window);
    if (std::wcscmp(argv[1], L"list") == 0) return DumpList(window);
    if (std::wcscmp(argv[1], L"child") == 0 && argc >= 4) {
        HWND child = FindChildOfClass(window, argv[3]);
        if (!child) return 4;
        RECT r{};
        GetWindowRect(child, &r);
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
        return 0;
    }
    if (std::wcscmp(argv[1], L"focus") == 0) {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        DWORD thread = GetWindowThreadProcessId(window, nullptr);
        if (!GetGUIThreadInfo(thread, &info) || !info.hwndFocus) return 1;
        wchar_t cls[64] = {}, text[256] = {};
        GetClassNameW(info.hwndFocus, cls, 64);
        GetWindowTextW(info.hwndFocus, text, 256);
        PrintUtf8(std::wstring(cls) + L" " + text + L"\n");
        return 0;
    }
    return 2;
}
