// The simulated status-bar family.
#include "platform/sim/sim_status_bar.h"

namespace pv::sim {

namespace {
class SimStatusBarPeer final : public SimChildPeer<IStatusBarPeer, SimStatusBar> {
public:
    using SimChildPeer::SimChildPeer;
    void SetSizeGrip(bool grip) override { rec_.SizeGrip = grip; }
};
}  // namespace

std::unique_ptr<IStatusBarPeer> SimUserInterface::CreateStatusBarPeer(IControlSink& sink, NativeHandle parent) {
    return std::make_unique<SimStatusBarPeer>(*this, sink, parent);
}

}  // namespace pv::sim
