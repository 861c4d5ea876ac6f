#pragma once
// Simulated drop-down lists, editable or not.
#include <string>
#include <vector>

#include "platform/sim/sim_control.h"

namespace pv::sim {

struct SimComboBox : SimControl {
    IComboBoxSink* ComboSink = nullptr;
    ComboBoxParams Params;
    std::vector<std::string> Items;
    int Index = -1;
    // The user picks the entry with this text; false when the list is disabled or has no
    // such entry. An editable list's field then shows the entry.
    bool UserSelect(const std::string& text);
    // The user types into an editable list's field, replacing its text; false when the
    // list is disabled, hidden or not editable.
    bool UserType(const std::string& text);
};

}  // namespace pv::sim
