// The edit family's native peer: a single-line EDIT window. What the user types is
// reported; what the model puts in is not, since the model knows it already.
#include "platform/win32/win32_control.h"
#include "platform/win32/win32_ui.h"

#include <algorithm>

namespace pv::win32 {

namespace {

class Win32EditPeer final : public Win32ChildPeer<IEditPeer> {
public:
    Win32EditPeer(IEditSink& sink, HWND parent) : Win32ChildPeer(sink), sink_(sink) {
        Attach(CreateChild(L"EDIT", L"", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, parent));
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
    }

    void SetReadOnly(bool readOnly) override { SendMessageW(hwnd_, EM_SETREADONLY, readOnly, 0); }

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
    std::wstring Current() const {
        int length = GetWindowTextLengthW(hwnd_);
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        text.resize(static_cast<size_t>(GetWindowTextW(hwnd_, text.data(), length + 1)));
        return text;
    }

    IEditSink& sink_;
    bool settingText_ = false;
};

}  // namespace

std::unique_ptr<IEditPeer> Win32UserInterface::CreateEditPeer(IEditSink& sink, NativeHandle parent) {
    return std::make_unique<Win32EditPeer>(sink, reinterpret_cast<HWND>(parent));
}

}  // namespace pv::win32
