#include "controls/label.h"

#include "platform/platform.h"

namespace pv {

std::unique_ptr<IControlPeer> TLabel::MakePeer(NativeHandle parent) {
    return GetPlatform().UI().CreateLabelPeer(*this, parent);
}

void TLabel::ReplayState() { static_cast<ILabelPeer*>(peer_.get())->SetShowAccelChar(showAccelChar_); }

void TLabel::SetShowAccelChar(bool show) {
    if (showAccelChar_ == show) return;
    showAccelChar_ = show;
    if (peer_) static_cast<ILabelPeer*>(peer_.get())->SetShowAccelChar(show);
}

}  // namespace pv
