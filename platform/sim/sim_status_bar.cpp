// The simulated status-bar family.
#include "platform/sim/sim_status_bar.h"

#include <algorithm>

namespace pv::sim {

TRect SimStatusBar::PanelRect(int index) const {
    int left = 0;
    for (int i = 0; i < index; ++i) left += Panels[i].Width;
    bool last = index + 1 == static_cast<int>(Panels.size());
    int right = last ? std::max(left, Bounds.Width()) : left + Panels[index].Width;
    return {left, 0, right, Bounds.Height()};
}

void SimStatusBar::Paint() {
    if (!PanelSink) return;
    for (int i = 0; i < static_cast<int>(Panels.size()); ++i)
        if (Panels[i].Drawn) PanelSink->PeerDrawPanel(i, PanelRect(i));
}

namespace {
class SimStatusBarPeer final : public SimChildPeer<IStatusBarPeer, SimStatusBar> {
public:
    SimStatusBarPeer(SimUserInterface& ui, IControlSink& sink, NativeHandle parent) : SimChildPeer(ui, sink, parent) {
        rec_.PanelSink = dynamic_cast<IStatusBarSink*>(&sink);
    }
    void SetSizeGrip(bool grip) override { rec_.SizeGrip = grip; }
    void SetPanels(const std::vector<StatusPanelSpec>& panels) override {
        rec_.Panels = panels;
        rec_.Paint();
    }
    void SetBounds(const TRect& bounds) override {
        bool resized = bounds.Width() != rec_.Bounds.Width() || bounds.Height() != rec_.Bounds.Height();
        SimChildPeer::SetBounds(bounds);
        if (resized) rec_.Paint();
    }
};
}  // namespace

std::unique_ptr<IStatusBarPeer> SimUserInterface::CreateStatusBarPeer(IControlSink& sink, NativeHandle parent) {
    return std::make_unique<SimStatusBarPeer>(*this, sink, parent);
}

}  // namespace pv::sim
