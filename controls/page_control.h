#pragma once
// A page control and its pages. A page belongs to one page control at a time; the page
// control lists its pages in the order they were put in, shows the tab of each page whose
// tab is visible, and lays every page out over its display area, where only the open one
// shows. Choosing a tab, by the user, runs OnChange; the program's SetActivePageIndex
// does not.
#include <vector>

#include "controls/control.h"
#include "platform/ui/page_control.h"

namespace pv {

class TPageControl;

class TTabSheet final : public TWinControl {
public:
    explicit TTabSheet(TComponent* owner) : TWinControl(owner) {}
    ~TTabSheet() override;
    PV_COMPONENT_CLASS(TTabSheet)

    TPageControl* PageControl() const { return pageControl_; }
    // Moves the page to the end of `pageControl`'s pages (nullptr takes it out).
    void SetPageControl(TPageControl* pageControl);
    int PageIndex() const;
    // Whether the page has a tab of its own; a page without one opens only through the
    // program.
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool visible);

protected:
    // A page is a plain container of its own.
    std::unique_ptr<IControlPeer> MakePeer(NativeHandle parent) override;
    void CaptionChanged() override;

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
    bool tabVisible_ = true;
};

class TPageControl final : public TWinControl, private IPageControlSink {
public:
    explicit TPageControl(TComponent* owner) : TWinControl(owner) {}
    ~TPageControl() override;
    PV_COMPONENT_CLASS(TPageControl)

    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Pages(int index) const;  // raises EListError outside the list
    int IndexOf(const TTabSheet* page) const;
    // -1 while there is no page.
    int ActivePageIndex() const { return activePage_; }
    // An index outside the pages shows no page.
    void SetActivePageIndex(int index);
    TTabSheet* ActivePage() const { return activePage_ >= 0 ? pages_[static_cast<size_t>(activePage_)] : nullptr; }
    // The pages whose tabs show, in order.
    std::vector<TTabSheet*> TabbedPages() const;
    // The area the open page takes, in the control's own coordinates.
    TRect ClientRect() const override;
    void Realign() override;
    // The user chose another tab.
    TNotifyEvent OnChange;
    // What the user's choice of a tab does; the native control and tests both come here.
    void TabChosen(int tab);

protected:
    std::unique_ptr<IControlPeer> MakePeer(NativeHandle parent) override;
    void ReplayState() override;
    void FontChanged() override;
    void BeforeDestruction() override;

private:
    friend class TTabSheet;
    IPageControlPeer* PagePeer() const { return static_cast<IPageControlPeer*>(peer_.get()); }
    void PeerTabChanged(int tab) override;
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void ForgetPages();
    // Shows the open page only, and tells the native control the tabs and the one chosen.
    void ShowActivePage();
    void PushTabs();
    int ActiveTab() const;
    std::vector<TTabSheet*> pages_;
    int activePage_ = -1;
};

}  // namespace pv
