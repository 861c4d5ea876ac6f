#pragma once
// Simulated panels, header strips and caption headings.
#include "platform/sim/sim_control.h"

namespace pv::sim {

struct SimPanel : SimControl {
    PanelFace Face = PanelFace::Plain;
    bool Border = false;
    bool HeaderStrip() const { return Face == PanelFace::HeaderStrip; }
};

}  // namespace pv::sim
