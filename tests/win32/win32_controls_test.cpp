// The child controls' native peers under Windows (or Wine): each family's window below a
// form with the state the model pushed, what the user does coming back through the
// family's sink (also from inside panels and scroll boxes), and what the owner-drawn
// and self-painted controls put on the screen.
#include "platform/win32/win32_common.h"

#include <gtest/gtest.h>

#include <dlgs.h>
#include <uxtheme.h>
#include <vssym32.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/win32/win32_controls_fixture.h"

namespace pv {
namespace {

using namespace pv::testing;

// ---- every family ------------------------------------------------------------------------

TEST_F(Win32Controls, EachPeerMakesAChildOfItsClassWithTheStatePushedToIt) {
    Recorder sink;
    struct Case {
        const char* family;
        const wchar_t* className;
        std::function<std::unique_ptr<IControlPeer>()> make;
        bool showsText;  // the window text is the peer's text
        bool showsFont;  // a control without text of its own keeps no font
    };
    const Case cases[] = {
        {"button", L"Button", [&] { return UI().CreateButtonPeer(sink, {}, Parent()); }, true, true},
        {"edit", L"Edit", [&] { return UI().CreateEditPeer(sink, {}, Parent()); }, true, true},
        {"combo box", L"ComboBox", [&] { return UI().CreateComboBoxPeer(sink, {}, Parent()); }, false, true},
        {"label", L"Static", [&] { return UI().CreateLabelPeer(sink, Parent()); }, true, true},
        {"panel", L"PivolaPanel", [&] { return UI().CreatePanelPeer(sink, Parent()); }, true, true},
        {"scroll box", L"PivolaScrollBox", [&] { return UI().CreateScrollBoxPeer(sink, Parent()); }, false, false},
        {"splitter", L"PivolaSplitter", [&] { return UI().CreateSplitterPeer(sink, Parent()); }, false, false},
        {"image box", L"Static", [&] { return UI().CreateImageBoxPeer(sink, Parent()); }, false, false},
        {"status bar", STATUSCLASSNAMEW, [&] { return UI().CreateStatusBarPeer(sink, Parent()); }, false, true},
        {"tree view", WC_TREEVIEWW, [&] { return UI().CreateTreeViewPeer(sink, Parent()); }, false, true},
        {"page control", L"PivolaPageControl", [&] { return UI().CreatePageControlPeer(sink, Parent()); }, false, false},
        {"group box", L"PivolaGroupBox", [&] { return UI().CreateGroupBoxPeer(sink, Parent()); }, true, true},
        {"hot-key field", HOTKEY_CLASSW, [&] { return UI().CreateHotKeyEditPeer(sink, Parent()); }, false, true},
    };
    const TRect bounds{12, 34, 212, 64};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.family);
        std::unique_ptr<IControlPeer> peer = c.make();
        HWND h = H(peer);
        ASSERT_TRUE(IsWindow(h));
        EXPECT_EQ(ClassOf(h), c.className);
        EXPECT_EQ(GetParent(h), Form());
        EXPECT_TRUE(StyleOf(h) & WS_CHILD);
        EXPECT_FALSE(StyleOf(h) & WS_VISIBLE) << "hidden until the model shows it";
        Put(*peer, bounds, "Caption & more");
        EXPECT_EQ(BoundsOf(h), bounds);
        if (c.showsText) {
            EXPECT_EQ(TextOf(h), "Caption & more");
        }
        EXPECT_TRUE(StyleOf(h) & WS_VISIBLE);
        EXPECT_TRUE(IsWindowEnabled(h));
        peer->SetEnabled(false);
        EXPECT_FALSE(IsWindowEnabled(h));
        peer->SetVisible(false);
        EXPECT_FALSE(StyleOf(h) & WS_VISIBLE);
        peer->SetBounds({1, 2, 51, 42});
        EXPECT_EQ(BoundsOf(h), (TRect{1, 2, 51, 42}));
        peer->SetFont(FontSpec{"Arial", 12, true});
        if (c.showsFont) {
            EXPECT_NE(SendMessageW(h, WM_GETFONT, 0, 0), 0) << "the font reached the window";
        }
        peer.reset();
        EXPECT_FALSE(IsWindow(h)) << "the window goes with its peer";
    }
    EXPECT_EQ(sink.Take(), Events{}) << "the model's own changes are not reported back";
}

TEST_F(Win32Controls, EachKindOfButtonHasItsStyleAndTabStops) {
    Recorder sink;
    struct Case {
        ButtonKind kind;
        bool groupStart;
        LONG_PTR type, stops;
    };
    const Case cases[] = {
        {ButtonKind::Push, true, BS_PUSHBUTTON, WS_GROUP | WS_TABSTOP},
        {ButtonKind::Push, false, BS_PUSHBUTTON, WS_TABSTOP},
        {ButtonKind::CheckBox, true, BS_AUTOCHECKBOX, WS_GROUP | WS_TABSTOP},
        {ButtonKind::CheckBox, false, BS_AUTOCHECKBOX, WS_TABSTOP},
        {ButtonKind::RadioButton, true, BS_AUTORADIOBUTTON, WS_GROUP | WS_TABSTOP},
        {ButtonKind::RadioButton, false, BS_AUTORADIOBUTTON, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind) * 2 + c.groupStart);
        auto peer = UI().CreateButtonPeer(sink, ButtonParams{c.kind, c.groupStart}, Parent());
        LONG_PTR style = StyleOf(H(*peer));
        EXPECT_EQ(style & BS_TYPEMASK, c.type);
        EXPECT_EQ(style & (WS_GROUP | WS_TABSTOP), c.stops);
    }
}

