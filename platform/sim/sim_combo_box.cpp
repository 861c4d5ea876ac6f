// The simulated drop-down list family.
#include "platform/sim/sim_combo_box.h"

namespace pv::sim {

namespace {

class SimComboBoxPeer final : public SimChildPeer<IComboBoxPeer, SimComboBox> {
public:
    SimComboBoxPeer(SimUserInterface& ui, IComboBoxSink& sink, NativeHandle parent) : SimChildPeer(ui, sink, parent) {
        rec_.ComboSink = &sink;
    }
    void SetItems(const std::vector<std::string>& items) override {
        rec_.Items = items;
        rec_.Index = -1;
    }
    void SelectIndex(int index) override { rec_.Index = index; }
};

}  // namespace

bool SimComboBox::UserSelect(const std::string& text) {
    if (!Enabled || !Visible) return false;
    auto it = std::find(Items.begin(), Items.end(), text);
    if (it == Items.end()) return false;
    Index = static_cast<int>(it - Items.begin());
    ComboSink->PeerSelected(Index);
    return true;
}

std::unique_ptr<IComboBoxPeer> SimUserInterface::CreateComboBoxPeer(IComboBoxSink& sink, NativeHandle parent) {
    return std::make_unique<SimComboBoxPeer>(*this, sink, parent);
}

}  // namespace pv::sim
