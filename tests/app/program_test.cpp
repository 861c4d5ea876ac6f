#include "app/program.h"

#include "tests/app/app_fixture.h"
#include "platform/sim/sim_form.h"

namespace pv {
namespace {

class ProgramTest : public testing::AppTest {};

TEST_F(ProgramTest, ExitEndsTheProgramWithCodeZero) {
    sim.SimSystem().Params = {"-exit"};
    EXPECT_EQ(RunProgram(sim), 0);
    EXPECT_TRUE(DirExists(kData + "shortcuts"));
    EXPECT_EQ(FrameInstance, nullptr);
    EXPECT_TRUE(sim.SimUI().Forms().empty()) << "every window was destroyed";
}

TEST_F(ProgramTest, WithoutParametersTheProgramWaitsHidden) {
    Start();
    app->Run();
    EXPECT_FALSE(app->Terminated());
    ASSERT_NE(Front(), nullptr);
    EXPECT_FALSE(Front()->Visible());
    EXPECT_EQ(Front()->Caption(), "Pivola 1.7.9");
    EXPECT_EQ(app->MainForm(), Front());
}

TEST_F(ProgramTest, TheMainWindowsPlacementSurvivesARestart) {
    Start();
    app->Run();
    Front()->SetBounds(10, 20, 600, 700);
    Front()->SetWindowState(WindowState::Minimized);
    Stop();
    std::string file = kData + "config\\options.ini";
    EXPECT_EQ(sim.Files().GetProfileString(file, "FormFront", "WindowState", ""), "0") << "minimised is stored as normal";
    Start();
    EXPECT_EQ(Front()->GetPlacement().Normal, (TRect{10, 20, 610, 720}));
    EXPECT_EQ(Front()->GetWindowState(), WindowState::Normal);
}

}  // namespace
}  // namespace pv
