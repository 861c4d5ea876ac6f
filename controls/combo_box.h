#pragma once
// A drop-down list. A plain one picks one of fixed entries; an editable one also takes a
// text the user types, and its Text is whatever its field shows. Picking an entry, and in
// an editable list typing, by the user or by the program, runs OnChange.
#include <string>
#include <vector>

#include "controls/control.h"
#include "platform/ui/combo_box.h"

namespace pv {

enum class TComboBoxStyle { DropDownList, DropDown };

class TComboBox final : public TWinControl, private IComboBoxSink {
public:
    explicit TComboBox(TComponent* owner) : TWinControl(owner) {}
    PV_COMPONENT_CLASS(TComboBox)

    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle style);
    bool Editable() const { return style_ == TComboBoxStyle::DropDown; }

    const std::vector<std::string>& Items() const { return items_; }
    // Replaces the entries; none is selected afterwards (an editable list keeps its text).
    void SetItems(std::vector<std::string> items);
    // -1 while no entry is selected.
    int ItemIndex() const { return index_; }
    // An index outside the entries selects none; in an editable list the field then shows
    // the entry, or nothing.
    void SetItemIndex(int index);
    // The selected entry's text; empty while none is selected.
    std::string SelectedText() const;
    // The index of the entry equal to `text`; -1 for none.
    int IndexOf(const std::string& text, bool ignoreCase = false) const;
    TNotifyEvent OnChange;

protected:
    std::unique_ptr<IControlPeer> MakePeer(NativeHandle parent) override;
    void ReplayState() override;
    // An editable list's text selects the entry equal to it, and no entry otherwise.
    void CaptionChanged() override;

private:
    IComboBoxPeer* ComboPeer() const { return static_cast<IComboBoxPeer*>(peer_.get()); }
    void PeerSelected(int index) override;
    void PeerTextChanged(const std::string& text) override;
    void Changed();
    TComboBoxStyle style_ = TComboBoxStyle::DropDownList;
    std::vector<std::string> items_;
    int index_ = -1;
    bool selecting_ = false;
};

}  // namespace pv
