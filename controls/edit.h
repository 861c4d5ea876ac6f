#pragma once
// Edit fields: a single line, or a memo of several wrapped lines. Setting the text, by the
// user or by the program, runs OnChange.
#include "controls/control.h"
#include "platform/ui/edit.h"

namespace pv {

class TEdit : public TWinControl, private IEditSink {
public:
    explicit TEdit(TComponent* owner) : TWinControl(owner) {}
    PV_COMPONENT_CLASS(TEdit)
    TNotifyEvent OnChange;
    // The keyboard focus left the field.
    TNotifyEvent OnExit;
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);

protected:
    std::unique_ptr<IControlPeer> MakePeer(NativeHandle parent) override;
    void ReplayState() override;
    void CaptionChanged() override;
    // What the native field is made with.
    virtual EditParams Params() const;

private:
    void PeerTextChanged(const std::string& text) override;
    void PeerExit() override;
    bool readOnly_ = false;
};

// The maker's edit field: its hint is a long hint only, shown in the status bar.
class TvdEdit final : public TEdit {
public:
    explicit TvdEdit(TComponent* owner) : TEdit(owner) {}
    PV_COMPONENT_CLASS(TvdEdit)
};

// Several lines of text, wrapped at the memo's width; lines are separated by CR LF.
class TMemo final : public TEdit {
public:
    explicit TMemo(TComponent* owner) : TEdit(owner) {}
    PV_COMPONENT_CLASS(TMemo)
    // The sunken edge, and the room between the edges and the text on every side.
    bool Border() const { return border_; }
    void SetBorder(bool border);
    int Margin() const { return margin_; }
    void SetMargin(int pixels);

protected:
    EditParams Params() const override;

private:
    bool border_ = true;
    int margin_ = 0;
};

}  // namespace pv
