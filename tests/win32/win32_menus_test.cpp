// Native popup menus under Windows (or Wine): the HMENU tree built from a view, the keys
// typed in an owner-drawn menu, and showing a menu that the test dismisses itself.
#include "platform/win32/win32_common.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "controls/application.h"
#include "controls/canvas.h"
#include "controls/menus.h"
#include "platform/win32/win32_menus.h"
#include "platform/win32/win32_platform.h"

namespace pv {
namespace {

MenuEntryView Entry(uint32_t id, std::string caption) {
    MenuEntryView v;
    v.Id = id;
    v.Caption = std::move(caption);
    return v;
}

MenuEntryView Separator(uint32_t id) {
    MenuEntryView v = Entry(id, "-");
    v.Separator = true;
    return v;
}

MENUITEMINFOW ItemInfo(HMENU menu, int position, std::wstring* text = nullptr) {
    wchar_t buffer[128] = {};
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof mi;
    mi.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU | MIIM_DATA | MIIM_BITMAP | MIIM_STRING;
    mi.dwTypeData = buffer;
    mi.cch = 127;
    EXPECT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &mi)) << position;
    if (text) *text = buffer;
    return mi;
}

TEST(Win32Menus, TheNativeMenuMirrorsTheView) {
    std::vector<MenuEntryView> view;
    view.push_back(Entry(1, "&Manage items..."));
    view.back().Default = true;
    view.push_back(Separator(2));
    view.push_back(Entry(3, "&Radio"));
    view.back().Checked = true;
    view.back().RadioItem = true;
    view.push_back(Entry(4, "&Off"));
    view.back().Enabled = false;
    view.push_back(Entry(5, "&Heading"));
    view.back().OwnerDraw = true;
    view.back().HasImage = true;  // an owner-drawn entry draws its picture itself
    view.back().Image = TBitmap32::Create(16, 16, 0xFF00FF00);
    MenuEntryView folder = Entry(6, "&Folder Ü");
    folder.Children.push_back(Entry(7, "&Inner"));
    folder.Children.back().HasImage = true;
    folder.Children.back().Image = TBitmap32::Create(16, 16, 0x80FF0000);  // half-transparent red
    folder.Children.push_back(Entry(8, "&Bare"));
    view.push_back(folder);

    win32::NativeMenu menu(view);
    HMENU h = menu.Handle();
    ASSERT_EQ(GetMenuItemCount(h), 6);

    struct Expect {
        UINT id, type, state;
        const wchar_t* text;
    } expected[] = {
        {1, MFT_STRING, MFS_DEFAULT, L"&Manage items..."},
        {2, MFT_SEPARATOR, 0, L""},
        {3, MFT_RADIOCHECK, MFS_CHECKED, L"&Radio"},
        {4, MFT_STRING, MFS_DISABLED, L"&Off"},
        {5, MFT_OWNERDRAW, 0, L"&Heading"},
        {6, MFT_STRING, 0, L"&Folder \u00DC"},
    };
    for (int i = 0; i < 6; ++i) {
        std::wstring text;
        MENUITEMINFOW mi = ItemInfo(h, i, &text);
        const Expect& e = expected[i];
        EXPECT_EQ(mi.wID, e.id) << i;
        EXPECT_EQ(mi.fType & (MFT_SEPARATOR | MFT_RADIOCHECK | MFT_OWNERDRAW), e.type) << i;
        EXPECT_EQ(mi.fState & (MFS_DEFAULT | MFS_CHECKED | MFS_DISABLED), e.state) << i;
        EXPECT_EQ(mi.dwItemData, reinterpret_cast<ULONG_PTR>(&view[static_cast<size_t>(i)])) << i;
        if (e.type != MFT_SEPARATOR) {
            EXPECT_EQ(text, e.text) << i;
        }
        EXPECT_EQ(mi.hSubMenu != nullptr, i == 5) << i;
        EXPECT_EQ(mi.hbmpItem, nullptr) << i;
    }

    // A level with a picture: every standard entry holds the picture column, which the
    // menu's owner measures and paints.
    HMENU sub = ItemInfo(h, 5).hSubMenu;
    ASSERT_EQ(GetMenuItemCount(sub), 2);
    for (int i = 0; i < 2; ++i) {
        MENUITEMINFOW inner = ItemInfo(sub, i);
        EXPECT_EQ(inner.wID, 7u + static_cast<UINT>(i));
        EXPECT_EQ(inner.hbmpItem, HBMMENU_CALLBACK) << i;
        std::optional<TSize> column = menu.PictureColumn(&view[5].Children[static_cast<size_t>(i)]);
        ASSERT_TRUE(column) << i;
        EXPECT_EQ(column->cx, 16);
        EXPECT_EQ(column->cy, 16);
    }
    EXPECT_FALSE(menu.PictureColumn(&view[0])) << "a level without pictures has no column";
}

