#pragma once
// Shared pieces of the Win32 backend: text conversion at the API boundary and the relay
// that carries an exception out of a window procedure. An exception must never unwind
// through the system's frames, so each procedure catches it, parks it here, and the
// message loop raises it again once the dispatch has returned.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <commctrl.h>

// The seam's own operation names; the system headers would otherwise rename them.
#undef CopyFile
#undef MoveFile
#undef DeleteFile
#undef GetProfileString
#undef WriteProfileString
#undef DrawText
#undef LoadIcon
#undef GetClassName

#include "util/bitmap.h"

#include <exception>
#include <string>
#include <string_view>

namespace pv::win32 {

std::wstring Wide(std::string_view utf8);
std::string Narrow(const wchar_t* wide, int length = -1);
std::string Narrow(const std::wstring& wide);
std::string LastErrorText(DWORD code = GetLastError());
// The text cut to at most `maxUnits` UTF-16 units for a field of fixed size, never between
// the two halves of a surrogate pair.
std::wstring CutToUnits(std::wstring text, size_t maxUnits);

void ParkException(std::exception_ptr e);
// Raises a parked exception, if any.
void RaiseParkedException();

template <typename Fn>
LRESULT GuardedCall(Fn&& fn, LRESULT onError = 0) {
    try {
        return fn();
    } catch (...) {
        ParkException(std::current_exception());
        return onError;
    }
}

HINSTANCE ModuleInstance();

// A picture as a top-down 32-bit DIB section, its alpha straight (as image lists of
// comctl32 version 6 and icons carry it); nullptr when the system cannot make one.
HBITMAP TopDownDib(const TBitmap32& picture);

// Registers a plain window class of this module once; later calls find it registered.
void RegisterWindowClass(const wchar_t* name, WNDPROC proc);

// Whether a window is one of the model's top-level windows (the dialog manager serves
// those in the message loop).
bool IsFormWindow(HWND hwnd);
// Lets the model's window `form` take a key pressed in it as a shortcut before the control
// with the focus sees it; true when it took the key.
bool FormShortCut(HWND form, uint32_t shortcut);
// A modeless dialog of the system (find, replace) that the dialog manager serves in the
// message loop as it serves the model's windows.
void MarkModelessDialog(HWND dialog);
bool IsModelessDialog(HWND hwnd);

// The object a window procedure serves: bound at WM_NCCREATE from the creation
// parameter into the window's user data, read from there for every later message.
template <typename T>
T* BoundObject(HWND hwnd, UINT msg, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    return reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

}  // namespace pv::win32
