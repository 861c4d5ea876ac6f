#include "controls/panel.h"

#include <algorithm>

#include "platform/platform.h"

namespace pv {

std::unique_ptr<IControlPeer> TPanel::MakePeer(NativeHandle parent) {
    return GetPlatform().UI().CreatePanelPeer(*this, parent);
}

void TPanel::ReplayState() {
    PanelPeer()->SetFace(face_);
    PanelPeer()->SetBorder(border_);
}

void TPanel::SetFace(PanelFace face) {
    if (face_ == face) return;
    face_ = face;
    if (PanelPeer()) PanelPeer()->SetFace(face);
}

void TPanel::SetBorder(bool border) {
    if (border_ == border) return;
    border_ = border;
    if (PanelPeer()) PanelPeer()->SetBorder(border);
    Realign();
}

TRect TPanel::ClientRect() const {
    int edge = border_ ? kPanelBorderWidth : 0;
    return {0, 0, std::max(0, Width() - 2 * edge), std::max(0, Height() - 2 * edge)};
}

}  // namespace pv
