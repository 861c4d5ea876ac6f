#pragma once
// Simulated status bars: the text is the simple panel's, or the first panel's when the bar
// has panels. The bar "draws" its panels whenever they or its size change, and reports the
// ones the window draws, as a real bar does when it paints.
#include <vector>

#include "platform/sim/sim_control.h"

namespace pv::sim {

struct SimStatusBar : SimControl {
    bool SizeGrip = false;
    std::vector<StatusPanelSpec> Panels;
    IStatusBarSink* PanelSink = nullptr;
    // Panel `index`'s rectangle in the bar's client area: from the sum of the widths
    // before it, the last reaching the right edge.
    TRect PanelRect(int index) const;
    // Paints the bar: each drawn panel is reported.
    void Paint();
};

}  // namespace pv::sim
