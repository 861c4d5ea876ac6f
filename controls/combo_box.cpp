#include "controls/combo_box.h"

#include "controls/application.h"
#include "util/strings.h"

namespace pv {

std::unique_ptr<IControlPeer> TComboBox::MakePeer(NativeHandle parent) {
    ComboBoxParams params;
    params.Editable = Editable();
    return GetPlatform().UI().CreateComboBoxPeer(*this, params, parent);
}

void TComboBox::SetStyle(TComboBoxStyle style) {
    if (style_ == style) return;
    style_ = style;
    RecreatePeer();
}

void TComboBox::ReplayState() {
    // The entries empty the field, so its text comes after them.
    ComboPeer()->SetItems(items_);
    ComboPeer()->SelectIndex(index_);
    if (Editable() && index_ < 0) ComboPeer()->SetText(caption_);
}

void TComboBox::SetItems(std::vector<std::string> items) {
    items_ = std::move(items);
    index_ = -1;
    if (ComboPeer()) {
        ComboPeer()->SetItems(items_);
        ComboPeer()->SelectIndex(-1);
        if (Editable()) ComboPeer()->SetText(caption_);
    }
}

void TComboBox::SetItemIndex(int index) {
    if (index < 0 || index >= static_cast<int>(items_.size())) index = -1;
    std::string text = index >= 0 ? items_[static_cast<size_t>(index)] : std::string();
    if (index_ == index && (!Editable() || caption_ == text)) return;
    index_ = index;
    if (ComboPeer()) ComboPeer()->SelectIndex(index_);
    if (Editable()) {
        // The field shows the entry already; the text follows it without selecting anew.
        selecting_ = true;
        caption_ = text;
        selecting_ = false;
    }
    Changed();
}

std::string TComboBox::SelectedText() const { return index_ >= 0 ? items_[static_cast<size_t>(index_)] : std::string(); }

int TComboBox::IndexOf(const std::string& text, bool ignoreCase) const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (ignoreCase ? SameText(items_[i], text) : items_[i] == text) return static_cast<int>(i);
    return -1;
}

void TComboBox::CaptionChanged() {
    TWinControl::CaptionChanged();
    if (!Editable() || selecting_) return;
    index_ = IndexOf(caption_);
    Changed();
}

void TComboBox::Changed() {
    if (OnChange) Application()->Guard(this, [&] { OnChange(this); });
}

void TComboBox::PeerSelected(int index) {
    Application()->Guard(this, [&] { SetItemIndex(index); });
}

void TComboBox::PeerTextChanged(const std::string& text) {
    // The field shows the text already; only the model and the handler have to follow.
    Application()->Guard(this, [&] {
        if (!Editable() || caption_ == text) return;
        caption_ = text;
        index_ = IndexOf(caption_);
        Changed();
    });
}

}  // namespace pv
