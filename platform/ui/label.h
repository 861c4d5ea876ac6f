#pragma once
// Static texts beside other controls.
#include "platform/ui/control.h"

namespace pv {

class ILabelPeer : public IControlPeer {
public:
    // Whether a single "&" marks the next character as the accelerator (and is hidden).
    virtual void SetShowAccelChar(bool show) = 0;
};

}  // namespace pv
