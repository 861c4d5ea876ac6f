#include "platform/win32/win32_common.h"

#include "platform/win32/win32_menus.h"

#include <algorithm>

#include "platform/win32/win32_canvas.h"
#include "platform/win32/win32_ui.h"
#include "util/exception.h"

namespace pv::win32 {

namespace {

// The accelerator of a caption as the system reads it: the character after the first
// single "&"; "&&" is a literal "&".
wchar_t MnemonicOf(const std::wstring& caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&') continue;
        if (caption[i + 1] != L'&') return caption[i + 1];
        ++i;
    }
    return 0;
}

// CharUpperW converts a single character passed in the low word of the pointer.
wchar_t Upper(wchar_t c) {
    LPWSTR single = reinterpret_cast<LPWSTR>(static_cast<uintptr_t>(c));
    return static_cast<wchar_t>(reinterpret_cast<uintptr_t>(CharUpperW(single)));
}

// ---- the window that owns a menu while it is shown ---------------------------------------

const wchar_t* kMenuOwnerClass = L"PivolaMenuOwner";

const MenuEntryView* ViewOf(ULONG_PTR itemData) { return reinterpret_cast<const MenuEntryView*>(itemData); }

class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Handle() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// What the window that owns a shown menu serves: the model's measuring and drawing, and
// the menu itself for the pictures of its standard entries.
struct MenuOwner {
    IMenuSink& Sink;
    const NativeMenu& Menu;
};

void Measure(const MenuOwner& owner, HWND window, MEASUREITEMSTRUCT& mis) {
    const MenuEntryView* view = ViewOf(mis.itemData);
    if (!view) return;
    if (!view->OwnerDraw) {
        // A standard entry asks only for its picture: the size of the picture column.
        if (std::optional<TSize> column = owner.Menu.PictureColumn(view)) {
            mis.itemWidth = static_cast<UINT>(column->cx);
            mis.itemHeight = static_cast<UINT>(column->cy);
        }
        return;
    }
    IMenuSink& sink = owner.Sink;
    WindowDC dc(window);
    if (!dc.Handle()) return;
    int width = static_cast<int>(mis.itemWidth), height = static_cast<int>(mis.itemHeight);
    {
        Win32Canvas canvas(dc.Handle());
        sink.MeasureEntry(view->Id, canvas, width, height);
    }
    mis.itemWidth = static_cast<UINT>(width > 0 ? width : 0);
    mis.itemHeight = static_cast<UINT>(height > 0 ? height : 0);
}

void Draw(IMenuSink& sink, const DRAWITEMSTRUCT& dis) {
    const MenuEntryView* view = ViewOf(dis.itemData);
    if (!view) return;
    Win32Canvas canvas(dis.hDC);
    const RECT& r = dis.rcItem;
    if (!view->OwnerDraw) {
        // A standard entry's picture, in the middle of the column, over the row as the
        // system painted it (selected or not); an entry without one leaves it so.
        if (view->HasImage && !view->Image.Empty())
            canvas.DrawBitmap(r.left + (r.right - r.left - view->Image.Width) / 2,
                              r.top + (r.bottom - r.top - view->Image.Height) / 2, view->Image, !view->Enabled);
        return;
    }
    sink.DrawEntry(view->Id, canvas, TRect{r.left, r.top, r.right, r.bottom}, (dis.itemState & ODS_SELECTED) != 0);
}

LRESULT CALLBACK MenuOwnerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* owner = BoundObject<MenuOwner>(hwnd, msg, lp);
    if (!owner) return DefWindowProcW(hwnd, msg, wp, lp);
    switch (msg) {
        case WM_MEASUREITEM: {
            auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
            if (mis->CtlType != ODT_MENU) break;
            return GuardedCall([&] {
                Measure(*owner, hwnd, *mis);
                return LRESULT(TRUE);
            }, TRUE);
        }
        case WM_DRAWITEM: {
            auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
            if (dis->CtlType != ODT_MENU) break;
            return GuardedCall([&] {
                Draw(owner->Sink, *dis);
                return LRESULT(TRUE);
            }, TRUE);
        }
        case WM_MENUCHAR:
            return GuardedCall([&] { return AnswerMenuChar(reinterpret_cast<HMENU>(lp), LOWORD(wp)); },
                               MAKELRESULT(0, MNC_IGNORE));
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

// A hidden window of the backend's own: the menu's messages come to it, so the model's
// windows never see them. It is owned by the caller's window, which therefore becomes
// active again when it goes.
class MenuOwnerWindow {
public:
    MenuOwnerWindow(IMenuSink& sink, const NativeMenu& menu, HWND owner) : served_{sink, menu} {
        WNDCLASSEXW existing{};
        existing.cbSize = sizeof existing;
        if (!GetClassInfoExW(ModuleInstance(), kMenuOwnerClass, &existing)) {
            WNDCLASSEXW wc{};
            wc.cbSize = sizeof wc;
            wc.lpfnWndProc = MenuOwnerProc;
            wc.hInstance = ModuleInstance();
            wc.lpszClassName = kMenuOwnerClass;
            RegisterClassExW(&wc);
        }
        hwnd_ = CreateWindowExW(WS_EX_TOOLWINDOW, kMenuOwnerClass, L"", WS_POPUP, 0, 0, 0, 0, owner, nullptr,
                                ModuleInstance(), &served_);
        if (!hwnd_) throw EOutOfResources("Cannot create the menu's window: " + LastErrorText());
    }
    ~MenuOwnerWindow() { DestroyWindow(hwnd_); }
    MenuOwnerWindow(const MenuOwnerWindow&) = delete;
    MenuOwnerWindow& operator=(const MenuOwnerWindow&) = delete;
    HWND Handle() const { return hwnd_; }

private:
    MenuOwner served_;
    HWND hwnd_ = nullptr;
};

}  // namespace

// ---- the menu tree -------------------------------------------------------------------------

NativeMenu::NativeMenu(const std::vector<MenuEntryView>& entries) {
    menu_ = CreatePopupMenu();
    if (!menu_) throw EOutOfResources("Cannot create a menu: " + LastErrorText());
    try {
        Fill(menu_, entries);
    } catch (...) {
        Release();
        throw;
    }
}

NativeMenu::~NativeMenu() { Release(); }

void NativeMenu::Release() {
    // The submenus go with their parent.
    if (menu_) DestroyMenu(menu_);
    menu_ = nullptr;
    pictureColumns_.clear();
}

namespace {

// Whether a standard entry has a picture of its own beside its caption.
bool HasOwnPicture(const MenuEntryView& e) { return e.HasImage && !e.OwnerDraw && !e.Separator && !e.Image.Empty(); }

}  // namespace

void NativeMenu::Fill(HMENU menu, const std::vector<MenuEntryView>& entries) {
    // Once one entry of a level has a picture, the system writes every caption of the
    // level after the picture column, but measures an entry without a picture without
    // it: the widest such caption would be cut at the right. So every standard entry of
    // such a level has a picture the size of the column, which the menu's owner measures
    // and paints (an entry without a picture of its own leaves it clear). A bitmap handed
    // to the system would not do: some systems copy a menu picture without its alpha, so
    // that what is clear in it shows black.
    int columnWidth = 0, columnHeight = 0;
    for (const MenuEntryView& e : entries)
        if (HasOwnPicture(e)) {
            columnWidth = std::max(columnWidth, e.Image.Width);
            columnHeight = std::max(columnHeight, e.Image.Height);
        }
    UINT position = 0;
    for (const MenuEntryView& e : entries) {
        MENUITEMINFOW mi{};
        mi.cbSize = sizeof mi;
        mi.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_DATA;
        mi.wID = e.Id;
        mi.dwItemData = reinterpret_cast<ULONG_PTR>(&e);
        std::wstring text = Wide(e.Caption);
        HMENU submenu = nullptr;
        if (e.Separator) {
            mi.fType = MFT_SEPARATOR;
        } else {
            // Owner-drawn entries keep their text too: the system matches accelerators in it.
            mi.fMask |= MIIM_STRING;
            mi.dwTypeData = text.data();
            if (e.OwnerDraw) mi.fType |= MFT_OWNERDRAW;
            if (e.RadioItem) mi.fType |= MFT_RADIOCHECK;
            if (e.Default) mi.fState |= MFS_DEFAULT;
            if (e.Checked) mi.fState |= MFS_CHECKED;
            if (!e.Enabled) mi.fState |= MFS_DISABLED;
            if (e.SubMenu || !e.Children.empty()) {
                submenu = CreatePopupMenu();
                if (!submenu) throw EOutOfResources("Cannot create a menu: " + LastErrorText());
                mi.fMask |= MIIM_SUBMENU;
                mi.hSubMenu = submenu;
            }
            if (!e.OwnerDraw && columnWidth > 0) {
                mi.fMask |= MIIM_BITMAP;
                mi.hbmpItem = HBMMENU_CALLBACK;
                pictureColumns_[&e] = TSize{columnWidth, columnHeight};
            }
        }
        if (!InsertMenuItemW(menu, position, TRUE, &mi)) {
            std::string why = LastErrorText();
            if (submenu) DestroyMenu(submenu);
            throw EOutOfResources("Cannot add the menu entry \"" + e.Caption + "\": " + why);
        }
        ++position;
        // Attached first, so that a failure further down is cleaned up with the whole tree.
        if (submenu) Fill(submenu, e.Children);
    }
}

std::optional<TSize> NativeMenu::PictureColumn(const MenuEntryView* entry) const {
    auto it = pictureColumns_.find(entry);
    if (it == pictureColumns_.end()) return std::nullopt;
    return it->second;
}

LRESULT AnswerMenuChar(HMENU menu, wchar_t key) {
    int count = GetMenuItemCount(menu);
    int highlighted = -1;
    std::vector<int> matches;
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW mi{};
        mi.cbSize = sizeof mi;
        mi.fMask = MIIM_DATA | MIIM_STATE | MIIM_FTYPE;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &mi)) continue;
        if (mi.fState & MFS_HILITE) highlighted = i;
        const MenuEntryView* view = ViewOf(mi.dwItemData);
        if (!view || view->Separator || (mi.fState & MFS_DISABLED)) continue;
        wchar_t mnemonic = MnemonicOf(Wide(view->Caption));
        if (mnemonic && Upper(mnemonic) == Upper(key)) matches.push_back(i);
    }
    if (matches.empty()) return MAKELRESULT(0, MNC_IGNORE);
    if (matches.size() == 1) return MAKELRESULT(matches.front(), MNC_EXECUTE);
    for (int i : matches)
        if (i > highlighted) return MAKELRESULT(i, MNC_SELECT);
    return MAKELRESULT(matches.front(), MNC_SELECT);
}

