// The whole program started a second time while it runs: the new copy hands over to the
// first and ends with code 0, leaving the first copy's windows, tray icon, items and
// options as they were.
#include "app/program.h"
#include "frame/instance_control.h"
#include "frame/product_info.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_form.h"
#include "tests/app/app_fixture.h"

namespace pv {
namespace {

class SecondStartTest : public testing::AppTest {
protected:
    // The second copy runs from entry to exit in the same process as the first: the
    // process-wide frame reference it took over belongs to the first copy again after it.
    int RunSecondCopy() {
        int code = RunProgram(sim);
        FrameInstance = frame;
        return code;
    }
};

TEST_F(SecondStartTest, ASecondStartEndsWithCodeZeroAndBringsTheManagerWindowToTheFront) {
    Put(kData + "shortcuts\\shortcuts.txt", "^UnkLnk|C:\\Windows\\win.ini|ini|Settings|\r\n");
    Start();
    app->Run();
    Stop();  // the first start writes the options the next ones read
    std::string options = Get(kData + "config\\options.ini");
    std::string items = Get(kData + "shortcuts\\shortcuts.txt");

    Start();
    app->Run();
    Front()->RestoreAndShow();
    Front()->SetWindowState(WindowState::Minimized);
    size_t forms = sim.SimUI().Forms().size();
    size_t trayIcons = sim.SimUI().TrayIcons.size();
    sim.SimUI().Foreground.clear();

    EXPECT_EQ(RunSecondCopy(), 0);
    EXPECT_EQ(sim.SimUI().Forms().size(), forms);
    EXPECT_EQ(sim.SimUI().TrayIcons.size(), trayIcons);
    EXPECT_EQ(Get(kData + "config\\options.ini"), options);
    EXPECT_EQ(Get(kData + "shortcuts\\shortcuts.txt"), items);

    EXPECT_FALSE(app->Terminated());
    EXPECT_TRUE(Front()->Visible());
    EXPECT_EQ(Front()->GetWindowState(), WindowState::Normal);
    EXPECT_EQ(sim.SimUI().Foreground, std::vector<NativeHandle>{Front()->Handle()});
    EXPECT_TRUE(sim.SimDesktopObjects().MutexHeld(product::kInstanceIdentifier));
    // The first copy still answers a later start.
    EXPECT_EQ(sim.SimDesktopObjects().SendMessageTo(frame->InstanceControl->Handle(), kInstanceWindowMessage, 0, 0),
              static_cast<intptr_t>(Front()->Handle()));
}

}  // namespace
}  // namespace pv
