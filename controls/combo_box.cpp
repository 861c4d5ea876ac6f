#include "controls/combo_box.h"

#include "controls/application.h"

namespace pv {

std::unique_ptr<IControlPeer> TComboBox::MakePeer(NativeHandle parent) {
    return GetPlatform().UI().CreateComboBoxPeer(*this, parent);
}

void TComboBox::ReplayState() {
    ComboPeer()->SetItems(items_);
    ComboPeer()->SelectIndex(index_);
}

void TComboBox::SetItems(std::vector<std::string> items) {
    items_ = std::move(items);
    index_ = -1;
    if (ComboPeer()) {
        ComboPeer()->SetItems(items_);
        ComboPeer()->SelectIndex(-1);
    }
}

void TComboBox::SetItemIndex(int index) {
    if (index < 0 || index >= static_cast<int>(items_.size())) index = -1;
    if (index_ == index) return;
    index_ = index;
    if (ComboPeer()) ComboPeer()->SelectIndex(index_);
    if (OnChange) Application()->Guard(this, [&] { OnChange(this); });
}

std::string TComboBox::SelectedText() const { return index_ >= 0 ? items_[static_cast<size_t>(index_)] : std::string(); }

void TComboBox::PeerSelected(int index) {
    Application()->Guard(this, [&] { SetItemIndex(index); });
}

}  // namespace pv
