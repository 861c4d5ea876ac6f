// The simulated scrolling-box family.
#include "platform/sim/sim_scroll_box.h"

namespace pv::sim {

namespace {
class SimScrollBoxPeer final : public SimChildPeer<IScrollBoxPeer, SimScrollBox> {
public:
    SimScrollBoxPeer(SimUserInterface& ui, IScrollBoxSink& sink, NativeHandle parent) : SimChildPeer(ui, sink, parent) {
        rec_.ScrollSink = &sink;
    }
    void SetVertScroll(int range, int page, int position) override {
        rec_.Range = range;
        rec_.Page = page;
        rec_.Position = position;
    }
};
}  // namespace

void SimScrollBox::UserScroll(int position) {
    ScrollSink->PeerVertScroll(std::clamp(position, 0, std::max(0, Range - Page)));
}

std::unique_ptr<IScrollBoxPeer> SimUserInterface::CreateScrollBoxPeer(IScrollBoxSink& sink, NativeHandle parent) {
    return std::make_unique<SimScrollBoxPeer>(*this, sink, parent);
}

}  // namespace pv::sim
