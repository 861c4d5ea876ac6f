#include "platform/file_tools.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/sim_test.h"
#include "util/encoding.h"
#include "util/exception.h"

namespace pv {
namespace {

namespace fs = std::filesystem;

class FileTools : public testing::SimTest {
protected:
    std::vector<std::string> Listing(const std::string& folder) {
        std::vector<std::string> out;
        for (const auto& e : ListRecursive(sim.Files(), folder)) out.push_back(e.RelativePath + (e.IsDirectory ? "\\" : ""));
        return out;
    }
    void Link(const std::string& link, const std::string& target) {
        fs::create_directory_symlink(sim.SimFiles().HostPath(target), sim.SimFiles().HostPath(link));
    }
};

using Lines = std::vector<std::string>;

TEST_F(FileTools, ListRecursiveGivesParentsBeforeTheirContents) {
    Put("C:\\Tree\\b.txt", "");
    Put("C:\\Tree\\A\\x.txt", "");
    Put("C:\\Tree\\A\\Deep\\y.txt", "");
    ASSERT_TRUE(sim.Files().ForceDirectories("C:\\Tree\\Empty"));
    const Lines expected{"A\\", "A\\Deep\\", "A\\Deep\\y.txt", "A\\x.txt", "b.txt", "Empty\\"};
    EXPECT_EQ(Listing("C:\\Tree"), expected);
    EXPECT_EQ(Listing("c:\\tree\\"), expected);
    EXPECT_TRUE(Listing("C:\\Missing").empty());
    EXPECT_TRUE(Listing("C:\\Tree\\b.txt").empty());
}

TEST_F(FileTools, ListRecursiveListsALoopingLinkButDoesNotEnterIt) {
    Put("C:\\Tree\\Sub\\f.txt", "");
    Link("C:\\Tree\\Sub\\Back", "C:\\Tree");
    EXPECT_EQ(Listing("C:\\Tree"), (Lines{"Sub\\", "Sub\\Back\\", "Sub\\f.txt"}));
}

TEST_F(FileTools, ListRecursiveEntersALinkToAFolderOutsideTheWalk) {
    Put("C:\\Shared\\s.txt", "");
    Put("C:\\Tree\\t.txt", "");
    Link("C:\\Tree\\One", "C:\\Shared");
    Link("C:\\Tree\\Two", "C:\\Shared");  // the same folder twice, side by side: no loop
    EXPECT_EQ(Listing("C:\\Tree"), (Lines{"One\\", "One\\s.txt", "t.txt", "Two\\", "Two\\s.txt"}));
}

TEST_F(FileTools, TextTheCodePageHoldsIsWrittenInTheCodePage) {
    WriteCodePageText(sim, "C:\\list.txt", "Größe €5\r\n");
    EXPECT_EQ(Get("C:\\list.txt"), "Gr\xF6\xDF" "e \x80" "5\r\n");
    EXPECT_EQ(ReadCodePageText(sim, "C:\\list.txt"), "Größe €5\r\n");
}

TEST_F(FileTools, TextTheCodePageCannotHoldIsWrittenAsUtf8AndReadBackUnchanged) {
    const std::string text = "Größe 中文 😀\r\n";
    WriteCodePageText(sim, "C:\\list.txt", text);
    EXPECT_EQ(Get("C:\\list.txt"), std::string(kUtf8Bom) + text);
    EXPECT_EQ(ReadCodePageText(sim, "C:\\list.txt"), text);
    EXPECT_EQ(EncodeCodePageText(sim, text), std::string(kUtf8Bom) + text);
}

TEST_F(FileTools, TextThatLooksLikeAByteOrderMarkInTheCodePageSurvives) {
    // "ï»¿" fits the code page, but its bytes are a UTF-8 byte order mark; written as they
    // are, the reader would take the file for UTF-8 and drop them.
    const std::string text = "ï»¿Item\r\n";
    WriteCodePageText(sim, "C:\\list.txt", text);
    EXPECT_EQ(ReadCodePageText(sim, "C:\\list.txt"), text);
    AppendCodePageText(sim, "C:\\log.txt", text);
    AppendCodePageText(sim, "C:\\log.txt", "more\r\n");
    EXPECT_EQ(ReadCodePageText(sim, "C:\\log.txt"), text + "more\r\n");
}

TEST_F(FileTools, DecodingTakesAByteOrderMarkAsUtf8AndRepairsBrokenBytes) {
    EXPECT_EQ(DecodeCodePageText(sim, "Gr\xF6\xDF" "e"), "Größe");
    EXPECT_EQ(DecodeCodePageText(sim, std::string(kUtf8Bom) + "Größe"), "Größe");
    EXPECT_EQ(DecodeCodePageText(sim, std::string(kUtf8Bom) + "a\xFF" "b"), "a\xEF\xBF\xBD" "b");
    EXPECT_EQ(DecodeCodePageText(sim, ""), "");
    EXPECT_THROW(ReadCodePageText(sim, "C:\\missing.txt"), EFOpenError);
}

TEST_F(FileTools, AppendingKeepsACodePageFileInTheCodePageWhileItCan) {
    AppendCodePageText(sim, "C:\\log.txt", "Größe\r\n");  // creates the file
    AppendCodePageText(sim, "C:\\log.txt", "€\r\n");
    EXPECT_EQ(Get("C:\\log.txt"), "Gr\xF6\xDF" "e\r\n\x80\r\n");
}

TEST_F(FileTools, AppendingTextTheCodePageCannotHoldConvertsTheFileOnceAndKeepsEarlierLines) {
    Put("C:\\log.txt", "Gr\xF6\xDF" "e\r\n\x80 1\r\n");
    AppendCodePageText(sim, "C:\\log.txt", "中文\r\n");
    EXPECT_EQ(Get("C:\\log.txt"), std::string(kUtf8Bom) + "Größe\r\n€ 1\r\n中文\r\n");
    // From now on the file is UTF-8: later lines are appended as such, without a second mark
    // and without converting again.
    AppendCodePageText(sim, "C:\\log.txt", "Größe 2\r\n");
    AppendCodePageText(sim, "C:\\log.txt", "😀\r\n");
    EXPECT_EQ(Get("C:\\log.txt"), std::string(kUtf8Bom) + "Größe\r\n€ 1\r\n中文\r\nGröße 2\r\n😀\r\n");
    EXPECT_EQ(ReadCodePageText(sim, "C:\\log.txt"), "Größe\r\n€ 1\r\n中文\r\nGröße 2\r\n😀\r\n");
}

TEST_F(FileTools, AppendingToAMissingFileTheCodePageCannotHoldStartsItAsUtf8) {
    AppendCodePageText(sim, "C:\\new.txt", "中文\r\n");
    EXPECT_EQ(Get("C:\\new.txt"), std::string(kUtf8Bom) + "中文\r\n");
}

TEST_F(FileTools, AppendingNeverDestroysAFileItCannotRead) {
    Put("C:\\log.txt", "old line\r\n");
    sim.SimFiles().SetUnreadable("C:\\log.txt");
    EXPECT_THROW(AppendCodePageText(sim, "C:\\log.txt", "中文\r\n"), EFOpenError);
    sim.SimFiles().SetUnreadable("C:\\log.txt", false);
    EXPECT_EQ(Get("C:\\log.txt"), "old line\r\n");
    EXPECT_THROW(AppendCodePageText(sim, "C:\\no\\log.txt", "x"), EFCreateError);
}

}  // namespace
}  // namespace pv
