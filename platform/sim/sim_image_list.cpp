// Placeholder until the simulated image lists land.
#include "platform/sim/sim_platform.h"

namespace pv::sim {
std::unique_ptr<IImageListPeer> SimUserInterface::CreateImageListPeer(int, int) { return nullptr; }
}  // namespace pv::sim
