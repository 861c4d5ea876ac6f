#pragma once
// A drop-down list of fixed entries. Picking an entry, by the user or by the program, runs
// OnChange.
#include <string>
#include <vector>

#include "controls/control.h"
#include "platform/ui/combo_box.h"

namespace pv {

class TComboBox final : public TWinControl, private IComboBoxSink {
public:
    explicit TComboBox(TComponent* owner) : TWinControl(owner) {}
    PV_COMPONENT_CLASS(TComboBox)

    const std::vector<std::string>& Items() const { return items_; }
    // Replaces the entries; none is selected afterwards.
    void SetItems(std::vector<std::string> items);
    // -1 while no entry is selected.
    int ItemIndex() const { return index_; }
    // An index outside the entries selects none.
    void SetItemIndex(int index);
    // The selected entry's text; empty while none is selected.
    std::string SelectedText() const;
    TNotifyEvent OnChange;

protected:
    std::unique_ptr<IControlPeer> MakePeer(NativeHandle parent) override;
    void ReplayState() override;

private:
    IComboBoxPeer* ComboPeer() const { return static_cast<IComboBoxPeer*>(peer_.get()); }
    void PeerSelected(int index) override;
    std::vector<std::string> items_;
    int index_ = -1;
};

}  // namespace pv
