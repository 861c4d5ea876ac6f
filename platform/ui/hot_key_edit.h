#pragma once
// The field in which the user enters a key combination by pressing it.
#include <cstdint>

#include "platform/ui/control.h"
#include "platform/ui/hot_key.h"

namespace pv {

// Combinations of modifiers, numbered as the system numbers them for the field's rules.
namespace HotKeyCombination {
inline constexpr uint32_t None = 0x01, Shift = 0x02, Ctrl = 0x04, Alt = 0x08, ShiftCtrl = 0x10, ShiftAlt = 0x20,
                          CtrlAlt = 0x40, ShiftCtrlAlt = 0x80;
}  // namespace HotKeyCombination

class IHotKeyEditSink : public virtual IControlSink {
public:
    // The user pressed a new combination: a virtual key with HotKeyModifier bits (0 and 0
    // once the field is cleared).
    virtual void PeerHotKeyChanged(uint32_t virtualKey, uint32_t modifiers) = 0;
};

// The field shows a combination; its text is never the model's.
class IHotKeyEditPeer : public IControlPeer {
public:
    // Shows this combination (HotKeyModifier bits); the rules do not apply to it.
    virtual void SetHotKey(uint32_t virtualKey, uint32_t modifiers) = 0;
    // A combination the user presses with modifiers among `invalid` (HotKeyCombination
    // bits) gets `replacement` (HotKeyModifier bits) as its modifiers instead.
    virtual void SetRules(uint32_t invalid, uint32_t replacement) = 0;
};

}  // namespace pv
