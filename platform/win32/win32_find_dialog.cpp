// The system's find and replace dialogs (FindTextW / ReplaceTextW). They are modeless and
// tell their owner of every request with the registered message FINDMSGSTRING, so the peer
// listens on its owner window through a subclass of its own for as long as it lives.
#include "platform/win32/win32_control.h"
#include "platform/win32/win32_ui.h"

#include <commdlg.h>

namespace pv::win32 {

namespace {

constexpr UINT_PTR kOwnerSubclassId = 0x4644;
constexpr size_t kBufferChars = 1024;

UINT FindMessage() {
    static UINT message = RegisterWindowMessageW(FINDMSGSTRINGW);
    return message;
}

void CopyInto(std::vector<wchar_t>& buffer, const std::string& text) {
    std::wstring wide = Wide(text);
    buffer.assign(kBufferChars, L'\0');
    wcsncpy(buffer.data(), wide.c_str(), kBufferChars - 1);
}

class Win32FindDialogPeer final : public IFindDialogPeer {
public:
    Win32FindDialogPeer(IFindDialogSink& sink, const FindDialogParams& p) : sink_(sink) {
        owner_ = reinterpret_cast<HWND>(p.Owner);
        CopyInto(find_, p.FindWhat);
        CopyInto(replace_, p.ReplaceWith);
        fr_.lStructSize = sizeof fr_;
        fr_.hwndOwner = owner_;
        fr_.lpstrFindWhat = find_.data();
        fr_.wFindWhatLen = static_cast<WORD>(kBufferChars * sizeof(wchar_t));
        fr_.lpstrReplaceWith = replace_.data();
        fr_.wReplaceWithLen = static_cast<WORD>(kBufferChars * sizeof(wchar_t));
        fr_.Flags = (p.Options.Down ? FR_DOWN : 0) | (p.Options.MatchCase ? FR_MATCHCASE : 0) |
                    (p.Options.WholeWord ? FR_WHOLEWORD : 0);
        if (!owner_) return;
        SetWindowSubclass(owner_, OwnerProc, kOwnerSubclassId, reinterpret_cast<DWORD_PTR>(this));
        dialog_ = p.Replace ? ReplaceTextW(&fr_) : FindTextW(&fr_);
        if (dialog_) MarkModelessDialog(dialog_);
    }
    ~Win32FindDialogPeer() override {
        if (owner_) RemoveWindowSubclass(owner_, OwnerProc, kOwnerSubclassId);
        if (dialog_ && IsWindow(dialog_)) DestroyWindow(dialog_);
    }
    NativeHandle Handle() override { return reinterpret_cast<NativeHandle>(dialog_); }
    bool Open() const { return dialog_ != nullptr; }

private:
    static LRESULT CALLBACK OwnerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
        auto* self = reinterpret_cast<Win32FindDialogPeer*>(data);
        if (msg == FindMessage() && reinterpret_cast<FINDREPLACEW*>(lp) == &self->fr_)
            return GuardedCall([&] {
                self->Notify();
                return LRESULT(0);
            });
        return DefSubclassProc(hwnd, msg, wp, lp);
    }

    void Notify() {
        DWORD f = fr_.Flags;
        if (f & FR_DIALOGTERM) {
            dialog_ = nullptr;
            sink_.PeerDialogClosed();
            return;
        }
        FindOptions o;
        o.Down = (f & FR_DOWN) != 0;
        o.MatchCase = (f & FR_MATCHCASE) != 0;
        o.WholeWord = (f & FR_WHOLEWORD) != 0;
        FindCommand c = (f & FR_REPLACEALL) ? FindCommand::ReplaceAll
                        : (f & FR_REPLACE)  ? FindCommand::Replace
                                            : FindCommand::FindNext;
        sink_.PeerFind(c, Narrow(find_.data()), Narrow(replace_.data()), o);
    }

    IFindDialogSink& sink_;
    HWND owner_ = nullptr;
    HWND dialog_ = nullptr;
    FINDREPLACEW fr_{};
    std::vector<wchar_t> find_, replace_;
};

}  // namespace

std::unique_ptr<IFindDialogPeer> Win32UserInterface::ShowFindDialog(IFindDialogSink& sink,
                                                                   const FindDialogParams& params) {
    auto peer = std::make_unique<Win32FindDialogPeer>(sink, params);
    if (!peer->Open()) return nullptr;
    return peer;
}

}  // namespace pv::win32
