#pragma once
// Drop-down lists: the user picks one of fixed entries.
#include <string>
#include <vector>

#include "platform/ui/control.h"

namespace pv {

class IComboBoxSink : public virtual IControlSink {
public:
    // The user picked the entry at `index`.
    virtual void PeerSelected(int index) = 0;
};

class IComboBoxPeer : public IControlPeer {
public:
    virtual void SetItems(const std::vector<std::string>& items) = 0;
    // -1 shows no entry.
    virtual void SelectIndex(int index) = 0;
};

}  // namespace pv
