#pragma once
// Progress bars: a bar filled in proportion to a position in 0..maximum.
#include "platform/ui/control.h"

namespace pv {

class IProgressBarPeer : public IControlPeer {
public:
    virtual void SetRange(int maximum) = 0;
    virtual void SetPosition(int position) = 0;
    // The thin sunken edge around the bar.
    virtual void SetStaticEdge(bool edge) = 0;
};

}  // namespace pv
