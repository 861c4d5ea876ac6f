// The system's modal dialogs: the message box with the request's title and translated
// button captions, the open-file dialog and the folder browser.
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_ui.h"

#include <commctrl.h>
#include <commdlg.h>

#include <vector>

namespace pv::win32 {

namespace {

// ---- message dialogs ---------------------------------------------------------------------

// The system's message box with the request's title and button captions put in as it
// opens, so that translated captions show on the standard dialog.
thread_local const MessageDialogRequest* pendingDialog = nullptr;
thread_local HHOOK dialogHook = nullptr;

LRESULT CALLBACK DialogHook(int code, WPARAM wp, LPARAM lp) {
    if (code == HCBT_ACTIVATE && pendingDialog) {
        HWND box = reinterpret_cast<HWND>(wp);
        for (const auto& b : pendingDialog->Buttons)
            if (HWND button = GetDlgItem(box, b.Result)) SetWindowTextW(button, Wide(b.Caption).c_str());
        pendingDialog = nullptr;
    }
    return CallNextHookEx(dialogHook, code, wp, lp);
}

UINT ButtonSet(const MessageDialogRequest& r) {
    auto has = [&](int result) {
        for (const auto& b : r.Buttons)
            if (b.Result == result && b.Visible) return true;
        return false;
    };
    if (has(ModalResult::Yes) && has(ModalResult::No)) return has(ModalResult::Cancel) ? MB_YESNOCANCEL : MB_YESNO;
    if (has(ModalResult::Abort) || has(ModalResult::Ignore)) return MB_ABORTRETRYIGNORE;
    if (has(ModalResult::Retry)) return MB_RETRYCANCEL;
    if (has(ModalResult::Ok) && has(ModalResult::Cancel)) return MB_OKCANCEL;
    return MB_OK;
}

UINT IconOf(MsgDlgType kind) {
    switch (kind) {
        case MsgDlgType::Warning: return MB_ICONWARNING;
        case MsgDlgType::Error: return MB_ICONERROR;
        case MsgDlgType::Information: return MB_ICONINFORMATION;
        case MsgDlgType::Confirmation: return MB_ICONQUESTION;
        case MsgDlgType::Custom: return 0;
    }
    return 0;
}

// ---- open-file dialog --------------------------------------------------------------------

// Room for a long path: the dialog fails rather than cut a name that does not fit.
constexpr DWORD kFileBuffer = 32768;

// "Text|*.txt|All|*.*" as the dialog takes it: each part ended by a NUL, the list by one
// more.
std::wstring FilterList(const std::string& filter) {
    std::wstring list = Wide(filter);
    if (list.empty()) return list;
    for (auto& c : list)
        if (c == L'|') c = L'\0';
    list += L'\0';
    return list;
}

}  // namespace

thread_local int installedDialogHooks = 0;

int Win32UserInterface::ShowMessageDialog(const MessageDialogRequest& r) {
    UINT type = ButtonSet(r) | IconOf(r.Kind) | MB_TASKMODAL | MB_SETFOREGROUND;
    if (r.RightToLeft) type |= MB_RTLREADING | MB_RIGHT;
    // Timers and tray clicks still run in the box's modal loop and may show a box of their
    // own: each box installs and removes its own hook, and the outer box's state comes back
    // when the inner one closes.
    const MessageDialogRequest* outerDialog = pendingDialog;
    HHOOK outerHook = dialogHook;
    pendingDialog = &r;
    HHOOK hook = SetWindowsHookExW(WH_CBT, DialogHook, nullptr, GetCurrentThreadId());
    if (hook) ++installedDialogHooks;
    dialogHook = hook;
    int result = MessageBoxW(nullptr, Wide(r.Text).c_str(), Wide(r.Title).c_str(), type);
    if (hook && UnhookWindowsHookEx(hook)) --installedDialogHooks;
    dialogHook = outerHook;
    pendingDialog = outerDialog;
    // The box's identifiers are numbered as modal results are.
    return result;
}

bool Win32UserInterface::ShowOpenFileDialog(const OpenFileRequest& r, std::string& file) {
    std::wstring filter = FilterList(r.Filter), title = Wide(r.Title), dir = Wide(r.InitialDir);
    std::vector<wchar_t> buffer(kFileBuffer, L'\0');
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = reinterpret_cast<HWND>(r.Owner);
    ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = kFileBuffer;
    ofn.lpstrInitialDir = dir.empty() ? nullptr : dir.c_str();
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    // The program's working folder stays where it was, whatever folder the user visits.
    ofn.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR;
    if (r.Resizable) ofn.Flags |= OFN_ENABLESIZING;
    if (r.FileMustExist) ofn.Flags |= OFN_FILEMUSTEXIST;
    if (r.PathMustExist) ofn.Flags |= OFN_PATHMUSTEXIST;
    if (r.HideReadOnly) ofn.Flags |= OFN_HIDEREADONLY;
    if (!GetOpenFileNameW(&ofn)) return false;
    file = Narrow(buffer.data());
    return true;
}

bool Win32UserInterface::ShowSaveFileDialog(const SaveFileRequest& r, std::string& file) {
    std::wstring filter = FilterList(r.Filter), title = Wide(r.Title), dir = Wide(r.InitialDir),
                 ext = Wide(r.DefaultExt);
    std::vector<wchar_t> buffer(kFileBuffer, L'\0');
    std::wstring name = Wide(r.FileName);
    if (name.size() < kFileBuffer) std::copy(name.begin(), name.end(), buffer.begin());
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = reinterpret_cast<HWND>(r.Owner);
    ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = kFileBuffer;
    ofn.lpstrInitialDir = dir.empty() ? nullptr : dir.c_str();
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    ofn.lpstrDefExt = ext.empty() ? nullptr : ext.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_ENABLESIZING | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
    if (r.OverwritePrompt) ofn.Flags |= OFN_OVERWRITEPROMPT;
    if (!GetSaveFileNameW(&ofn)) return false;
    file = Narrow(buffer.data());
    return true;
}

namespace {

// What the folder browser's callback needs, and the text of its folder field as it stood
// when OK was pressed: not every shell takes a typed path as the choice, so the browser
// reads the field itself.
struct FolderBrowseState {
    const wchar_t* Initial = nullptr;
    HWND Field = nullptr;
    std::wstring Typed;
};

BOOL CALLBACK FindFolderField(HWND child, LPARAM data) {
    wchar_t cls[16] = L"";
    GetClassNameW(child, cls, 16);
    if (lstrcmpiW(cls, L"Edit") != 0) return TRUE;
    reinterpret_cast<FolderBrowseState*>(data)->Field = child;
    return FALSE;
}

LRESULT CALLBACK FolderBrowserProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
    auto* state = reinterpret_cast<FolderBrowseState*>(data);
    if (msg == WM_COMMAND && LOWORD(wp) == IDOK && state->Field) {
        int length = GetWindowTextLengthW(state->Field);
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        text.resize(static_cast<size_t>(GetWindowTextW(state->Field, text.data(), length + 1)));
        state->Typed = text;
    } else if (msg == WM_NCDESTROY) {
        RemoveWindowSubclass(dialog, FolderBrowserProc, 1);
    }
    return DefSubclassProc(dialog, msg, wp, lp);
}

}  // namespace

