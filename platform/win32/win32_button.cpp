// The button family's native peer: a BUTTON window as a push button, a check box or a
// radio button. The system checks and unchecks the automatic kinds itself (a radio
// button unchecks the others of its group); the peer reports each click with the state
// the button shows afterwards.
#include "platform/win32/win32_control.h"
#include "platform/win32/win32_ui.h"

#include <vssym32.h>

#include <cstring>

namespace pv::win32 {

namespace {

// One picture per push-button state, in the order of the states' numbers (normal, hot,
// pressed, disabled, defaulted, stylus hot), as the button looks them up.
constexpr int kStateCount = 6;
constexpr int kDisabledSlot = PBS_DISABLED - 1;
// Space between the button's left edge and its picture.
constexpr int kPictureMargin = 4;

DWORD StyleOf(const ButtonParams& params) {
    DWORD kind = params.Kind == ButtonKind::CheckBox      ? BS_AUTOCHECKBOX
                 : params.Kind == ButtonKind::RadioButton ? BS_AUTORADIOBUTTON
                                                          : BS_PUSHBUTTON;
    // Tab stops on the first button of a group; the arrow keys move among the radio
    // buttons that follow it, so those are no stop of their own.
    DWORD stops = params.GroupStart ? WS_GROUP | WS_TABSTOP
                  : params.Kind == ButtonKind::RadioButton ? 0
                                                           : WS_TABSTOP;
    if (!params.TabStop) stops &= ~static_cast<DWORD>(WS_TABSTOP);
    return kind | stops | (params.WordWrap ? BS_MULTILINE : 0);
}

class Win32ButtonPeer final : public Win32ChildPeer<IButtonPeer> {
public:
    Win32ButtonPeer(IButtonSink& sink, const ButtonParams& params, HWND parent) : Win32ChildPeer(sink), sink_(sink) {
        Attach(CreateChild(L"BUTTON", L"", StyleOf(params), 0, parent));
    }
    ~Win32ButtonPeer() override {
        // The button forgets the list before it goes, so that it never draws a freed one.
        if (pictures_) {
            SetImageList(nullptr);
            ImageList_Destroy(pictures_);
        }
    }

    void SetChecked(bool checked) override {
        SendMessageW(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }

    void SetPictures(const TBitmap32& normal, const TBitmap32& disabled) override {
        HIMAGELIST made = normal.Empty() ? nullptr : MakeList(normal, disabled);
        SetImageList(made);
        if (pictures_) ImageList_Destroy(pictures_);
        pictures_ = made;
        InvalidateRect(hwnd_, nullptr, TRUE);
    }

    void SetDefault(bool isDefault) override {
        isDefault_ = isDefault;
        if (IsPush(GetWindowLongPtrW(hwnd_, GWL_STYLE))) SendMessageW(hwnd_, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    }

    // The model alone decides which button shows as the default: the dialog manager moves
    // that look as the focus moves (it does so for windows that are not dialogs too), and
    // the model has been told of the same move and set it already.
    bool OwnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
        if (msg != BM_SETSTYLE || !IsPush(static_cast<LONG_PTR>(wp))) return false;
        WPARAM kind = isDefault_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        result = DefSubclassProc(hwnd_, msg, (wp & ~static_cast<WPARAM>(BS_TYPEMASK)) | kind, lp);
        return true;
    }

    bool OnCommand(WORD code, LRESULT& result) override {
        if (code != BN_CLICKED) return false;
        result = 0;
        sink_.PeerClicked(SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED);
        return true;
    }

private:
    // Only a push button has a default form; the other kinds keep theirs.
    static bool IsPush(LONG_PTR style) {
        LONG_PTR type = style & BS_TYPEMASK;
        return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
    }

    static HIMAGELIST MakeList(const TBitmap32& normal, const TBitmap32& disabled) {
        HIMAGELIST list = ImageList_Create(normal.Width, normal.Height, ILC_COLOR32, kStateCount, 0);
        if (!list) return nullptr;
        HBITMAP plain = TopDownDib(normal);
        bool fits = !disabled.Empty() && disabled.Width == normal.Width && disabled.Height == normal.Height;
        HBITMAP greyed = TopDownDib(fits ? disabled : Greyed(normal));
        for (int slot = 0; slot < kStateCount; ++slot) ImageList_Add(list, slot == kDisabledSlot ? greyed : plain, nullptr);
        DeleteObject(plain);
        DeleteObject(greyed);
        return list;
    }

    void SetImageList(HIMAGELIST list) {
        BUTTON_IMAGELIST info{};
        info.himl = list;
        info.margin = RECT{kPictureMargin, 0, 0, 0};
        info.uAlign = BUTTON_IMAGELIST_ALIGN_LEFT;
        SendMessageW(hwnd_, BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&info));
    }

    IButtonSink& sink_;
    HIMAGELIST pictures_ = nullptr;
    bool isDefault_ = false;
};

}  // namespace

std::unique_ptr<IButtonPeer> Win32UserInterface::CreateButtonPeer(IButtonSink& sink, const ButtonParams& params,
                                                                  NativeHandle parent) {
    return std::make_unique<Win32ButtonPeer>(sink, params, reinterpret_cast<HWND>(parent));
}

}  // namespace pv::win32
