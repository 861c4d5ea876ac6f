#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/sim/sim_platform.h"
#include "tests/support/sim_test.h"
#include "util/exception.h"

namespace pv {
namespace {

namespace fs = std::filesystem;

class SimFiles : public testing::SimTest {
protected:
    sim::SimFileSystem& files() { return sim.SimFiles(); }
    std::vector<std::string> Names(const std::string& folder) {
        std::vector<std::string> names;
        for (const auto& e : files().ListDir(folder)) names.push_back(e.Name + (e.IsDirectory ? "\\" : ""));
        return names;
    }
};

TEST_F(SimFiles, MapsDrivesAndSharesIntoTheSandbox) {
    Put("C:\\x\\y.txt", "drive");
    Put("\\\\srv\\share\\x\\y.txt", "share");
    Put("D:\\z.txt", "other drive");
    EXPECT_EQ(files().HostPath("C:\\x\\y.txt"), sim.Root() / "C" / "x" / "y.txt");
    EXPECT_EQ(files().HostPath("\\\\srv\\share\\x\\y.txt"), sim.Root() / "UNC" / "srv" / "share" / "x" / "y.txt");
    EXPECT_EQ(files().HostPath("c:/x/y.txt"), sim.Root() / "C" / "x" / "y.txt");
    EXPECT_TRUE(fs::is_regular_file(sim.Root() / "C" / "x" / "y.txt"));
    EXPECT_TRUE(fs::is_regular_file(sim.Root() / "UNC" / "srv" / "share" / "x" / "y.txt"));
    EXPECT_EQ(files().ReadAllBytes("\\\\SRV\\Share\\X\\Y.TXT"), "share");
    EXPECT_EQ(files().ReadAllBytes("d:\\Z.txt"), "other drive");
}

TEST_F(SimFiles, ResolvesExistingNamesWithoutRegardToCaseAndTrailingDotsOrBlanks) {
    Put("C:\\Program Files\\Tools\\App.exe", "MZ");
    EXPECT_TRUE(Exists("c:\\PROGRAM FILES\\tools\\app.EXE"));
    EXPECT_TRUE(Exists("C:\\Program Files \\Tools.\\App.exe. "));
    EXPECT_TRUE(DirExists("C:\\program files\\TOOLS\\"));
    EXPECT_EQ(files().HostPath("c:\\program files\\tools\\new.txt"),
              sim.Root() / "C" / "Program Files" / "Tools" / "new.txt");
    // A write through another spelling reaches the same file, not a second one.
    files().WriteAllBytes("C:\\PROGRAM FILES\\TOOLS\\APP.EXE", "new");
    files().WriteAllBytes("C:\\Program Files\\Tools\\Log.txt. ", "log");
    EXPECT_EQ(Names("C:\\Program Files\\Tools"), (std::vector<std::string>{"App.exe", "Log.txt"}));
    EXPECT_EQ(Get("C:\\Program Files\\Tools\\App.exe"), "new");
    EXPECT_TRUE(files().CreateDir("C:\\New. "));
    EXPECT_TRUE(fs::is_directory(sim.Root() / "C" / "New"));
    EXPECT_FALSE(files().CreateDir("C:\\NEW"));  // the same folder
}

struct AbsoluteCase {
    std::string Current, Path, Expected;
};
void PrintTo(const AbsoluteCase& c, std::ostream* os) {
    *os << ::testing::PrintToString(c.Path) << " in " << ::testing::PrintToString(c.Current);
}

class SimAbsolutePaths : public testing::SimTest, public ::testing::WithParamInterface<AbsoluteCase> {};

TEST_P(SimAbsolutePaths, ResolveAgainstTheCurrentFolder) {
    const auto& c = GetParam();
    ASSERT_TRUE(sim.Files().ForceDirectories(c.Current));
    ASSERT_TRUE(sim.Files().SetCurrentDir(c.Current));
    EXPECT_EQ(sim.SimFiles().Absolute(c.Path), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SimAbsolutePaths,
    ::testing::Values(AbsoluteCase{"C:\\Work", "list.txt", "C:\\Work\\list.txt"},
                      AbsoluteCase{"C:\\Work", ".\\sub\\.\\x", "C:\\Work\\sub\\x"},
                      AbsoluteCase{"C:\\Work\\Deep", "..\\x", "C:\\Work\\x"},
                      AbsoluteCase{"C:\\Work", "..\\..\\..\\x", "C:\\x"},  // never above the root
                      AbsoluteCase{"C:\\Work", "\\x", "C:\\x"}, AbsoluteCase{"D:\\Work", "\\x", "D:\\x"},
                      AbsoluteCase{"C:\\Work", "E:\\a\\..\\b\\", "E:\\b"}, AbsoluteCase{"C:\\Work", "e:", "E:\\"},
                      AbsoluteCase{"C:\\Work", "C:\\a\\\\b", "C:\\a\\b"}, AbsoluteCase{"C:\\Work", "", "C:\\Work"},
                      AbsoluteCase{"C:\\Work", "\\\\srv\\share\\a\\..\\..\\..\\x", "\\\\srv\\share\\x"},
                      AbsoluteCase{"\\\\srv\\share\\dir", "x.txt", "\\\\srv\\share\\dir\\x.txt"},
                      AbsoluteCase{"\\\\srv\\share\\dir", "..\\..\\x", "\\\\srv\\share\\x"},
                      // A rooted path on a share means the root of that share.
                      AbsoluteCase{"\\\\srv\\share\\dir", "\\x.txt", "\\\\srv\\share\\x.txt"}));

TEST_F(SimFiles, CurrentFolderChangesOnlyToAnExistingFolder) {
    EXPECT_EQ(sim.Files().GetCurrentDir(), "C:\\");
    Put("C:\\Work\\list.txt", "items");
    ASSERT_TRUE(sim.Files().SetCurrentDir("C:\\Work\\"));
    EXPECT_EQ(sim.Files().GetCurrentDir(), "C:\\Work");
    EXPECT_EQ(files().ReadAllBytes("list.txt"), "items");
    EXPECT_FALSE(sim.Files().SetCurrentDir("C:\\Missing"));
    EXPECT_FALSE(sim.Files().SetCurrentDir("C:\\Work\\list.txt"));
    EXPECT_EQ(sim.Files().GetCurrentDir(), "C:\\Work");
}

TEST_F(SimFiles, CreateDirMakesOneLevelAndForceDirectoriesAllOfThem) {
    EXPECT_FALSE(files().CreateDir("C:\\a\\b"));
    EXPECT_FALSE(DirExists("C:\\a"));
    EXPECT_TRUE(files().CreateDir("C:\\a"));
    EXPECT_FALSE(files().CreateDir("C:\\a"));  // already there
    EXPECT_TRUE(files().ForceDirectories("C:\\a\\b\\c\\d"));
    EXPECT_TRUE(DirExists("C:\\a\\b\\c\\d"));
    EXPECT_TRUE(files().ForceDirectories("C:\\A\\B"));  // already there
    EXPECT_TRUE(files().ForceDirectories("E:\\new\\deep"));
    EXPECT_TRUE(files().ForceDirectories("\\\\srv\\share\\x\\y"));
    EXPECT_TRUE(fs::is_directory(sim.Root() / "UNC" / "srv" / "share" / "x" / "y"));
    Put("C:\\file", "x");
    EXPECT_FALSE(files().ForceDirectories("C:\\file\\sub"));
    EXPECT_FALSE(files().CreateDir("C:\\file"));
    EXPECT_FALSE(files().CreateDir(""));
    EXPECT_FALSE(files().ForceDirectories(""));
}

TEST_F(SimFiles, CopyFileHonoursFailIfExists) {
    Put("C:\\src.txt", "new");
    Put("C:\\dst.txt", "old");
    EXPECT_FALSE(files().CopyFile("C:\\src.txt", "C:\\DST.txt", true));
    EXPECT_EQ(Get("C:\\dst.txt"), "old");
    EXPECT_TRUE(files().CopyFile("C:\\src.txt", "C:\\DST.txt", false));
    EXPECT_EQ(Get("C:\\dst.txt"), "new");
    EXPECT_TRUE(files().CopyFile("C:\\src.txt", "C:\\fresh.txt", true));
    EXPECT_EQ(Get("C:\\fresh.txt"), "new");
    EXPECT_EQ(Get("C:\\src.txt"), "new");

    ASSERT_TRUE(files().CreateDir("C:\\folder"));
    EXPECT_FALSE(files().CopyFile("C:\\missing.txt", "C:\\x.txt", false));
    EXPECT_FALSE(files().CopyFile("C:\\src.txt", "C:\\no\\such\\x.txt", false));
    EXPECT_FALSE(files().CopyFile("C:\\src.txt", "C:\\folder", false));
    EXPECT_FALSE(files().CopyFile("C:\\folder", "C:\\copy", false));
    EXPECT_FALSE(Exists("C:\\x.txt"));
}

TEST_F(SimFiles, MoveFileReplacesOnlyWhenAsked) {
    Put("C:\\a.txt", "a");
    Put("C:\\b.txt", "b");
    EXPECT_FALSE(files().MoveFile("C:\\a.txt", "C:\\B.TXT", false));
    EXPECT_EQ(Get("C:\\a.txt"), "a");
    EXPECT_EQ(Get("C:\\b.txt"), "b");
    EXPECT_TRUE(files().MoveFile("C:\\a.txt", "C:\\b.txt", true));
    EXPECT_FALSE(Exists("C:\\a.txt"));
    EXPECT_EQ(Get("C:\\b.txt"), "a");
    EXPECT_TRUE(files().MoveFile("C:\\b.txt", "C:\\c.txt", false));
    EXPECT_EQ(Get("C:\\c.txt"), "a");
    EXPECT_FALSE(files().MoveFile("C:\\missing", "C:\\d.txt", true));
    EXPECT_FALSE(files().MoveFile("C:\\c.txt", "C:\\no\\d.txt", true));
    ASSERT_TRUE(files().CreateDir("C:\\folder"));
    EXPECT_FALSE(files().MoveFile("C:\\c.txt", "C:\\folder", true));  // a folder is never replaced
    EXPECT_EQ(Get("C:\\c.txt"), "a");
}

TEST_F(SimFiles, DeleteFileAndRemoveDirTakeOnlyTheirKind) {
    Put("C:\\d\\f.txt", "x");
    EXPECT_FALSE(files().DeleteFile("C:\\d"));
    EXPECT_FALSE(files().RemoveDir("C:\\d\\f.txt"));
    EXPECT_FALSE(files().RemoveDir("C:\\d"));  // not empty
    EXPECT_TRUE(files().DeleteFile("C:\\D\\F.TXT"));
    EXPECT_FALSE(files().DeleteFile("C:\\d\\f.txt"));
    EXPECT_TRUE(files().RemoveDir("C:\\d"));
    EXPECT_FALSE(DirExists("C:\\d"));
}

TEST_F(SimFiles, ListDirGivesOneLevelSortedWithoutRegardToCase) {
    Put("C:\\L\\b.txt", "");
    Put("C:\\L\\A.txt", "");
    Put("C:\\L\\c\\deep.txt", "");
    Put("C:\\L\\Ä.txt", "");
    EXPECT_EQ(Names("c:\\l"), (std::vector<std::string>{"A.txt", "b.txt", "c\\", "Ä.txt"}));
    EXPECT_TRUE(files().ListDir("C:\\Missing").empty());
    EXPECT_TRUE(files().ListDir("C:\\L\\b.txt").empty());
}

TEST_F(SimFiles, ReadingAMissingOrUnreadableFileRaisesEFOpenError) {
    EXPECT_THROW(files().ReadAllBytes("C:\\missing.txt"), EFOpenError);
    ASSERT_TRUE(files().CreateDir("C:\\folder"));
    EXPECT_THROW(files().ReadAllBytes("C:\\folder"), EFOpenError);
    Put("C:\\locked.txt", "secret");
    files().SetUnreadable("c:\\LOCKED.txt");
    try {
        files().ReadAllBytes("C:\\locked.txt");
        ADD_FAILURE() << "no exception";
    } catch (const EFOpenError& e) {
        EXPECT_NE(e.Message().find("C:\\locked.txt"), std::string::npos) << e.Message();
    }
    EXPECT_TRUE(Exists("C:\\locked.txt"));
    EXPECT_EQ(files().ReadFileHead("C:\\locked.txt", 3), "");
    EXPECT_FALSE(files().CopyFile("C:\\locked.txt", "C:\\copy.txt", false));
    files().SetUnreadable("C:\\locked.txt", false);
    EXPECT_EQ(files().ReadAllBytes("C:\\locked.txt"), "secret");
    EXPECT_EQ(files().ReadFileHead("C:\\locked.txt", 3), "sec");
    EXPECT_EQ(files().ReadFileHead("C:\\locked.txt", 100), "secret");
}

TEST_F(SimFiles, WritingIntoAMissingFolderRaisesEFCreateError) {
    EXPECT_THROW(files().WriteAllBytes("C:\\no\\such\\x.txt", "x"), EFCreateError);
    EXPECT_THROW(files().AppendAllBytes("C:\\no\\such\\x.txt", "x"), EFCreateError);
    ASSERT_TRUE(files().CreateDir("C:\\folder"));
    EXPECT_THROW(files().WriteAllBytes("C:\\folder", "x"), EFCreateError);
    EXPECT_FALSE(DirExists("C:\\no"));
    files().WriteAllBytes("C:\\folder\\x.txt", "longer text");
    files().WriteAllBytes("C:\\folder\\x.txt", "short");  // truncates
    files().AppendAllBytes("C:\\folder\\x.txt", "+more");
    files().AppendAllBytes("C:\\folder\\new.txt", "created");
    EXPECT_EQ(Get("C:\\folder\\x.txt"), "short+more");
    EXPECT_EQ(Get("C:\\folder\\new.txt"), "created");
}

TEST_F(SimFiles, AnUnwritableFileRefusesWritesAndKeepsItsContent) {
    Put("C:\\w.txt", "kept");
    files().SetUnwritable("C:\\W.TXT");
    EXPECT_THROW(files().WriteAllBytes("C:\\w.txt", "x"), EWriteError);
    EXPECT_THROW(files().AppendAllBytes("C:\\w.txt", "x"), EWriteError);
    Put("C:\\other.txt", "other");
    EXPECT_FALSE(files().CopyFile("C:\\other.txt", "C:\\w.txt", false));
    EXPECT_EQ(Get("C:\\w.txt"), "kept");
    EXPECT_EQ(files().ReadAllBytes("C:\\w.txt"), "kept");
    files().SetUnwritable("C:\\w.txt", false);
    files().WriteAllBytes("C:\\w.txt", "x");
    EXPECT_EQ(Get("C:\\w.txt"), "x");
}

TEST_F(SimFiles, AReadOnlyFolderRefusesEveryWriteBelowIt) {
    Put("C:\\RO\\sub\\f.txt", "f");
    Put("C:\\RO\\empty\\.keep", "");
    Put("C:\\Outside\\o.txt", "o");
    Put("C:\\RO2\\s.txt", "sibling");
    ASSERT_TRUE(files().DeleteFile("C:\\RO\\empty\\.keep"));
    files().SetReadOnly("c:\\ro");
    EXPECT_FALSE(files().CreateDir("C:\\RO\\new"));
    EXPECT_FALSE(files().ForceDirectories("C:\\RO\\sub\\x\\y"));
    EXPECT_FALSE(files().CopyFile("C:\\Outside\\o.txt", "C:\\RO\\o.txt", false));
    EXPECT_FALSE(files().CopyFile("C:\\Outside\\o.txt", "C:\\RO\\sub\\f.txt", false));
    EXPECT_FALSE(files().MoveFile("C:\\Outside\\o.txt", "C:\\RO\\o.txt", false));
    EXPECT_FALSE(files().MoveFile("C:\\RO\\sub\\f.txt", "C:\\Outside\\f.txt", false));
    EXPECT_FALSE(files().DeleteFile("C:\\ro.\\SUB\\f.txt"));
    EXPECT_FALSE(files().RemoveDir("C:\\RO\\empty"));
    EXPECT_THROW(files().WriteAllBytes("C:\\RO\\sub\\f.txt", "x"), EFCreateError);
    EXPECT_THROW(files().WriteAllBytes("C:\\RO\\new.txt", "x"), EFCreateError);
    EXPECT_THROW(files().AppendAllBytes("C:\\RO\\sub\\f.txt", "x"), EFCreateError);
    EXPECT_FALSE(files().WriteProfileString("C:\\RO\\setup.ini", "S", "k", "v"));
    // Nothing changed; reading still works.
    EXPECT_EQ(files().ReadAllBytes("C:\\RO\\sub\\f.txt"), "f");
    EXPECT_EQ(Get("C:\\Outside\\o.txt"), "o");
    EXPECT_EQ(Names("C:\\RO"), (std::vector<std::string>{"empty\\", "sub\\"}));
    // A folder whose name only begins the same is not below it.
    files().WriteAllBytes("C:\\RO2\\s.txt", "written");
    EXPECT_EQ(Get("C:\\RO2\\s.txt"), "written");
    files().SetReadOnly("C:\\RO", false);
    EXPECT_TRUE(files().CreateDir("C:\\RO\\new"));
}

TEST_F(SimFiles, ARelativePathIsCheckedAgainstTheReadOnlyFolderItLandsIn) {
    ASSERT_TRUE(files().ForceDirectories("C:\\RO\\work"));
    files().SetReadOnly("C:\\RO");
    ASSERT_TRUE(files().SetCurrentDir("C:\\RO\\work"));
    EXPECT_THROW(files().WriteAllBytes("x.txt", "x"), EFCreateError);
    ASSERT_TRUE(files().ForceDirectories("C:\\Free"));
    files().WriteAllBytes("..\\..\\Free\\x.txt", "x");
    EXPECT_EQ(Get("C:\\Free\\x.txt"), "x");
}

struct ProfileCase {
    std::string Section, Key, Expected;
};
void PrintTo(const ProfileCase& c, std::ostream* os) { *os << c.Section << "/" << c.Key; }

class SimProfileRead : public testing::SimTest, public ::testing::WithParamInterface<ProfileCase> {};

TEST_P(SimProfileRead, FindsTheValueAsTheSystemDoes) {
    Put("C:\\setup.ini",
        "Top=before any section\r\n"
        "[Setup]\r\n"
        "Plain=value\r\n"
        "  Padded  =   spaced out   \r\n"
        "Quoted=\"  keep inner blanks  \"\r\n"
        "Single='single'\r\n"
        "Twice=\"\"x\"\"\r\n"
        "Mismatch=\"open'\r\n"
        "Lone=\"\r\n"
        "Empty=\r\n"
        ";Commented=yes\r\n"
        "Dup=first\r\n"
        "Dup=second\r\n"
        "Path=C:\\x=y\r\n"
        "Latin=Gr\xF6\xDF" "e\r\n"
        "[ Other ]\r\n"
        "Plain=other\r\n");
    const auto& c = GetParam();
    EXPECT_EQ(sim.Files().GetProfileString("c:\\SETUP.INI", c.Section, c.Key, "<default>"), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SimProfileRead,
    ::testing::Values(ProfileCase{"Setup", "Plain", "value"}, ProfileCase{"SETUP", "plain", "value"},
                      ProfileCase{"Setup", "Padded", "spaced out"},
                      ProfileCase{"Setup", "Quoted", "  keep inner blanks  "},
                      ProfileCase{"Setup", "Single", "single"}, ProfileCase{"Setup", "Twice", "\"x\""},
                      ProfileCase{"Setup", "Mismatch", "\"open'"}, ProfileCase{"Setup", "Lone", "\""},
                      ProfileCase{"Setup", "Empty", ""}, ProfileCase{"Setup", "Dup", "first"},
                      ProfileCase{"Setup", "Path", "C:\\x=y"}, ProfileCase{"Setup", "Latin", "Größe"},
                      ProfileCase{"Other", "Plain", "other"}, ProfileCase{"Setup", "Commented", "<default>"},
                      ProfileCase{"Setup", "Top", "<default>"}, ProfileCase{"Setup", "Missing", "<default>"},
                      ProfileCase{"Missing", "Plain", "<default>"}));

TEST_F(SimFiles, ProfileReadOfAMissingOrUnreadableFileGivesTheDefault) {
    EXPECT_EQ(sim.Files().GetProfileString("C:\\missing.ini", "S", "k", "def"), "def");
    Put("C:\\locked.ini", "[S]\r\nk=v\r\n");
    files().SetUnreadable("C:\\locked.ini");
    EXPECT_EQ(sim.Files().GetProfileString("C:\\locked.ini", "S", "k", "def"), "def");
}

TEST_F(SimFiles, ProfileWriteChangesOnlyTheOneLine) {
    const std::string before =
        "; settings\r\n"
        "[First]\r\n"
        "Key=old\r\n"
        "Other = untouched  \r\n"
        "\r\n"
        "[Second]\r\n"
        "Key=second\r\n";
    Put("C:\\s.ini", before);
    ASSERT_TRUE(sim.Files().WriteProfileString("C:\\s.ini", "first", "KEY", "new"));
    EXPECT_EQ(Get("C:\\s.ini"),
              "; settings\r\n[First]\r\nKEY=new\r\nOther = untouched  \r\n\r\n[Second]\r\nKey=second\r\n");
    EXPECT_EQ(sim.Files().GetProfileString("C:\\s.ini", "Second", "Key", ""), "second");
}

TEST_F(SimFiles, ProfileWriteAppendsAKeyToItsSectionOrANewSection) {
    Put("C:\\s.ini", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
    ASSERT_TRUE(sim.Files().WriteProfileString("C:\\s.ini", "A", "z", "3"));
    ASSERT_TRUE(sim.Files().WriteProfileString("C:\\s.ini", "New", "k", "v"));
    EXPECT_EQ(Get("C:\\s.ini"), "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n[New]\r\nk=v\r\n");
    ASSERT_TRUE(sim.Files().WriteProfileString("C:\\fresh.ini", "S", "k", "Größe"));
    EXPECT_EQ(Get("C:\\fresh.ini"), "[S]\r\nk=Gr\xF6\xDF" "e\r\n");
    EXPECT_EQ(sim.Files().GetProfileString("C:\\fresh.ini", "S", "k", ""), "Größe");
    EXPECT_FALSE(sim.Files().WriteProfileString("C:\\no\\such.ini", "S", "k", "v"));
}

TEST_F(SimFiles, ProfileWriteKeepsTheBytesOfOtherLinesItCannotRead) {
    // Another program saved this file as UTF-8; the Cyrillic "с" is D1 81 and the closing
    // quote E2 80 9D. Both hold bytes Windows-1252 leaves unassigned; writing one key must
    // not turn them into "?".
    const std::string utf8Line = "Title=\xD1\x81\xD0\xB0\xD0\xB9\xD1\x82 \xE2\x80\x9Cx\xE2\x80\x9D";
    Put("C:\\u.ini", "[S]\r\n" + utf8Line + "\r\nk=old\r\n");
    ASSERT_TRUE(sim.Files().WriteProfileString("C:\\u.ini", "S", "k", "new"));
    EXPECT_EQ(Get("C:\\u.ini"), "[S]\r\n" + utf8Line + "\r\nk=new\r\n");
}

TEST_F(SimFiles, PutAndGetBypassTheRules) {
    ASSERT_TRUE(files().CreateDir("C:\\RO"));
    files().SetReadOnly("C:\\RO");
    Put("C:\\RO\\deep\\fixture.txt", "fixture");
    EXPECT_EQ(Get("C:\\RO\\deep\\fixture.txt"), "fixture");
    EXPECT_EQ(Get("C:\\missing.txt"), "");
}

}  // namespace
}  // namespace pv
