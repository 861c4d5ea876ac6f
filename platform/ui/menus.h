#pragma once
// Popup menus: the model hands over a view of the entries; the platform realises it as a
// native menu once, and that menu is shown again until the view changes.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/graphics.h"
#include "platform/types.h"

namespace pv {

// A menu as shown: only the visible entries, in order. Ids are the model's; 0 is never
// used, so a dismissed menu can answer 0.
struct MenuEntryView {
    uint32_t Id = 0;
    std::string Caption;
    bool Separator = false;
    bool Enabled = true;
    bool Checked = false;
    bool RadioItem = false;
    bool Default = false;
    bool OwnerDraw = false;
    bool HasImage = false;
    TBitmap32 Image;  // drawn by the system beside a standard entry
    // A submenu, also when none of its entries is visible (an empty folder).
    bool SubMenu = false;
    std::vector<MenuEntryView> Children;
};

// A native menu made from a view. It keeps its own copy of the view, which the entries'
// ids and owner-drawn entries refer to while it is shown.
class IRealisedMenu {
public:
    virtual ~IRealisedMenu() = default;
    virtual const std::vector<MenuEntryView>& Entries() const = 0;
};

// The model's side of an owner-drawn menu while it is shown.
class IMenuSink {
public:
    virtual ~IMenuSink() = default;
    virtual void MeasureEntry(uint32_t id, ICanvas& canvas, int& width, int& height) = 0;
    virtual void DrawEntry(uint32_t id, ICanvas& canvas, const TRect& rect, bool selected) = 0;
};

}  // namespace pv
