// The system's message box, with the request's title and translated button captions.
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_ui.h"

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

}  // namespace

int Win32UserInterface::ShowMessageDialog(const MessageDialogRequest& r) {
    UINT type = ButtonSet(r) | IconOf(r.Kind) | MB_TASKMODAL | MB_SETFOREGROUND;
    if (r.RightToLeft) type |= MB_RTLREADING | MB_RIGHT;
    pendingDialog = &r;
    dialogHook = SetWindowsHookExW(WH_CBT, DialogHook, nullptr, GetCurrentThreadId());
    int result = MessageBoxW(nullptr, Wide(r.Text).c_str(), Wide(r.Title).c_str(), type);
    if (dialogHook) UnhookWindowsHookEx(dialogHook);
    dialogHook = nullptr;
    pendingDialog = nullptr;
    // The box's identifiers are numbered as modal results are.
    return result;
}

}  // namespace pv::win32
