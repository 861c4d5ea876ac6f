#pragma once
// Edit fields: one line, or several lines of wrapped text (a memo).
#include <string>

#include "platform/ui/control.h"

namespace pv {

// Fixed when the native field is made.
struct EditParams {
    // Several lines, wrapped at the field's width; a vertical scroll bar shows while the
    // text needs more lines than the field has.
    bool MultiLine = false;
    // The sunken edge around the field.
    bool Border = true;
    bool TabStop = true;
    // Room between the field's edges and its text, on every side, in pixels.
    int Margin = 0;
};

class IEditSink : public virtual IControlSink {
public:
    // The user changed the text (typing, pasting, deleting).
    virtual void PeerTextChanged(const std::string& text) = 0;
    // The keyboard focus left the field.
    virtual void PeerExit() = 0;
};

// SetText replaces the text without reporting it back, and keeps the caret where the
// user was typing as far as the new text allows. A read-only field of several lines keeps
// the window's colours; a read-only line takes the face of the window around it.
class IEditPeer : public IControlPeer {
public:
    virtual void SetReadOnly(bool readOnly) = 0;
};

}  // namespace pv
