#include "controls/spin_edit.h"

#include <algorithm>

#include "platform/platform.h"

namespace pv {

std::unique_ptr<IControlPeer> TSpinEdit::MakePeer(NativeHandle parent) {
    return GetPlatform().UI().CreateSpinEditPeer(*this, parent);
}

void TSpinEdit::ReplayState() {
    Peer()->SetRange(min_, max_);
    Peer()->SetValue(value_);
}

void TSpinEdit::SetRange(int minimum, int maximum) {
    min_ = minimum;
    max_ = std::max(minimum, maximum);
    if (peer_) Peer()->SetRange(min_, max_);
    SetValue(value_);
}

void TSpinEdit::SetValue(int value) {
    value = std::clamp(value, min_, max_);
    if (value_ == value) return;
    value_ = value;
    if (peer_) Peer()->SetValue(value);
    if (OnChange) OnChange(this);
}

void TSpinEdit::PeerValueChanged(int value) {
    value = std::clamp(value, min_, max_);
    if (value_ == value) return;
    value_ = value;
    if (OnChange) OnChange(this);
}

}  // namespace pv
