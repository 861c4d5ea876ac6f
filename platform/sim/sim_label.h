#pragma once
// Simulated static texts.
#include "platform/sim/sim_control.h"

namespace pv::sim {

struct SimLabel : SimControl {
    bool ShowAccelChar = false;
};

}  // namespace pv::sim
