#pragma once
// Menus as a model: trees of entries with the toolkit's properties. A popup menu is
// realised natively when it is first shown and kept for the showings after, until the
// model changes; separator reduction and accelerator assignment are model operations,
// run before a showing whose model changed, so they are tested without a screen.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/component.h"
#include "platform/types.h"
#include "platform/ui.h"

namespace pv {

class TCanvas;
class TImageList;
class TMenuItem;
class TPopupMenu;

using TMenuDrawItemEvent = std::function<void(TMenuItem* sender, TCanvas& canvas, const TRect& rect, bool selected)>;
using TMenuMeasureItemEvent = std::function<void(TMenuItem* sender, TCanvas& canvas, int& width, int& height)>;

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;
    PV_COMPONENT_CLASS(TMenuItem)

    std::string Caption;
    int ImageIndex = -1;
    intptr_t Tag = 0;
    bool Visible = true;
    bool Default = false;
    std::string Hint;
    int ShortCut = 0;            // key value: virtual key plus modifier bits (see shortcuts)
    void* Action = nullptr;      // an action the entry stands for; none in this program
    TImageList* SubMenuImages = nullptr;
    bool Enabled = true;
    bool Checked = false;
    bool RadioItem = false;
    int GroupIndex = 0;
    TNotifyEvent OnClick;
    TMenuDrawItemEvent OnDrawItem;
    TMenuMeasureItemEvent OnMeasureItem;

    TMenuItem* Parent() const { return parent_; }
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const;  // raises EListError outside the list
    int IndexOf(const TMenuItem* item) const;
    int MenuIndex() const { return parent_ ? parent_->IndexOf(this) : -1; }
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    // Takes an entry out of this level without freeing it.
    void Remove(TMenuItem* item);
    // Frees the entry at index, or every entry.
    void Delete(int index);
    void Clear();
    bool IsLine() const { return Caption == "-"; }
    // What choosing the entry does; the native menu and tests both come through here.
    virtual void Click();

private:
    TMenuItem* parent_ = nullptr;
    std::vector<TMenuItem*> items_;
};

class TPopupMenu final : public TComponent {
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;
    PV_COMPONENT_CLASS(TPopupMenu)

    TMenuItem* Items() const { return items_; }
    TImageList* Images = nullptr;
    // The side the pictures beside standard entries are shown at (the system's small-icon
    // size for the screen); 0: the list's own size.
    int ImageSize = 0;
    // The pixels per inch of the screen the menu opens on, as its owner-drawing handlers
    // measure for it; a change makes the native menu anew. 0: not told.
    int Dpi = 0;
    bool AutoLineReduction = true;
    bool AutoHotkeys = true;
    bool OwnerDraw = false;
    TComponent* PopupComponent = nullptr;
    TNotifyEvent OnPopup;

    // Reduces separators and assigns accelerators (when switched on), shows the menu at
    // a screen point, and runs the chosen entry's click handler. Returns when it closes.
    void Popup(int x, int y, NativeHandle owner = 0);
    // What Popup does before the menu is on the screen: when anything the menu shows has
    // changed since the last showing (an entry added, removed or freed, a caption, a state,
    // a picture of the image lists, the owner-drawing handlers, the system's menu font),
    // reduces separators, assigns accelerators and builds the native menu anew; else the
    // realised menu stands as it is.
    IRealisedMenu& Realise();
    // For what the model cannot see (how the owner-drawing handlers measure, such as
    // their font): the next showing builds the native menu anew.
    void Changed();
    // The menu as it would be shown now: the visible entries; entry n of `items` is the
    // one with id n + 1.
    std::vector<MenuEntryView> BuildView(std::vector<TMenuItem*>* items = nullptr) const;

private:
    struct TRealised;
    TMenuItem* items_ = nullptr;
    // Shared with a showing in progress, so that a rebuild made meanwhile (a handler run
    // in the menu's own message loop) never frees the menu on the screen.
    std::shared_ptr<TRealised> realised_;
};

// Hides plain separators that would be first or last among the visible entries of a
// level, or directly follow another visible separator; shows the others. All levels.
void ReduceSeparators(TMenuItem& level);
// Gives every entry without an accelerator one that is unique within its level, where
// its caption allows. All levels.
void AssignAccelerators(TMenuItem& level);
// The caption without accelerator marks ("&&" stays one "&").
std::string StripAccelerators(const std::string& caption);
// The accelerator character of a caption in lower case, or 0.
char32_t AcceleratorOf(const std::string& caption);

}  // namespace pv
