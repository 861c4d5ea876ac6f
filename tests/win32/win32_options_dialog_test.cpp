// The options window on the real backend, opened through "Preferences...": its native
// controls exist with the model's rectangles, the focus and the help panel follow the
// user's clicks on the tabs, and Enter through the dialog manager presses OK.
#include "platform/win32/win32_common.h"

#include <gtest/gtest.h>

#include <string>

#include "app/form_program_options.h"
#include "app/program_options.h"
#include "controls/buttons.h"
#include "controls/combo_box.h"
#include "controls/edit.h"
#include "controls/hot_key_edit.h"
#include "controls/menus.h"
#include "controls/page_control.h"
#include "tests/win32/win32_manager_fixture.h"

namespace pv {
namespace {

class Win32OptionsDialog : public testing::Win32ManagerTest {
protected:
    void SetUp() override {
        Win32ManagerTest::SetUp();
        front->miPreferences->Click();
        Pump();
        d = dynamic_cast<TFormProgramOptions*>(frame->OptionsFormRef);
        ASSERT_NE(d, nullptr);
    }
    static std::string TextOf(HWND h) {
        wchar_t buffer[1024] = {};
        GetWindowTextW(h, buffer, 1023);
        return win32::Narrow(buffer);
    }
    // The row of tabs inside the page control.
    HWND Tabs() { return FindWindowExW(Hwnd(d->pgcOptions), nullptr, WC_TABCONTROLW, nullptr); }
    void ClickTab(int tab) {
        RECT r{};
        TabCtrl_GetItemRect(Tabs(), tab, &r);
        LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        SendMessageW(Tabs(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(Tabs(), WM_LBUTTONUP, 0, at);
        Pump();
    }
    TFormProgramOptions* d = nullptr;
};

TEST_F(Win32OptionsDialog, EveryControlHasAWindowWithTheModelsRectangleCentredOnTheScreen) {
    HWND window = Hwnd(d);
    ASSERT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(TextOf(window), "Options");
    LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_THICKFRAME) << "resizable";
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, d->ClientWidth());
    EXPECT_EQ(client.bottom, d->ClientHeight());
    EXPECT_GE(d->ClientWidth(), 467);
    EXPECT_GE(d->ClientHeight(), 322);
    RECT outer{}, work{};
    GetWindowRect(window, &outer);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR(outer.left + outer.right, work.left + work.right, 1);
    EXPECT_NEAR(outer.top + outer.bottom, work.top + work.bottom, 1);

    for (int page : {0, 1}) {
        SCOPED_TRACE(page);
        ClickTab(page);
        int checked = 0;
        for (int i = 0; i < d->ComponentCount(); ++i) {
            auto* c = dynamic_cast<TControl*>(d->Components(i));
            if (!c || !c->HasPeer()) continue;
            HWND h = Hwnd(c);
            ASSERT_TRUE(IsWindow(h)) << c->Name();
            EXPECT_EQ(GetParent(h), Hwnd(c->Parent())) << c->Name();
            bool shown = true;
            for (const TControl* up = c; up; up = up->Parent()) shown = shown && up->Visible();
            EXPECT_EQ(IsWindowVisible(h) != 0, shown) << c->Name();
            RECT r{};
            GetWindowRect(h, &r);
            MapWindowPoints(nullptr, GetParent(h), reinterpret_cast<POINT*>(&r), 2);
            TRect b = c->BoundsRect();
            EXPECT_EQ(r.left, b.Left) << c->Name();
            EXPECT_EQ(r.top, b.Top) << c->Name();
            EXPECT_EQ(r.right - r.left, b.Width()) << c->Name();
            // A drop-down list's window reaches below its field, for the list.
            if (!dynamic_cast<TComboBox*>(c)) {
                EXPECT_EQ(r.bottom - r.top, b.Height()) << c->Name();
            }
            ++checked;
        }
        EXPECT_GT(checked, 18);
    }
    EXPECT_EQ(TabCtrl_GetItemCount(Tabs()), 2) << "the hidden page has no tab";
    EXPECT_FALSE(d->chbShowInTask->HasPeer());
}

TEST_F(Win32OptionsDialog, TheFocusAndTheHelpFollowTheTabsAndEnterPressesOk) {
    EXPECT_EQ(GetFocus(), Hwnd(d->chkWindowsVU)) << "the first page's first check box";
    EXPECT_EQ(TextOf(Hwnd(d->memHelp)), "Remember windows position, size, and state.");
    EXPECT_EQ(TextOf(Hwnd(d->memHelp)), d->memHelp->Text());

    ClickTab(1);
    EXPECT_EQ(d->pgcOptions->ActivePage(), d->tsMiscellaneous);
    EXPECT_TRUE(IsWindowVisible(Hwnd(d->tsMiscellaneous)));
    EXPECT_FALSE(IsWindowVisible(Hwnd(d->tsVisuals)));
    EXPECT_EQ(GetFocus(), Hwnd(d->chbShowInTray));
    EXPECT_TRUE(TextOf(Hwnd(d->memHelp)).starts_with("If checked, Pivola will register itself"));
    HWND hotKey = Hwnd(d->hkProgramActivateShortCutPB);
    EXPECT_EQ(SendMessageW(hotKey, HKM_GETHOTKEY, 0, 0), MAKEWORD('L', HOTKEYF_CONTROL));

    // A combination pressed in the field, then Enter where the field does not take it.
    SetFocus(hotKey);
    Pump();
    EXPECT_TRUE(TextOf(Hwnd(d->memHelp)).starts_with("Can be used when Pivola is minimized."));
    SendMessageW(hotKey, WM_KEYDOWN, VK_CONTROL, 0);
    SendMessageW(hotKey, WM_KEYDOWN, 'K', 0);
    SendMessageW(hotKey, WM_KEYUP, 'K', 0);
    SendMessageW(hotKey, WM_KEYUP, VK_CONTROL, 0);
    EXPECT_EQ(d->hkProgramActivateShortCutPB->HotKey(), ShortCutBit::Ctrl | 'K');
    MSG enter{hotKey, WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
    ASSERT_TRUE(IsDialogMessageW(Hwnd(d), &enter));
    Pump();
    EXPECT_EQ(frame->OptionsFormRef, nullptr) << "OK closed the window";
    EXPECT_EQ(frame->ProgramOptions()->ProgramPopupShortCut, "Ctrl+K");
}

}  // namespace
}  // namespace pv
