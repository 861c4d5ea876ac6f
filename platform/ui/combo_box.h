#pragma once
// Drop-down lists: the user picks one of fixed entries, or, in an editable one, also
// types a text of their own into its field.
#include <string>
#include <vector>

#include "platform/ui/control.h"

namespace pv {

// Fixed when the native list is made.
struct ComboBoxParams {
    // A field the user types into, above the list; otherwise the field shows the entry
    // picked and nothing else.
    bool Editable = false;
};

class IComboBoxSink : public virtual IControlSink {
public:
    // The user picked the entry at `index`.
    virtual void PeerSelected(int index) = 0;
    // The user changed the text of an editable list's field by typing (not by picking).
    virtual void PeerTextChanged(const std::string& text) = 0;
};

// SetText puts a text into an editable list's field (a list without a field has none of
// its own); SetItems empties the field, SelectIndex shows the entry there (-1 empties it).
class IComboBoxPeer : public IControlPeer {
public:
    virtual void SetItems(const std::vector<std::string>& items) = 0;
    // -1 shows no entry.
    virtual void SelectIndex(int index) = 0;
};

}  // namespace pv
