#pragma once
// Panels: plain containers, the header strip that tops a panel of the manager window's
// side column, and the heading painted like the caption of an active window.
#include "platform/ui/control.h"

namespace pv {

enum class PanelFace {
    // The window's face, no text.
    Plain,
    // Its text centred on one line, cut with an ellipsis, on the themed header (or the
    // caption colours without visual styles; the inactive ones while it or its parent is
    // disabled).
    HeaderStrip,
    // Its text on one line, vertically centred and left-aligned, cut with an ellipsis, in
    // the active caption's text colour, on the themed active caption (or the active
    // caption's gradient colour without visual styles).
    Caption,
};

// The thin sunken edge a bordered panel draws around its client area.
inline constexpr int kPanelBorderWidth = 1;

class IPanelPeer : public IControlPeer {
public:
    virtual void SetFace(PanelFace face) = 0;
    // A thin sunken edge around the panel; the client area (where the children lie) is
    // then kPanelBorderWidth smaller on every side.
    virtual void SetBorder(bool border) = 0;
};

}  // namespace pv
