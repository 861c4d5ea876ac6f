#pragma once
// Simulated group boxes.
#include "platform/sim/sim_control.h"

namespace pv::sim {

struct SimGroupBox : SimControl {};

}  // namespace pv::sim
