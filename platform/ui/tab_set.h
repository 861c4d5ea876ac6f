#pragma once
// A tab set: a row of tabs without pages, drawn below the control it belongs to. The
// program decides whether a click on a tab changes the choice.
#include <string>
#include <vector>

#include "platform/ui/control.h"

namespace pv {

class ITabSetSink : public virtual IControlSink {
public:
    // The user clicked the tab at `tab`; the native control shows it chosen already, and
    // the model puts its own choice back when it refuses.
    virtual void PeerTabClicked(int tab) = 0;
};

class ITabSetPeer : public IControlPeer {
public:
    virtual void SetTabs(const std::vector<std::string>& captions) = 0;
    // -1 chooses no tab.
    virtual void SelectTab(int tab) = 0;
};

}  // namespace pv
