// The simulated spin edit family.
#include "platform/sim/sim_spin_edit.h"

#include <algorithm>

namespace pv::sim {

void SimSpinEdit::UserEnter(int value) {
    if (!Enabled) return;
    Value = std::clamp(value, Minimum, Maximum);
    SpinSink->PeerValueChanged(Value);
}

namespace {
class SimSpinEditPeer final : public SimChildPeer<ISpinEditPeer, SimSpinEdit> {
public:
    SimSpinEditPeer(SimUserInterface& ui, ISpinEditSink& sink, NativeHandle parent) : SimChildPeer(ui, sink, parent) {
        rec_.SpinSink = &sink;
    }
    void SetRange(int minimum, int maximum) override {
        rec_.Minimum = minimum;
        rec_.Maximum = maximum;
    }
    void SetValue(int value) override { rec_.Value = value; }
};
}  // namespace

std::unique_ptr<ISpinEditPeer> SimUserInterface::CreateSpinEditPeer(ISpinEditSink& sink, NativeHandle parent) {
    return std::make_unique<SimSpinEditPeer>(*this, sink, parent);
}

}  // namespace pv::sim
