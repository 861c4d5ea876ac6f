#pragma once
// Push buttons (with an optional picture beside the caption), check boxes and radio
// buttons: the system's button family.
#include "platform/ui/control.h"
#include "util/bitmap.h"

namespace pv {

enum class ButtonKind { Push, CheckBox, RadioButton };

struct ButtonParams {
    ButtonKind Kind = ButtonKind::Push;
    // The first control of a group: Tab stops on it, and the arrow keys move among the
    // radio buttons that follow it up to the next group.
    bool GroupStart = true;
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
};

}  // namespace pv
