#pragma once
// Simulated hot-key fields: the combination shown and the rules the model set.
#include <cstdint>

#include "platform/sim/sim_control.h"

namespace pv::sim {

struct SimHotKeyEdit : SimControl {
    IHotKeyEditSink* KeySink = nullptr;
    uint32_t Key = 0, Modifiers = 0;  // a virtual key and HotKeyModifier bits
    uint32_t InvalidCombinations = 0, Replacement = 0;
    // The user presses a key with these modifiers in the field, which takes the focus
    // first: a combination among the invalid ones gets the replacement modifiers. False
    // when the field is hidden or disabled.
    bool UserPress(uint32_t virtualKey, uint32_t modifiers);
};

}  // namespace pv::sim
