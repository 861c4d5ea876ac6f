#pragma once
// A page control and its pages. A page belongs to one page control at a time; the page
// control lists its pages in the order they were put in.
#include <vector>

#include "controls/control.h"

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

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
};

class TPageControl final : public TWinControl {
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

protected:
    void BeforeDestruction() override;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void ForgetPages();
    std::vector<TTabSheet*> pages_;
    int activePage_ = -1;
};

}  // namespace pv
