#pragma once
// Push buttons, check boxes and radio buttons as model state: caption, hint and the
// checked state. The manager window's commands and editor fields are built from them.
#include "controls/control.h"

namespace pv {

class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner) : TWinControl(owner) {}
    PV_COMPONENT_CLASS(TButton)
};

// A push button with a picture beside its caption.
class TBitBtn final : public TButton {
public:
    explicit TBitBtn(TComponent* owner) : TButton(owner) {}
    PV_COMPONENT_CLASS(TBitBtn)
};

class TCheckBox : public TWinControl {
public:
    explicit TCheckBox(TComponent* owner) : TWinControl(owner) {}
    PV_COMPONENT_CLASS(TCheckBox)

    bool Checked() const { return checked_; }
    // A change of state runs OnClick, as the user's click does.
    void SetChecked(bool checked);
    void Click() override;

private:
    bool checked_ = false;
};

// A radio button: checking one unchecks the other radio buttons of the same parent.
class TRadioButton final : public TWinControl {
public:
    explicit TRadioButton(TComponent* owner) : TWinControl(owner) {}
    PV_COMPONENT_CLASS(TRadioButton)

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    // A click checks the button.
    void Click() override;

private:
    bool checked_ = false;
};

}  // namespace pv
