#pragma once
// Simulated panels and header strips.
#include "platform/sim/sim_control.h"

namespace pv::sim {

struct SimPanel : SimControl {
    bool HeaderStrip = false;
};

}  // namespace pv::sim
