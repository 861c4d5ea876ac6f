// The simulated group-box family.
#include "platform/sim/sim_group_box.h"

namespace pv::sim {

namespace {
class SimGroupBoxPeer final : public SimChildPeer<IGroupBoxPeer, SimGroupBox> {
public:
    using SimChildPeer::SimChildPeer;
};
}  // namespace

std::unique_ptr<IGroupBoxPeer> SimUserInterface::CreateGroupBoxPeer(IControlSink& sink, NativeHandle parent) {
    return std::make_unique<SimGroupBoxPeer>(*this, sink, parent);
}

}  // namespace pv::sim
