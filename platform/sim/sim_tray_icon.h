#pragma once
// An icon the program has in the simulated notification area.
#include <string>

#include "platform/sim/sim_platform.h"

namespace pv::sim {

struct SimTrayIcon {
    ITrayIconSink* Sink = nullptr;
    NativeHandle Handle = 0;
    bool Shown = false;
    std::string Tip;
    int Adds = 0;
    int Removes = 0;
    void UserClick() { Sink->PeerClick(); }
    void UserDoubleClick() { Sink->PeerDoubleClick(); }
    void UserRightClick() { Sink->PeerRightClick(); }
};

}  // namespace pv::sim
