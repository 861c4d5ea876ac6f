// The screen's DPI and work area as the real backend finds them, and the system's word
// that a window now shows at another DPI reaching the model with the rectangle the system
// suggests.
#include "platform/win32/win32_dpi.h"
#include "tests/win32/win32_controls_fixture.h"

namespace pv::testing {
namespace {

TEST_F(Win32Controls, AWindowsDpiIsTheScreensWhereEveryMonitorHasTheSame) {
    HDC dc = GetDC(nullptr);
    int screen = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    EXPECT_EQ(form->Dpi(), screen);
    EXPECT_EQ(win32::WindowDpi(Form()), screen);
    EXPECT_EQ(win32::SystemDpi(), screen);
    EXPECT_EQ(UI().DpiAt(TPoint{10, 10}), screen);
    EXPECT_EQ(win32::WindowDpi(nullptr), screen) << "no window: the screen's";
}

// What a window scaled for its monitor is kept inside: on the one screen, the desktop's
// work area.
TEST_F(Win32Controls, AWindowsWorkAreaIsItsMonitorsWhereThereIsOneScreen) {
    RECT work{};
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
    EXPECT_EQ(form->WorkArea(), (TRect{work.left, work.top, work.right, work.bottom}));
    EXPECT_EQ(form->WorkArea(), platform->System().WorkArea());
}

TEST_F(Win32Controls, AChangeOfDpiReachesTheModelWithTheSuggestedRectangle) {
    RECT suggested{100, 50, 1060, 830};
    constexpr UINT kDpiChanged = 0x02E0;
    EXPECT_EQ(SendMessageW(Form(), kDpiChanged, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested)), 0);
    EXPECT_EQ(formSink.Take(), (Events{"dpi 144 100,50 960x780"}));
}

}  // namespace
}  // namespace pv::testing
