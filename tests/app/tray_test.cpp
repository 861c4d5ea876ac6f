#include "app/program_options.h"
#include "controls/hot_key.h"
#include "controls/menus.h"
#include "controls/timer.h"
#include "controls/tray_icon.h"
#include "tests/app/app_fixture.h"
#include "platform/sim/sim_form.h"
#include "platform/sim/sim_hot_key.h"
#include "platform/sim/sim_tray_icon.h"

namespace pv {
namespace {

class TrayTest : public testing::AppTest {
protected:
    // Start and let the deferred start run: the icon is set up there.
    void Run(std::vector<std::string> params = {}) {
        Start(std::move(params));
        app->Run();
    }
    TCoolTrayIcon* Icon() { return Front()->CoolTrayIcon; }
};

TEST_F(TrayTest, TheIconIsAddedAtTheDeferredStartWithTheProgramsName) {
    Start();
    EXPECT_TRUE(sim.SimUI().TrayIcons.empty()) << "no icon before the loop runs";
    app->Run();
    ASSERT_EQ(sim.SimUI().TrayIcons.size(), 1u);
    EXPECT_EQ(sim.SimUI().TrayIcons[0]->Tip, "pivola") << "the executable's name, its first letter as it is";
    EXPECT_TRUE(Icon()->IconVisible());
    EXPECT_FALSE(Front()->TimerDelayed->Enabled());
    EXPECT_EQ(sim.SimLoop().ActiveTimers(), 0u);
}

TEST_F(TrayTest, TheTooltipIsTheExecutablesNameInTitleCase) {
    sim.SimSystem().ExePath = "C:\\Program Files\\Pivola\\PIVOLA.EXE";
    Run();
    EXPECT_EQ(sim.SimUI().TrayIcons[0]->Tip, "Pivola");
}

TEST_F(TrayTest, ARefusedIconIsTriedEveryTenSecondsUntilTheShellTakesIt) {
    sim.SimUI().TrayRefusesUntilMs = 25000;
    Run();
    EXPECT_TRUE(sim.SimUI().TrayIcons.empty());
    EXPECT_FALSE(Icon()->IconVisible()) << "the flag is reset after a refusal";
    EXPECT_TRUE(Front()->TimerDelayed->Enabled());
    sim.Advance(10000);
    sim.Advance(10000);
    EXPECT_TRUE(sim.SimUI().TrayIcons.empty()) << "refused at 10 and 20 seconds";
    EXPECT_TRUE(sim.SimUI().Dialogs.empty()) << "silently";
    sim.Advance(10000);
    ASSERT_EQ(sim.SimUI().TrayIcons.size(), 1u) << "added on the third tick, 30 seconds after set-up";
    EXPECT_EQ(sim.SimUI().TrayIcons[0]->Adds, 1);
    EXPECT_FALSE(Front()->TimerDelayed->Enabled());
    sim.Advance(60000);
    EXPECT_EQ(sim.SimUI().TrayIcons[0]->Adds, 1) << "the timer never runs again";
}

TEST_F(TrayTest, ALeftClickShowsTheMenuAtTheCursor) {
    Put(kData + "shortcuts\\shortcuts.txt", "^UnkLnk|C:\\r.txt|txt|Readme|\r\n");
    Run();
    sim.SimUI().Cursor = {640, 700};
    sim.SimUI().TrayIcons[0]->UserClick();
    ASSERT_EQ(sim.SimUI().Menus.size(), 1u);
    const auto& shown = sim.SimUI().Menus[0];
    EXPECT_EQ(shown.At, (TPoint{640, 700}));
    EXPECT_EQ(shown.Entries.front().Caption.find("Readme") != std::string::npos ||
                  shown.Entries.front().Caption.find("R") != std::string::npos,
              true);
    EXPECT_EQ(Front()->pmItems->PopupComponent, Icon());
}

TEST_F(TrayTest, ARightClickShowsTheSameMenuThroughTheIcon) {
    Run();
    sim.SimUI().TrayIcons[0]->UserRightClick();
    ASSERT_EQ(sim.SimUI().Menus.size(), 1u);
    EXPECT_EQ(sim.SimUI().Menus[0].Entries.size(), 2u) << "the Program heading and the program submenu";
    EXPECT_EQ(sim.SimUI().Foreground.back(), Front()->Handle());
}

TEST_F(TrayTest, ADoubleClickOpensTheManagerWindow) {
    Run();
    sim.SimUI().TrayIcons[0]->UserDoubleClick();
    EXPECT_TRUE(Front()->Visible());
    EXPECT_TRUE(sim.SimUI().Menus.empty());
}

TEST_F(TrayTest, TheHotKeyShowsTheMenuWhileTheIconIsThere) {
    Run();
    ASSERT_TRUE(sim.SimUI().PressHotKey('L', HotKeyModifier::Control));
    EXPECT_EQ(sim.SimUI().Menus.size(), 1u);
    EXPECT_FALSE(Front()->Visible());
}

TEST_F(TrayTest, BeforeTheIconExistsTheHotKeyRestoresTheManagerWindow) {
    sim.SimUI().TrayRefusesUntilMs = 1000000;
    Run();
    Front()->SetWindowState(WindowState::Minimized);
    ASSERT_TRUE(sim.SimUI().PressHotKey('L', HotKeyModifier::Control));
    EXPECT_TRUE(sim.SimUI().Menus.empty());
    EXPECT_TRUE(Front()->Visible());
    EXPECT_EQ(Front()->GetWindowState(), WindowState::Normal);
}

TEST_F(TrayTest, AHotKeyTakenByAnotherProgramIsSilentlyInactive) {
    sim.SimUI().TakenHotKeys.insert({'L', HotKeyModifier::Control});
    Run();
    EXPECT_FALSE(Front()->JvApplicationHotKey->Registered());
    EXPECT_FALSE(sim.SimUI().PressHotKey('L', HotKeyModifier::Control));
    EXPECT_TRUE(sim.SimUI().Dialogs.empty());
    EXPECT_EQ(sim.SimUI().TrayIcons.size(), 1u) << "the program runs on";
}

TEST_F(TrayTest, ARestartedTaskbarGetsTheIconBack) {
    Run();
    sim.SimUI().RestartTaskbar();
    ASSERT_EQ(sim.SimUI().TrayIcons.size(), 1u);
    EXPECT_EQ(sim.SimUI().TrayIcons[0]->Adds, 2);
}

TEST_F(TrayTest, CloseEndsTheProgramRemovesTheIconAndSavesTheOptions) {
    Run();
    sim.SimUI().ChooseMenuEntry({"Pivola menu", "Close"});
    sim.SimUI().TrayIcons[0]->UserClick();
    EXPECT_TRUE(app->Terminated());
    Stop();
    EXPECT_TRUE(sim.SimUI().TrayIcons.empty());
    std::string options = Get(kData + "config\\options.ini");
    EXPECT_FALSE(options.empty());
    EXPECT_EQ(Get(kData + "config\\options.~ini"), options);
    EXPECT_TRUE(sim.SimReg().HasValue(RegistryRoot::CurrentUser, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
                                      "Vendrik-Pivola"));
}

TEST_F(TrayTest, ChangingTheShortcutMovesTheHotKey) {
    Run();
    frame->ProgramOptions()->ProgramPopupShortCut = "Alt+F9";
    frame->ProgramOptions()->ApplyOptions();
    EXPECT_FALSE(sim.SimUI().PressHotKey('L', HotKeyModifier::Control));
    EXPECT_TRUE(sim.SimUI().PressHotKey(0x78, HotKeyModifier::Alt));
}

}  // namespace
}  // namespace pv
