#pragma once
// The simulated find and replace dialogs: what they opened with, and the user's requests.
#include "platform/sim/sim_platform.h"

namespace pv::sim {

struct SimFindDialog {
    IFindDialogSink* Sink = nullptr;
    FindDialogParams Params;
    // The user types the texts, sets the options and presses a button.
    void UserRequest(FindCommand command, const std::string& findText, const std::string& replaceText = "",
                     FindOptions options = {}) {
        Sink->PeerFind(command, findText, replaceText, options);
    }
    void UserClose() { Sink->PeerDialogClosed(); }
};

}  // namespace pv::sim
