#include "controls/splitter.h"

#include <algorithm>

#include "controls/application.h"

namespace pv {

std::unique_ptr<IControlPeer> TSplitter::MakePeer(NativeHandle parent) {
    return GetPlatform().UI().CreateSplitterPeer(*this, parent);
}

void TSplitter::ReplayState() { static_cast<ISplitterPeer*>(peer_.get())->SetVertical(Vertical()); }

TControl* TSplitter::ResizedControl() const {
    if (!parent_) return nullptr;
    // The nearest visible control with the same alignment that touches the bar.
    TControl* found = nullptr;
    for (int i = 0; i < parent_->ControlCount(); ++i) {
        TControl* c = parent_->Controls(i);
        if (c == this) break;
        if (c->Align() != align_ || !c->Visible()) continue;
        bool touches = false;
        switch (align_) {
            case TAlign::Left: touches = c->BoundsRect().Right == Left(); break;
            case TAlign::Right: touches = c->BoundsRect().Left == bounds_.Right; break;
            case TAlign::Top: touches = c->BoundsRect().Bottom == Top(); break;
            case TAlign::Bottom: touches = c->BoundsRect().Top == bounds_.Bottom; break;
            default: break;
        }
        if (touches) found = c;
    }
    return found;
}

void TSplitter::BeginDrag() {
    TControl* c = ResizedControl();
    startSize_ = c ? (Vertical() ? c->Width() : c->Height()) : -1;
}

void TSplitter::DragTo(int offset) {
    TControl* c = ResizedControl();
    if (!c || startSize_ < 0 || !parent_) return;
    // Dragging away from the resized control makes it larger.
    int grow = (align_ == TAlign::Left || align_ == TAlign::Top) ? offset : -offset;
    TRect client = parent_->ClientRect();
    int total = Vertical() ? client.Width() : client.Height();
    // The space the other controls aligned on either side take now, besides this pair.
    int others = 0;
    for (int i = 0; i < parent_->ControlCount(); ++i) {
        TControl* o = parent_->Controls(i);
        if (o == c || !o->Visible()) continue;
        bool across = Vertical() ? (o->Align() == TAlign::Left || o->Align() == TAlign::Right)
                                 : (o->Align() == TAlign::Top || o->Align() == TAlign::Bottom);
        if (across) others += Vertical() ? o->Width() : o->Height();
    }
    int most = std::max(MinSize, total - others - MinSize);
    int size = std::clamp(startSize_ + grow, MinSize, most);
    if (Vertical()) c->SetWidth(size);
    else c->SetHeight(size);
    if (OnMoved) Application()->Guard(this, [&] { OnMoved(this); });
}

void TSplitter::PeerDragStart() {
    Application()->Guard(this, [&] { BeginDrag(); });
}

void TSplitter::PeerDragTo(int offset) {
    Application()->Guard(this, [&] { DragTo(offset); });
}

}  // namespace pv
