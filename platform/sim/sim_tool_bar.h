#pragma once
// Simulated tool bars: the buttons as the bar shows them; a test clicks one or points at it.
#include <string>
#include <vector>

#include "platform/sim/sim_control.h"

namespace pv::sim {

struct SimToolBar : SimControl {
    IToolBarSink* BarSink = nullptr;
    std::vector<ToolButtonView> Buttons;
    int ButtonWidth = 0, ButtonHeight = 0;
    bool Gradient = false;
    const ToolButtonView* Find(const std::string& caption) const;
    // The user clicks the button with this caption; false when no such button is shown
    // and enabled.
    bool UserClick(const std::string& caption);
    void UserPointAtButton(const std::string& caption);
    std::string TipOf(const std::string& caption) const;
};

}  // namespace pv::sim
