// The simulated static-text family.
#include "platform/sim/sim_label.h"

namespace pv::sim {

namespace {
class SimLabelPeer final : public SimChildPeer<ILabelPeer, SimLabel> {
public:
    using SimChildPeer::SimChildPeer;
    void SetShowAccelChar(bool show) override { rec_.ShowAccelChar = show; }
};
}  // namespace

std::unique_ptr<ILabelPeer> SimUserInterface::CreateLabelPeer(IControlSink& sink, NativeHandle parent) {
    return std::make_unique<SimLabelPeer>(*this, sink, parent);
}

}  // namespace pv::sim