TEST_F(Win32Controls, StylesOfTheOtherFamilies) {
    Recorder sink;
    auto edit = UI().CreateEditPeer(sink, {}, Parent());
    EXPECT_TRUE(StyleOf(H(*edit)) & ES_AUTOHSCROLL);
    EXPECT_TRUE(StyleOf(H(*edit)) & WS_TABSTOP);
    EXPECT_TRUE(ExStyleOf(H(*edit)) & WS_EX_CLIENTEDGE);
    EXPECT_FALSE(StyleOf(H(*edit)) & ES_READONLY);
    edit->SetReadOnly(true);
    EXPECT_TRUE(StyleOf(H(*edit)) & ES_READONLY);
    edit->SetReadOnly(false);
    EXPECT_FALSE(StyleOf(H(*edit)) & ES_READONLY);

    auto combo = UI().CreateComboBoxPeer(sink, {}, Parent());
    EXPECT_EQ(StyleOf(H(*combo)) & 3, CBS_DROPDOWNLIST);
    EXPECT_TRUE(StyleOf(H(*combo)) & WS_TABSTOP);

    auto label = UI().CreateLabelPeer(sink, Parent());
    EXPECT_EQ(StyleOf(H(*label)) & SS_TYPEMASK, SS_LEFT);
    EXPECT_TRUE(StyleOf(H(*label)) & SS_NOPREFIX) << "an \"&\" is an ordinary character";
    label->SetShowAccelChar(true);
    EXPECT_FALSE(StyleOf(H(*label)) & SS_NOPREFIX);
    label->SetShowAccelChar(false);
    EXPECT_TRUE(StyleOf(H(*label)) & SS_NOPREFIX);

    auto panel = UI().CreatePanelPeer(sink, Parent());
    EXPECT_TRUE(ExStyleOf(H(*panel)) & WS_EX_CONTROLPARENT) << "Tab goes into the panel";
    EXPECT_TRUE(StyleOf(H(*panel)) & WS_CLIPCHILDREN);

    auto box = UI().CreateScrollBoxPeer(sink, Parent());
    EXPECT_TRUE(ExStyleOf(H(*box)) & WS_EX_CONTROLPARENT);
    EXPECT_TRUE(StyleOf(H(*box)) & WS_CLIPCHILDREN);

    auto image = UI().CreateImageBoxPeer(sink, Parent());
    EXPECT_EQ(StyleOf(H(*image)) & SS_TYPEMASK, SS_OWNERDRAW);

    auto status = UI().CreateStatusBarPeer(sink, Parent());
    EXPECT_TRUE(SendMessageW(H(*status), SB_ISSIMPLE, 0, 0));
    EXPECT_FALSE(StyleOf(H(*status)) & SBARS_SIZEGRIP);
    status->SetSizeGrip(true);
    EXPECT_TRUE(StyleOf(H(*status)) & SBARS_SIZEGRIP);
    status->SetSizeGrip(false);
    EXPECT_FALSE(StyleOf(H(*status)) & SBARS_SIZEGRIP);
}

// ---- buttons -----------------------------------------------------------------------------

