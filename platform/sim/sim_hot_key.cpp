// Simulated global hot keys: a key another program holds cannot be registered.
#include <algorithm>

#include "platform/sim/sim_hot_key.h"

namespace pv::sim {

namespace {

class SimHotKeyPeer final : public IHotKeyPeer {
public:
    SimHotKeyPeer(SimUserInterface& ui, IHotKeySink& sink) : ui_(ui) {
        key_.Sink = &sink;
        ui_.HotKeys.push_back(&key_);
    }
    ~SimHotKeyPeer() override {
        ui_.HotKeys.erase(std::remove(ui_.HotKeys.begin(), ui_.HotKeys.end(), &key_), ui_.HotKeys.end());
    }
    bool Register(uint32_t virtualKey, uint32_t modifiers) override {
        Unregister();
        if (ui_.TakenHotKeys.count({virtualKey, modifiers})) return false;
        for (auto* other : ui_.HotKeys)
            if (other != &key_ && other->Registered && other->Key == virtualKey && other->Modifiers == modifiers)
                return false;
        key_.Registered = true;
        key_.Key = virtualKey;
        key_.Modifiers = modifiers;
        return true;
    }
    void Unregister() override {
        key_.Registered = false;
        key_.Key = key_.Modifiers = 0;
    }

private:
    SimUserInterface& ui_;
    SimHotKey key_;
};

}  // namespace

std::unique_ptr<IHotKeyPeer> SimUserInterface::CreateHotKeyPeer(IHotKeySink& sink) {
    return std::make_unique<SimHotKeyPeer>(*this, sink);
}

bool SimUserInterface::PressHotKey(uint32_t virtualKey, uint32_t modifiers) {
    for (auto* key : std::vector<SimHotKey*>(HotKeys))
        if (key->Registered && key->Key == virtualKey && key->Modifiers == modifiers) {
            key->Sink->PeerHotKey();
            return true;
        }
    return false;
}

}  // namespace pv::sim
