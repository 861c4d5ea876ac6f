#pragma once
// Native popup menus: an HMENU tree built from the model's view when the view changes,
// and the answer to the keys the user types while an owner-drawn menu is open.
// Through the backend's common header, so that the system headers cannot rename the
// seam's operations.
#include "platform/win32/win32_common.h"

#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/ui.h"

namespace pv::win32 {

// An HMENU tree that mirrors a view, with the picture column of its standard entries. Every
// item's data points at its view, so the views must outlive the menu. Destroying it
// destroys the submenus.
class NativeMenu {
public:
    explicit NativeMenu(const std::vector<MenuEntryView>& entries);
    ~NativeMenu();
    NativeMenu(const NativeMenu&) = delete;
    NativeMenu& operator=(const NativeMenu&) = delete;

    HMENU Handle() const { return menu_; }
    // The size of the picture column a standard entry holds in a level with pictures,
    // which the menu's owner is asked to measure and paint; none for other entries.
    std::optional<TSize> PictureColumn(const MenuEntryView* entry) const;

private:
    void Fill(HMENU menu, const std::vector<MenuEntryView>& entries);
    void Release();
    HMENU menu_ = nullptr;
    std::unordered_map<const MenuEntryView*, TSize> pictureColumns_;
};

// The WM_MENUCHAR answer for a key typed in a level of a NativeMenu: the system matches
// accelerators only in text it draws itself, so owner-drawn entries are matched here.
// One enabled match is chosen; several are stepped through, starting after the entry
// now highlighted; none is ignored.
LRESULT AnswerMenuChar(HMENU menu, wchar_t key);

}  // namespace pv::win32
