#include "tests/app/app_fixture.h"

namespace pv {
namespace {

class LaunchTest : public testing::AppTest {
protected:
    void SetUp() override { Start(); }
    const sim::ShellCall& Launch(const std::string& path, TItemKind kind = TItemKind::ExecutableLink,
                                 const std::string& state = "", bool runAs = false, const std::string& dir = "") {
        TTreeNode* n = Front()->AddItem(kind, path, nullptr, -1, runAs, state, "c", dir, "-a");
        Front()->LaunchItem(static_cast<int>(n->Data()));
        return sim.SimShellCalls().Calls.back();
    }
};

TEST_F(LaunchTest, TheWorkingDirectoryDefaultsToTheTargetsFolder) {
    EXPECT_EQ(Launch("C:\\Tools\\a.exe").Dir, "C:\\Tools");
    EXPECT_EQ(Launch("C:\\a.exe").Dir, "C:\\") << "a drive root keeps its backslash";
    EXPECT_EQ(Launch("C:\\Tools\\a.exe", TItemKind::ExecutableLink, "", false, "D:\\Work").Dir, "D:\\Work");
}

TEST_F(LaunchTest, ADirectoryOpensWithItsParentAsWorkingDirectory) {
    sim.Files().ForceDirectories("C:\\Data");
    const auto& c = Launch("C:\\Data", TItemKind::GeneralLink);
    EXPECT_EQ(c.Verb, "open");
    EXPECT_EQ(c.Dir, "C:\\");
    EXPECT_EQ(c.Params, "") << "a general link has no parameters";
}

TEST_F(LaunchTest, TheVerbFollowsElevationTheSystemAndRemoteDesktopFiles) {
    EXPECT_EQ(Launch("C:\\a.exe", TItemKind::ExecutableLink, "", true).Verb, "runas");
    EXPECT_EQ(Launch("C:\\a.exe").Verb, "open");
    EXPECT_EQ(Launch("C:\\s.RDP", TItemKind::ExecutableLink, "", true).Verb, "connect");
    sim.SimSystem().Os = OsVersion{2, 5, 1, 2600, "Service Pack 3"};  // before Vista
    EXPECT_EQ(Launch("C:\\a.exe", TItemKind::ExecutableLink, "", true).Verb, "open");
}

TEST_F(LaunchTest, WindowStatesMapToShowCommands) {
    struct Case {
        const char* token;
        int show;
    } cases[] = {{"", 10}, {"WindowMax", 3}, {"WindowMin", 2}, {"WindowHid", 0}, {"Odd", 10}};
    for (const auto& c : cases) EXPECT_EQ(Launch("C:\\a.exe", TItemKind::ExecutableLink, c.token).ShowCmd, c.show) << c.token;
}

TEST_F(LaunchTest, ARelativePathStartsFromTheProgramFolder) {
    Put(kApp + "tools\\x.exe", "");
    const auto& c = Launch("tools\\x.exe");
    EXPECT_EQ(c.File, kApp + "tools\\x.exe");
    EXPECT_EQ(c.Dir, kApp + "tools");
    EXPECT_EQ(Launch("tools\\missing.exe").File, "tools\\missing.exe") << "passed on unchanged";
}

TEST_F(LaunchTest, AFailingShellShowsNothing) {
    sim.SimShellCalls().ExecuteResult = 2;
    EXPECT_FALSE(Front()->LaunchFile("C:\\gone.exe", "", "", false, TWindowMode::Default));
    EXPECT_TRUE(sim.SimUI().Dialogs.empty());
}

}  // namespace
}  // namespace pv