TEST_F(Win32Controls, AClickReachesTheSinkWithTheStateTheButtonShows) {
    Recorder pushSink, checkSink;
    auto push = UI().CreateButtonPeer(pushSink, {ButtonKind::Push, true}, Parent());
    auto check = UI().CreateButtonPeer(checkSink, {ButtonKind::CheckBox, true}, Parent());
    Put(*push, {10, 10, 110, 35}, "&Save");
    Put(*check, {10, 40, 160, 60}, "&Enabled");

    SendMessageW(H(*push), BM_CLICK, 0, 0);
    EXPECT_EQ(pushSink.Take(), Events{"clicked"});

    SendMessageW(H(*check), BM_CLICK, 0, 0);
    EXPECT_EQ(checkSink.Take(), Events{"clicked checked"});
    SendMessageW(H(*check), BM_CLICK, 0, 0);
    EXPECT_EQ(checkSink.Take(), Events{"clicked"});

    check->SetChecked(true);
    EXPECT_EQ(SendMessageW(H(*check), BM_GETCHECK, 0, 0), BST_CHECKED);
    check->SetChecked(false);
    EXPECT_EQ(SendMessageW(H(*check), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(checkSink.Take(), Events{}) << "the model's own check is not reported back";
}

TEST_F(Win32Controls, ARadioButtonUnchecksTheOthersOfItsGroupOnly) {
    Recorder a, b, c;
    // Two groups: {first, second} and {third}.
    auto first = UI().CreateButtonPeer(a, {ButtonKind::RadioButton, true}, Parent());
    auto second = UI().CreateButtonPeer(b, {ButtonKind::RadioButton, false}, Parent());
    auto third = UI().CreateButtonPeer(c, {ButtonKind::RadioButton, true}, Parent());
    Put(*first, {10, 10, 160, 30}, "&Left");
    Put(*second, {10, 30, 160, 50}, "&Right");
    Put(*third, {10, 60, 160, 80}, "&Other");
    first->SetChecked(true);
    third->SetChecked(true);

    SendMessageW(H(*second), BM_CLICK, 0, 0);
    EXPECT_EQ(b.Take(), Events{"clicked checked"});
    EXPECT_EQ(SendMessageW(H(*second), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(H(*first), BM_GETCHECK, 0, 0), BST_UNCHECKED) << "the system unchecks its sibling";
    EXPECT_EQ(SendMessageW(H(*third), BM_GETCHECK, 0, 0), BST_CHECKED) << "another group is left alone";
    EXPECT_EQ(a.Take(), Events{}) << "unchecking a sibling is no click of the sibling";
    EXPECT_EQ(c.Take(), Events{});
}

TEST_F(Win32Controls, AButtonShowsItsPictureAndTheDisabledOneWhileDisabled) {
    constexpr COLORREF kNormal = 0x000000E0, kDisabled = 0x00E00000;
    ShowForm();
    Recorder sink;
    auto button = UI().CreateButtonPeer(sink, {ButtonKind::Push, true}, Parent());
    Put(*button, {10, 10, 130, 40}, "Open");
    button->SetPictures(TBitmap32::Create(16, 16, ColorRefToArgb(kNormal)),
                        TBitmap32::Create(16, 16, ColorRefToArgb(kDisabled)));
    HWND h = H(*button);
    BUTTON_IMAGELIST list{};
    ASSERT_TRUE(SendMessageW(h, BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&list)));
    ASSERT_NE(list.himl, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(list.himl), 6) << "one picture per push-button state";

    Screen enabled(h);
    EXPECT_GT(enabled.CountOf(enabled.All(), kNormal), 200);
    EXPECT_EQ(enabled.CountOf(enabled.All(), kDisabled), 0);
    EXPECT_GT(enabled.Count({enabled.Width() / 2, 0, enabled.Width(), enabled.Height()},
                            [&](COLORREF c) { return c == Sys(COLOR_BTNTEXT); }),
              5)
        << "the caption shows right of the picture";

    button->SetEnabled(false);
    Screen disabled(h);
    EXPECT_EQ(disabled.CountOf(disabled.All(), kNormal), 0);
    EXPECT_GT(disabled.CountOf(disabled.All(), kDisabled), 200);

    // Set again, the list is made anew; an empty picture takes it away.
    button->SetEnabled(true);
    button->SetPictures(TBitmap32::Create(8, 8, ColorRefToArgb(kDisabled)), TBitmap32());
    Screen replaced(h);
    EXPECT_EQ(replaced.CountOf(replaced.All(), kNormal), 0);
    EXPECT_EQ(replaced.CountOf(replaced.All(), kDisabled), 64);
    button->SetPictures(TBitmap32(), TBitmap32());
    Screen none(h);
    EXPECT_EQ(none.CountOf(none.All(), kDisabled), 0);
}

// ---- edits -------------------------------------------------------------------------------

TEST_F(Win32Controls, TypedTextIsReportedAndTheModelsOwnTextIsNot) {
    Recorder sink;
    auto edit = UI().CreateEditPeer(sink, {}, Parent());
    Put(*edit, {10, 10, 210, 31}, "hello");
    HWND h = H(*edit);
    EXPECT_EQ(TextOf(h), "hello");
    EXPECT_EQ(sink.Take(), Events{});

    SendMessageW(h, EM_SETSEL, 5, 5);
    SendMessageW(h, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L" w\u00F6rld"));
    EXPECT_EQ(sink.Take(), Events{"text hello w\xC3\xB6rld"});
    SetFocus(h);
    SendMessageW(h, WM_CHAR, L'!', 0);
    EXPECT_EQ(sink.Take(), Events{"text hello w\xC3\xB6rld!"});

    edit->SetText("other");
    EXPECT_EQ(TextOf(h), "other");
    EXPECT_EQ(sink.Take(), Events{});
}

TEST_F(Win32Controls, TheModelsTextKeepsTheCaretWhereTheUserWasTyping) {
    Recorder sink;
    auto edit = UI().CreateEditPeer(sink, {}, Parent());
    Put(*edit, {10, 10, 210, 31});
    HWND h = H(*edit);
    struct Case {
        const char* before;
        DWORD caret;
        const char* after;
        DWORD expected;
    };
    const Case cases[] = {
        {"abc1", 4, "abc", 3},           // the model took out the character just typed
        {"abcdef", 2, "abXcdef", 2},     // a change behind the caret
        {"abcdef", 6, "ab", 2},          // a shorter text: the caret at its end
        {"abc", 0, "xyz", 0},
        {"same", 2, "same", 2},          // the same text leaves the field alone
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.after);
        edit->SetText(c.before);
        SendMessageW(h, EM_SETSEL, c.caret, c.caret);
        edit->SetText(c.after);
        EXPECT_EQ(TextOf(h), c.after);
        EXPECT_EQ(Caret(h), c.expected);
    }
    EXPECT_EQ(sink.Take(), Events{});
}

// ---- combo boxes -------------------------------------------------------------------------

