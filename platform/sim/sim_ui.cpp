// The simulated desktop's user-interface service: the few application-wide operations.
// Each control family's peers live in the family's own file (sim_<family>.cpp).
#include <algorithm>

#include "platform/sim/sim_platform.h"

namespace pv::sim {

SimUserInterface::~SimUserInterface() = default;

bool SimUserInterface::GetCursorPos(TPoint& pos) {
    if (!CursorAvailable) return false;
    pos = Cursor;
    return true;
}

bool SimUserInterface::DisableWindowsGhosting() {
    if (!GhostingAvailable) return false;
    GhostingDisabled = true;
    return true;
}

}  // namespace pv::sim
