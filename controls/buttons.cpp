#include "controls/buttons.h"

#include "controls/application.h"

namespace pv {

std::unique_ptr<IControlPeer> TButton::MakePeer(NativeHandle parent) {
    ButtonParams params;
    params.Kind = Kind();
    params.GroupStart = StartsGroup();
    params.TabStop = TabStop();
    params.WordWrap = wordWrap_;
    return GetPlatform().UI().CreateButtonPeer(*this, params, parent);
}

void TButton::SetWordWrap(bool wrap) {
    if (wordWrap_ == wrap) return;
    wordWrap_ = wrap;
    RecreatePeer();
}

void TButton::ReplayState() {
    if (defaultLook_) ButtonPeer()->SetDefault(true);
}

void TButton::SetDefaultLook(bool look) {
    if (defaultLook_ == look) return;
    defaultLook_ = look;
    if (ButtonPeer()) ButtonPeer()->SetDefault(look);
}

void TButton::PeerClicked(bool checked) {
    Application()->Guard(this, [&] { UserClicked(checked); });
}

void TBitBtn::SetGlyph(const TBitmap32& normal, const TBitmap32& disabled) {
    glyph_ = normal;
    disabledGlyph_ = disabled;
    if (ButtonPeer()) ButtonPeer()->SetPictures(glyph_, disabledGlyph_);
}

void TBitBtn::ReplayState() {
    TButton::ReplayState();
    if (!glyph_.Empty()) ButtonPeer()->SetPictures(glyph_, disabledGlyph_);
}

void TCheckBox::SetChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    if (ButtonPeer()) ButtonPeer()->SetChecked(checked_);
    TWinControl::Click();
}

void TCheckBox::Click() { SetChecked(!checked_); }

void TCheckBox::ReplayState() {
    TButton::ReplayState();
    ButtonPeer()->SetChecked(checked_);
}

void TRadioButton::SetChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    if (ButtonPeer()) ButtonPeer()->SetChecked(checked_);
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

bool TRadioButton::StartsGroup() const {
    if (!parent_) return true;
    const TControl* before = nullptr;
    for (int i = 0; i < parent_->ControlCount(); ++i) {
        if (parent_->Controls(i) == this) break;
        before = parent_->Controls(i);
    }
    return dynamic_cast<const TRadioButton*>(before) == nullptr;
}

void TRadioButton::ReplayState() {
    TButton::ReplayState();
    ButtonPeer()->SetChecked(checked_);
}

}  // namespace pv
