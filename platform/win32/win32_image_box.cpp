// The image-box family's native peer: an owner-drawn STATIC window. Its parent hands
// WM_DRAWITEM over, and the peer draws the picture, blended by its alpha, on the button
// face at the top left.
#include "platform/win32/win32_control.h"
#include "platform/win32/win32_ui.h"

#include "platform/win32/win32_canvas.h"

namespace pv::win32 {

namespace {

class Win32ImageBoxPeer final : public Win32ChildPeer<IImageBoxPeer> {
public:
    Win32ImageBoxPeer(IControlSink& sink, HWND parent) : Win32ChildPeer(sink) {
        Attach(CreateChild(L"STATIC", L"", SS_OWNERDRAW, 0, parent));
    }

    void SetPicture(const TBitmap32& picture) override {
        picture_ = picture;
        InvalidateRect(hwnd_, nullptr, TRUE);
    }

    bool OnDrawItem(DRAWITEMSTRUCT* item, LRESULT& result) override {
        FillRect(item->hDC, &item->rcItem, GetSysColorBrush(COLOR_BTNFACE));
        Win32Canvas canvas(item->hDC);
        canvas.DrawBitmap(item->rcItem.left, item->rcItem.top, picture_, false);
        result = TRUE;
        return true;
    }

private:
    TBitmap32 picture_;
};

}  // namespace

std::unique_ptr<IImageBoxPeer> Win32UserInterface::CreateImageBoxPeer(IControlSink& sink, NativeHandle parent) {
    return std::make_unique<Win32ImageBoxPeer>(sink, reinterpret_cast<HWND>(parent));
}

}  // namespace pv::win32
