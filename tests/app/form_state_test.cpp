#include "app/program_options.h"
#include "controls/panel.h"
#include "controls/scroll_box.h"
#include "tests/app/app_fixture.h"

namespace pv {
namespace {

class FormStateTest : public testing::AppTest {
protected:
    std::string File() { return kData + "config\\options.ini"; }
    std::string Key(const char* key) { return sim.Files().GetProfileString(File(), "FormFront", key, ""); }
};

TEST_F(FormStateTest, AMaximisedWindowComesBackMaximisedWithItsNormalSize) {
    Start();
    Front()->SetBounds(30, 40, 600, 650);
    Front()->SetWindowState(WindowState::Maximized);
    Stop();
    EXPECT_EQ(Key("WindowState"), "2");
    EXPECT_EQ(Key("Left"), "30");
    EXPECT_EQ(Key("Top"), "40");
    EXPECT_EQ(Key("Width"), "600");
    EXPECT_EQ(Key("Height"), "650");
    Start();
    EXPECT_EQ(Front()->GetWindowState(), WindowState::Maximized);
    Front()->SetWindowState(WindowState::Normal);
    EXPECT_EQ(Front()->GetPlacement().Normal, (TRect{30, 40, 630, 690}));
}

TEST_F(FormStateTest, WithoutSavingWindowsThePlacementStaysAsStoredAndIsStillApplied) {
    Put(File(), "[FormFront]\r\nWindowState=0\r\nTop=5\r\nHeight=700\r\nLeft=6\r\nWidth=600\r\n"
                "[ProgramOptions.Visuals]\r\nSaveWindowsSetup=0\r\n");
    Start();
    EXPECT_EQ(Front()->GetPlacement().Normal, (TRect{6, 5, 606, 705}));
    Front()->SetBounds(100, 100, 200, 200);
    Stop();
    EXPECT_EQ(Key("Left"), "6");
    EXPECT_EQ(Key("Width"), "600");
}

TEST_F(FormStateTest, TheWindowFindsItsPlaceInAnOptionsFileWrittenAsUtf8) {
    // A value outside the code page makes the options file UTF-8 with a byte order mark;
    // the window's section may then be the first one, right behind the mark.
    Put(File(), "\xEF\xBB\xBF[FormFront]\r\nWindowState=0\r\nTop=5\r\nHeight=700\r\nLeft=6\r\nWidth=600\r\n"
                "[ProgramOptions.Visuals]\r\nOverrideStandardFontName=\xE6\x98\x8E\xE6\x9C\x9D\r\n");
    Start();
    EXPECT_EQ(Front()->GetPlacement().Normal, (TRect{6, 5, 606, 705}));
    Front()->SetBounds(20, 30, 640, 650);
    Stop();
    std::string text = Get(File());
    EXPECT_EQ(text.rfind("\xEF\xBB\xBF", 0), 0u) << "still UTF-8";
    EXPECT_NE(text.find("\xE6\x98\x8E\xE6\x9C\x9D"), std::string::npos) << "the font's name is kept";
    Start();
    EXPECT_EQ(Front()->GetPlacement().Normal, (TRect{20, 30, 660, 680}));
}

TEST_F(FormStateTest, APositionOffEveryScreenIsAppliedUnchanged) {
    Put(File(), "[FormFront]\r\nLeft=-5000\r\nTop=9000\r\nWidth=640\r\nHeight=480\r\n");
    Start();
    EXPECT_EQ(Front()->GetPlacement().Normal.Left, -5000);
    EXPECT_EQ(Front()->GetPlacement().Normal.Top, 9000);
}

TEST_F(FormStateTest, UnreadablePlacementValuesKeepTheDesignedOnes) {
    Put(File(), "[FormFront]\r\nLeft=far\r\nWidth=\r\n");
    Start();
    // The designed client area of 776 x 594 inside the simulated frame.
    EXPECT_EQ(Front()->GetPlacement().Normal, (TRect{200, 120, 200 + 776 + 16, 120 + 594 + 39}));
}

TEST_F(FormStateTest, TheSidePanelsWidthIsAWindowSetting) {
    Start();
    Front()->PanelSide->SetWidth(333);
    Stop();
    EXPECT_EQ(Key("PanelSide.Width"), "333");
    Start();
    EXPECT_EQ(Front()->PanelSide->Width(), 333);
    frame->ProgramOptions()->SaveMiscSetup = false;
    Front()->PanelSide->SetWidth(111);
    Stop();
    EXPECT_EQ(Key("PanelSide.Width"), "333") << "not stored with window settings off";
}

TEST_F(FormStateTest, TheTitleIsTheProgramAndItsVersion) {
    Start();
    EXPECT_EQ(Front()->Caption(), "Pivola 1.7.9");
    EXPECT_TRUE(Front()->CloseEnabled()) << "the main window keeps its close command";
}

TEST_F(FormStateTest, RestoreAndShowRestoresAMinimisedApplication) {
    Start();
    app->Minimize();
    EXPECT_TRUE(frame->AppMinimized);
    Front()->RestoreAndShow();
    EXPECT_FALSE(frame->AppMinimized);
    EXPECT_EQ(sim.SimUI().Restores, 1);
    EXPECT_TRUE(Front()->Visible());
}

}  // namespace
}  // namespace pv
