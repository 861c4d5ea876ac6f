#pragma once
// Simulated edit fields and memos.
#include <string>

#include "platform/sim/sim_control.h"

namespace pv::sim {

struct SimEdit : SimControl {
    IEditSink* EditSink = nullptr;
    EditParams Params;
    bool ReadOnly = false;
    // The user replaces the text, keystroke by keystroke or at once; nothing happens in a
    // disabled or read-only field. False when nothing came.
    bool UserType(const std::string& text);
    // The user moves the keyboard focus away from the field.
    void UserLeave() { EditSink->PeerExit(); }
};

}  // namespace pv::sim
