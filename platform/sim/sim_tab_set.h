#pragma once
// Simulated tab sets: the tabs shown and the one chosen.
#include <string>
#include <vector>

#include "platform/sim/sim_control.h"

namespace pv::sim {

struct SimTabSet : SimControl {
    ITabSetSink* TabSink = nullptr;
    std::vector<std::string> Tabs;
    int TabIndex = -1;
    // The user clicks the tab with this text; false when there is none, or the control is
    // hidden or disabled.
    bool UserClickTab(const std::string& caption);
};

}  // namespace pv::sim
