#pragma once
// A bar the user drags to resize the control beside it.
#include "platform/ui/control.h"

namespace pv {

class ISplitterSink : public virtual IControlSink {
public:
    virtual void PeerDragStart() = 0;
    // The pointer is `offset` pixels from where the drag started (across the bar).
    virtual void PeerDragTo(int offset) = 0;
};

class ISplitterPeer : public IControlPeer {
public:
    // A vertical bar resizes left and right; a horizontal one up and down.
    virtual void SetVertical(bool vertical) = 0;
};

}  // namespace pv
