// The rich-edit family's native peer: the platform's current rich edit (RICHEDIT50W from
// Msftedit.dll) in plain-text mode, inside a container of its own class that draws the
// gutter of line numbers on its left. The model counts positions in bytes of its UTF-8
// text with CR LF line breaks; the control counts UTF-16 units with a paragraph break as
// one, so every position crosses the seam through PositionToNative / PositionFromNative.
#include "platform/win32/win32_rich_edit.h"

#include "platform/win32/win32_control.h"
#include "platform/win32/win32_ui.h"

#include <richedit.h>

namespace pv::win32 {

namespace {

const wchar_t* kRichEditHostClass = L"PivolaRichEdit";
constexpr UINT_PTR kEditSubclassId = 0x5245;
constexpr int kGutterPadding = 6;

// Loaded once for the process; the class exists from then on.
bool LoadRichEditLibrary() {
    static HMODULE library = LoadLibraryW(L"Msftedit.dll");
    return library != nullptr;
}

// The length of the UTF-8 sequence that starts with `lead`.
size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead >> 5) == 0x6) return 2;
    if ((lead >> 4) == 0xE) return 3;
    if ((lead >> 3) == 0x1E) return 4;
    return 1;
}

}  // namespace

// Model offset to the control's position.
LONG PositionToNative(const std::string& text, int offset) {
    LONG cp = 0;
    size_t i = 0, end = std::min(static_cast<size_t>(std::max(0, offset)), text.size());
    while (i < end) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            i += 2;
            cp += 1;
            continue;
        }
        size_t n = SequenceLength(static_cast<unsigned char>(text[i]));
        cp += n == 4 ? 2 : 1;
        i += n;
    }
    return cp;
}

// The control's position to a model offset.
int PositionFromNative(const std::string& text, LONG cp) {
    size_t i = 0;
    LONG at = 0;
    while (i < text.size() && at < cp) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            i += 2;
            at += 1;
            continue;
        }
        size_t n = SequenceLength(static_cast<unsigned char>(text[i]));
        at += n == 4 ? 2 : 1;
        i += n;
    }
    return static_cast<int>(std::min(i, text.size()));
}

namespace {

class Win32RichEditPeer final : public Win32ChildPeer<IRichEditPeer> {
public:
    Win32RichEditPeer(IRichEditSink& sink, const RichEditParams& params, HWND parent)
        : Win32ChildPeer(sink), sink_(sink), params_(params) {
        LoadRichEditLibrary();
        RegisterWindowClass(kRichEditHostClass, Proc);
        Attach(CreateChild(kRichEditHostClass, L"", WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, parent));
        DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_NOHIDESEL | ES_SAVESEL;
        if (params.MultiLine) {
            style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
            if (!params.WordWrap) style |= ES_AUTOHSCROLL;
            if (params.ScrollBars) style |= WS_VSCROLL | (params.WordWrap ? 0 : WS_HSCROLL);
        } else {
            style |= ES_AUTOHSCROLL;
        }
        edit_ = CreateWindowExW(WS_EX_CLIENTEDGE, MSFTEDIT_CLASS, L"", style, 0, 0, 0, 0, hwnd_, nullptr,
                                ModuleInstance(), nullptr);
        if (!edit_) return;
        SendMessageW(edit_, EM_SETTEXTMODE, TM_PLAINTEXT | TM_MULTILEVELUNDO | TM_MULTICODEPAGE, 0);
        SendMessageW(edit_, EM_EXLIMITTEXT, 0, 64 * 1024 * 1024);
        // A rich edit without word wrap lays a line out as wide as it is.
        SendMessageW(edit_, EM_SETTARGETDEVICE, 0, params.WordWrap ? 0 : 1);
        SendMessageW(edit_, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE | ENM_SCROLL);
        SetWindowSubclass(edit_, EditProc, kEditSubclassId, reinterpret_cast<DWORD_PTR>(this));
    }
    ~Win32RichEditPeer() override {
        if (edit_) RemoveWindowSubclass(edit_, EditProc, kEditSubclassId);
    }

    HWND Edit() const { return edit_; }

