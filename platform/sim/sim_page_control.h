#pragma once
// Simulated page controls: the tabs shown, the one chosen, and a display area of fixed
// metrics (a frame of 4 pixels and a row of tabs 24 pixels high at 96 dots per inch).
#include <string>
#include <vector>

#include "platform/sim/sim_control.h"

namespace pv::sim {

struct SimPageControl : SimControl {
    static constexpr int Frame = 4;
    static constexpr int TabRow = 24;

    IPageControlSink* PageSink = nullptr;
    std::vector<std::string> Tabs;
    int TabIndex = -1;
    // The user clicks the tab with this caption; false when there is none, or the control
    // is hidden or disabled. Clicking a tab gives the control the focus first.
    bool UserSelectTab(const std::string& caption);
};

}  // namespace pv::sim
