#include "util/paths.h"

#include <gtest/gtest.h>

#include <string>

namespace pv {
namespace {

struct PartsCase {
    std::string Path;
    std::string FilePath, FileDir, FileName, FileExt, FileBase, Drive;
};
void PrintTo(const PartsCase& c, std::ostream* os) { *os << ::testing::PrintToString(c.Path); }

class PathParts : public ::testing::TestWithParam<PartsCase> {};

TEST_P(PathParts, SplitAsTheUserSeesThem) {
    const PartsCase& c = GetParam();
    EXPECT_EQ(ExtractFilePath(c.Path), c.FilePath);
    EXPECT_EQ(ExtractFileDir(c.Path), c.FileDir);
    EXPECT_EQ(ExtractFileName(c.Path), c.FileName);
    EXPECT_EQ(ExtractFileExt(c.Path), c.FileExt);
    EXPECT_EQ(ExtractFileBase(c.Path), c.FileBase);
    EXPECT_EQ(ExtractFileDrive(c.Path), c.Drive);
    EXPECT_EQ(HasDrivePart(c.Path), !c.Drive.empty());
    // The path is its folder part and its name, whatever the shape.
    EXPECT_EQ(ExtractFilePath(c.Path) + ExtractFileName(c.Path), c.Path);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PathParts,
    ::testing::Values(
        //         path                      FilePath            FileDir          Name        Ext      Base      Drive
        PartsCase{"C:\\Tools\\app.exe", "C:\\Tools\\", "C:\\Tools", "app.exe", ".exe", "app", "C:"},
        PartsCase{"C:\\app.exe", "C:\\", "C:\\", "app.exe", ".exe", "app", "C:"},
        PartsCase{"C:\\", "C:\\", "C:\\", "", "", "", "C:"},
        PartsCase{"C:", "C:", "C:", "", "", "", "C:"},
        PartsCase{"C:app.exe", "C:", "C:", "app.exe", ".exe", "app", "C:"},
        PartsCase{"d:\\a.b\\file", "d:\\a.b\\", "d:\\a.b", "file", "", "file", "d:"},
        PartsCase{"C:\\x\\archive.tar.gz", "C:\\x\\", "C:\\x", "archive.tar.gz", ".gz", "archive.tar", "C:"},
        PartsCase{"C:\\x\\name.", "C:\\x\\", "C:\\x", "name.", ".", "name", "C:"},
        PartsCase{"C:\\x\\", "C:\\x\\", "C:\\x", "", "", "", "C:"},
        PartsCase{"\\\\srv\\share\\x\\y.txt", "\\\\srv\\share\\x\\", "\\\\srv\\share\\x", "y.txt", ".txt", "y",
                  "\\\\srv\\share"},
        PartsCase{"\\\\srv\\share\\x", "\\\\srv\\share\\", "\\\\srv\\share", "x", "", "x", "\\\\srv\\share"},
        PartsCase{"\\\\srv\\share", "\\\\srv\\", "\\\\srv", "share", "", "share", "\\\\srv\\share"},
        PartsCase{"\\\\srv", "\\\\", "\\\\", "srv", "", "srv", ""},
        PartsCase{"\\\\srv\\", "\\\\srv\\", "\\\\srv", "", "", "", ""},  // a server without a share
        PartsCase{"\\\\\\share", "\\\\\\", "\\\\\\", "share", "", "share", ""},
        PartsCase{"\\\\srv\\\\x", "\\\\srv\\\\", "\\\\srv\\\\", "x", "", "x", ""},
        PartsCase{"\\x.ini", "\\", "\\", "x.ini", ".ini", "x", ""},
        PartsCase{"sub\\x.ini", "sub\\", "sub", "x.ini", ".ini", "x", ""},
        PartsCase{"x.ini", "", "", "x.ini", ".ini", "x", ""},
        PartsCase{".profile", "", "", ".profile", ".profile", "", ""},
        PartsCase{"1:\\x", "1:\\", "1:\\", "x", "", "x", ""},  // a digit is no drive letter
        PartsCase{"", "", "", "", "", "", ""}));

TEST(TrailingBackslash, IsAddedOrRemovedOnce) {
    EXPECT_EQ(IncludeTrailingBackslash("C:\\x"), "C:\\x\\");
    EXPECT_EQ(IncludeTrailingBackslash("C:\\x\\"), "C:\\x\\");
    EXPECT_EQ(IncludeTrailingBackslash(""), "\\");
    EXPECT_EQ(ExcludeTrailingBackslash("C:\\x\\"), "C:\\x");
    EXPECT_EQ(ExcludeTrailingBackslash("C:\\x"), "C:\\x");
    EXPECT_EQ(ExcludeTrailingBackslash("C:\\x\\\\"), "C:\\x\\");
    EXPECT_EQ(ExcludeTrailingBackslash(""), "");
}

TEST(ChangeFileExt, ReplacesOnlyTheNamesExtension) {
    EXPECT_EQ(ChangeFileExt("C:\\x\\list.txt", ".bak"), "C:\\x\\list.bak");
    EXPECT_EQ(ChangeFileExt("C:\\x.d\\list", ".ini"), "C:\\x.d\\list.ini");
    EXPECT_EQ(ChangeFileExt("a.tar.gz", ""), "a.tar");
    EXPECT_EQ(ChangeFileExt("", ".x"), ".x");
}

struct CanonicalCase {
    std::string Path, Expected;
};
void PrintTo(const CanonicalCase& c, std::ostream* os) { *os << ::testing::PrintToString(c.Path); }

class Canonicalize : public ::testing::TestWithParam<CanonicalCase> {};

TEST_P(Canonicalize, ResolvesDotSegments) { EXPECT_EQ(CanonicalizePath(GetParam().Path), GetParam().Expected); }

INSTANTIATE_TEST_SUITE_P(
    Cases, Canonicalize,
    ::testing::Values(CanonicalCase{"C:\\Prog\\..\\Tools\\a.exe", "C:\\Tools\\a.exe"},
                      CanonicalCase{"C:\\A\\B\\..\\..\\x", "C:\\x"}, CanonicalCase{".\\x.exe", "x.exe"},
                      CanonicalCase{"..\\x", "x"}, CanonicalCase{"..\\..\\x", "x"},
                      CanonicalCase{"a\\..\\x", "x"}, CanonicalCase{"a\\b\\..\\..\\..\\x", "x"},
                      CanonicalCase{"C:\\A\\.\\B\\.\\x", "C:\\A\\B\\x"}, CanonicalCase{".\\.\\x", "x"},
                      CanonicalCase{"C:\\A\\..\\.\\B\\x", "C:\\B\\x"},
                      // Dots that are part of a name are no segments.
                      CanonicalCase{"C:\\a..\\x", "C:\\a..\\x"}, CanonicalCase{"C:\\a.\\x", "C:\\a.\\x"},
                      CanonicalCase{"C:\\...\\x", "C:\\...\\x"}, CanonicalCase{"C:\\x\\file..", "C:\\x\\file.."},
                      CanonicalCase{"C:\\x\\..", "C:\\x\\.."},  // no backslash after it: no segment
                      CanonicalCase{"\\\\srv\\share\\a\\..\\x", "\\\\srv\\share\\x"},
                      CanonicalCase{"C:\\Tools\\a.exe", "C:\\Tools\\a.exe"}, CanonicalCase{"", ""}));

}  // namespace
}  // namespace pv
