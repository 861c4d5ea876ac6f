// The simulated picture-box family.
#include "platform/sim/sim_image_box.h"

namespace pv::sim {

namespace {
class SimImageBoxPeer final : public SimChildPeer<IImageBoxPeer, SimImageBox> {
public:
    using SimChildPeer::SimChildPeer;
    void SetPicture(const TBitmap32& picture) override { rec_.Picture = picture; }
};
}  // namespace

std::unique_ptr<IImageBoxPeer> SimUserInterface::CreateImageBoxPeer(IControlSink& sink, NativeHandle parent) {
    return std::make_unique<SimImageBoxPeer>(*this, sink, parent);
}

}  // namespace pv::sim
