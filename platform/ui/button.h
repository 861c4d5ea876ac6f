#pragma once
// Push buttons (with an optional picture beside the caption), check boxes and radio
// buttons: the system's button family.
#include "platform/ui/control.h"
#include "util/bitmap.h"

namespace pv {

enum class ButtonKind { Push, CheckBox, RadioButton };

// Fixed when the native button is made.
struct ButtonParams {
    ButtonKind Kind = ButtonKind::Push;
    // The first control of a group: Tab stops on it, and the arrow keys move among the
    // radio buttons that follow it up to the next group.
    bool GroupStart = true;
    // Whether Tab stops on the button at all (radio buttons after the first of a group
    // never are stops of their own).
    bool TabStop = true;
    // A caption too long for one line goes on over the next lines.
    bool WordWrap = false;
};

class IButtonSink : public virtual IControlSink {
public:
    // The user pressed the button (mouse, Space or its accelerator); `checked` is the
    // state a check box or radio button shows now.
    virtual void PeerClicked(bool checked) = 0;
};

class IButtonPeer : public IControlPeer {
public:
    virtual void SetChecked(bool checked) = 0;
    // The picture beside the caption, in its normal and its disabled form (both of the
    // same size); an empty normal picture shows none.
    virtual void SetPictures(const TBitmap32& normal, const TBitmap32& disabled) = 0;
    // A push button drawn as the one that Enter presses (the heavier border).
    virtual void SetDefault(bool isDefault) = 0;
};

}  // namespace pv
