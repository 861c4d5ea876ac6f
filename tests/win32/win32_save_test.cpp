// What a save needs of the real system: the shell empties the old store into the recycle
// bin without asking, and the chime is only played when its file exists.
#include "platform/win32/win32_common.h"

#include <gtest/gtest.h>

#include "platform/file_tools.h"
#include "tests/win32/win32_fixture.h"

namespace pv {
namespace {

using Win32Save = testing::Win32FolderTest;

TEST_F(Win32Save, TheShellEmptiesAFolderIntoTheRecycleBinAndKeepsTheFolder) {
    IFileSystem& files = platform->Files();
    std::string store = root + "shortcuts";
    ASSERT_TRUE(files.ForceDirectories(store + "\\Games\\Deep"));
    files.WriteAllBytes(store + "\\shortcuts.txt", "^Folder|Games\r\n");
    files.WriteAllBytes(store + "\\tool.bmp", "BM");
    files.WriteAllBytes(store + "\\Games\\Deep\\shortcuts.txt", "^NorSep|\r\n");
    EXPECT_TRUE(platform->Shell().RecycleFolderContents(store));
    EXPECT_TRUE(files.DirectoryExists(store));
    EXPECT_TRUE(ListRecursive(files, store).empty());
    EXPECT_TRUE(platform->Shell().RecycleFolderContents(store)) << "an empty folder is no failure";
}

TEST_F(Win32Save, AFolderTreeIsCopiedAndComparedByteForByte) {
    IFileSystem& files = platform->Files();
    ASSERT_TRUE(files.ForceDirectories(root + "a\\Empty"));
    files.WriteAllBytes(root + "a\\x.txt", "one");
    ASSERT_TRUE(CopyFolderTree(files, root + "a", root + "b"));
    EXPECT_TRUE(SameFolderTree(files, root + "a", root + "b"));
    files.WriteAllBytes(root + "b\\x.txt", "two");
    EXPECT_FALSE(SameFolderTree(files, root + "a", root + "b"));
}

TEST_F(Win32Save, NoSoundIsPlayedForAFileThatDoesNotExist) {
    EXPECT_FALSE(platform->Sound().PlayFileAsync(root + "missing.wav"));
}

}  // namespace
}  // namespace pv
