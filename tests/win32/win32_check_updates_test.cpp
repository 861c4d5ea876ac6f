// The update-check window on the real backend, opened through "Updates...": the system's
// close requests (the caption's close box, Alt+F4) are refused while the window waits for
// its first page, and honoured once the wait is over, when the time of the check is kept.
#include "platform/win32/win32_common.h"

#include <gtest/gtest.h>

#include "controls/menus.h"
#include "frame/shared_options.h"
#include "tests/win32/win32_manager_fixture.h"
#include "windows/form_check_updates.h"

namespace pv {
namespace {

class Win32CheckUpdates : public testing::Win32ManagerTest {
protected:
    TvdFormCheckUpdates* Window() const { return dynamic_cast<TvdFormCheckUpdates*>(frame->CheckUpdatesSlot); }
};

TEST_F(Win32CheckUpdates, TheSystemsCloseRequestsAreRefusedWhileTheWindowWaits) {
    frame->Options->CheckUpdatesLast = 0;
    front->miCheckUpdates->Click();
    Pump();
    TvdFormCheckUpdates* window = Window();
    ASSERT_NE(window, nullptr);
    HWND hwnd = Hwnd(window);
    ASSERT_TRUE(IsWindowVisible(hwnd));
    EXPECT_GT(frame->Options->CheckUpdatesLast, 0.0) << "the check ran once the window was up";

    // The wait for the first page is what makes the window busy; Wine has no engine to wait
    // for, so the test stands in for the page that has not come yet.
    window->Busy = true;
    SendMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    Pump();
    ASSERT_EQ(Window(), window) << "the window closed while it waited";
    EXPECT_TRUE(IsWindowVisible(hwnd));

    window->Busy = false;
    SendMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    Pump();
    EXPECT_EQ(Window(), nullptr);
    EXPECT_FALSE(IsWindow(hwnd));
}

}  // namespace
}  // namespace pv
