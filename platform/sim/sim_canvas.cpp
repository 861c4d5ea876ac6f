// Placeholder until the simulated canvas lands.
#include "platform/sim/sim_platform.h"

namespace pv::sim {
std::unique_ptr<IBitmapCanvas> SimUserInterface::CreateBitmapCanvas(int, int, TColor) { return nullptr; }
}  // namespace pv::sim
