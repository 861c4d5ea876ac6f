// The edit family's native peer: an EDIT window of one line, or of several wrapped lines
// (a memo). What the user types is reported; what the model puts in is not, since the
// model knows it already.
#include "platform/win32/win32_control.h"
#include "platform/win32/win32_ui.h"

#include <algorithm>

namespace pv::win32 {

namespace {

DWORD StyleOf(const EditParams& params) {
    DWORD style = params.TabStop ? WS_TABSTOP : 0;
    // A memo wraps at its width and scrolls down as the caret goes; its scroll bar shows
    // only while the text needs it (Fit below).
    if (params.MultiLine) return style | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL;
    return style | ES_AUTOHSCROLL;
}

class Win32EditPeer final : public Win32ChildPeer<IEditPeer> {
public:
    Win32EditPeer(IEditSink& sink, const EditParams& params, HWND parent)
        : Win32ChildPeer(sink), sink_(sink), params_(params) {
        Attach(CreateChild(L"EDIT", L"", StyleOf(params), params.Border ? WS_EX_CLIENTEDGE : 0, parent));
        if (params_.MultiLine) ShowScrollBar(hwnd_, SB_VERT, FALSE);
    }

    // A model that rewrites the field while the user types (taking out a character it
    // does not accept, say) must not throw the caret back to the start, so the caret
    // stays where it was as far as the new text reaches.
    void SetText(const std::string& text) override {
        std::wstring wanted = Wide(text);
        if (wanted == Current()) return;
        DWORD caret = 0;
        SendMessageW(hwnd_, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&caret));
        caret = std::min<DWORD>(caret, static_cast<DWORD>(wanted.size()));
        settingText_ = true;
        SetWindowTextW(hwnd_, wanted.c_str());
        settingText_ = false;
        SendMessageW(hwnd_, EM_SETSEL, caret, caret);
        Fit();
    }
    void SetBounds(const TRect& bounds) override {
        DoSetBounds(bounds);
        Fit();
    }
    void SetFont(const FontSpec& font) override {
        DoSetFont(font);
        Fit();
    }

    void SetReadOnly(bool readOnly) override {
        SendMessageW(hwnd_, EM_SETREADONLY, readOnly, 0);
        InvalidateRect(hwnd_, nullptr, TRUE);
    }

    // A read-only memo keeps the window's colours, as a page of text to read; the system
    // would give it the face of the window around it.
    bool OnCtlColor(HDC dc, LRESULT& result) override {
        if (!params_.MultiLine || !IsWindowEnabled(hwnd_)) return false;
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        return true;
    }

    bool OnCommand(WORD code, LRESULT& result) override {
        result = 0;
        if (code == EN_KILLFOCUS) {
            sink_.PeerExit();
            return true;
        }
        if (code != EN_CHANGE) return false;
        if (!settingText_) sink_.PeerTextChanged(Narrow(Current()));
        return true;
    }

private:
    // A memo's text lies inside its margins; the scroll bar shows while the lines do not
    // fit. Showing the bar narrows the text and may add lines, so the decision is made
    // with the bar as it will stand.
    void Fit() {
        if (!params_.MultiLine) {
            if (params_.Margin > 0)
                SendMessageW(hwnd_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                             MAKELPARAM(params_.Margin, params_.Margin));
            return;
        }
        // The field's own margins for the font would add to the model's.
        SendMessageW(hwnd_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
        for (int pass = 0; pass < 2; ++pass) {
            RECT client{};
            GetClientRect(hwnd_, &client);
            RECT text{client.left + params_.Margin, client.top + params_.Margin, client.right - params_.Margin,
                      client.bottom - params_.Margin};
            if (text.right <= text.left || text.bottom <= text.top) return;
            SendMessageW(hwnd_, EM_SETRECT, 0, reinterpret_cast<LPARAM>(&text));
            bool wanted = LinesNeeded() > VisibleLines(text.bottom - text.top);
            // The field shows and hides the bar itself as its text changes, too.
            bool shown = (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_VSCROLL) != 0;
            if (wanted == shown) break;
            ShowScrollBar(hwnd_, SB_VERT, wanted);
        }
    }

    int LinesNeeded() const { return static_cast<int>(SendMessageW(hwnd_, EM_GETLINECOUNT, 0, 0)); }

    int VisibleLines(int height) const {
        HDC dc = GetDC(hwnd_);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)));
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        SelectObject(dc, old);
        ReleaseDC(hwnd_, dc);
        return tm.tmHeight > 0 ? height / tm.tmHeight : 1;
    }

    std::wstring Current() const {
        int length = GetWindowTextLengthW(hwnd_);
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        text.resize(static_cast<size_t>(GetWindowTextW(hwnd_, text.data(), length + 1)));
        return text;
    }

    IEditSink& sink_;
    EditParams params_;
    bool settingText_ = false;
};

}  // namespace

std::unique_ptr<IEditPeer> Win32UserInterface::CreateEditPeer(IEditSink& sink, const EditParams& params,
                                                             NativeHandle parent) {
    return std::make_unique<Win32EditPeer>(sink, params, reinterpret_cast<HWND>(parent));
}

}  // namespace pv::win32
