#include "controls/panel.h"

#include "platform/platform.h"

namespace pv {

std::unique_ptr<IControlPeer> TPanel::MakePeer(NativeHandle parent) {
    return GetPlatform().UI().CreatePanelPeer(*this, parent);
}

void TPanel::ReplayState() { static_cast<IPanelPeer*>(peer_.get())->SetHeaderStrip(header_); }

void TPanel::SetHeaderStrip(bool header) {
    if (header_ == header) return;
    header_ = header;
    if (peer_) static_cast<IPanelPeer*>(peer_.get())->SetHeaderStrip(header);
}

}  // namespace pv
