#pragma once
// Simulated status bars: the text is the simple panel's.
#include "platform/sim/sim_control.h"

namespace pv::sim {

struct SimStatusBar : SimControl {
    bool SizeGrip = false;
};

}  // namespace pv::sim
