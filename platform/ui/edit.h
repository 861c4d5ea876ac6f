#pragma once
// Single-line edit fields.
#include <string>

#include "platform/ui/control.h"

namespace pv {

class IEditSink : public virtual IControlSink {
public:
    // The user changed the text (typing, pasting, deleting).
    virtual void PeerTextChanged(const std::string& text) = 0;
    // The keyboard focus left the field.
    virtual void PeerExit() = 0;
};

// SetText replaces the text without reporting it back, and keeps the caret where the
// user was typing as far as the new text allows.
class IEditPeer : public IControlPeer {
public:
    virtual void SetReadOnly(bool readOnly) = 0;
};

}  // namespace pv
