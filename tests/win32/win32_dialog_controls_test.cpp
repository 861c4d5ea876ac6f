// The peers a dialog is built from under Windows (or Wine): the page control with its
// pages, the group box, the hot-key field and its rules, the editable drop-down list, the
// memo, the caption heading, the buttons' settings and the keys Enter and Escape through
// the dialog manager; and the screen fonts the system lists.
#include "platform/win32/win32_common.h"

#include <gtest/gtest.h>

#include <uxtheme.h>
#include <vssym32.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "tests/win32/win32_controls_fixture.h"

namespace pv {
namespace {

using namespace pv::testing;

HWND TabsOf(IControlPeer& pageControl) { return FindWindowExW(H(pageControl), nullptr, WC_TABCONTROLW, nullptr); }

// A key pressed and let go in a window, with the modifiers held around it, as the system
// delivers them (Alt makes system keys).
void PressKey(HWND hwnd, UINT key, bool shift, bool ctrl, bool alt) {
    UINT down = alt ? WM_SYSKEYDOWN : WM_KEYDOWN, up = alt ? WM_SYSKEYUP : WM_KEYUP;
    std::vector<UINT> held;
    if (shift) held.push_back(VK_SHIFT);
    if (ctrl) held.push_back(VK_CONTROL);
    if (alt) held.push_back(VK_MENU);
    for (UINT m : held) SendMessageW(hwnd, down, m, 0);
    SendMessageW(hwnd, down, key, 0);
    SendMessageW(hwnd, up, key, 0);
    for (auto it = held.rbegin(); it != held.rend(); ++it) SendMessageW(hwnd, up, *it, 0);
}

// What the dialog manager does with a key pressed in `focus`.
void DialogKey(HWND form, HWND focus, UINT key) {
    MSG msg{focus, WM_KEYDOWN, key, 0, 0, {0, 0}};
    IsDialogMessageW(form, &msg);
}

// ---- buttons and the dialog keys -------------------------------------------------------------

TEST_F(Win32Controls, AButtonsSettingsAreItsStylesAndOnlyTheModelMovesTheDefaultLook) {
    Recorder sink;
    auto quiet = UI().CreateButtonPeer(sink, ButtonParams{ButtonKind::CheckBox, true, false, false}, Parent());
    EXPECT_EQ(StyleOf(H(*quiet)) & (WS_TABSTOP | WS_GROUP), WS_GROUP) << "no tab stop";
    auto wrapped = UI().CreateButtonPeer(sink, ButtonParams{ButtonKind::CheckBox, true, true, true}, Parent());
    EXPECT_TRUE(StyleOf(H(*wrapped)) & BS_MULTILINE);
    wrapped->SetDefault(true);
    EXPECT_EQ(StyleOf(H(*wrapped)) & BS_TYPEMASK, BS_AUTOCHECKBOX) << "only a push button has a default form";

    auto push = UI().CreateButtonPeer(sink, {}, Parent());
    HWND h = H(*push);
    push->SetDefault(true);
    EXPECT_EQ(StyleOf(h) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    // The dialog manager takes the look away as the focus moves; the model has the say.
    SendMessageW(h, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    EXPECT_EQ(StyleOf(h) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    push->SetDefault(false);
    EXPECT_EQ(StyleOf(h) & BS_TYPEMASK, BS_PUSHBUTTON);
    SendMessageW(h, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_EQ(StyleOf(h) & BS_TYPEMASK, BS_PUSHBUTTON);
}

TEST_F(Win32Controls, EnterGoesToTheDefaultKeyOrTheDefaultButtonAndEscapeToTheCancelKey) {
    ShowForm();
    Recorder checkSink, okSink, otherSink;
    auto check = UI().CreateButtonPeer(checkSink, {ButtonKind::CheckBox, true}, Parent());
    auto ok = UI().CreateButtonPeer(okSink, {}, Parent());
    auto other = UI().CreateButtonPeer(otherSink, {}, Parent());
    Put(*check, {10, 10, 150, 30}, "Check");
    Put(*ok, {10, 40, 90, 65}, "OK");
    Put(*other, {100, 40, 180, 65}, "Other");
    ok->SetDefault(true);

    check->SetFocus();
    DialogKey(Form(), H(*check), VK_RETURN);
    EXPECT_EQ(formSink.Take(), Events{"default key"}) << "the window's model picks the button";
    DialogKey(Form(), H(*check), VK_ESCAPE);
    EXPECT_EQ(formSink.Take(), Events{"cancel key"});

    // Tab to the other button: its model makes it the default one (as TForm does), and
    // Enter presses it there and then.
    DialogKey(Form(), H(*check), VK_TAB);
    EXPECT_EQ(GetFocus(), H(*ok));
    DialogKey(Form(), H(*ok), VK_TAB);
    ASSERT_EQ(GetFocus(), H(*other));
    ok->SetDefault(false);
    other->SetDefault(true);
    DialogKey(Form(), H(*other), VK_RETURN);
    EXPECT_EQ(otherSink.Take(), Events{"clicked"});
    EXPECT_EQ(formSink.Take(), Events{});
    EXPECT_EQ(okSink.Take(), Events{});
}

// ---- the page control ------------------------------------------------------------------------

TEST_F(Win32Controls, ThePageControlShowsTheModelsTabsAndReportsTheTabTheUserClicks) {
    ShowForm();
    Recorder sink;
    auto pages = UI().CreatePageControlPeer(sink, Parent());
    Put(*pages, {10, 10, 310, 210});
    HWND tabs = TabsOf(*pages);
    ASSERT_TRUE(IsWindow(tabs));
    EXPECT_EQ(BoundsOf(tabs), (TRect{0, 0, 300, 200})) << "the tab control fills the page control";
    EXPECT_TRUE(StyleOf(tabs) & WS_TABSTOP);
    EXPECT_TRUE(ExStyleOf(H(*pages)) & WS_EX_CONTROLPARENT);

    pages->SetTabs({"Visuals", "Miscellaneous"});
    ASSERT_EQ(TabCtrl_GetItemCount(tabs), 2);
    wchar_t text[64] = L"";
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(tabs, TCM_GETITEMW, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(win32::Narrow(text), "Miscellaneous");
    pages->SelectTab(1);
    EXPECT_EQ(TabCtrl_GetCurSel(tabs), 1);
    EXPECT_EQ(sink.Take(), Events{}) << "the model's own choice is not reported back";

    RECT first{};
    TabCtrl_GetItemRect(tabs, 0, &first);
    LPARAM at = MAKELPARAM((first.left + first.right) / 2, (first.top + first.bottom) / 2);
    int enters = sink.Enters;
    SendMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(tabs, WM_LBUTTONUP, 0, at);
    EXPECT_EQ(sink.Take(), Events{"tab 0"});
    EXPECT_EQ(GetFocus(), tabs);
    EXPECT_EQ(sink.Enters, enters + 1) << "the click gave the row of tabs the focus";

    // The display area lies below the row of tabs, inside the frame.
    TRect area = pages->DisplayRect({300, 200});
    EXPECT_GE(area.Top, first.bottom);
    EXPECT_GT(area.Left, 0);
    EXPECT_LT(area.Right, 300);
    EXPECT_LT(area.Bottom, 200);
    RECT adjusted{0, 0, 300, 200};
    TabCtrl_AdjustRect(tabs, FALSE, &adjusted);
    EXPECT_EQ(area, (TRect{adjusted.left, adjusted.top, adjusted.right, adjusted.bottom}));

    SetFocus(nullptr);
    pages->SetFocus();
    EXPECT_EQ(GetFocus(), tabs);
    EXPECT_EQ(sink.Enters, enters + 2) << "the program's focus enters the row of tabs too";
}

TEST_F(Win32Controls, APageLiesAboveTheTabControlAndTabReachesBothTheTabsAndThePage) {
    ShowForm();
    Recorder sink, pageSink, editSink;
    auto pages = UI().CreatePageControlPeer(sink, Parent());
    Put(*pages, {10, 10, 310, 210});
    pages->SetTabs({"One"});
    pages->SelectTab(0);
    TRect area = pages->DisplayRect({300, 200});
    auto page = UI().CreatePanelPeer(pageSink, pages->Handle());
    Put(*page, area);
    auto edit = UI().CreateEditPeer(editSink, {}, page->Handle());
    Put(*edit, {10, 10, 150, 31}, "inside");
    HWND tabs = TabsOf(*pages);
    EXPECT_EQ(GetWindow(tabs, GW_HWNDNEXT), nullptr) << "the tab control keeps to the bottom";

    // The tab control paints anew; the page and its field stay on top of it.
    InvalidateRect(tabs, nullptr, TRUE);
    Screen s(H(*edit));
    EXPECT_EQ(s.At(s.Width() - 3, s.Height() / 2), Sys(COLOR_WINDOW));
    Screen pageFace(H(*page));
    EXPECT_EQ(pageFace.At(pageFace.Width() - 3, pageFace.Height() - 3), Sys(COLOR_BTNFACE));

    std::set<HWND> stops;
    HWND next = GetNextDlgTabItem(Form(), nullptr, FALSE);
    for (int i = 0; i < 4 && next; ++i, next = GetNextDlgTabItem(Form(), next, FALSE)) stops.insert(next);
    EXPECT_TRUE(stops.count(tabs));
    EXPECT_TRUE(stops.count(H(*edit)));
}

// ---- the group box ---------------------------------------------------------------------------

TEST_F(Win32Controls, AGroupBoxFramesItsTextAndItsChildrenReachTheirPeers) {
    ShowForm();
    Recorder sink, buttonSink;
    auto group = UI().CreateGroupBoxPeer(sink, Parent());
    Put(*group, {10, 10, 260, 110}, "Menu settings");
    HWND h = H(*group);
    SetWindowTheme(h, L" ", L" ");
    auto button = UI().CreateButtonPeer(buttonSink, {ButtonKind::CheckBox, true}, group->Handle());
    Put(*button, {10, 30, 200, 50}, "&Inside");
    SendMessageW(H(*button), BM_CLICK, 0, 0);
    EXPECT_EQ(buttonSink.Take(), Events{"clicked checked"}) << "the box hands the click on";

    InvalidateRect(h, nullptr, TRUE);
    Screen s(h);
    auto dark = [&](const TRect& area) { return s.CountOf(area, Sys(COLOR_BTNSHADOW)); };
    EXPECT_GT(dark({0, 10, 3, 95}), 60) << "the frame's left edge";
    EXPECT_GT(dark({120, 94, 240, 100}), 100) << "its bottom edge";
    EXPECT_GT(dark({120, 0, 240, 15}), 100) << "its top edge, right of the text";
    EXPECT_GT(s.CountOf({6, 0, 100, 16}, Sys(COLOR_WINDOWTEXT)), 10) << "the text at the top left";
    EXPECT_EQ(dark({9, 4, 60, 10}), 0) << "the text interrupts the frame";
    EXPECT_EQ(s.CountOf({20, 60, 240, 90}, Sys(COLOR_BTNFACE)), 220 * 30) << "the inside is the window's face";
}

// ---- the hot-key field -----------------------------------------------------------------------

TEST_F(Win32Controls, TheHotKeyFieldShowsTheModelsKeyAndTurnsInvalidCombinationsIntoCtrl) {
    ShowForm();
    Recorder sink;
    auto field = UI().CreateHotKeyEditPeer(sink, Parent());
    Put(*field, {10, 10, 170, 31});
    HWND h = H(*field);
    EXPECT_TRUE(StyleOf(h) & WS_TABSTOP);
    field->SetRules(HotKeyCombination::None | HotKeyCombination::Shift | HotKeyCombination::Alt,
                    HotKeyModifier::Control);
    field->SetHotKey('L', HotKeyModifier::Control);
    EXPECT_EQ(SendMessageW(h, HKM_GETHOTKEY, 0, 0), MAKEWORD('L', HOTKEYF_CONTROL));
    field->SetHotKey(VK_DELETE, HotKeyModifier::Shift | HotKeyModifier::Alt);
    EXPECT_EQ(SendMessageW(h, HKM_GETHOTKEY, 0, 0), MAKEWORD(VK_DELETE, HOTKEYF_SHIFT | HOTKEYF_ALT | HOTKEYF_EXT))
        << "the extended key's own name, not the keypad's";
    EXPECT_EQ(sink.Take(), Events{}) << "the model's own key is not reported back";

    SetFocus(h);
    struct Case {
        bool shift, ctrl, alt;
        uint32_t reported;
    } cases[] = {
        {false, false, false, HotKeyModifier::Control},
        {true, false, false, HotKeyModifier::Control},
        {false, false, true, HotKeyModifier::Control},
        {false, true, true, HotKeyModifier::Control | HotKeyModifier::Alt},
        {true, true, false, HotKeyModifier::Shift | HotKeyModifier::Control},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.shift) + std::to_string(c.ctrl) + std::to_string(c.alt));
        field->SetHotKey(0, 0);
        PressKey(h, 'K', c.shift, c.ctrl, c.alt);
        // The rules of the system's field: a modifier it replaces may also be kept beside
        // the replacement on some systems; Ctrl is always there and Alt or Shift alone never.
        Events got = sink.Take();
        ASSERT_FALSE(got.empty());
        EXPECT_EQ(got.back(), "hot key 75 " + std::to_string(c.reported));
    }
}

// ---- the editable drop-down list -------------------------------------------------------------

TEST_F(Win32Controls, AnEditableListReportsTypingAndEntriesButNotTheModelsText) {
    ShowForm();
    Recorder sink;
    auto combo = UI().CreateComboBoxPeer(sink, ComboBoxParams{true}, Parent());
    Put(*combo, {10, 10, 170, 31});
    HWND h = H(*combo);
    EXPECT_EQ(StyleOf(h) & 3, CBS_DROPDOWN);
    combo->SetItems({"Arial", "Tahoma"});
    combo->SetText("Verdana");
    EXPECT_EQ(TextOf(h), "Verdana");
    combo->SelectIndex(1);
    EXPECT_EQ(TextOf(h), "Tahoma") << "the field shows the entry";
    combo->SelectIndex(-1);
    EXPECT_EQ(TextOf(h), "");
    EXPECT_EQ(sink.Take(), Events{});

    int enters = sink.Enters;
    combo->SetFocus();
    EXPECT_EQ(sink.Enters, enters + 1) << "entered once, though the focus lies in the field inside";
    HWND field = GetWindow(h, GW_CHILD);
    ASSERT_TRUE(IsWindow(field));
    EXPECT_EQ(GetFocus(), field);
    SendMessageW(field, WM_CHAR, L'x', 0);
    EXPECT_EQ(sink.Take(), Events{"text x"});
    SendMessageW(field, WM_KEYDOWN, VK_DOWN, 0);
    Events picked = sink.Take();
    ASSERT_FALSE(picked.empty());
    EXPECT_EQ(picked.front(), "selected 0");
}

// ---- the memo --------------------------------------------------------------------------------

TEST_F(Win32Controls, AMemoWrapsInsideItsMarginsAndShowsItsScrollBarOnlyWhenTheTextNeedsIt) {
    ShowForm();
    Recorder sink;
    EditParams params;
    params.MultiLine = true;
    params.Border = false;
    params.TabStop = false;
    params.Margin = 5;
    auto memo = UI().CreateEditPeer(sink, params, Parent());
    Put(*memo, {10, 10, 150, 110}, "Short help.");
    memo->SetReadOnly(true);
    HWND h = H(*memo);
    EXPECT_TRUE(StyleOf(h) & ES_MULTILINE);
    EXPECT_FALSE(StyleOf(h) & WS_TABSTOP);
    EXPECT_FALSE(ExStyleOf(h) & WS_EX_CLIENTEDGE);
    RECT text{};
    SendMessageW(h, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
    EXPECT_EQ(text.left, 5);
    EXPECT_EQ(text.top, 5);
    EXPECT_FALSE(StyleOf(h) & WS_VSCROLL) << "the text fits";
    Screen s(h);
    EXPECT_EQ(s.At(2, 2), Sys(COLOR_WINDOW)) << "a read-only memo keeps the window's colour";
    EXPECT_EQ(s.CountOf({0, 0, 140, 4}, Sys(COLOR_WINDOW)), 140 * 4) << "nothing in the margin";

    std::string longText;
    for (int i = 0; i < 30; ++i) longText += "More help to read. ";
    memo->SetText(longText);
    EXPECT_TRUE(StyleOf(h) & WS_VSCROLL) << "too many lines for the memo";
    EXPECT_GT(SendMessageW(h, EM_GETLINECOUNT, 0, 0), 5) << "wrapped at the memo's width";
    memo->SetText("Short again.");
    EXPECT_FALSE(StyleOf(h) & WS_VSCROLL);
    EXPECT_EQ(sink.Take(), Events{});
}

// ---- the caption heading ---------------------------------------------------------------------

TEST_F(Win32Controls, WithoutVisualStylesTheCaptionHeadingIsTheActiveCaptionsGradientWithTextOnTheLeft) {
    ShowForm();
    Recorder sink;
    auto heading = UI().CreatePanelPeer(sink, Parent());
    Put(*heading, {10, 10, 310, 30});
    HWND h = H(*heading);
    SetWindowTheme(h, L" ", L" ");
    heading->SetFace(PanelFace::Caption);
    Screen ground(h);
    auto similar = [](COLORREF a, COLORREF b) {
        return std::abs(GetRValue(a) - GetRValue(b)) <= 8 && std::abs(GetGValue(a) - GetGValue(b)) <= 8 &&
               std::abs(GetBValue(a) - GetBValue(b)) <= 8;
    };
    EXPECT_TRUE(similar(ground.At(0, 0), Sys(COLOR_ACTIVECAPTION)));
    EXPECT_TRUE(similar(ground.At(299, 19), Sys(COLOR_GRADIENTACTIVECAPTION)));
    // The text's pixels: those that differ from the empty heading.
    auto textIn = [&](const Screen& s, const TRect& area) {
        int n = 0;
        for (int y = area.Top; y < area.Bottom; ++y)
            for (int x = area.Left; x < area.Right; ++x) n += s.At(x, y) != ground.At(x, y);
        return n;
    };

    heading->SetText("Dynamic help");
    Screen s(h);
    EXPECT_GT(s.CountOf(s.All(), Sys(COLOR_CAPTIONTEXT)), 5) << "the text in the caption's text colour";
    EXPECT_GT(textIn(s, {0, 0, 150, 20}), 30);
    EXPECT_EQ(textIn(s, {150, 0, 300, 20}), 0) << "on the left";
    EXPECT_EQ(textIn(s, {0, 0, 4, 20}), 0) << "off the left end";
    int above = textIn(s, {0, 0, 300, 10}), below = textIn(s, {0, 10, 300, 20});
    EXPECT_NEAR(above, below, (above + below) / 3) << "vertically centred";

    heading->SetText("A heading far too long for the narrow panel it is shown in");
    Screen cut(h);
    int last = 299;
    while (last > 0 && textIn(cut, {last, 0, last + 1, 20}) == 0) --last;
    EXPECT_GT(last, 280) << "the cut text fills the heading";
    EXPECT_LE(last, 296) << "and keeps off its right end";
    int rows = 0;
    for (int y = 0; y < 20; ++y) rows += textIn(cut, {last - 9, y, last + 1, y + 1}) > 0;
    EXPECT_LE(rows, 3) << "it ends in the dots of an ellipsis";
}

TEST_F(Win32Controls, WithVisualStylesTheCaptionHeadingIsTheThemesActiveCaption) {
    ShowForm();
    Recorder sink;
    auto heading = UI().CreatePanelPeer(sink, Parent());
    Put(*heading, {10, 10, 310, 30}, "");
    HWND h = H(*heading);
    HTHEME theme = IsAppThemed() && IsThemeActive() ? OpenThemeData(h, L"WINDOW") : nullptr;
    if (!theme) GTEST_SKIP() << "the system draws without visual styles";
    heading->SetFace(PanelFace::Caption);
    EXPECT_EQ(PixelsUnlikeThemePart(h, theme, WP_CAPTION, CS_ACTIVE, 300, 20), 0);
    CloseThemeData(theme);
}

TEST_F(Win32Controls, ABorderedPanelHasAThinSunkenEdgeAroundItsClientArea) {
    Recorder sink;
    auto panel = UI().CreatePanelPeer(sink, Parent());
    Put(*panel, {10, 10, 110, 60});
    HWND h = H(*panel);
    panel->SetBorder(true);
    EXPECT_TRUE(ExStyleOf(h) & WS_EX_STATICEDGE);
    RECT client{};
    GetClientRect(h, &client);
    EXPECT_EQ(client.right, 100 - 2 * kPanelBorderWidth) << "the model's client area";
    EXPECT_EQ(client.bottom, 50 - 2 * kPanelBorderWidth);
    panel->SetBorder(false);
    GetClientRect(h, &client);
    EXPECT_EQ(client.right, 100);
}

// ---- the screen fonts ------------------------------------------------------------------------

TEST(Win32Fonts, TheScreenFontsAreListedOnceEachWithoutVerticalFormsAndHoldTheDialogFont) {
    auto platform = win32::CreateWin32Platform();
    std::vector<std::string> fonts = platform->System().ScreenFontNames();
    ASSERT_FALSE(fonts.empty());
    std::set<std::string> once(fonts.begin(), fonts.end());
    EXPECT_EQ(once.size(), fonts.size()) << "no name twice";
    for (const std::string& f : fonts) EXPECT_NE(f.front(), '@') << f;
    // The face the system draws message boxes with (behind the name of their font, which
    // may be a substitute) is one of them.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    wchar_t face[LF_FACESIZE] = L"";
    GetTextFaceW(dc, LF_FACESIZE, face);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    EXPECT_TRUE(once.count(win32::Narrow(face))) << win32::Narrow(face);
}

}  // namespace
}  // namespace pv
