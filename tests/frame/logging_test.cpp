#include "frame/logging.h"

#include <thread>

#include "controls/application.h"
#include "tests/support/sim_test.h"
#include "util/exception.h"
#include "util/strings.h"

namespace pv {
namespace {

class LoggingTest : public testing::SimTest {
protected:
    LoggingTest() : app(sim) {
        log = TComponent::Create<TvdLogging>(&app);
        log->SetName("vdLoggingProgram");
        sim.Files().ForceDirectories("C:\\Data\\logs\\misc");
        log->SetLogFile(kLog);
    }
    std::vector<std::string> Lines() { return SplitLines(Get(kLog)); }
    const std::string kLog = "C:\\Data\\logs\\misc\\program.log";
    TApplication app;
    TvdLogging* log = nullptr;
};

TEST_F(LoggingTest, EachKindOfEntryWritesItsBlock) {
    EFOpenError error("Cannot open file \"x\"");
    TComponent sender(&app);
    sender.SetName("FormFront");
    log->WriteEntry(nullptr, nullptr, "", "");
    log->WriteEntry(&sender, nullptr, "Maintain_SaveNodesFrom", "C:\\x\\shortcuts.txt");
    log->WriteEntry(nullptr, &error, "", "");
    log->WriteEntry(&sender, &error, "ID1", "both");

    std::vector<std::string> expected = {
        "--Info--",
        "DateTime (ISO): 2026-12-10 10:00:00",
        "DateTime (native): 12/10/2026 10:00:00 AM",
        "Current Work Directory: C:\\",
        "",
        "--Message--",
        "DateTime (ISO): 2026-12-10 10:00:00",
        "DateTime (native): 12/10/2026 10:00:00 AM",
        "Sender Class Name: TComponent",
        "Sender Name: FormFront",
        "Current Work Directory: C:\\",
        "ID: Maintain_SaveNodesFrom",
        "Message: C:\\x\\shortcuts.txt",
        "",
        "--Exception--",
        "DateTime (ISO): 2026-12-10 10:00:00",
        "DateTime (native): 12/10/2026 10:00:00 AM",
        "Current Work Directory: C:\\",
        "Exception Class Name: EFOpenError",
        "Exception Message: Cannot open file \"x\"",
        "",
        "--Combined--",
        "DateTime (ISO): 2026-12-10 10:00:00",
        "DateTime (native): 12/10/2026 10:00:00 AM",
        "Sender Class Name: TComponent",
        "Sender Name: FormFront",
        "Current Work Directory: C:\\",
        "ID: ID1",
        "Message: both",
        "Exception Class Name: EFOpenError",
        "Exception Message: Cannot open file \"x\"",
        "",
    };
    EXPECT_EQ(Lines(), expected);
    EXPECT_TRUE(EndsWith(Get(kLog), "\"\r\n\r\n")) << "CR LF line ends";
    EXPECT_TRUE(log->LogStrings().empty());
}

TEST_F(LoggingTest, EntriesAreAddedToTheExistingFile) {
    Put(kLog, "earlier line\r\n");
    log->WriteEntry(nullptr, nullptr, "", "one");
    sim.Advance(1000);
    log->WriteEntry(nullptr, nullptr, "", "two");
    auto lines = Lines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "earlier line");
    EXPECT_EQ(lines[1], "--Message--");
    EXPECT_NE(Get(kLog).find("DateTime (ISO): 2026-12-10 10:00:01"), std::string::npos);
}

TEST_F(LoggingTest, ABlockStartsOnALineOfItsOwnAfterALastLineWithoutItsEnd) {
    struct Case {
        std::string before;
        std::string start;  // what the file starts with after the entry
    } cases[] = {
        {"cut off here", "cut off here\r\n--Message--\r\n"},
        {"ends in CR LF\r\n", "ends in CR LF\r\n--Message--\r\n"},
        {"", "--Message--\r\n"},
        {"\xEF\xBB\xBF" "cut off \xC3\xBC", "\xEF\xBB\xBF" "cut off \xC3\xBC\r\n--Message--\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        Put(kLog, c.before);
        log->WriteEntry(nullptr, nullptr, "", "one");
        EXPECT_EQ(Get(kLog).substr(0, c.start.size()), c.start);
    }
}

TEST_F(LoggingTest, ADeletedLogIsRecreatedWithOnlyTheNewEntry) {
    log->WriteEntry(nullptr, nullptr, "", "first");
    sim.Files().DeleteFile(kLog);
    log->WriteEntry(nullptr, nullptr, "", "second");
    std::string text = Get(kLog);
    EXPECT_EQ(text.find("first"), std::string::npos);
    EXPECT_NE(text.find("Message: second"), std::string::npos);
}

TEST_F(LoggingTest, AFailedWriteLosesNoEntry) {
    log->WriteEntry(nullptr, nullptr, "", "kept before");
    sim.SimFiles().SetUnwritable(kLog);
    log->WriteEntry(nullptr, nullptr, "", "while locked");
    EXPECT_EQ(Get(kLog).find("while locked"), std::string::npos);
    EXPECT_FALSE(log->LogStrings().empty()) << "the entry waits for the next write";
    sim.SimFiles().SetUnwritable(kLog, false);
    log->WriteEntry(nullptr, nullptr, "", "after");
    std::string text = Get(kLog);
    size_t a = text.find("kept before"), b = text.find("while locked"), c = text.find("Message: after");
    ASSERT_NE(a, std::string::npos);
    ASSERT_NE(b, std::string::npos);
    ASSERT_NE(c, std::string::npos);
    EXPECT_LT(a, b);
    EXPECT_LT(b, c);
}

TEST_F(LoggingTest, WithoutAFileNameEntriesStayPending) {
    log->SetLogFile("");
    log->WriteEntry(nullptr, nullptr, "", "pending");
    EXPECT_FALSE(Exists(kLog));
    EXPECT_EQ(log->LogStrings().front(), "--Message--");
    log->SetLogFile(kLog);
    log->FlushLog();
    EXPECT_NE(Get(kLog).find("Message: pending"), std::string::npos);
}

TEST_F(LoggingTest, NonCumulativeLogReplacesTheFile) {
    Put(kLog, "old\r\n");
    log->WriteLogCumulative = false;
    log->WriteEntry(nullptr, nullptr, "", "new");
    EXPECT_EQ(Get(kLog).find("old"), std::string::npos);
}

TEST_F(LoggingTest, AMessageTheCodePageCannotHoldIsKept) {
    log->WriteEntry(nullptr, nullptr, "", "plain");
    log->WriteEntry(nullptr, nullptr, "", "\xE6\x97\xA5\xE6\x9C\xAC");  // Japanese
    std::string text = Get(kLog);
    EXPECT_TRUE(StartsWith(text, "\xEF\xBB\xBF")) << "the log became UTF-8 once";
    EXPECT_NE(text.find("Message: plain"), std::string::npos);
    EXPECT_NE(text.find("Message: \xE6\x97\xA5\xE6\x9C\xAC"), std::string::npos);
}

TEST_F(LoggingTest, EntriesFromTwoThreadsNeverInterleave) {
    auto writer = [&](const std::string& tag) {
        for (int i = 0; i < 40; ++i) log->WriteEntry(nullptr, nullptr, tag, tag);
    };
    std::thread a(writer, "A"), b(writer, "B");
    a.join();
    b.join();
    auto lines = Lines();
    // Each block is exactly: kind, two dates, work directory, ID, message, empty line.
    ASSERT_EQ(lines.size(), 80u * 7);
    for (size_t i = 0; i < lines.size(); i += 7) {
        EXPECT_EQ(lines[i], "--Message--");
        ASSERT_TRUE(StartsWith(lines[i + 4], "ID: "));
        std::string tag = lines[i + 4].substr(4);
        EXPECT_EQ(lines[i + 5], "Message: " + tag);
        EXPECT_EQ(lines[i + 6], "");
    }
}

}  // namespace
}  // namespace pv
