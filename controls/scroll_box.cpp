#include "controls/scroll_box.h"

#include <algorithm>

#include "controls/application.h"

namespace pv {

std::unique_ptr<IControlPeer> TScrollBox::MakePeer(NativeHandle parent) {
    return GetPlatform().UI().CreateScrollBoxPeer(*this, parent);
}

void TScrollBox::ReplayState() { PushScroll(); }

TRect TScrollBox::ClientRect() const {
    int bar = barVisible_ ? GetPlatform().System().VertScrollBarWidth() : 0;
    return {0, 0, std::max(0, Width() - bar), Height()};
}

void TScrollBox::Realign() {
    // The content is measured with the bar's width as it stands; when that decides the
    // bar the other way, the children are laid out once more.
    for (int pass = 0; pass < 2; ++pass) {
        TRect area = ClientRect();
        int bottom = AlignControls({area.Left, area.Top - position_, area.Right, area.Bottom - position_});
        content_ = bottom + position_;
        bool bar = content_ > Height();
        int position = std::clamp(position_, 0, std::max(0, content_ - Height()));
        if (bar == barVisible_ && position == position_) break;
        barVisible_ = bar;
        position_ = position;
    }
    PushScroll();
}

void TScrollBox::SetVertScrollPos(int position) {
    position = std::clamp(position, 0, std::max(0, content_ - Height()));
    if (position == position_) return;
    position_ = position;
    Realign();
}

void TScrollBox::PushScroll() {
    if (peer_) static_cast<IScrollBoxPeer*>(peer_.get())->SetVertScroll(content_, Height(), position_);
}

void TScrollBox::PeerVertScroll(int position) {
    Application()->Guard(this, [&] { SetVertScrollPos(position); });
}

}  // namespace pv
