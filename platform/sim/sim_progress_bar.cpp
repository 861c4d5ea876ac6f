// The simulated progress bar family.
#include "platform/sim/sim_progress_bar.h"

namespace pv::sim {

namespace {
class SimProgressBarPeer final : public SimChildPeer<IProgressBarPeer, SimProgressBar> {
public:
    using SimChildPeer::SimChildPeer;
    void SetRange(int maximum) override { rec_.Maximum = maximum; }
    void SetPosition(int position) override { rec_.Position = position; }
    void SetStaticEdge(bool edge) override { rec_.StaticEdge = edge; }
};
}  // namespace

std::unique_ptr<IProgressBarPeer> SimUserInterface::CreateProgressBarPeer(IControlSink& sink, NativeHandle parent) {
    return std::make_unique<SimProgressBarPeer>(*this, sink, parent);
}

}  // namespace pv::sim
