#include "controls/tray_icon.h"

#include "controls/application.h"
#include "controls/form.h"
#include "controls/menus.h"
#include "util/exception.h"

namespace pv {

TCoolTrayIcon::TCoolTrayIcon(TComponent* owner) : TComponent(owner) {}
TCoolTrayIcon::~TCoolTrayIcon() = default;

ITrayIconPeer& TCoolTrayIcon::Peer() {
    if (!peer_) peer_ = GetPlatform().UI().CreateTrayIconPeer(*this);
    return *peer_;
}

void TCoolTrayIcon::SetIconVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    if (visible) {
        if (!Peer().Add(hint_)) throw EOSError("The notification area refused the icon");
    } else if (peer_ && !peer_->Remove()) {
        throw EOSError("The notification area could not remove the icon");
    }
}

void TCoolTrayIcon::SetHint(const std::string& hint) {
    hint_ = hint;
    if (peer_ && visible_) peer_->SetTip(hint);
}

void TCoolTrayIcon::Click() {
    if (OnClick) Application()->Guard(this, [&] { OnClick(this); });
}

void TCoolTrayIcon::DblClick() {
    if (OnDblClick) Application()->Guard(this, [&] { OnDblClick(this); });
}

void TCoolTrayIcon::RightClick() {
    Application()->Guard(this, [&] {
        if (!PopupMenu) return;
        IUserInterface& ui = GetPlatform().UI();
        TPoint at;
        if (!ui.GetCursorPos(at)) return;
        if (MenuOwner) ui.SetForegroundWindow(MenuOwner->Handle());
        PopupMenu->PopupComponent = this;
        PopupMenu->Popup(at.X, at.Y, MenuOwner ? MenuOwner->Handle() : peer_ ? peer_->Handle() : 0);
        if (MenuOwner) ui.PostNullMessage(MenuOwner->Handle());
    });
}

void TCoolTrayIcon::BeforeDestruction() {
    // The icon leaves the notification area with the program.
    if (peer_ && visible_) peer_->Remove();
    visible_ = false;
    peer_.reset();
}

}  // namespace pv
