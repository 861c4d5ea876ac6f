#include "controls/buttons.h"

namespace pv {

void TCheckBox::SetChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    TWinControl::Click();
}

void TCheckBox::Click() { SetChecked(!checked_); }

void TRadioButton::SetChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    if (checked && parent_) {
        for (int i = 0; i < parent_->ControlCount(); ++i)
            if (auto* other = dynamic_cast<TRadioButton*>(parent_->Controls(i)); other && other != this)
                other->SetChecked(false);
    }
    if (checked) TWinControl::Click();
}

void TRadioButton::Click() {
    if (checked_) TWinControl::Click();
    else SetChecked(true);
}

}  // namespace pv
