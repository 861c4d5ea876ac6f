#pragma once
// A container that scrolls its children vertically.
#include "platform/ui/control.h"

namespace pv {

class IScrollBoxSink : public virtual IControlSink {
public:
    // The user moved the scroll bar (or turned the wheel) to `position`.
    virtual void PeerVertScroll(int position) = 0;
};

class IScrollBoxPeer : public IControlPeer {
public:
    // The content's height, the visible height and the offset of the content's top; the
    // bar shows only while the range exceeds the page.
    virtual void SetVertScroll(int range, int page, int position) = 0;
};

}  // namespace pv
