#pragma once
// Simulated progress bars.
#include "platform/sim/sim_control.h"

namespace pv::sim {

struct SimProgressBar : SimControl {
    int Maximum = 100;
    int Position = 0;
    bool StaticEdge = true;
};

}  // namespace pv::sim
