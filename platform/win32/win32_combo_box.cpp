// The combo-box family's native peer: a drop-down list (COMBOBOX, CBS_DROPDOWNLIST), or an
// editable one (CBS_DROPDOWN) whose field is an EDIT window inside it.
//
// The model's bounds are the field the user sees. The system keeps a combo box's window
// as tall as its selection field and takes the height it is given as the field plus the
// dropped list, so the peer gives it room for kDroppedEntries entries below the field and
// sizes the field itself with CB_SETITEMHEIGHT (-1). Afterwards the window's rectangle in
// the parent is the model's rectangle: left, top and width always, and the height as far
// as the system lets the field be sized (some keep it no lower than the font's line).
#include "platform/win32/win32_control.h"
#include "platform/win32/win32_ui.h"

#include <algorithm>

namespace pv::win32 {

namespace {

constexpr int kDroppedEntries = 8;

class Win32ComboBoxPeer final : public Win32ChildPeer<IComboBoxPeer> {
public:
    Win32ComboBoxPeer(IComboBoxSink& sink, const ComboBoxParams& params, HWND parent)
        : Win32ChildPeer(sink), sink_(sink), editable_(params.Editable) {
        DWORD kind = editable_ ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST;
        Attach(CreateChild(L"COMBOBOX", L"", kind | WS_VSCROLL | WS_TABSTOP, 0, parent));
        SendMessageW(hwnd_, CB_SETMINVISIBLE, kDroppedEntries, 0);
    }

    void SetBounds(const TRect& bounds) override {
        bounds_ = bounds;
        placed_ = true;
        Place();
    }
    // A new font gives the field the font's height again; the model's height holds.
    void SetFont(const FontSpec& font) override {
        DoSetFont(font);
        if (placed_) Place();
    }
    // An editable list's field takes the text without reporting it back; a list without a
    // field shows the selected entry, and the model has no text of its own to put there.
    void SetText(const std::string& text) override {
        if (!editable_ || Current() == Wide(text)) return;
        settingText_ = true;
        DoSetText(text);
        settingText_ = false;
    }

    void SetItems(const std::vector<std::string>& items) override {
        settingText_ = true;
        SendMessageW(hwnd_, CB_RESETCONTENT, 0, 0);
        for (const auto& item : items) SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
        settingText_ = false;
    }
    void SelectIndex(int index) override {
        settingText_ = true;
        SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        settingText_ = false;
    }

    // The focus of an editable list lies in its field, a window of its own, so the entry
    // comes from the list's notification for both kinds.
    void FocusTaken() override {}

    bool OnCommand(WORD code, LRESULT& result) override {
        result = 0;
        switch (code) {
            case CBN_SELCHANGE:
                sink_.PeerSelected(static_cast<int>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0)));
                return true;
            case CBN_EDITCHANGE:
                if (!settingText_) sink_.PeerTextChanged(Narrow(Current()));
                return true;
            case CBN_SETFOCUS:
                sink_.PeerEnter();
                return true;
        }
        return false;
    }

private:
    void Place() {
        FitField(bounds_.Height());
        int entry = static_cast<int>(SendMessageW(hwnd_, CB_GETITEMHEIGHT, 0, 0));
        int list = kDroppedEntries * std::max(entry, 1) + 2;
        SetWindowPos(hwnd_, nullptr, bounds_.Left, bounds_.Top, bounds_.Width(), FieldHeight() + list,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }

    // Systems differ in what the field's borders add to the height set with
    // CB_SETITEMHEIGHT (-1), and some answer CB_GETITEMHEIGHT with more than was set, so
    // the field is set, measured, and set once more by what it missed. A field lower
    // than the font's line is made as low as the system allows.
    void FitField(int height) {
        int now = FieldHeight();
        if (now == height) return;
        int set = static_cast<int>(SendMessageW(hwnd_, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0)) + height - now;
        for (int attempt = 0; attempt < 2; ++attempt) {
            SendMessageW(hwnd_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), std::max(1, set));
            now = FieldHeight();
            if (now == height) return;
            set += height - now;
        }
    }

    // The window's own height: the field, while the list is up or not.
    int FieldHeight() const {
        RECT r{};
        GetWindowRect(hwnd_, &r);
        return r.bottom - r.top;
    }

    std::wstring Current() const {
        int length = GetWindowTextLengthW(hwnd_);
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        text.resize(static_cast<size_t>(GetWindowTextW(hwnd_, text.data(), length + 1)));
        return text;
    }

    IComboBoxSink& sink_;
    bool editable_;
    TRect bounds_;
    bool placed_ = false;
    bool settingText_ = false;
};

}  // namespace

std::unique_ptr<IComboBoxPeer> Win32UserInterface::CreateComboBoxPeer(IComboBoxSink& sink, const ComboBoxParams& params,
                                                                     NativeHandle parent) {
    return std::make_unique<Win32ComboBoxPeer>(sink, params, reinterpret_cast<HWND>(parent));
}

}  // namespace pv::win32
