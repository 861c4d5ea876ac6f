#pragma once
// The field in which the user enters a shortcut by pressing it. Its value is a shortcut
// as the program keeps them (controls/shortcuts.h); a combination the user presses with
// modifiers among InvalidKeys gets Modifiers instead. A change of the value, by the user
// or by the program, runs OnChange.
#include <cstdint>

#include "controls/control.h"
#include "controls/shortcuts.h"
#include "platform/ui/hot_key_edit.h"

namespace pv {

class THotKey final : public TWinControl, private IHotKeyEditSink {
public:
    explicit THotKey(TComponent* owner) : TWinControl(owner) {}
    PV_COMPONENT_CLASS(THotKey)

    TShortCut HotKey() const { return key_; }
    void SetHotKey(TShortCut key);
    // HotKeyCombination bits.
    uint32_t InvalidKeys() const { return invalid_; }
    // HotKeyModifier bits.
    uint32_t Modifiers() const { return replacement_; }
    void SetRules(uint32_t invalidKeys, uint32_t modifiers);
    TNotifyEvent OnChange;

protected:
    std::unique_ptr<IControlPeer> MakePeer(NativeHandle parent) override;
    void ReplayState() override;

private:
    IHotKeyEditPeer* KeyPeer() const { return static_cast<IHotKeyEditPeer*>(peer_.get()); }
    void PeerHotKeyChanged(uint32_t virtualKey, uint32_t modifiers) override;
    void PushKey();
    void Changed();
    TShortCut key_ = 0;
    // As the system's field starts: a key alone or with Shift alone takes Alt.
    uint32_t invalid_ = HotKeyCombination::None | HotKeyCombination::Shift;
    uint32_t replacement_ = HotKeyModifier::Alt;
};

}  // namespace pv
