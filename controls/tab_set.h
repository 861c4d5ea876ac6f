#pragma once
// The maker's tab set: a row of tabs that stands for a choice (here, the file an editor
// shows) without pages of its own. A click on another tab asks OnChange first, which can
// refuse it; the program's SetTabIndex asks nothing.
#include <functional>
#include <string>
#include <vector>

#include "controls/control.h"
#include "platform/ui/tab_set.h"

namespace pv {

using TTabChangeEvent = std::function<void(TComponent* sender, int newTab, bool& allowChange)>;

class TTabSet final : public TWinControl, private ITabSetSink {
public:
    explicit TTabSet(TComponent* owner) : TWinControl(owner) {}
    PV_COMPONENT_CLASS(TTabSet)

    const std::vector<std::string>& Tabs() const { return tabs_; }
    void SetTabs(const std::vector<std::string>& tabs);
    void AddTab(const std::string& tab);
    void DeleteTab(int index);
    // -1 while no tab is chosen.
    int TabIndex() const { return tabIndex_; }
    void SetTabIndex(int index);
    // The text of the chosen tab; empty while none is.
    std::string CurrentTab() const;

    TTabChangeEvent OnChange;
    // What the user's click on a tab does; the native control and tests both come here.
    void TabClicked(int tab);

protected:
    std::unique_ptr<IControlPeer> MakePeer(NativeHandle parent) override;
    void ReplayState() override;

private:
    ITabSetPeer* TabPeer() const { return static_cast<ITabSetPeer*>(peer_.get()); }
    void PeerTabClicked(int tab) override { TabClicked(tab); }
    void PushTabs();
    std::vector<std::string> tabs_;
    int tabIndex_ = -1;
};

}  // namespace pv