bool Win32UserInterface::BrowseForFolder(const FolderBrowseRequest& r, std::string& folder) {
    std::wstring title = Wide(r.Title);
    wchar_t name[MAX_PATH] = L"";
    BROWSEINFOW bi{};
    bi.hwndOwner = reinterpret_cast<HWND>(r.Owner);
    bi.pidlRoot = nullptr;  // the desktop
    bi.pszDisplayName = name;
    bi.lpszTitle = title.empty() ? nullptr : title.c_str();
    // The folder can be typed as well as picked.
    bi.ulFlags = BIF_NEWDIALOGSTYLE | BIF_RETURNONLYFSDIRS | BIF_EDITBOX;
    if (!r.NewFolderButton) bi.ulFlags |= BIF_NONEWFOLDERBUTTON;
    std::wstring initial = Wide(r.InitialDir);
    FolderBrowseState state;
    state.Initial = initial.empty() ? nullptr : initial.c_str();
    bi.lParam = reinterpret_cast<LPARAM>(&state);
    bi.lpfn = [](HWND dialog, UINT msg, LPARAM, LPARAM data) -> int {
        auto* state = reinterpret_cast<FolderBrowseState*>(data);
        if (msg != BFFM_INITIALIZED) return 0;
        if (state->Initial) SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(state->Initial));
        EnumChildWindows(dialog, FindFolderField, data);
        SetWindowSubclass(dialog, FolderBrowserProc, 1, static_cast<DWORD_PTR>(data));
        return 0;
    };
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&bi);
    if (!chosen) return false;
    // A full path typed into the field, naming a folder that exists, is the choice; the
    // field's own text (the selected folder's plain name) is not a path and counts not.
    const std::wstring& typed = state.Typed;
    bool absolute = (typed.size() >= 3 && typed[1] == L':' && (typed[2] == L'\\' || typed[2] == L'/')) ||
                    (typed.size() >= 2 && typed[0] == L'\\' && typed[1] == L'\\');
    DWORD attributes = absolute ? GetFileAttributesW(typed.c_str()) : INVALID_FILE_ATTRIBUTES;
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        CoTaskMemFree(chosen);
        folder = Narrow(typed);
        return true;
    }
    // A folder of the shell's own (the printers, say) has no path to give back.
    wchar_t path[MAX_PATH] = L"";
    bool found = SHGetPathFromIDListW(chosen, path) && path[0];
    CoTaskMemFree(chosen);
    if (found) folder = Narrow(path);
    return found;
}

}  // namespace pv::win32
