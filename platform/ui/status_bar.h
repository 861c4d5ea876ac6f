#pragma once
// A status bar: one simple panel whose text is the peer's text, or a row of panels of
// given widths whose first one shows that text. A panel the window draws itself is
// reported, with its rectangle, each time the bar draws it.
#include <vector>

#include "platform/ui/control.h"

namespace pv {

struct StatusPanelSpec {
    int Width = 0;
    // Drawn by the window: the bar leaves it empty and reports where it lies.
    bool Drawn = false;
    bool operator==(const StatusPanelSpec&) const = default;
};

// What a bar with panels reports beyond every control's sink. A sink without it hears
// nothing of the drawn panels.
class IStatusBarSink : public virtual IControlSink {
public:
    // The bar draws panel `index`, which lies at `rect` in the bar's client area.
    virtual void PeerDrawPanel(int index, const TRect& rect) = 0;
};

class IStatusBarPeer : public IControlPeer {
public:
    // The grip in the bottom right corner for resizing the window.
    virtual void SetSizeGrip(bool grip) = 0;
    // The panels from the left, the last reaching the right edge; none: the simple panel.
    virtual void SetPanels(const std::vector<StatusPanelSpec>& panels) = 0;
};

}  // namespace pv
