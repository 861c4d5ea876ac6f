#include "controls/tab_set.h"

#include "controls/application.h"

namespace pv {

std::unique_ptr<IControlPeer> TTabSet::MakePeer(NativeHandle parent) {
    return GetPlatform().UI().CreateTabSetPeer(*this, parent);
}

void TTabSet::ReplayState() { PushTabs(); }

void TTabSet::PushTabs() {
    if (!peer_) return;
    TabPeer()->SetTabs(tabs_);
    TabPeer()->SelectTab(tabIndex_);
}

void TTabSet::SetTabs(const std::vector<std::string>& tabs) {
    tabs_ = tabs;
    if (tabIndex_ >= static_cast<int>(tabs_.size())) tabIndex_ = -1;
    PushTabs();
}

void TTabSet::AddTab(const std::string& tab) {
    tabs_.push_back(tab);
    PushTabs();
}

void TTabSet::DeleteTab(int index) {
    if (index < 0 || index >= static_cast<int>(tabs_.size())) return;
    tabs_.erase(tabs_.begin() + index);
    if (tabIndex_ == index) tabIndex_ = -1;
    else if (tabIndex_ > index) --tabIndex_;
    PushTabs();
}

void TTabSet::SetTabIndex(int index) {
    if (index < -1 || index >= static_cast<int>(tabs_.size())) index = -1;
    tabIndex_ = index;
    if (peer_) TabPeer()->SelectTab(tabIndex_);
}

std::string TTabSet::CurrentTab() const {
    return tabIndex_ >= 0 ? tabs_[static_cast<size_t>(tabIndex_)] : std::string();
}

void TTabSet::TabClicked(int tab) {
    Application()->Guard(this, [&] {
        if (tab < 0 || tab >= static_cast<int>(tabs_.size()) || tab == tabIndex_) return;
        bool allow = true;
        if (OnChange) OnChange(this, tab, allow);
        if (allow) tabIndex_ = tab;
        // The native control shows the tab clicked; a refusal puts the choice back.
        if (peer_) TabPeer()->SelectTab(tabIndex_);
    });
}

}  // namespace pv
