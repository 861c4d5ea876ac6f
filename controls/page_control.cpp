#include "controls/page_control.h"

#include <algorithm>

#include "controls/application.h"
#include "controls/form.h"
#include "util/exception.h"
#include "util/strings.h"

namespace pv {

namespace {
// The frame and the row of tabs around the page before the native control can tell; it
// tells as soon as it exists.
constexpr int kFrame = 4;
constexpr int kTabRow = 24;
}  // namespace

// ---- TTabSheet ---------------------------------------------------------------------------

TTabSheet::~TTabSheet() { SetPageControl(nullptr); }

std::unique_ptr<IControlPeer> TTabSheet::MakePeer(NativeHandle parent) {
    return GetPlatform().UI().CreatePanelPeer(*this, parent);
}

void TTabSheet::SetPageControl(TPageControl* pageControl) {
    if (pageControl_ == pageControl) return;
    if (pageControl_) pageControl_->RemovePage(this);
    pageControl_ = pageControl;
    // Only the open page shows (InsertPage shows it).
    if (pageControl_) visible_ = false;
    SetParent(pageControl);
    if (pageControl_) pageControl_->InsertPage(this);
}

int TTabSheet::PageIndex() const { return pageControl_ ? pageControl_->IndexOf(this) : -1; }

void TTabSheet::SetTabVisible(bool visible) {
    if (tabVisible_ == visible) return;
    tabVisible_ = visible;
    if (pageControl_) pageControl_->PushTabs();
}

void TTabSheet::CaptionChanged() {
    TWinControl::CaptionChanged();
    if (pageControl_ && tabVisible_) pageControl_->PushTabs();
}

// ---- TPageControl ------------------------------------------------------------------------

TPageControl::~TPageControl() { ForgetPages(); }

void TPageControl::BeforeDestruction() {
    ForgetPages();
    TWinControl::BeforeDestruction();
}

std::unique_ptr<IControlPeer> TPageControl::MakePeer(NativeHandle parent) {
    return GetPlatform().UI().CreatePageControlPeer(*this, parent);
}

void TPageControl::ReplayState() {
    PushTabs();
    // The native control knows its display area now; the pages get their windows there.
    Realign();
}

void TPageControl::FontChanged() {
    TWinControl::FontChanged();
    // The row of tabs is as high as the font needs.
    Realign();
}

// Every page, shown or not, fills the display area, so that a page's controls follow the
// window's size also while the page is closed.
void TPageControl::Realign() {
    TWinControl::Realign();
    TRect area = ClientRect();
    for (TTabSheet* page : pages_) page->SetBounds(area.Left, area.Top, area.Width(), area.Height());
}

TRect TPageControl::ClientRect() const {
    TSize size{Width(), Height()};
    if (PagePeer()) return PagePeer()->DisplayRect(size);
    return {kFrame, kTabRow, std::max(kFrame, size.cx - kFrame), std::max(kTabRow, size.cy - kFrame)};
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

std::vector<TTabSheet*> TPageControl::TabbedPages() const {
    std::vector<TTabSheet*> tabbed;
    for (TTabSheet* page : pages_)
        if (page->TabVisible()) tabbed.push_back(page);
    return tabbed;
}

int TPageControl::ActiveTab() const {
    std::vector<TTabSheet*> tabbed = TabbedPages();
    auto it = std::find(tabbed.begin(), tabbed.end(), ActivePage());
    return it == tabbed.end() ? -1 : static_cast<int>(it - tabbed.begin());
}

void TPageControl::SetActivePageIndex(int index) {
    activePage_ = index >= 0 && index < PageCount() ? index : -1;
    ShowActivePage();
}

void TPageControl::ShowActivePage() {
    // A window on its way out shows no other page meanwhile.
    const TForm* form = ParentForm();
    if (Destroying() || (form && form->Destroying())) return;
    // The new page shows before the old one goes, so the area is never empty.
    if (TTabSheet* active = ActivePage()) active->SetVisible(true);
    for (TTabSheet* page : pages_)
        if (page != ActivePage()) page->SetVisible(false);
    if (PagePeer()) PagePeer()->SelectTab(ActiveTab());
}

void TPageControl::PushTabs() {
    const TForm* form = ParentForm();
    if (!PagePeer() || Destroying() || (form && form->Destroying())) return;
    std::vector<std::string> captions;
    for (TTabSheet* page : TabbedPages()) captions.push_back(page->Caption());
    PagePeer()->SetTabs(captions);
    PagePeer()->SelectTab(ActiveTab());
    // More or fewer rows of tabs move the display area.
    Realign();
}

void TPageControl::TabChosen(int tab) {
    std::vector<TTabSheet*> tabbed = TabbedPages();
    if (tab < 0 || tab >= static_cast<int>(tabbed.size())) return;
    int index = IndexOf(tabbed[static_cast<size_t>(tab)]);
    if (index == activePage_) return;
    SetActivePageIndex(index);
    if (OnChange) OnChange(this);
}

void TPageControl::PeerTabChanged(int tab) {
    Application()->Guard(this, [&] { TabChosen(tab); });
}

void TPageControl::InsertPage(TTabSheet* page) {
    pages_.push_back(page);
    if (activePage_ < 0) activePage_ = 0;
    TRect area = ClientRect();
    page->SetBounds(area.Left, area.Top, area.Width(), area.Height());
    ShowActivePage();
    PushTabs();
}

void TPageControl::RemovePage(TTabSheet* page) {
    int index = IndexOf(page);
    if (index < 0) return;
    TTabSheet* active = ActivePage();
    pages_.erase(pages_.begin() + index);
    activePage_ = active == page ? (pages_.empty() ? -1 : std::min(index, PageCount() - 1)) : IndexOf(active);
    ShowActivePage();
    PushTabs();
}

}  // namespace pv
