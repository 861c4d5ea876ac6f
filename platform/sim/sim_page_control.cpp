// The simulated page-control family.
#include "platform/sim/sim_page_control.h"

namespace pv::sim {

namespace {

class SimPageControlPeer final : public SimChildPeer<IPageControlPeer, SimPageControl> {
public:
    SimPageControlPeer(SimUserInterface& ui, IPageControlSink& sink, NativeHandle parent)
        : SimChildPeer(ui, sink, parent) {
        rec_.PageSink = &sink;
    }
    void SetTabs(const std::vector<std::string>& captions) override {
        rec_.Tabs = captions;
        if (rec_.TabIndex >= static_cast<int>(captions.size())) rec_.TabIndex = -1;
    }
    void SelectTab(int tab) override { rec_.TabIndex = tab; }
    TRect DisplayRect(TSize size) override {
        int frame = Scaled(SimPageControl::Frame), row = Scaled(SimPageControl::TabRow);
        return {frame, row, std::max(frame, size.cx - frame), std::max(row, size.cy - frame)};
    }

private:
    int Scaled(int pixels) const {
        int ppi = ui_.Owner().SimSystem().PixelsPerInch;
        return ppi <= 0 ? pixels : (pixels * ppi + 48) / 96;
    }
};

}  // namespace

bool SimPageControl::UserSelectTab(const std::string& caption) {
    if (!Enabled || !Visible) return false;
    auto it = std::find(Tabs.begin(), Tabs.end(), caption);
    if (it == Tabs.end()) return false;
    TakeFocus();
    int tab = static_cast<int>(it - Tabs.begin());
    if (tab == TabIndex) return true;
    TabIndex = tab;
    PageSink->PeerTabChanged(tab);
    return true;
}

std::unique_ptr<IPageControlPeer> SimUserInterface::CreatePageControlPeer(IPageControlSink& sink, NativeHandle parent) {
    return std::make_unique<SimPageControlPeer>(*this, sink, parent);
}

}  // namespace pv::sim