TEST(Win32Menus, TypedKeysChooseOwnerDrawnEntriesByTheirAccelerator) {
    std::vector<MenuEntryView> view;
    for (const char* caption : {"&Open", "&Close", "Cl&ear", "&Off", "Save && &quit", "&Other"}) {
        view.push_back(Entry(static_cast<uint32_t>(view.size() + 1), caption));
        view.back().OwnerDraw = true;
    }
    view[3].Enabled = false;
    win32::NativeMenu menu(view);
    HMENU h = menu.Handle();
    EXPECT_EQ(win32::AnswerMenuChar(h, L'c'), MAKELRESULT(1, MNC_EXECUTE));
    EXPECT_EQ(win32::AnswerMenuChar(h, L'E'), MAKELRESULT(2, MNC_EXECUTE));
    EXPECT_EQ(win32::AnswerMenuChar(h, L'q'), MAKELRESULT(4, MNC_EXECUTE));
    EXPECT_EQ(win32::AnswerMenuChar(h, L'&'), MAKELRESULT(0, MNC_IGNORE)) << "\"&&\" is no accelerator";
    EXPECT_EQ(win32::AnswerMenuChar(h, L'x'), MAKELRESULT(0, MNC_IGNORE));
    // "Open" and "Other" share theirs (the disabled "Off" does not count): the key steps.
    EXPECT_EQ(win32::AnswerMenuChar(h, L'o'), MAKELRESULT(0, MNC_SELECT));
    MENUITEMINFOW lit{};
    lit.cbSize = sizeof lit;
    lit.fMask = MIIM_STATE;
    lit.fState = MFS_HILITE;
    SetMenuItemInfoW(h, 0, TRUE, &lit);
    EXPECT_EQ(win32::AnswerMenuChar(h, L'o'), MAKELRESULT(5, MNC_SELECT));
}

// Records what the menu asked while it was open, and closes it from a timer.
class RecordingSink final : public IMenuSink {
public:
    void MeasureEntry(uint32_t id, ICanvas& canvas, int& width, int& height) override {
        measured.push_back(id);
        if (throwOnMeasure) throw std::runtime_error("measure failed");
        width = canvas.TextExtent("Heading").cx + 23;
        height = 19;
    }
    void DrawEntry(uint32_t id, ICanvas& canvas, const TRect& rect, bool) override {
        drawn.push_back(id);
        canvas.FillRect(rect, 0x000000FF);
    }
    std::vector<uint32_t> measured, drawn;
    bool throwOnMeasure = false;
};

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR, DWORD) { EndMenu(); }

uint32_t ShowAndDismiss(Platform& platform, RecordingSink& sink) {
    std::vector<MenuEntryView> view{Entry(1, "&Heading"), Separator(2), Entry(3, "&Standard")};
    view[0].OwnerDraw = true;
    UINT_PTR timer = SetTimer(nullptr, 0, 300, CloseMenu);
    uint32_t chosen = platform.UI().TrackPopupMenu(view, TPoint{40, 40}, 0, sink);
    KillTimer(nullptr, timer);
    return chosen;
}

TEST(Win32Menus, AShownMenuIsMeasuredThroughTheSinkAndDismissedReturnsZero) {
    auto platform = win32::CreateWin32Platform();
    RecordingSink sink;
    EXPECT_EQ(ShowAndDismiss(*platform, sink), 0u);
    ASSERT_FALSE(sink.measured.empty());
    for (uint32_t id : sink.measured) EXPECT_EQ(id, 1u) << "only the owner-drawn entry is measured";
    for (uint32_t id : sink.drawn) EXPECT_EQ(id, 1u);
    EXPECT_NO_THROW(win32::RaiseParkedException());
}

TEST(Win32Menus, AnExceptionInTheSinkIsParkedNotThrownThroughTheSystem) {
    auto platform = win32::CreateWin32Platform();
    RecordingSink sink;
    sink.throwOnMeasure = true;
    EXPECT_EQ(ShowAndDismiss(*platform, sink), 0u);
    EXPECT_THROW(win32::RaiseParkedException(), std::runtime_error);
}

// The window of the popup menu on screen, if any (the system may keep hidden ones).
HWND OpenMenuWindow() {
    const wchar_t* menuClass = L"#32768";
    for (HWND w = FindWindowExW(nullptr, nullptr, menuClass, nullptr); w; w = FindWindowExW(nullptr, w, menuClass, nullptr))
        if (IsWindowVisible(w)) return w;
    return nullptr;
}

// Types the accelerator into the open menu, as the user would; a second timer closes the
// menu should the key go unheard, so the test cannot hang.
void CALLBACK TypeH(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (HWND open = OpenMenuWindow()) PostMessageW(open, WM_CHAR, L'h', 0);
}

