#pragma once
// Panels: plain containers, and the header strip that tops a panel of the manager
// window's side column.
#include "platform/ui/control.h"

namespace pv {

class IPanelPeer : public IControlPeer {
public:
    // A header strip shows its text centred on one line, cut with an ellipsis, on the
    // themed header (or the caption colours without visual styles; the inactive ones
    // while it or its parent is disabled). A plain panel shows no text.
    virtual void SetHeaderStrip(bool header) = 0;
};

}  // namespace pv
