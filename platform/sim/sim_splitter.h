#pragma once
// Simulated splitter bars.
#include "platform/sim/sim_control.h"

namespace pv::sim {

struct SimSplitter : SimControl {
    ISplitterSink* SplitterSink = nullptr;
    bool Vertical = true;
    // The user drags the bar `offset` pixels across itself and lets go.
    void UserDrag(int offset);
};

}  // namespace pv::sim
