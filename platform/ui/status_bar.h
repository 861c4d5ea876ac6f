#pragma once
// A status bar of one simple panel; its text is the peer's text.
#include "platform/ui/control.h"

namespace pv {

class IStatusBarPeer : public IControlPeer {
public:
    // The grip in the bottom right corner for resizing the window.
    virtual void SetSizeGrip(bool grip) = 0;
};

}  // namespace pv
