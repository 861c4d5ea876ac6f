#pragma once
// Spin edits: a field of whole numbers within a range, with arrows that step it.
#include "platform/ui/control.h"

namespace pv {

class ISpinEditSink : public virtual IControlSink {
public:
    // The user typed or stepped to a new value (already kept within the range).
    virtual void PeerValueChanged(int value) = 0;
};

class ISpinEditPeer : public IControlPeer {
public:
    virtual void SetRange(int minimum, int maximum) = 0;
    // Shows the value without reporting it back.
    virtual void SetValue(int value) = 0;
};

}  // namespace pv
