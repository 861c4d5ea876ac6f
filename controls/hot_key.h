#pragma once
// A global hot key of the application: setting a new key unregisters the old one and
// registers the new one; a key another program holds stays silently inactive.
#include <memory>

#include "controls/component.h"
#include "controls/shortcuts.h"
#include "platform/ui.h"

namespace pv {

class TJvApplicationHotKey final : public TComponent, private IHotKeySink {
public:
    explicit TJvApplicationHotKey(TComponent* owner);
    ~TJvApplicationHotKey() override;
    PV_COMPONENT_CLASS(TJvApplicationHotKey)

    TShortCut HotKey() const { return key_; }
    void SetHotKey(TShortCut key);
    bool Active() const { return active_; }
    void SetActive(bool active);
    // Whether the system has taken the key for this program.
    bool Registered() const { return registered_; }
    TNotifyEvent OnHotKey;
    // What the hot key does; the system's message and tests both come here.
    void HotKeyPressed();

private:
    void PeerHotKey() override { HotKeyPressed(); }
    void Apply();
    std::unique_ptr<IHotKeyPeer> peer_;
    TShortCut key_ = 0;
    bool active_ = true;
    bool registered_ = false;
};

}  // namespace pv
