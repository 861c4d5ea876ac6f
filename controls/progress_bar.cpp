#include "controls/progress_bar.h"

#include "platform/platform.h"

namespace pv {

std::unique_ptr<IControlPeer> TProgressBar::MakePeer(NativeHandle parent) {
    return GetPlatform().UI().CreateProgressBarPeer(*this, parent);
}

void TProgressBar::ReplayState() {
    Peer()->SetStaticEdge(staticEdge_);
    Peer()->SetRange(max_);
    Peer()->SetPosition(position_);
}

void TProgressBar::SetMax(int max) {
    if (max_ == max) return;
    max_ = max;
    if (peer_) Peer()->SetRange(max);
}

void TProgressBar::SetPosition(int position) {
    if (position_ == position) return;
    position_ = position;
    if (peer_) Peer()->SetPosition(position);
}

void TProgressBar::SetStaticEdge(bool edge) {
    if (staticEdge_ == edge) return;
    staticEdge_ = edge;
    if (peer_) Peer()->SetStaticEdge(edge);
}

}  // namespace pv
