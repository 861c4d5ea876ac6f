#include "app/program_options.h"
#include "controls/hot_key.h"
#include "tests/app/app_fixture.h"
#include "util/exception.h"
#include "util/strings.h"

namespace pv {
namespace {

const char* const kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

class OptionsTest : public testing::AppTest {
protected:
    std::string File() { return kData + "config\\options.ini"; }
    TProgramOptions& O() { return *frame->ProgramOptions(); }
};

TEST_F(OptionsTest, DefaultsWithoutAFile) {
    Start();
    TProgramOptions& o = O();
    EXPECT_EQ(o.LanguageCulture, "en-us");
    EXPECT_TRUE(o.SaveWindowsSetup);
    EXPECT_TRUE(o.SaveToolBarsSetup);
    EXPECT_TRUE(o.SaveMiscSetup);
    EXPECT_EQ(o.CheckUpdatesInterval, 60);
    EXPECT_DOUBLE_EQ(o.CheckUpdatesLast, sim.Clock().Now());
    EXPECT_FALSE(o.CheckUpdatesCritErrRes);
    EXPECT_FALSE(o.OverrideStandardFont);
    EXPECT_EQ(o.OverrideStandardFontSize, 10);
    EXPECT_EQ(o.OverrideStandardFontName, "Verdana");
    EXPECT_FALSE(o.OverrideStandardFontBold);
    EXPECT_TRUE(o.AlwaysShowInTray);
    EXPECT_TRUE(o.AlwaysShowInTask);
    EXPECT_EQ(o.ProgramPopupShortCut, "CTRL+L");
}

TEST_F(OptionsTest, TheFileIsWrittenInSectionsAndKeysOfTheTable) {
    Start();
    frame->SaveOptions();
    EXPECT_EQ(Get(File()),
              "[ProgramOptions.General]\r\nLanguageCulture=en-us\r\n\r\n"
              "[ProgramOptions.Visuals]\r\nSaveWindowsSetup=1\r\nSaveToolBarsSetup=1\r\nSaveMiscSetup=1\r\n"
              "OverrideStandardFont=0\r\nOverrideStandardFontName=Verdana\r\nOverrideStandardFontSize=10\r\n"
              "OverrideStandardFontBold=0\r\n\r\n"
              "[ProgramOptions.Miscellaneous]\r\nCheckUpdatesInterval=60\r\nCheckUpdatesLast=2026-12-10 10:00:00\r\n"
              "CheckUpdatesCritErrRes=0\r\nCheckUpdatesResCritErr=0\r\nAlwaysShowInTray=1\r\nAlwaysShowInTask=1\r\n"
              "ProgramPopupShortCut=CTRL+L\r\n\r\n");
    EXPECT_EQ(Get(kData + "config\\options.~ini"), Get(File())) << "an identical backup beside it";
    EXPECT_FALSE(Exists(File() + ".new"));
}

TEST_F(OptionsTest, ASectionGivenTwiceKeepsEveryKeyAndIsWrittenOnce) {
    Put(File(),
        "[ProgramOptions.Visuals]\r\nOverrideStandardFontName=Tahoma\r\nOverrideStandardFontSize=12\r\n"
        "[ProgramOptions.Miscellaneous]\r\nProgramPopupShortCut=CTRL+K\r\n"
        "[programoptions.visuals]\r\nOverrideStandardFontSize=14\r\n");
    Start();
    EXPECT_EQ(O().OverrideStandardFontName, "Tahoma") << "the key under the first header is kept";
    EXPECT_EQ(O().OverrideStandardFontSize, 14) << "a later duplicate key wins";
    EXPECT_EQ(O().ProgramPopupShortCut, "CTRL+K");
    frame->SaveOptions();
    std::string saved = LowerCase(Get(File()));
    EXPECT_EQ(saved.find("[programoptions.visuals]"), saved.rfind("[programoptions.visuals]")) << "written once";
    EXPECT_NE(saved.find("overridestandardfontname=tahoma"), std::string::npos);
}

TEST_F(OptionsTest, ValuesAreReadByTheirRules) {
    struct Case {
        const char* line;  // in section Visuals or Miscellaneous as given
        std::function<void(const TProgramOptions&)> check;
    } cases[] = {
        {"[ProgramOptions.General]\r\nLanguageCulture= EN-US \r\n", [](auto& o) { EXPECT_EQ(o.LanguageCulture, "en-us"); }},
        {"[ProgramOptions.General]\r\nLanguageCulture=de-de\r\n", [](auto& o) { EXPECT_EQ(o.LanguageCulture, "de-de"); }},
        {"[ProgramOptions.General]\r\nLanguageCulture=\r\n", [](auto& o) { EXPECT_EQ(o.LanguageCulture, "en-us"); }},
        {"[ProgramOptions.Visuals]\r\nSaveWindowsSetup=true\r\n", [](auto& o) { EXPECT_TRUE(o.SaveWindowsSetup); }},
        {"[ProgramOptions.Visuals]\r\nSaveWindowsSetup=0\r\n", [](auto& o) { EXPECT_FALSE(o.SaveWindowsSetup); }},
        {"[ProgramOptions.Visuals]\r\nOverrideStandardFont=2\r\n", [](auto& o) { EXPECT_TRUE(o.OverrideStandardFont); }},
        {"[programoptions.visuals]\r\n overridestandardfontsize = 0x0C \r\n",
         [](auto& o) { EXPECT_EQ(o.OverrideStandardFontSize, 12); }},
        {"[ProgramOptions.Visuals]\r\nOverrideStandardFontSize=$10\r\n",
         [](auto& o) { EXPECT_EQ(o.OverrideStandardFontSize, 16); }},
        {"[ProgramOptions.Visuals]\r\nOverrideStandardFontSize=12pt\r\n",
         [](auto& o) { EXPECT_EQ(o.OverrideStandardFontSize, 10); }},
        {"[ProgramOptions.Visuals]\r\nOverrideStandardFontName=\r\n",
         [](auto& o) { EXPECT_EQ(o.OverrideStandardFontName, ""); }},
        {"[ProgramOptions.Miscellaneous]\r\nCheckUpdatesLast=2010-03-04T05:06:07+01:00\r\n",
         [](auto& o) { EXPECT_EQ(FormatIsoDateTime(o.CheckUpdatesLast), "2010-03-04 05:06:07"); }},
        {"[ProgramOptions.Miscellaneous]\r\nCheckUpdatesLast=\r\n",
         [](auto& o) { EXPECT_EQ(o.CheckUpdatesLast, 0.0); }},
        {"[ProgramOptions.Miscellaneous]\r\nCheckUpdatesLast=yesterday\r\n",
         [](auto& o) { EXPECT_EQ(o.CheckUpdatesLast, 0.0); }},
        {"[ProgramOptions.Miscellaneous]\r\nCheckUpdatesInterval=-1\r\n",
         [](auto& o) { EXPECT_EQ(o.CheckUpdatesInterval, -1); }},
        {"; comment\r\nCheckUpdatesInterval=5\r\n[ProgramOptions.Miscellaneous]\r\n",
         [](auto& o) { EXPECT_EQ(o.CheckUpdatesInterval, 60); }},
    };
    for (const auto& c : cases) {
        Put(File(), c.line);
        Start({"-exit"});
        SCOPED_TRACE(c.line);
        c.check(O());
        Stop();
    }
}

TEST_F(OptionsTest, TheCriticalErrorFlagIsDerivedWhenWritten) {
    for (int interval : {14, 15}) {
        Start();
        O().CheckUpdatesCritErrRes = true;
        O().CheckUpdatesInterval = interval;
        frame->SaveOptions();
        EXPECT_EQ(sim.Files().GetProfileString(File(), "ProgramOptions.Miscellaneous", "CheckUpdatesResCritErr", ""),
                  interval > 14 ? "1" : "0");
        Stop();
    }
}

TEST_F(OptionsTest, UnknownSectionsAndThePlacementSurviveASave) {
    Put(File(), "[FormFront]\r\nWindowState=2\r\nPanelSide.Width=300\r\n\r\n[Other]\r\nx=1\r\n");
    Start();
    frame->SaveOptions();
    std::string text = Get(File());
    EXPECT_TRUE(StartsWith(text, "[FormFront]\r\nWindowState=2\r\nPanelSide.Width=300\r\n\r\n[Other]\r\nx=1\r\n\r\n"));
    EXPECT_NE(text.find("[ProgramOptions.General]"), std::string::npos);
}

TEST_F(OptionsTest, TheProgramFolderIsStoredAsAMacro) {
    Start();
    O().OverrideStandardFontName = kApp + "fonts\\x.ttf";
    frame->SaveOptions();
    EXPECT_NE(Get(File()).find("OverrideStandardFontName=?($AppPath)?fonts\\x.ttf"), std::string::npos);
    Stop();
    // The installation moves: the value follows it.
    sim.SimSystem().ExePath = "D:\\Moved\\pivola.exe";
    Start();
    EXPECT_EQ(O().OverrideStandardFontName, "D:\\Moved\\fonts\\x.ttf");
}

TEST_F(OptionsTest, TheRunValueFollowsTheTrayOption) {
    Start();
    frame->SaveOptions();
    EXPECT_EQ(sim.Registry().ReadString(RegistryRoot::CurrentUser, kRunKey, "Vendrik-Pivola"), kApp + "pivola.exe");
    O().AlwaysShowInTray = false;
    frame->SaveOptions();
    EXPECT_FALSE(sim.SimReg().HasValue(RegistryRoot::CurrentUser, kRunKey, "Vendrik-Pivola"));
    O().AlwaysShowInTray = true;
    sim.SimSystem().ExePath = kApp + "renamed.exe";
    frame->SaveOptions();
    EXPECT_EQ(sim.Registry().ReadString(RegistryRoot::CurrentUser, kRunKey, "Vendrik-Pivola"), kApp + "pivola.exe");
}

TEST_F(OptionsTest, ARegistryThatRefusesTheRunValueStopsTheSaveBeforeTheFile) {
    Start();
    sim.SimReg().SetReadOnly(RegistryRoot::CurrentUser, kRunKey);
    EXPECT_THROW(frame->SaveOptions(), ERegistryException);
    EXPECT_FALSE(Exists(File()));
    O().AlwaysShowInTray = false;
    EXPECT_NO_THROW(frame->SaveOptions()) << "deleting fails silently";
    EXPECT_TRUE(Exists(File()));
}

TEST_F(OptionsTest, AFileThatCannotBeWrittenIsAnErrorAndKeepsTheOldFile) {
    Put(File(), "[ProgramOptions.General]\r\nLanguageCulture=de-de\r\n");
    Start();
    sim.SimFiles().SetReadOnly(kData + "config");
    EXPECT_THROW(frame->SaveOptions(), EFCreateError);
    EXPECT_EQ(Get(File()), "[ProgramOptions.General]\r\nLanguageCulture=de-de\r\n");
    sim.SimFiles().SetReadOnly(kData + "config", false);
}

TEST_F(OptionsTest, BinaryGarbageLoadsWithDefaultsAndIsRewrittenClean) {
    std::string junk;
    for (int i = 0; i < 3000; ++i) junk += static_cast<char>((i * 131 + 7) % 256);
    junk += "\r\n[Bad\x01Section]\r\nx=\x02\r\n";
    Put(File(), junk);
    Start();
    EXPECT_EQ(O().CheckUpdatesInterval, 60);
    frame->SaveOptions();
    std::string text = Get(File());
    EXPECT_TRUE(StartsWith(text, "[ProgramOptions.General]")) << text.substr(0, 80);
    for (unsigned char c : text) EXPECT_TRUE(c >= 0x20 || c == '\r' || c == '\n');
}

TEST_F(OptionsTest, ADuplicateStartRewritesTheFileUnchanged) {
    Put(File(), "[ProgramOptions.General]\r\nLanguageCulture=de-de\r\n");
    Start({"-exit"});
    Stop();
    EXPECT_NE(Get(File()).find("LanguageCulture=de-de"), std::string::npos);
}

TEST_F(OptionsTest, ApplyingSetsTheHotKeyAndTheMenuFont) {
    Start();
    app->Run();
    EXPECT_TRUE(Front()->JvApplicationHotKey->Registered());
    EXPECT_EQ(Front()->JvApplicationHotKey->HotKey(), 0x4000u + 'L');
    O().ProgramPopupShortCut = "";
    O().ApplyOptions();
    EXPECT_EQ(Front()->JvApplicationHotKey->HotKey(), 0u);
    EXPECT_FALSE(Front()->JvApplicationHotKey->Registered()) << "an empty shortcut leaves no hot key";
    O().ProgramPopupShortCut = "Ctrl+K";
    O().OverrideStandardFont = true;
    O().ApplyOptions();
    EXPECT_TRUE(sim.SimUI().PressHotKey('K', HotKeyModifier::Control));
}

}  // namespace
}  // namespace pv
