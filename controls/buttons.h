#pragma once
// Push buttons, check boxes and radio buttons: caption, hint, the checked state and, for a
// bit button, its picture. A click by the user and Click() by the program run the same
// path.
#include "controls/control.h"
#include "platform/ui/button.h"
#include "util/bitmap.h"

namespace pv {

class TButton : public TWinControl, private IButtonSink {
public:
    explicit TButton(TComponent* owner) : TWinControl(owner) {}
    PV_COMPONENT_CLASS(TButton)

    // A caption too long for one line goes on over the next.
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wrap);
    bool IsPushButton() const { return Kind() == ButtonKind::Push; }
    // Whether the button shows as the one Enter presses; its window decides that
    // (TForm::SetDefaultControl and the focus).
    bool DefaultLook() const { return defaultLook_; }

protected:
    friend class TForm;
    void SetDefaultLook(bool look);
    std::unique_ptr<IControlPeer> MakePeer(NativeHandle parent) override;
    void ReplayState() override;
    IButtonPeer* ButtonPeer() const { return static_cast<IButtonPeer*>(peer_.get()); }
    // Whether the control starts a new group of the dialog keys.
    virtual bool StartsGroup() const { return true; }
    virtual ButtonKind Kind() const { return ButtonKind::Push; }

private:
    void PeerClicked(bool checked) override;
    virtual void UserClicked(bool checked) { Click(); }
    bool defaultLook_ = false;
    bool wordWrap_ = false;
};

// A push button with a picture beside its caption, in a normal and a disabled form.
class TBitBtn final : public TButton {
public:
    explicit TBitBtn(TComponent* owner) : TButton(owner) {}
    PV_COMPONENT_CLASS(TBitBtn)

    const TBitmap32& Glyph() const { return glyph_; }
    const TBitmap32& DisabledGlyph() const { return disabledGlyph_; }
    void SetGlyph(const TBitmap32& normal, const TBitmap32& disabled);

protected:
    void ReplayState() override;

private:
    TBitmap32 glyph_, disabledGlyph_;
};

class TCheckBox : public TButton {
public:
    explicit TCheckBox(TComponent* owner) : TButton(owner) {}
    PV_COMPONENT_CLASS(TCheckBox)

    bool Checked() const { return checked_; }
    // A change of state runs OnClick, as the user's click does.
    void SetChecked(bool checked);
    void Click() override;

protected:
    ButtonKind Kind() const override { return ButtonKind::CheckBox; }
    void ReplayState() override;

private:
    void UserClicked(bool checked) override { SetChecked(checked); }
    bool checked_ = false;
};

// A radio button: checking one unchecks the other radio buttons of the same parent.
class TRadioButton final : public TButton {
public:
    explicit TRadioButton(TComponent* owner) : TButton(owner) {}
    PV_COMPONENT_CLASS(TRadioButton)

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    // A click checks the button.
    void Click() override;

protected:
    ButtonKind Kind() const override { return ButtonKind::RadioButton; }
    // Consecutive radio buttons of one parent form one group of the arrow keys.
    bool StartsGroup() const override;
    void ReplayState() override;

private:
    void UserClicked(bool checked) override {
        if (checked) Click();
        else if (ButtonPeer()) ButtonPeer()->SetChecked(checked_);
    }
    bool checked_ = false;
};

}  // namespace pv