    void SetBounds(const TRect& bounds) override {
        DoSetBounds(bounds);
        Layout();
    }
    void SetFont(const FontSpec& font) override {
        DoSetFont(font);
        SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(font)), TRUE);
        Layout();
    }
    void SetText(const std::string& text) override {
        text_ = text;
        std::wstring wide = Wide(text);
        SETTEXTEX st{ST_DEFAULT, 1200};
        quiet_ = true;
        SendMessageW(edit_, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&st), reinterpret_cast<LPARAM>(wide.c_str()));
        SendMessageW(edit_, EM_EMPTYUNDOBUFFER, 0, 0);
        SendMessageW(edit_, EM_SETSEL, 0, 0);
        SendMessageW(edit_, EM_SETMODIFY, FALSE, 0);
        quiet_ = false;
        Layout();
    }
    void SetHint(const std::string& hint) override { DoSetHint(hint); }
    void SetFocus() override {
        if (GetFocus() != edit_) ::SetFocus(edit_);
    }
    void FocusTaken() override {}
    void SetEnabled(bool enabled) override {
        DoSetEnabled(enabled);
        EnableWindow(edit_, enabled);
    }

    void SetReadOnly(bool readOnly) override {
        SendMessageW(edit_, EM_SETREADONLY, readOnly, 0);
        // A read-only line takes the face of the window around it, as an edit line does.
        if (!params_.MultiLine)
            SendMessageW(edit_, EM_SETBKGNDCOLOR, readOnly ? 0 : 1, readOnly ? GetSysColor(COLOR_BTNFACE) : 0);
    }
    void SetSelection(int start, int length) override {
        CHARRANGE r{PositionToNative(text_, start), PositionToNative(text_, start + length)};
        SendMessageW(edit_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&r));
        SendMessageW(edit_, EM_SCROLLCARET, 0, 0);
    }
    void ReplaceSelection(const std::string& text) override {
        SendMessageW(edit_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(Wide(text).c_str()));
    }
    void Cut() override { SendMessageW(edit_, WM_CUT, 0, 0); }
    void Copy() override { SendMessageW(edit_, WM_COPY, 0, 0); }
    void Paste() override { SendMessageW(edit_, EM_PASTESPECIAL, CF_UNICODETEXT, 0); }
    void Undo() override { SendMessageW(edit_, EM_UNDO, 0, 0); }
    bool CanUndo() override { return SendMessageW(edit_, EM_CANUNDO, 0, 0) != 0; }
    bool CanPaste() override { return IsClipboardFormatAvailable(CF_UNICODETEXT) != 0; }

    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        auto* self = dynamic_cast<Win32RichEditPeer*>(FromWindow(hwnd));
        if (self) {
            switch (msg) {
                case WM_COMMAND:
                    if (reinterpret_cast<HWND>(lp) == self->edit_ && HIWORD(wp) == EN_CHANGE)
                        return GuardedCall([&] {
                            self->TextChanged();
                            return LRESULT(0);
                        });
                    break;
                case WM_NOTIFY: {
                    auto* hdr = reinterpret_cast<NMHDR*>(lp);
                    if (hdr->hwndFrom == self->edit_ && hdr->code == EN_SELCHANGE)
                        return GuardedCall([&] {
                            self->SelectionChanged(reinterpret_cast<SELCHANGE*>(lp)->chrg);
                            return LRESULT(0);
                        });
                    break;
                }
                case WM_SETFOCUS:
                    ::SetFocus(self->edit_);
                    return 0;
                case WM_ERASEBKGND:
                    return 1;
                case WM_PAINT:
                    self->PaintGutter();
                    return 0;
            }
        }
        return DefWindowProcW(hwnd, msg, wp, lp);
    }

