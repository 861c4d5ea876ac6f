// The simulated notification area.
#include <algorithm>

#include "platform/sim/sim_tray_icon.h"

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

}  // namespace

std::unique_ptr<ITrayIconPeer> SimUserInterface::CreateTrayIconPeer(ITrayIconSink& sink) {
    return std::make_unique<SimTrayIconPeer>(*this, sink);
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


uint64_t SimUserInterface::NowMs() const { return owner_.SimTime().ElapsedMs; }

}  // namespace pv::sim
