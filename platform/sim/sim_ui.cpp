// The simulated desktop's user-interface service: the few application-wide operations.
// Each control family's peers live in the family's own file (sim_<family>.cpp).
#include <algorithm>

#include "platform/sim/sim_control.h"
#include "platform/sim/sim_platform.h"

namespace pv::sim {

SimUserInterface::~SimUserInterface() = default;

void SimControl::TakeFocus() {
    if (!Ui || Ui->Focus == Handle) return;
    Ui->Focus = Handle;
    Sink->PeerEnter();
}

bool SimControl::UserFocus() {
    if (!Visible || !Enabled) return false;
    // A control inside a hidden or disabled container cannot be reached either (the
    // window around them all counts as the one the user works in).
    for (NativeHandle up = Parent; up && Ui;) {
        auto it = Ui->Controls.find(up);
        if (it == Ui->Controls.end() || it->second->Parent == 0) break;
        if (!it->second->Visible || !it->second->Enabled) return false;
        up = it->second->Parent;
    }
    TakeFocus();
    return true;
}

int SimUserInterface::DpiAt(TPoint) { return owner_.SimSystem().PixelsPerInch; }

bool SimUserInterface::GetCursorPos(TPoint& pos) {
    if (!CursorAvailable) return false;
    pos = Cursor;
    return true;
}

bool SimUserInterface::DisableWindowsGhosting() {
    if (!GhostingAvailable) return false;
    GhostingDisabled = true;
    return true;
}

}  // namespace pv::sim