TEST(Win32Menus, APopupMenuRunsTheEntryChosenByItsAcceleratorAfterClosing) {
    auto platform = win32::CreateWin32Platform();
    TApplication app(*platform);
    auto* pm = TComponent::Create<TPopupMenu>(&app);
    std::vector<std::string> events;
    for (const char* caption : {"Open", "Heading", "Close"}) {
        auto* item = TComponent::Create<TMenuItem>(pm->Items());
        item->Caption = caption;
        item->OnClick = [&events, item](TComponent*) {
            events.push_back("click " + item->Caption + (OpenMenuWindow() ? " (menu open)" : ""));
        };
        pm->Items()->Add(item);
    }
    TMenuItem* heading = pm->Items()->Items(1);
    heading->OnMeasureItem = [&](TMenuItem*, TCanvas& canvas, int& width, int& height) {
        events.push_back("measure");
        width = canvas.TextWidth("Heading") + 23;
        height = 19;
    };
    heading->OnDrawItem = [](TMenuItem*, TCanvas& canvas, const TRect& rect, bool) { canvas.FillRect(rect); };

    UINT_PTR key = SetTimer(nullptr, 0, 200, TypeH);
    UINT_PTR safety = SetTimer(nullptr, 0, 3000, CloseMenu);
    pm->Popup(40, 40);
    KillTimer(nullptr, key);
    KillTimer(nullptr, safety);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.front(), "measure");
    EXPECT_EQ(events.back(), "click &Heading");
    EXPECT_NO_THROW(win32::RaiseParkedException());
}

// The menu on screen, taken while it is open: its width and its pixels (as COLORREFs, by
// rows); the menu is then closed.
struct ShownMenu {
    int Width = 0, Height = 0;
    std::vector<COLORREF> Pixels;
    COLORREF At(int x, int y) const { return Pixels[static_cast<size_t>(y * Width + x)]; }
};
ShownMenu shownMenu;

void CALLBACK TakeAndClose(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    RECT r{};
    if (HWND open = OpenMenuWindow(); open && GetWindowRect(open, &r)) {
        shownMenu.Width = r.right - r.left;
        shownMenu.Height = r.bottom - r.top;
        if (HDC dc = GetWindowDC(open)) {
            for (int y = 0; y < shownMenu.Height; ++y)
                for (int x = 0; x < shownMenu.Width; ++x) shownMenu.Pixels.push_back(GetPixel(dc, x, y));
            ReleaseDC(open, dc);
        }
    }
    EndMenu();
}

ShownMenu Shown(Platform& platform, const std::vector<MenuEntryView>& view) {
    shownMenu = ShownMenu{};
    RecordingSink sink;
    UINT_PTR timer = SetTimer(nullptr, 0, 300, TakeAndClose);
    UINT_PTR safety = SetTimer(nullptr, 0, 3000, CloseMenu);
    platform.UI().TrackPopupMenu(view, TPoint{40, 40}, 0, sink);
    KillTimer(nullptr, timer);
    KillTimer(nullptr, safety);
    return shownMenu;
}

TEST(Win32Menus, AnEntryWithoutPictureBesidePicturesIsMeasuredWithThePictureColumn) {
    // The system writes every caption of a level after the picture column once one entry
    // has a picture, so an entry without one must be measured with the column too, or
    // the widest caption (the bold program submenu, say) is cut at the right.
    auto platform = win32::CreateWin32Platform();
    MenuEntryView bold = Entry(2, "Pivola &menu");
    bold.Default = true;
    bold.SubMenu = true;
    bold.Children.push_back(Entry(3, "&Close"));
    MenuEntryView pictured = Entry(1, "&N");
    pictured.HasImage = true;
    // An opaque 8 x 8 square in the middle of a clear frame.
    pictured.Image = TBitmap32::Create(16, 16, 0);
    for (int y = 4; y < 12; ++y)
        for (int x = 4; x < 12; ++x) pictured.Image.SetPixel(x, y, 0xFF2060A0);
    int alone = Shown(*platform, {bold}).Width;
    ShownMenu beside = Shown(*platform, {pictured, bold});
    ASSERT_GT(alone, 0) << "the menu did not open";
    EXPECT_GE(beside.Width, alone + 16);
    EXPECT_NO_THROW(win32::RaiseParkedException());

    // The picture is shown in its own colours, and its clear frame shows the menu.
    ASSERT_FALSE(beside.Pixels.empty());
    int left = beside.Width, top = beside.Height, right = -1, bottom = -1;
    for (int y = 0; y < beside.Height; ++y)
        for (int x = 0; x < beside.Width; ++x)
            if (beside.At(x, y) == RGB(0x20, 0x60, 0xA0)) {
                left = std::min(left, x), top = std::min(top, y);
                right = std::max(right, x), bottom = std::max(bottom, y);
            }
    ASSERT_GE(right, 0) << "the picture's colour is nowhere";
    EXPECT_EQ(right - left, 7);
    EXPECT_EQ(bottom - top, 7);
    COLORREF menu = GetSysColor(COLOR_MENU);
    EXPECT_EQ(beside.At(left - 2, top - 2), menu);
    EXPECT_EQ(beside.At(right + 2, bottom + 2), menu);
}

}  // namespace
}  // namespace pv