private:
    static LRESULT CALLBACK EditProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
        auto* self = reinterpret_cast<Win32RichEditPeer*>(data);
        if (msg == WM_MOUSEMOVE) GuardedCall([&] {
                self->PointerOver();
                return LRESULT(0);
            });
        LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
        switch (msg) {
            case WM_SETFOCUS:
                GuardedCall([&] {
                    self->sink_.PeerEnter();
                    return LRESULT(0);
                });
                break;
            case WM_VSCROLL:
            case WM_MOUSEWHEEL:
            case WM_KEYDOWN:
            case WM_SIZE:
            case EM_SCROLLCARET:
            case WM_LBUTTONUP:
            case WM_MOUSEMOVE:
                self->GutterFollow();
                break;
        }
        return r;
    }

    std::string CurrentText() const {
        GETTEXTLENGTHEX len{GTL_USECRLF | GTL_PRECISE | GTL_NUMCHARS, 1200};
        LRESULT n = SendMessageW(edit_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&len), 0);
        if (n <= 0) return "";
        std::wstring buffer(static_cast<size_t>(n) + 1, L'\0');
        GETTEXTEX get{static_cast<DWORD>((n + 1) * sizeof(wchar_t)), GT_USECRLF, 1200, nullptr, nullptr};
        LRESULT got = SendMessageW(edit_, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get),
                                   reinterpret_cast<LPARAM>(buffer.data()));
        buffer.resize(static_cast<size_t>(std::max<LRESULT>(0, got)));
        return Narrow(buffer);
    }

    void TextChanged() {
        if (quiet_) return;
        text_ = CurrentText();
        sink_.PeerTextChanged(text_);
        GutterFollow(true);
    }

    void SelectionChanged(const CHARRANGE& r) {
        if (quiet_) return;
        // The control may tell of the selection before it tells of the change of text.
        text_ = CurrentText();
        int start = PositionFromNative(text_, r.cpMin);
        int end = PositionFromNative(text_, r.cpMax);
        sink_.PeerSelectionChanged(start, std::max(0, end - start));
    }

    int GutterWidth() const {
        if (!params_.LineNumbers) return 0;
        LRESULT lines = SendMessageW(edit_, EM_GETLINECOUNT, 0, 0);
        int digits = 1;
        for (LRESULT n = std::max<LRESULT>(lines, 1); n >= 10; n /= 10) ++digits;
        digits = std::max(digits, 3);
        HDC dc = GetDC(hwnd_);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(edit_, WM_GETFONT, 0, 0)));
        SIZE size{};
        GetTextExtentPoint32W(dc, L"0", 1, &size);
        SelectObject(dc, old);
        ReleaseDC(hwnd_, dc);
        return digits * size.cx + 2 * kGutterPadding;
    }

    void Layout() {
        RECT r{};
        GetClientRect(hwnd_, &r);
        gutter_ = GutterWidth();
        MoveWindow(edit_, gutter_, 0, std::max<LONG>(0, r.right - gutter_), r.bottom, TRUE);
        InvalidateRect(hwnd_, nullptr, FALSE);
    }

    // The gutter follows the first line shown and the number of lines.
    void GutterFollow(bool textChanged = false) {
        if (!params_.LineNumbers) return;
        LRESULT first = SendMessageW(edit_, EM_GETFIRSTVISIBLELINE, 0, 0);
        if (textChanged && GutterWidth() != gutter_) Layout();
        if (first != firstLine_ || textChanged) {
            firstLine_ = first;
            RECT g{0, 0, gutter_, 0};
            RECT r{};
            GetClientRect(hwnd_, &r);
            g.bottom = r.bottom;
            InvalidateRect(hwnd_, &g, FALSE);
        }
    }

    void PaintGutter() {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd_, &ps);
        RECT r{};
        GetClientRect(hwnd_, &r);
        RECT g{0, 0, gutter_, r.bottom};
        FillRect(dc, &g, GetSysColorBrush(COLOR_BTNFACE));
        if (params_.LineNumbers && gutter_ > 0) {
            HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(edit_, WM_GETFONT, 0, 0)));
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
            RECT editRect{};
            GetWindowRect(edit_, &editRect);
            MapWindowPoints(HWND_DESKTOP, hwnd_, reinterpret_cast<POINT*>(&editRect), 2);
            RECT inner{};
            SendMessageW(edit_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&inner));
            LRESULT lines = SendMessageW(edit_, EM_GETLINECOUNT, 0, 0);
            TEXTMETRICW tm{};
            GetTextMetricsW(dc, &tm);
            for (LRESULT line = SendMessageW(edit_, EM_GETFIRSTVISIBLELINE, 0, 0); line < lines; ++line) {
                LRESULT index = SendMessageW(edit_, EM_LINEINDEX, line, 0);
                if (index < 0) break;
                POINTL pt{};
                SendMessageW(edit_, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&pt), index);
                int y = editRect.top + GetSystemMetrics(SM_CYEDGE) + pt.y;
                if (y > r.bottom) break;
                if (y + tm.tmHeight < editRect.top + inner.top) continue;
                std::wstring number = std::to_wstring(line + 1);
                RECT cell{0, y, gutter_ - kGutterPadding, y + tm.tmHeight};
                DrawTextW(dc, number.c_str(), static_cast<int>(number.size()), &cell, DT_RIGHT | DT_TOP | DT_SINGLELINE);
            }
            SelectObject(dc, old);
        }
        EndPaint(hwnd_, &ps);
    }

    IRichEditSink& sink_;
    RichEditParams params_;
    HWND edit_ = nullptr;
    std::string text_;
    bool quiet_ = false;
    int gutter_ = 0;
    LRESULT firstLine_ = -1;
};

}  // namespace

std::unique_ptr<IRichEditPeer> Win32UserInterface::CreateRichEditPeer(IRichEditSink& sink, const RichEditParams& params,
                                                                     NativeHandle parent) {
    return std::make_unique<Win32RichEditPeer>(sink, params, reinterpret_cast<HWND>(parent));
}

// The rich edit inside a peer's container, for the Windows tests.
HWND RichEditOf(HWND container) {
    auto* peer = dynamic_cast<Win32RichEditPeer*>(Win32ControlPeer::FromWindow(container));
    return peer ? peer->Edit() : nullptr;
}

}  // namespace pv::win32
