// The simulated panel family.
#include "platform/sim/sim_panel.h"

namespace pv::sim {

namespace {
class SimPanelPeer final : public SimChildPeer<IPanelPeer, SimPanel> {
public:
    using SimChildPeer::SimChildPeer;
    void SetHeaderStrip(bool header) override { rec_.HeaderStrip = header; }
};
}  // namespace

std::unique_ptr<IPanelPeer> SimUserInterface::CreatePanelPeer(IControlSink& sink, NativeHandle parent) {
    return std::make_unique<SimPanelPeer>(*this, sink, parent);
}

}  // namespace pv::sim
