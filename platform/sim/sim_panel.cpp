// The simulated panel family.
#include "platform/sim/sim_panel.h"

namespace pv::sim {

namespace {
class SimPanelPeer final : public SimChildPeer<IPanelPeer, SimPanel> {
public:
    using SimChildPeer::SimChildPeer;
    void SetFace(PanelFace face) override { rec_.Face = face; }
    void SetBorder(bool border) override { rec_.Border = border; }
};
}  // namespace

std::unique_ptr<IPanelPeer> SimUserInterface::CreatePanelPeer(IControlSink& sink, NativeHandle parent) {
    return std::make_unique<SimPanelPeer>(*this, sink, parent);
}

}  // namespace pv::sim