TEST_F(Win32Controls, TheComboBoxShowsItsEntriesAndReportsTheUsersPick) {
    Recorder sink;
    auto combo = UI().CreateComboBoxPeer(sink, {}, Parent());
    Put(*combo, {10, 10, 160, 31});
    HWND h = H(*combo);
    combo->SetItems({"one", "two", "three"});
    EXPECT_EQ(SendMessageW(h, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageW(h, CB_GETCURSEL, 0, 0), CB_ERR);
    combo->SelectIndex(1);
    EXPECT_EQ(SendMessageW(h, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(TextOf(h), "two");
    EXPECT_EQ(sink.Take(), Events{}) << "the model's own pick is not reported back";

    SetFocus(h);
    SendMessageW(h, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(sink.Take(), Events{"selected 2"});
    EXPECT_EQ(TextOf(h), "three");

    combo->SelectIndex(-1);
    EXPECT_EQ(SendMessageW(h, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(TextOf(h), "") << "no entry shows";
    combo->SetItems({"alpha"});
    EXPECT_EQ(SendMessageW(h, CB_GETCOUNT, 0, 0), 1) << "the entries are replaced, not added to";
    EXPECT_EQ(sink.Take(), Events{});
}

// The model's bounds are the field the user sees; the window drops a list below it.
TEST_F(Win32Controls, TheComboBoxFieldTakesTheModelsBounds) {
    Recorder sink;
    auto combo = UI().CreateComboBoxPeer(sink, {}, Parent());
    HWND h = H(*combo);
    combo->SetItems({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"});
    auto roomForEight = [&] {
        RECT dropped{};
        SendMessageW(h, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
        return dropped.bottom - dropped.top >= 8 * SendMessageW(h, CB_GETITEMHEIGHT, 0, 0);
    };
    for (const TRect& bounds : {TRect{10, 10, 160, 31}, TRect{20, 40, 220, 70}, TRect{5, 80, 105, 120}}) {
        SCOPED_TRACE(bounds.Height());
        Put(*combo, bounds);
        EXPECT_EQ(BoundsOf(h), bounds);
        EXPECT_TRUE(roomForEight());
    }
    combo->SetFont(FontSpec{"Tahoma", 10});
    EXPECT_EQ(BoundsOf(h), (TRect{5, 80, 105, 120})) << "a new font keeps the model's height";
    EXPECT_TRUE(roomForEight());

    // Lower than the font's line: the field is as low as the system lets it be, in place.
    for (int height : {14, 2}) {
        SCOPED_TRACE(height);
        combo->SetBounds({10, 10, 160, 10 + height});
        TRect low = BoundsOf(h);
        EXPECT_EQ(low.Left, 10);
        EXPECT_EQ(low.Top, 10);
        EXPECT_EQ(low.Width(), 150);
        EXPECT_GE(low.Height(), height);
        EXPECT_LT(low.Height(), 30);
    }
}

// ---- containers --------------------------------------------------------------------------

TEST_F(Win32Controls, ChildrenOfPanelsAndScrollBoxesStillReachTheirPeers) {
    Recorder panelSink, boxSink, buttonSink, editSink, comboSink;
    auto panel = UI().CreatePanelPeer(panelSink, Parent());
    Put(*panel, {10, 10, 310, 210});
    auto box = UI().CreateScrollBoxPeer(boxSink, panel->Handle());
    Put(*box, {10, 50, 290, 190});
    auto button = UI().CreateButtonPeer(buttonSink, {ButtonKind::Push, true}, panel->Handle());
    Put(*button, {10, 10, 110, 35}, "In the panel");
    auto edit = UI().CreateEditPeer(editSink, {}, box->Handle());
    Put(*edit, {10, 10, 210, 31});
    auto combo = UI().CreateComboBoxPeer(comboSink, {}, box->Handle());
    Put(*combo, {10, 40, 210, 61});
    combo->SetItems({"a", "b"});
    EXPECT_EQ(GetParent(H(*button)), H(*panel));
    EXPECT_EQ(GetParent(H(*edit)), H(*box));

    SendMessageW(H(*button), BM_CLICK, 0, 0);
    EXPECT_EQ(buttonSink.Take(), Events{"clicked"});
    editSink.Take();  // the keyboard may have passed through the edit as the window came up
    SendMessageW(H(*edit), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"deep"));
    EXPECT_EQ(editSink.Take(), Events{"text deep"});
    SetFocus(H(*edit));
    SetFocus(H(*combo));
    EXPECT_EQ(editSink.Take(), Events{"exit"}) << "leaving the field is reported";
    SendMessageW(H(*combo), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(comboSink.Take(), Events{"selected 0"});
    EXPECT_EQ(panelSink.Take(), Events{});
    EXPECT_EQ(boxSink.Take(), Events{});
}

TEST_F(Win32Controls, TheScrollBarShowsTheModelsRangeAndReportsClampedPositions) {
    Recorder sink;
    auto box = UI().CreateScrollBoxPeer(sink, Parent());
    Put(*box, {10, 10, 210, 110});
    HWND h = H(*box);
    box->SetVertScroll(300, 100, 40);
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(h, SB_VERT, &si));
    EXPECT_EQ(si.nMin, 0);
    EXPECT_EQ(si.nMax, 299);
    EXPECT_EQ(si.nPage, 100u);
    EXPECT_EQ(si.nPos, 40);
    EXPECT_TRUE(StyleOf(h) & WS_VSCROLL) << "the bar shows while the range exceeds the page";

    struct Case {
        int from;
        WORD request;
        const char* reported;  // nullptr: nothing, the position stays
    };
    const Case cases[] = {
        {0, SB_LINEDOWN, "scroll 16"},     {40, SB_LINEUP, "scroll 24"},   {10, SB_LINEUP, "scroll 0"},
        {0, SB_LINEUP, nullptr},           {190, SB_LINEDOWN, "scroll 200"}, {200, SB_LINEDOWN, nullptr},
        {0, SB_PAGEDOWN, "scroll 100"},    {150, SB_PAGEDOWN, "scroll 200"}, {50, SB_PAGEUP, "scroll 0"},
        {120, SB_TOP, "scroll 0"},         {0, SB_BOTTOM, "scroll 200"},   {50, SB_ENDSCROLL, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + " " + std::to_string(c.request));
        box->SetVertScroll(300, 100, c.from);
        SendMessageW(h, WM_VSCROLL, MAKEWPARAM(c.request, 0), 0);
        EXPECT_EQ(sink.Take(), c.reported ? Events{c.reported} : Events{});
    }

    // Three lines of 16 pixels a notch, towards the top for a turn away from the user.
    box->SetVertScroll(300, 100, 100);
    SendMessageW(h, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_EQ(sink.Take(), Events{"scroll 148"});
    SendMessageW(h, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(sink.Take(), Events{"scroll 52"});
    box->SetVertScroll(300, 100, 180);
    SendMessageW(h, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_EQ(sink.Take(), Events{"scroll 200"});

    box->SetVertScroll(80, 100, 0);
    EXPECT_FALSE(StyleOf(h) & WS_VSCROLL) << "no bar while the page holds the whole range";
    SendMessageW(h, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_EQ(sink.Take(), Events{});
    box->SetVertScroll(100, 100, 0);
    EXPECT_FALSE(StyleOf(h) & WS_VSCROLL);
}

// ---- splitters ---------------------------------------------------------------------------

TEST_F(Win32Controls, TheSplitterReportsOffsetsOnTheScreenFromWhereTheDragBegan) {
    Recorder sink;
    auto splitter = UI().CreateSplitterPeer(sink, Parent());
    Put(*splitter, {100, 10, 104, 210});
    HWND h = H(*splitter);
    auto send = [&](UINT msg, int x, int y) { SendMessageW(h, msg, msg == WM_MOUSEMOVE ? MK_LBUTTON : 0, MAKELPARAM(x, y)); };

    send(WM_MOUSEMOVE, 2, 50);
    EXPECT_EQ(sink.Take(), Events{}) << "no drag before the press";
    send(WM_LBUTTONDOWN, 2, 50);
    EXPECT_EQ(GetCapture(), h);
    send(WM_MOUSEMOVE, 12, 90);
    send(WM_MOUSEMOVE, -5, 10);
    EXPECT_EQ(sink.Take(), (Events{"drag start", "drag 10", "drag -7"}));
    // The model moves the bar along with the control it resizes.
    splitter->SetBounds({110, 10, 114, 210});
    send(WM_MOUSEMOVE, 2, 50);
    EXPECT_EQ(sink.Take(), Events{"drag 10"}) << "the same point on the screen, not in the bar";
    send(WM_LBUTTONUP, 2, 50);
    EXPECT_NE(GetCapture(), h);
    send(WM_MOUSEMOVE, 30, 50);
    EXPECT_EQ(sink.Take(), Events{}) << "the drag is over";

    splitter->SetVertical(false);
    splitter->SetBounds({10, 100, 210, 104});
    send(WM_LBUTTONDOWN, 50, 2);
    send(WM_MOUSEMOVE, 90, -10);
    ReleaseCapture();
    send(WM_MOUSEMOVE, 90, 30);
    EXPECT_EQ(sink.Take(), (Events{"drag start", "drag -12"})) << "a horizontal bar across; lost capture ends it";
}

TEST_F(Win32Controls, TheSplitterShowsTheResizeCursorAcrossItsBar) {
    Recorder sink;
    auto splitter = UI().CreateSplitterPeer(sink, Parent());
    Put(*splitter, {100, 10, 104, 210});
    HWND h = H(*splitter);
    for (bool vertical : {true, false}) {
        splitter->SetVertical(vertical);
        SetCursor(nullptr);
        SendMessageW(h, WM_SETCURSOR, reinterpret_cast<WPARAM>(h), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, vertical ? IDC_SIZEWE : IDC_SIZENS)) << vertical;
    }
}

// ---- painted controls --------------------------------------------------------------------

// Without visual styles (the strip's window is taken out of the theme, as a system
// without styles would have it) the strip shows the caption colours.
TEST_F(Win32Controls, TheHeaderStripUsesTheCaptionColoursActiveAndInactive) {
    ASSERT_NE(Sys(COLOR_GRADIENTACTIVECAPTION), Sys(COLOR_GRADIENTINACTIVECAPTION));
    ShowForm();
    Recorder sink;
    auto strip = UI().CreatePanelPeer(sink, Parent());
    Put(*strip, {10, 10, 310, 32}, "Items & folders");
    auto plain = UI().CreatePanelPeer(sink, Parent());
    Put(*plain, {10, 40, 310, 62}, "Not shown");
    HWND h = H(*strip);
    SetWindowTheme(h, L" ", L" ");
    strip->SetFace(PanelFace::HeaderStrip);
    const COLORREF ground = Sys(COLOR_GRADIENTACTIVECAPTION);
    auto other = [](const Screen& s, const TRect& area, COLORREF ground) {
        return s.Count(area, [&](COLORREF c) { return c != ground; });
    };

    Screen active(h);
    EXPECT_EQ(active.At(0, 0), ground);
    EXPECT_EQ(active.At(299, 21), ground);
    EXPECT_GT(active.CountOf(active.All(), Sys(COLOR_CAPTIONTEXT)), 10) << "the text in the caption's colour";
    EXPECT_EQ(other(active, {0, 0, 4, 22}, ground) + other(active, {296, 0, 300, 22}, ground), 0);
    // Centred both ways: as much text left of the middle as right of it, above as below,
    // give or take a glyph.
    int left = other(active, {0, 0, 150, 22}, ground), right = other(active, {150, 0, 300, 22}, ground);
    EXPECT_NEAR(left, right, (left + right) / 4);
    int above = other(active, {0, 0, 300, 11}, ground), below = other(active, {0, 11, 300, 22}, ground);
    EXPECT_NEAR(above, below, (above + below) / 3);
    Screen face(H(*plain));
    EXPECT_EQ(face.CountOf(face.All(), Sys(COLOR_BTNFACE)), 300 * 22) << "a plain panel shows no text";

    strip->SetEnabled(false);
    Screen off(h);
    EXPECT_EQ(off.At(0, 0), Sys(COLOR_GRADIENTINACTIVECAPTION));
    EXPECT_GT(off.CountOf(off.All(), Sys(COLOR_INACTIVECAPTIONTEXT)), 10);

    strip->SetEnabled(true);
    EnableWindow(Form(), FALSE);
    Pump();
    Screen parentOff(h);
    EXPECT_EQ(parentOff.At(0, 0), Sys(COLOR_GRADIENTINACTIVECAPTION)) << "inactive while its window is disabled";
    EnableWindow(Form(), TRUE);
    Pump();
    Screen on(h);
    EXPECT_EQ(on.At(0, 0), ground);

    strip->SetText("");
    Screen empty(h);
    EXPECT_EQ(empty.CountOf(empty.All(), ground), 300 * 22);
    strip->SetFace(PanelFace::Plain);
    Screen plainAgain(h);
    EXPECT_EQ(plainAgain.CountOf(plainAgain.All(), Sys(COLOR_BTNFACE)), 300 * 22);
}

TEST_F(Win32Controls, AHeaderStripCutsALongTextWithAnEllipsis) {
    ShowForm();
    Recorder sink;
    auto strip = UI().CreatePanelPeer(sink, Parent());
    Put(*strip, {10, 10, 130, 32}, "Manage the folders and items");
    SetWindowTheme(H(*strip), L" ", L" ");
    strip->SetFace(PanelFace::HeaderStrip);
    Screen s(H(*strip));
    const COLORREF ground = Sys(COLOR_GRADIENTACTIVECAPTION);
    auto text = [&](const TRect& area) { return s.Count(area, [&](COLORREF c) { return c != ground; }); };
    EXPECT_EQ(text({0, 0, 4, 22}) + text({116, 0, 120, 22}), 0) << "the text keeps off the ends";
    int last = 119;
    while (last > 0 && text({last, 0, last + 1, 22}) == 0) --last;
    ASSERT_GT(last, 80) << "the cut text fills the strip";
    // The text ends in the dots of an ellipsis, all on the baseline, not in cut letters.
    int rows = 0;
    for (int y = 0; y < 22; ++y) rows += text({last - 9, y, last + 1, y + 1}) > 0;
    EXPECT_LE(rows, 3);
}

// With visual styles the strip is the theme's header item, as a list's column headers are.
TEST_F(Win32Controls, WithVisualStylesTheHeaderStripIsTheThemesHeaderItem) {
    ShowForm();
    Recorder sink;
    auto strip = UI().CreatePanelPeer(sink, Parent());
    Put(*strip, {10, 10, 310, 32}, "");
    HWND h = H(*strip);
    HTHEME theme = IsAppThemed() && IsThemeActive() ? OpenThemeData(h, L"HEADER") : nullptr;
    if (!theme) GTEST_SKIP() << "the system draws without visual styles";
    strip->SetFace(PanelFace::HeaderStrip);
    EXPECT_EQ(PixelsUnlikeThemePart(h, theme, HP_HEADERITEM, HIS_NORMAL, 300, 22), 0);
    CloseThemeData(theme);
}

TEST_F(Win32Controls, TheImageBoxDrawsItsPictureBlendedOnTheButtonFace) {
    ShowForm();
    Recorder sink;
    auto panel = UI().CreatePanelPeer(sink, Parent());
    Put(*panel, {10, 10, 110, 110});
    auto image = UI().CreateImageBoxPeer(sink, panel->Handle());
    Put(*image, {5, 5, 45, 45});
    TBitmap32 picture = TBitmap32::Create(10, 8, 0xFF2040C0);
    picture.SetPixel(1, 0, 0x00FFFFFF);  // transparent
    picture.SetPixel(2, 0, 0x80000000);  // half-transparent black
    image->SetPicture(picture);

    Screen s(H(*image));
    COLORREF face = Sys(COLOR_BTNFACE);
    EXPECT_EQ(s.At(0, 0), ArgbToColorRef(0xFF2040C0)) << "at the top left, through the panel's WM_DRAWITEM";
    EXPECT_EQ(s.At(9, 7), ArgbToColorRef(0xFF2040C0));
    EXPECT_EQ(s.At(1, 0), face);
    COLORREF half = s.At(2, 0);
    for (int shift : {0, 8, 16}) EXPECT_NEAR(static_cast<int>((half >> shift) & 0xFF), ((face >> shift) & 0xFF) / 2, 2);
    EXPECT_EQ(s.At(10, 0), face);
    EXPECT_EQ(s.At(0, 8), face);
    EXPECT_EQ(s.CountOf(s.All(), face), 40 * 40 - 10 * 8 + 1) << "the picture and nothing more";

    image->SetPicture(TBitmap32());
    Screen empty(H(*image));
    EXPECT_EQ(empty.CountOf(empty.All(), face), 40 * 40);
}

// The simple panel's text. Some systems answer for it only as part 0.
std::wstring SimpleText(HWND bar) {
    wchar_t text[64] = L"";
    if (!SendMessageW(bar, SB_GETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(text)))
        SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
    return text;
}

TEST_F(Win32Controls, TheStatusBarShowsTheSimpleTextInTheModelsBounds) {
    ShowForm();
    Recorder sink;
    auto status = UI().CreateStatusBarPeer(sink, Parent());
    const TRect bounds{0, 400, 400, 421};
    Put(*status, bounds, "Ready");
    HWND h = H(*status);
    EXPECT_TRUE(SendMessageW(h, SB_ISSIMPLE, 0, 0));
    EXPECT_EQ(SimpleText(h), L"Ready");
    Screen s(h);
    EXPECT_GT(s.Count({0, 0, 60, 21}, [&](COLORREF c) { return c == Sys(COLOR_BTNTEXT); }), 10) << "the text shows";
    SendMessageW(h, WM_SIZE, 0, 0);
    form->SetBounds({40, 40, 800, 700});
    EXPECT_EQ(BoundsOf(h), bounds) << "it neither sizes nor places itself";
    status->SetText("Done");
    EXPECT_EQ(SimpleText(h), L"Done");
}

// ---- tree views --------------------------------------------------------------------------

TVITEMW ItemOf(HWND tree, HTREEITEM item) {
    TVITEMW it{};
    it.mask = TVIF_HANDLE | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE | TVIF_PARAM;
    it.hItem = item;
    it.stateMask = static_cast<UINT>(-1);
    SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&it));
    return it;
}

TEST_F(Win32Controls, TheTreeViewTakesNoPictureCutNodesAndTheIndent) {
    ShowForm();
    Recorder sink;
    auto tree = UI().CreateTreeViewPeer(sink, Parent());
    Put(*tree, {10, 10, 260, 210});
    HWND h = H(*tree);
    auto pictures = UI().CreateImageListPeer(16, 16);
    pictures->Add(TBitmap32::Create(16, 16, 0xFFE00000));
    tree->SetImageList(pictures->Handle());

    TreeNodeState with{"with picture", 0, 0};
    TreeNodeState without{"without", -1, -1};
    without.Cut = true;
    tree->InsertNode(1, 0, 0, with);
    tree->InsertNode(2, 0, 1, without);
    HTREEITEM first = TreeView_GetRoot(h);
    HTREEITEM second = TreeView_GetNextSibling(h, first);
    TVITEMW a = ItemOf(h, first), b = ItemOf(h, second);
    EXPECT_EQ(a.iImage, 0);
    EXPECT_FALSE(a.state & TVIS_CUT);
    EXPECT_EQ(b.iImage, I_IMAGENONE) << "never I_IMAGECALLBACK";
    EXPECT_EQ(b.iSelectedImage, I_IMAGENONE);
    EXPECT_TRUE(b.state & TVIS_CUT);

    RECT rowA{}, rowB{};
    TreeView_GetItemRect(h, first, &rowA, FALSE);
    TreeView_GetItemRect(h, second, &rowB, FALSE);
    Screen s(h);
    COLORREF red = ArgbToColorRef(0xFFE00000);
    EXPECT_GT(s.CountOf({rowA.left, rowA.top, rowA.right, rowA.bottom}, red), 100);
    EXPECT_EQ(s.CountOf({rowB.left, rowB.top, rowB.right, rowB.bottom}, red), 0) << "no picture is drawn";

    without.Cut = false;
    without.ImageIndex = 0;
    tree->UpdateNode(2, without);
    b = ItemOf(h, second);
    EXPECT_FALSE(b.state & TVIS_CUT);
    EXPECT_EQ(b.iImage, 0);
    with.Cut = true;
    with.ImageIndex = -1;
    tree->UpdateNode(1, with);
    a = ItemOf(h, first);
    EXPECT_TRUE(a.state & TVIS_CUT);
    EXPECT_EQ(a.iImage, I_IMAGENONE);

    tree->SetIndent(31);
    EXPECT_EQ(SendMessageW(h, TVM_GETINDENT, 0, 0), 31);

    tree->SetRedraw(false);
    tree->InsertNode(3, 0, 2, TreeNodeState{"while not drawn"});
    tree->SetRedraw(true);
    EXPECT_EQ(TreeView_GetCount(h), 3u);
    EXPECT_EQ(sink.Take(), Events{});
}

TEST_F(Win32Controls, ARightPressOnANodeSelectsItAsTheUsersChange) {
    Recorder sink;
    auto tree = UI().CreateTreeViewPeer(sink, Parent());
    Put(*tree, {10, 10, 260, 210});
    HWND h = H(*tree);
    tree->InsertNode(1, 0, 0, TreeNodeState{"first"});
    tree->InsertNode(2, 0, 1, TreeNodeState{"second"});
    tree->SelectNode(1);
    EXPECT_EQ(sink.Take(), Events{});

    HTREEITEM second = TreeView_GetNextSibling(h, TreeView_GetRoot(h));
    RECT row{};
    TreeView_GetItemRect(h, second, &row, TRUE);
    POINT at{(row.left + row.right) / 2, (row.top + row.bottom) / 2};
    POINT screen = at;
    ClientToScreen(h, &screen);
    SetCursorPos(screen.x, screen.y);
    // The release is queued before the press is handled, as in a quick click.
    PostMessageW(h, WM_RBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    SendMessageW(h, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(at.x, at.y));
    Pump();
    const TPoint p{at.x, at.y};
    EXPECT_EQ(sink.Take(), (Events{"node 2", Recorder::Point("down", p), Recorder::Point("up", p)}))
        << "the node is selected before the press is handed on";
    EXPECT_EQ(TreeView_GetSelection(h), second);
}

// ---- dialogs -----------------------------------------------------------------------------

// Answers the thread's modal dialog once it shows: the look at it gives the command the
// dialog gets (IDOK or IDCANCEL).
class DialogAnswer {
public:
    explicit DialogAnswer(std::function<int(HWND)> look) {
        look_ = std::move(look);
        seen = false;
        timer_ = SetTimer(nullptr, 0, 100, Tick);
    }
    ~DialogAnswer() {
        KillTimer(nullptr, timer_);
        look_ = nullptr;
    }
    static inline bool seen = false;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        HWND dialog = nullptr;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND w, LPARAM found) {
                if (IsWindowVisible(w) && ClassOf(w) == L"#32770") {
                    *reinterpret_cast<HWND*>(found) = w;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&dialog));
        if (!dialog || seen) return;
        seen = true;
        PostMessageW(dialog, WM_COMMAND, look_(dialog), 0);
    }
    static inline std::function<int(HWND)> look_;
    UINT_PTR timer_ = 0;
};

std::vector<std::string> ChildTexts(HWND dialog) {
    std::vector<std::string> texts;
    EnumChildWindows(
        dialog,
        [](HWND w, LPARAM out) {
            reinterpret_cast<std::vector<std::string>*>(out)->push_back(TextOf(w));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&texts));
    return texts;
}

OpenFileRequest ProgramRequest(NativeHandle owner) {
    OpenFileRequest request;
    request.Owner = owner;
    request.Title = "Pick a program";
    request.Filter = "Programs (*.exe)|*.exe|All files (*.*)|*.*";
    return request;
}

TEST_F(Win32Controls, TheOpenFileDialogShowsTheRequestAndCancelAnswersFalse) {
    std::string title;
    std::vector<std::string> types;
    DialogAnswer answer([&](HWND dialog) {
        title = TextOf(dialog);
        HWND combo = GetDlgItem(dialog, cmb1);
        for (int i = 0; i < SendMessageW(combo, CB_GETCOUNT, 0, 0); ++i) {
            wchar_t entry[128] = L"";
            SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry));
            types.push_back(win32::Narrow(entry));
        }
        return IDCANCEL;
    });
    std::string file = "unchanged";
    EXPECT_FALSE(UI().ShowOpenFileDialog(ProgramRequest(Parent()), file));
    EXPECT_TRUE(DialogAnswer::seen);
    EXPECT_EQ(file, "unchanged");
    EXPECT_EQ(title, "Pick a program");
    EXPECT_EQ(types, (std::vector<std::string>{"Programs (*.exe)", "All files (*.*)"}));
}

TEST_F(Win32Controls, TheOpenFileDialogAnswersTheChosenFile) {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    std::wstring path = std::wstring(folder) + L"pivola-open-\u00FC-" + std::to_wstring(GetCurrentProcessId()) + L".exe";
    CloseHandle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DialogAnswer answer([&](HWND dialog) {
        HWND name = GetDlgItem(dialog, cmb13) ? GetDlgItem(dialog, cmb13) : GetDlgItem(dialog, edt1);
        SetWindowTextW(name, path.c_str());
        return IDOK;
    });
    std::string file;
    EXPECT_TRUE(UI().ShowOpenFileDialog(ProgramRequest(Parent()), file));
    DeleteFileW(path.c_str());
    EXPECT_EQ(win32::Wide(file), path);
}

TEST_F(Win32Controls, TheFolderBrowserShowsTheTitleAndCancelAnswersFalse) {
    FolderBrowseRequest request;
    request.Owner = Parent();
    request.Title = "Choose the folder of the items";
    std::vector<std::string> texts;
    DialogAnswer answer([&](HWND dialog) {
        texts = ChildTexts(dialog);
        return IDCANCEL;
    });
    std::string folder = "unchanged";
    EXPECT_FALSE(UI().BrowseForFolder(request, folder));
    EXPECT_TRUE(DialogAnswer::seen);
    EXPECT_EQ(folder, "unchanged");
    EXPECT_NE(std::find(texts.begin(), texts.end(), request.Title), texts.end()) << "the request's title shows";
}

TEST_F(Win32Controls, TheFolderBrowserAnswersTheFolderChosen) {
    DialogAnswer answer([&](HWND) { return IDOK; });
    std::string folder;
    ASSERT_TRUE(UI().BrowseForFolder(FolderBrowseRequest{Parent(), "Folder", "", false}, folder));
    DWORD attributes = GetFileAttributesW(win32::Wide(folder).c_str());
    EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES) << folder;
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY) << folder;
}

}  // namespace
}  // namespace pv
