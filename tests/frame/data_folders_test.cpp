#include "frame/logging.h"
#include "tests/frame/frame_fixture.h"

namespace pv {
namespace {

const std::string kApp = "C:\\Program Files\\Pivola\\";
const std::string kDocs = "C:\\Users\\Tester\\Documents\\";
const std::string kPersonal = kDocs + "Vendrik\\Pivola\\";
const char* const kDataFolders[] = {"projects", "temp", "logs", "logs\\misc", "config", "reuse", "shortcuts"};

class DataFoldersTest : public testing::FrameTest {
protected:
    void Muc(const std::string& text) { Put(kApp + "muc.ini", text); }
    void ExpectDataFoldersBelow(const std::string& root) {
        for (const char* f : kDataFolders) EXPECT_TRUE(DirExists(root + f)) << root + f;
    }
};

TEST_F(DataFoldersTest, ByDefaultTheDataLivesInTheDocumentsFolderAndIsSeededOnce) {
    Put(kApp + "shortcuts\\shortcuts.txt", "^Folder|Games\r\n");
    Put(kApp + "shortcuts\\Games\\shortcuts.txt", "^NorSep|\r\n");
    Put(kApp + "config\\options.ini", "[ProgramOptions.General]\r\n");
    Put(kApp + "logs\\misc\\seed.log", "seed");
    Put(kApp + "projects\\p.txt", "p");
    Put(kApp + "reuse\\r.txt", "seed r");
    Put(kApp + "temp\\not-seeded.txt", "t");
    Put(kPersonal + "reuse\\r.txt", "user's own");

    Start({"-exit"});

    EXPECT_EQ(frame->UserDataPath, kPersonal);
    EXPECT_EQ(frame->DataAccessMode, "os");
    ExpectDataFoldersBelow(kPersonal);
    EXPECT_EQ(Get(kPersonal + "shortcuts\\shortcuts.txt"), "^Folder|Games\r\n");
    EXPECT_EQ(Get(kPersonal + "shortcuts\\Games\\shortcuts.txt"), "^NorSep|\r\n");
    EXPECT_EQ(Get(kPersonal + "config\\options.ini"), "[ProgramOptions.General]\r\n");
    EXPECT_EQ(Get(kPersonal + "logs\\misc\\seed.log"), "seed");
    EXPECT_EQ(Get(kPersonal + "projects\\p.txt"), "p");
    EXPECT_EQ(Get(kPersonal + "reuse\\r.txt"), "user's own") << "seeding never overwrites";
    EXPECT_FALSE(Exists(kPersonal + "temp\\not-seeded.txt"));
    EXPECT_FALSE(Exists(kApp + "muc.ini")) << "nothing to migrate writes nothing";
}

TEST_F(DataFoldersTest, DerivedPathsAndMacros) {
    Start({"-exit"});
    EXPECT_EQ(frame->AppPath, kApp);
    EXPECT_EQ(frame->TranslationFolder, kApp + "trans\\");
    EXPECT_EQ(frame->TipsFolder, kApp + "tips\\");
    EXPECT_EQ(frame->HelpFolder, kApp + "help\\");
    EXPECT_EQ(frame->ProjectsFolder, kPersonal + "projects\\");
    EXPECT_EQ(frame->TempFolder, kPersonal + "temp\\");
    EXPECT_EQ(frame->LogsFolder, kPersonal + "logs\\");
    EXPECT_EQ(frame->ConfigFolder, kPersonal + "config\\");
    EXPECT_EQ(frame->ReuseFolder, kPersonal + "reuse\\");
    EXPECT_EQ(frame->ShortcutsFolder, kPersonal + "shortcuts");
    EXPECT_EQ(frame->OptionsFile, kPersonal + "config\\options.ini");
    EXPECT_EQ(frame->vdLoggingProgram->LogFile(), kPersonal + "logs\\misc\\program.log");
    PathMacroList macros = {{"?($AppPath)?", kApp}, {"?L?", kApp}};
    EXPECT_EQ(frame->PathMacros, macros);
    EXPECT_TRUE(DirExists(kApp + "trans"));
    EXPECT_TRUE(DirExists(kApp + "tips"));
    EXPECT_FALSE(DirExists(kApp + "help")) << "the help folder is never created";
}

struct ModeCase {
    const char* name;
    const char* muc;  // nullptr: no muc.ini
    bool expectPersonal;
};

class DataAccessModeTest : public DataFoldersTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(DataAccessModeTest, ChoosesTheDataFolder) {
    if (GetParam().muc) Muc(GetParam().muc);
    Start({"-exit"});
    std::string root = GetParam().expectPersonal ? kPersonal : kApp;
    EXPECT_EQ(frame->UserDataPath, root);
    ExpectDataFoldersBelow(root);
    EXPECT_EQ(DirExists(kDocs + "Vendrik"), GetParam().expectPersonal);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, DataAccessModeTest,
    ::testing::Values(ModeCase{"NoFile", nullptr, true}, ModeCase{"Auto", "[Misc]\r\nDataAccess=auto\r\n", true},
                      ModeCase{"Os", "[Misc]\r\nDataAccess=os\r\n", true},
                      ModeCase{"App", "[Misc]\r\nDataAccess=app\r\n", false},
                      ModeCase{"AppInCapitalsWithBlank", "[misc]\r\nDataAccess=APP \r\n", false},
                      ModeCase{"OtherWordIsAuto", "[Misc]\r\nDataAccess=everywhere\r\n", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DataFoldersTest, AppModeSeedsNothing) {
    Muc("[Misc]\r\nDataAccess=app\r\n");
    Put(kApp + "reuse\\r.txt", "r");
    Start({"-exit"});
    EXPECT_EQ(frame->UserDataPath, kApp);
    EXPECT_EQ(Get(kApp + "reuse\\r.txt"), "r");
}

TEST_F(DataFoldersTest, AnExplicitDataFolderIsUsedWithoutTrailingBackslash) {
    sim.Files().ForceDirectories("D:\\PivolaData");
    Put(kApp + "shortcuts\\shortcuts.txt", "^NorSep|\r\n");
    Muc("[Misc]\r\nDataAccess=app\r\nDataUserPath=D:\\PivolaData\r\n");
    Start({"-exit"});
    EXPECT_EQ(frame->UserDataPath, "D:\\PivolaData\\");
    ExpectDataFoldersBelow("D:\\PivolaData\\");
    EXPECT_EQ(Get("D:\\PivolaData\\shortcuts\\shortcuts.txt"), "^NorSep|\r\n") << "seeded from the program folder";
}

TEST_F(DataFoldersTest, AnUnusableExplicitDataFolderIsIgnored) {
    for (const std::string& chosen : {std::string("D:\\Missing"), kApp}) {
        Muc("[Misc]\r\nDataAccess=app\r\nDataUserPath=" + chosen + "\r\n");
        Start({"-exit"});
        EXPECT_EQ(frame->UserDataPath, kApp) << chosen;
        Stop();
    }
    sim.Files().ForceDirectories("E:\\Locked");
    sim.SimFiles().SetReadOnly("E:\\Locked");
    Muc("[Misc]\r\nDataAccess=app\r\nDataUserPath=E:\\Locked\\\r\n");
    Start({"-exit"});
    EXPECT_EQ(frame->UserDataPath, kApp) << "a folder that cannot take projects\\";
}

TEST_F(DataFoldersTest, AReadOnlyProgramFolderSendsAppModeToTheDocumentsFolder) {
    Muc("[Misc]\r\nDataAccess=app\r\n");
    sim.SimFiles().SetReadOnly("C:\\Program Files\\Pivola");
    Start({"-exit"});
    EXPECT_EQ(frame->UserDataPath, kPersonal);
    EXPECT_EQ(frame->DataAccessMode, "os");
}

TEST_F(DataFoldersTest, WithoutADocumentsFolderTheDataStaysInTheProgramFolder) {
    sim.SimShellCalls().Personal = "";
    Start({"-exit"});
    EXPECT_EQ(frame->UserDataPath, kApp);
    ExpectDataFoldersBelow(kApp);
}

TEST_F(DataFoldersTest, ADocumentsFolderThatTakesNoFoldersCountsAsNone) {
    sim.SimFiles().SetReadOnly("C:\\Users\\Tester\\Documents");
    Start({"-exit"});
    EXPECT_EQ(frame->UserDataPath, kApp);
}

TEST_F(DataFoldersTest, OldWindowsKeepsTheDataInTheProgramFolder) {
    sim.SimSystem().Os = OsVersion{1, 4, 10, 2222, ""};  // Windows 98
    Start({"-exit"});
    EXPECT_EQ(frame->UserDataPath, kApp);
    Stop();
    sim.SimSystem().Os = OsVersion{1, 4, 90, 3000, ""};  // Windows ME
    Start({"-exit"});
    EXPECT_EQ(frame->UserDataPath, kPersonal);
}

TEST_F(DataFoldersTest, AnOldSettingsFileIsMigratedOnceAndDeleted) {
    Put(kApp + "glc.ini", "[Misc]\r\nDataAccess= User \r\n");
    Put(kApp + "options.ini", "[Misc]\r\nDataAccess=user\r\n");
    Start({"-exit"});
    EXPECT_FALSE(Exists(kApp + "glc.ini"));
    EXPECT_TRUE(Exists(kApp + "options.ini")) << "only one old file is read";
    EXPECT_EQ(sim.Files().GetProfileString(kApp + "muc.ini", "Misc", "DataAccess", ""), "os");
}

TEST_F(DataFoldersTest, AnOldSettingsFileForAllUsersIsDeletedWithoutAMucIni) {
    Put(kApp + "glc.ini", "[Misc]\r\nDataAccess=all\r\n");
    Start({"-exit"});
    EXPECT_FALSE(Exists(kApp + "glc.ini"));
    EXPECT_FALSE(Exists(kApp + "muc.ini"));
}

TEST_F(DataFoldersTest, AnOldOptionsFileInTheProgramFolderIsMigrated) {
    Put(kApp + "options.ini", "[Misc]\r\nDataAccess=user\r\n");
    Start({"-exit"});
    EXPECT_FALSE(Exists(kApp + "options.ini"));
    EXPECT_EQ(sim.Files().GetProfileString(kApp + "muc.ini", "misc", "DataAccess", ""), "os");
}

TEST_F(DataFoldersTest, AnExistingMucIniStopsTheMigration) {
    Muc("[Misc]\r\nDataAccess=os\r\n");
    Put(kApp + "glc.ini", "[Misc]\r\nDataAccess=user\r\n");
    Start({"-exit"});
    EXPECT_TRUE(Exists(kApp + "glc.ini"));
}

TEST_F(DataFoldersTest, TheEnglishTipsFileIsDeletedAtEveryStart) {
    Put(kApp + "tips\\english.txt", "old tips");
    Put(kApp + "tips\\other.txt", "kept");
    Start({"-exit"});
    EXPECT_FALSE(Exists(kApp + "tips\\english.txt"));
    EXPECT_TRUE(Exists(kApp + "tips\\other.txt"));
}

TEST_F(DataFoldersTest, ASeedFolderThatLoopsBackIsCopiedOnce) {
    Put(kApp + "reuse\\sub\\file.txt", "x");
    std::filesystem::create_directory_symlink(sim.SimFiles().HostPath(kApp + "reuse"),
                                              sim.SimFiles().HostPath(kApp + "reuse\\sub") / "loop");
    Start({"-exit"});
    EXPECT_EQ(Get(kPersonal + "reuse\\sub\\file.txt"), "x");
    EXPECT_TRUE(DirExists(kPersonal + "reuse\\sub\\loop"));
    EXPECT_FALSE(DirExists(kPersonal + "reuse\\sub\\loop\\sub\\loop"));
}

}  // namespace
}  // namespace pv
