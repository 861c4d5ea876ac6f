#pragma once
// Simulated push buttons, check boxes and radio buttons.
#include "platform/sim/sim_control.h"

namespace pv::sim {

struct SimButton : SimControl {
    IButtonSink* ButtonSink = nullptr;
    ButtonParams Params;
    bool Checked = false;
    bool Default = false;  // drawn as the button Enter presses
    TBitmap32 Picture, DisabledPicture;
    // A click by the user, as the system delivers it: nothing on a disabled or hidden
    // button; a check box toggles, a radio button checks itself. False when nothing came.
    // The click gives the button the focus first, as a press of the mouse does.
    bool UserClick();
};

}  // namespace pv::sim
