#pragma once
// A page control: a row of tabs above a framed area where one page at a time shows. The
// pages are containers of their own (panels) that the model lays out in the area; the
// native control shows only the tabs that the model lists.
#include <string>
#include <vector>

#include "platform/types.h"
#include "platform/ui/control.h"

namespace pv {

class IPageControlSink : public virtual IControlSink {
public:
    // The user chose the tab at `tab` (an index among the tabs shown).
    virtual void PeerTabChanged(int tab) = 0;
};

class IPageControlPeer : public IControlPeer {
public:
    // The captions of the tabs shown, in order.
    virtual void SetTabs(const std::vector<std::string>& captions) = 0;
    // -1 selects no tab.
    virtual void SelectTab(int tab) = 0;
    // The area a page takes inside a control of this size with the tabs and font it has
    // now, in the control's own client coordinates.
    virtual TRect DisplayRect(TSize size) = 0;
};

}  // namespace pv
