// The simulated notification area and hot keys.
#include <algorithm>

#include "platform/sim/sim_platform.h"

namespace pv::sim {

namespace {

class SimTrayIconPeer final : public ITrayIconPeer {
public:
    SimTrayIconPeer(SimUserInterface& ui, ITrayIconSink& sink) : ui_(ui) {
        icon_.Sink = &sink;
        icon_.Handle = ui.NewHandle();
    }
    ~SimTrayIconPeer() override { Remove(); }
    bool Add(const std::string& tip) override {
        if (icon_.Shown) return true;
        if (ui_.NowMs() < ui_.TrayRefusesUntilMs) return false;
        icon_.Shown = true;
        icon_.Tip = tip;
        ++icon_.Adds;
        ui_.TrayIcons.push_back(&icon_);
        return true;
    }
    bool Remove() override {
        if (!icon_.Shown) return false;
        icon_.Shown = false;
        ++icon_.Removes;
        ui_.TrayIcons.erase(std::remove(ui_.TrayIcons.begin(), ui_.TrayIcons.end(), &icon_), ui_.TrayIcons.end());
        return true;
    }
    bool SetTip(const std::string& tip) override {
        icon_.Tip = tip;
        return icon_.Shown;
    }
    NativeHandle Handle() override { return icon_.Handle; }
private:
    SimUserInterface& ui_;
    SimTrayIcon icon_;
};

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

std::unique_ptr<ITrayIconPeer> SimUserInterface::CreateTrayIconPeer(ITrayIconSink& sink) {
    return std::make_unique<SimTrayIconPeer>(*this, sink);
}

std::unique_ptr<IHotKeyPeer> SimUserInterface::CreateHotKeyPeer(IHotKeySink& sink) {
    return std::make_unique<SimHotKeyPeer>(*this, sink);
}

void SimUserInterface::RestartTaskbar() {
    // Each peer puts its icon back by itself, as the real facility does on the shell's
    // taskbar-created message.
    std::vector<SimTrayIcon*> shown = TrayIcons;
    TrayIcons.clear();
    for (SimTrayIcon* icon : shown) {
        icon->Shown = false;
        if (NowMs() >= TrayRefusesUntilMs) {
            icon->Shown = true;
            ++icon->Adds;
            TrayIcons.push_back(icon);
        }
    }
}

bool SimUserInterface::PressHotKey(uint32_t virtualKey, uint32_t modifiers) {
    for (auto* key : std::vector<SimHotKey*>(HotKeys))
        if (key->Registered && key->Key == virtualKey && key->Modifiers == modifiers) {
            key->Sink->PeerHotKey();
            return true;
        }
    return false;
}

uint64_t SimUserInterface::NowMs() const { return owner_.SimTime().ElapsedMs; }

}  // namespace pv::sim