namespace {

// A point two pixels from where a menu opens, towards the middle of the screen the point
// is on: inside the menu whenever the menu opens towards the middle, as it does when it
// must turn at an edge of the screen, and never under the pointer.
TPoint BesideThePointer(TPoint at) {
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    GetMonitorInfoW(MonitorFromPoint(POINT{at.X, at.Y}, MONITOR_DEFAULTTONEAREST), &mi);
    const RECT& r = mi.rcMonitor;
    return {at.X + (at.X < (r.left + r.right) / 2 ? 2 : -2), at.Y + (at.Y < (r.top + r.bottom) / 2 ? 2 : -2)};
}

}  // namespace

namespace {

// The view is the menu's own: every item's data points into it.
class Win32RealisedMenu final : public IRealisedMenu {
public:
    explicit Win32RealisedMenu(std::vector<MenuEntryView> entries) : entries_(std::move(entries)), menu_(entries_) {}
    const std::vector<MenuEntryView>& Entries() const override { return entries_; }
    HMENU Handle() const { return menu_.Handle(); }
    const NativeMenu& Native() const { return menu_; }

private:
    std::vector<MenuEntryView> entries_;
    NativeMenu menu_;
};

}  // namespace

std::unique_ptr<IRealisedMenu> Win32UserInterface::RealiseMenu(std::vector<MenuEntryView> entries) {
    return std::make_unique<Win32RealisedMenu>(std::move(entries));
}

