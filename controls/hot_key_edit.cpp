#include "controls/hot_key_edit.h"

#include "controls/application.h"

namespace pv {

std::unique_ptr<IControlPeer> THotKey::MakePeer(NativeHandle parent) {
    return GetPlatform().UI().CreateHotKeyEditPeer(*this, parent);
}

void THotKey::ReplayState() {
    KeyPeer()->SetRules(invalid_, replacement_);
    PushKey();
}

void THotKey::SetHotKey(TShortCut key) {
    if (key_ == key) return;
    key_ = key;
    PushKey();
    Changed();
}

void THotKey::SetRules(uint32_t invalidKeys, uint32_t modifiers) {
    invalid_ = invalidKeys;
    replacement_ = modifiers;
    if (KeyPeer()) KeyPeer()->SetRules(invalid_, replacement_);
}

void THotKey::PushKey() {
    if (!KeyPeer()) return;
    uint32_t mods = 0;
    if (key_ & ShortCutBit::Shift) mods |= HotKeyModifier::Shift;
    if (key_ & ShortCutBit::Ctrl) mods |= HotKeyModifier::Control;
    if (key_ & ShortCutBit::Alt) mods |= HotKeyModifier::Alt;
    KeyPeer()->SetHotKey(key_ & ShortCutBit::KeyMask, mods);
}

void THotKey::Changed() {
    if (OnChange) Application()->Guard(this, [&] { OnChange(this); });
}

void THotKey::PeerHotKeyChanged(uint32_t virtualKey, uint32_t modifiers) {
    // The field shows the combination already; only the model and the handler follow.
    Application()->Guard(this, [&] {
        TShortCut key = virtualKey & ShortCutBit::KeyMask;
        if (key && (modifiers & HotKeyModifier::Shift)) key |= ShortCutBit::Shift;
        if (key && (modifiers & HotKeyModifier::Control)) key |= ShortCutBit::Ctrl;
        if (key && (modifiers & HotKeyModifier::Alt)) key |= ShortCutBit::Alt;
        if (key == key_) return;
        key_ = key;
        Changed();
    });
}

}  // namespace pv
