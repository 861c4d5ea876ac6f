#include "controls/page_control.h"

#include <algorithm>

#include "util/exception.h"
#include "util/strings.h"

namespace pv {

TTabSheet::~TTabSheet() { SetPageControl(nullptr); }

void TTabSheet::SetPageControl(TPageControl* pageControl) {
    if (pageControl_ == pageControl) return;
    if (pageControl_) pageControl_->RemovePage(this);
    pageControl_ = pageControl;
    SetParent(pageControl);
    if (pageControl_) pageControl_->InsertPage(this);
}

int TTabSheet::PageIndex() const { return pageControl_ ? pageControl_->IndexOf(this) : -1; }

TPageControl::~TPageControl() { ForgetPages(); }

void TPageControl::BeforeDestruction() {
    ForgetPages();
    TWinControl::BeforeDestruction();
}

// Pages that outlive the control forget it, so that freeing them later touches nothing.
void TPageControl::ForgetPages() {
    std::vector<TTabSheet*> pages;
    pages.swap(pages_);
    for (TTabSheet* page : pages) {
        page->pageControl_ = nullptr;
        page->SetParent(nullptr);
    }
    activePage_ = -1;
}

TTabSheet* TPageControl::Pages(int index) const {
    if (index < 0 || index >= PageCount()) throw EListError("List index out of bounds (" + IntToStr(index) + ")");
    return pages_[static_cast<size_t>(index)];
}

int TPageControl::IndexOf(const TTabSheet* page) const {
    auto it = std::find(pages_.begin(), pages_.end(), page);
    return it == pages_.end() ? -1 : static_cast<int>(it - pages_.begin());
}

void TPageControl::SetActivePageIndex(int index) { activePage_ = index >= 0 && index < PageCount() ? index : -1; }

void TPageControl::InsertPage(TTabSheet* page) {
    pages_.push_back(page);
    if (activePage_ < 0) activePage_ = 0;
}

void TPageControl::RemovePage(TTabSheet* page) {
    int index = IndexOf(page);
    if (index < 0) return;
    TTabSheet* active = ActivePage();
    pages_.erase(pages_.begin() + index);
    activePage_ = active == page ? (pages_.empty() ? -1 : std::min(index, PageCount() - 1)) : IndexOf(active);
}

}  // namespace pv