uint32_t Win32UserInterface::TrackPopupMenu(IRealisedMenu& realised, TPoint at, NativeHandle owner, IMenuSink& sink) {
    auto* menu = dynamic_cast<Win32RealisedMenu*>(&realised);
    if (!menu) throw EInvalidOperation("A menu realised by another desktop cannot be shown here");
    MenuOwnerWindow window(sink, menu->Native(), reinterpret_cast<HWND>(owner));
    HWND previous = ::GetForegroundWindow();
    // The keys reach a menu only through its owner, and a window that is not on the screen
    // does not get the keyboard focus from every system: after a window of ours was hidden
    // or a start failed, the focus would stay with whatever had it, and the menu would take
    // no keys. So the owner is on the screen while the menu is: one pixel beside where the
    // menu opens (mostly under it), fully transparent, let through by the mouse, below every
    // other window.
    SetWindowLongPtrW(window.Handle(), GWL_EXSTYLE,
                      GetWindowLongPtrW(window.Handle(), GWL_EXSTYLE) | WS_EX_LAYERED | WS_EX_TRANSPARENT);
    SetLayeredWindowAttributes(window.Handle(), 0, 0, LWA_ALPHA);
    TPoint pixel = BesideThePointer(at);
    SetWindowPos(window.Handle(), HWND_BOTTOM, pixel.X, pixel.Y, 1, 1, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    // A menu closes on a click elsewhere only while its owner is the foreground window.
    ::SetForegroundWindow(window.Handle());
    UINT flags = TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN;
    BOOL chosen = TrackPopupMenuEx(menu->Handle(), flags, at.X, at.Y, window.Handle(), nullptr);
    // The owner goes with this call; the window that was in front before the menu gets the
    // keyboard back rather than none at all. A program the chosen entry starts, or a window
    // of ours it opens, comes to the front after that as usual.
    PostMessageW(window.Handle(), WM_NULL, 0, 0);
    if (previous && previous != window.Handle() && IsWindowVisible(previous)) ::SetForegroundWindow(previous);
    return chosen > 0 ? static_cast<uint32_t>(chosen) : 0;
}

}  // namespace pv::win32
