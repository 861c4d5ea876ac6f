#pragma once
// The base of every native peer of a control. The model owns the state and pushes it
// through these verbs; a family's own interface adds only the verbs of its kind. A peer
// reports what the user did through its family's sink, the model's one inbound path.
#include <string>

#include "platform/types.h"

namespace pv {

// What every control's peer reports, whatever its family.
class IControlSink {
public:
    virtual ~IControlSink() = default;
    // The pointer came onto the control (also onto a disabled one): its hint applies now.
    virtual void PeerMouseEnter() = 0;
    // The control took the keyboard focus, from the user or from the program's SetFocus.
    virtual void PeerEnter() = 0;
};

class IControlPeer {
public:
    virtual ~IControlPeer() = default;
    // The native window; children of a container are created below it.
    virtual NativeHandle Handle() = 0;
    // In the parent's client coordinates (the screen's for a window).
    virtual void SetBounds(const TRect& bounds) = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual void SetFont(const FontSpec& font) = 0;
    // The tooltip: empty for none.
    virtual void SetHint(const std::string& hint) = 0;
    // Gives the control the keyboard focus; the control reports it as entered unless it
    // had the focus already.
    virtual void SetFocus() = 0;
};

}  // namespace pv
