#pragma once
// Simulated drop-down lists.
#include <string>
#include <vector>

#include "platform/sim/sim_control.h"

namespace pv::sim {

struct SimComboBox : SimControl {
    IComboBoxSink* ComboSink = nullptr;
    std::vector<std::string> Items;
    int Index = -1;
    // The user picks the entry with this text; false when the list is disabled or has no
    // such entry.
    bool UserSelect(const std::string& text);
};

}  // namespace pv::sim
