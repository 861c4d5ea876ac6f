#pragma once
// Simulated scrolling boxes.
#include "platform/sim/sim_control.h"

namespace pv::sim {

struct SimScrollBox : SimControl {
    IScrollBoxSink* ScrollSink = nullptr;
    int Range = 0, Page = 0, Position = 0;
    bool BarVisible() const { return Range > Page; }
    // The user drags the bar's thumb; the position is kept within the content.
    void UserScroll(int position);
};

}  // namespace pv::sim
