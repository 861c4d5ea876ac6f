// The simulated tab-set family.
#include "platform/sim/sim_tab_set.h"

namespace pv::sim {

namespace {

class SimTabSetPeer final : public SimChildPeer<ITabSetPeer, SimTabSet> {
public:
    SimTabSetPeer(SimUserInterface& ui, ITabSetSink& sink, NativeHandle parent) : SimChildPeer(ui, sink, parent) {
        rec_.TabSink = &sink;
    }
    void SetTabs(const std::vector<std::string>& captions) override { rec_.Tabs = captions; }
    void SelectTab(int tab) override { rec_.TabIndex = tab; }
};

}  // namespace

bool SimTabSet::UserClickTab(const std::string& caption) {
    if (!Enabled || !Visible) return false;
    auto it = std::find(Tabs.begin(), Tabs.end(), caption);
    if (it == Tabs.end()) return false;
    int tab = static_cast<int>(it - Tabs.begin());
    if (tab == TabIndex) return true;
    TabIndex = tab;
    TabSink->PeerTabClicked(tab);
    return true;
}

std::unique_ptr<ITabSetPeer> SimUserInterface::CreateTabSetPeer(ITabSetSink& sink, NativeHandle parent) {
    return std::make_unique<SimTabSetPeer>(*this, sink, parent);
}

}  // namespace pv::sim
