#include "frame/path_macros.h"

#include <gtest/gtest.h>

namespace pv {
namespace {

const PathMacroList kMacros = {{"?($AppPath)?", "C:\\App\\"}, {"?L?", "C:\\App\\"}};

TEST(PathMacros, TheProgramFolderIsWrittenAsTheFirstMacroAndBothMacrosReadBack) {
    EXPECT_EQ(CompressPathMacros(kMacros, "a=C:\\App\\x.exe|C:\\App\\"), "a=?($AppPath)?x.exe|?($AppPath)?");
    EXPECT_EQ(ExpandPathMacros(kMacros, "?($AppPath)?x.exe ?L?y"), "C:\\App\\x.exe C:\\App\\y");
    EXPECT_EQ(CompressPathMacros(kMacros, "c:\\app\\x"), "c:\\app\\x") << "compared exactly, with case";
}

TEST(PathMacros, AMovedInstallationGetsItsNewFolder) {
    std::string stored = CompressPathMacros(kMacros, "Path=C:\\App\\tools\\t.exe");
    PathMacroList moved = {{"?($AppPath)?", "D:\\New Place\\"}, {"?L?", "D:\\New Place\\"}};
    EXPECT_EQ(ExpandPathMacros(moved, stored), "Path=D:\\New Place\\tools\\t.exe");
}

TEST(PathMacros, AddingAKnownMacroReplacesItsPath) {
    PathMacroList list = kMacros;
    AddPathMacro(list, "?L?", "E:\\");
    AddPathMacro(list, "?N?", "F:\\");
    EXPECT_EQ(list.size(), 3u);
    EXPECT_EQ(list[1].second, "E:\\");
}

TEST(PathMacros, DegenerateListsEndTheScan) {
    PathMacroList empty = {{"?($AppPath)?", ""}};
    EXPECT_EQ(CompressPathMacros(empty, "abc"), "abc");
    PathMacroList selfish = {{"?X?", "?X?y"}};
    std::string expanded = ExpandPathMacros(selfish, "a?X?");
    EXPECT_TRUE(expanded.starts_with("a?X?y"));
    EXPECT_LT(expanded.size(), 12u) << "a replacement that brings the macro back is not repeated without end";
}

}  // namespace
}  // namespace pv
