#pragma once
// A simulated global hot key.
#include "platform/sim/sim_platform.h"

namespace pv::sim {

struct SimHotKey {
    IHotKeySink* Sink = nullptr;
    bool Registered = false;
    uint32_t Key = 0, Modifiers = 0;
};

}  // namespace pv::sim
