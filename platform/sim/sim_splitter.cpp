// The simulated splitter family.
#include "platform/sim/sim_splitter.h"

namespace pv::sim {

namespace {
class SimSplitterPeer final : public SimChildPeer<ISplitterPeer, SimSplitter> {
public:
    SimSplitterPeer(SimUserInterface& ui, ISplitterSink& sink, NativeHandle parent) : SimChildPeer(ui, sink, parent) {
        rec_.SplitterSink = &sink;
    }
    void SetVertical(bool vertical) override { rec_.Vertical = vertical; }
};
}  // namespace

void SimSplitter::UserDrag(int offset) {
    SplitterSink->PeerDragStart();
    SplitterSink->PeerDragTo(offset);
}

std::unique_ptr<ISplitterPeer> SimUserInterface::CreateSplitterPeer(ISplitterSink& sink, NativeHandle parent) {
    return std::make_unique<SimSplitterPeer>(*this, sink, parent);
}

}  // namespace pv::sim
