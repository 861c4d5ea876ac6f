#pragma once
// Simulated spin edits.
#include "platform/sim/sim_control.h"

namespace pv::sim {

struct SimSpinEdit : SimControl {
    ISpinEditSink* SpinSink = nullptr;
    int Minimum = 0;
    int Maximum = 100;
    int Value = 0;
    // The user types a number; the field keeps it within its range. Nothing happens in a
    // disabled field.
    void UserEnter(int value);
};

}  // namespace pv::sim
