#pragma once
// Simulated picture boxes.
#include "platform/sim/sim_control.h"

namespace pv::sim {

struct SimImageBox : SimControl {
    TBitmap32 Picture;
};

}  // namespace pv::sim
