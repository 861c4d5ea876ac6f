#pragma once
// Simulated push buttons, check boxes and radio buttons.
#include "platform/sim/sim_control.h"

namespace pv::sim {

struct SimButton : SimControl {
    IButtonSink* ButtonSink = nullptr;
    ButtonParams Params;
    bool Checked = false;
    TBitmap32 Picture, DisabledPicture;
    // A click by the user, as the system delivers it: nothing on a disabled or hidden
    // button; a check box toggles, a radio button checks itself. False when nothing came.
    bool UserClick();
};

}  // namespace pv::sim
