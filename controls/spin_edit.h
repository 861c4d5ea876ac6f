#pragma once
// A spin edit: a whole number between MinValue and MaxValue, typed or stepped with its
// arrows. Every change, by the user or by the program, runs OnChange.
#include "controls/control.h"
#include "platform/ui/spin_edit.h"

namespace pv {

class TSpinEdit final : public TWinControl, private ISpinEditSink {
public:
    explicit TSpinEdit(TComponent* owner) : TWinControl(owner) {}
    PV_COMPONENT_CLASS(TSpinEdit)
    int MinValue() const { return min_; }
    int MaxValue() const { return max_; }
    // The value is kept within the new range.
    void SetRange(int minimum, int maximum);
    int Value() const { return value_; }
    void SetValue(int value);
    TNotifyEvent OnChange;

protected:
    std::unique_ptr<IControlPeer> MakePeer(NativeHandle parent) override;
    void ReplayState() override;

private:
    void PeerValueChanged(int value) override;
    ISpinEditPeer* Peer() const { return static_cast<ISpinEditPeer*>(peer_.get()); }
    int min_ = 0;
    int max_ = 100;
    int value_ = 0;
};

}  // namespace pv
