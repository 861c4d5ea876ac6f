// The simulated drop-down list family. The field of an editable list holds the text
// (the record's Text); choosing an entry puts it there, and the list's selection stays
// as it was while the user types, as the system's does.
#include "platform/sim/sim_combo_box.h"

namespace pv::sim {

namespace {

class SimComboBoxPeer final : public SimChildPeer<IComboBoxPeer, SimComboBox> {
public:
    SimComboBoxPeer(SimUserInterface& ui, IComboBoxSink& sink, const ComboBoxParams& params, NativeHandle parent)
        : SimChildPeer(ui, sink, parent) {
        rec_.ComboSink = &sink;
        rec_.Params = params;
    }
    // A list without a field of its own shows only its entries.
    void SetText(const std::string& text) override {
        if (rec_.Params.Editable) rec_.Text = text;
    }
    void SetItems(const std::vector<std::string>& items) override {
        rec_.Items = items;
        rec_.Index = -1;
        rec_.Text.clear();
    }
    void SelectIndex(int index) override {
        rec_.Index = index;
        if (rec_.Params.Editable)
            rec_.Text = index >= 0 && index < static_cast<int>(rec_.Items.size()) ? rec_.Items[static_cast<size_t>(index)]
                                                                                   : std::string();
    }
};

}  // namespace

bool SimComboBox::UserSelect(const std::string& text) {
    if (!Enabled || !Visible) return false;
    auto it = std::find(Items.begin(), Items.end(), text);
    if (it == Items.end()) return false;
    Index = static_cast<int>(it - Items.begin());
    if (Params.Editable) Text = text;
    ComboSink->PeerSelected(Index);
    return true;
}

bool SimComboBox::UserType(const std::string& text) {
    if (!Enabled || !Visible || !Params.Editable) return false;
    TakeFocus();
    if (Text == text) return true;
    Text = text;
    ComboSink->PeerTextChanged(text);
    return true;
}

std::unique_ptr<IComboBoxPeer> SimUserInterface::CreateComboBoxPeer(IComboBoxSink& sink, const ComboBoxParams& params,
                                                                   NativeHandle parent) {
    return std::make_unique<SimComboBoxPeer>(*this, sink, params, parent);
}

}  // namespace pv::sim
