#include "controls/hot_key.h"

#include "controls/application.h"

namespace pv {

TJvApplicationHotKey::TJvApplicationHotKey(TComponent* owner) : TComponent(owner) {}

TJvApplicationHotKey::~TJvApplicationHotKey() {
    if (peer_) peer_->Unregister();
}

void TJvApplicationHotKey::SetHotKey(TShortCut key) {
    if (key == key_) return;
    key_ = key;
    Apply();
}

void TJvApplicationHotKey::SetActive(bool active) {
    if (active == active_) return;
    active_ = active;
    Apply();
}

void TJvApplicationHotKey::Apply() {
    if (!peer_) peer_ = GetPlatform().UI().CreateHotKeyPeer(*this);
    peer_->Unregister();
    registered_ = false;
    uint32_t vk = key_ & ShortCutBit::KeyMask;
    if (!active_ || vk == 0) return;
    uint32_t mods = 0;
    if (key_ & ShortCutBit::Shift) mods |= HotKeyModifier::Shift;
    if (key_ & ShortCutBit::Ctrl) mods |= HotKeyModifier::Control;
    if (key_ & ShortCutBit::Alt) mods |= HotKeyModifier::Alt;
    registered_ = peer_->Register(vk, mods);
}

void TJvApplicationHotKey::HotKeyPressed() {
    if (OnHotKey) Application()->Guard(this, [&] { OnHotKey(this); });
}

}  // namespace pv
