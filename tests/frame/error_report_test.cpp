#include <thread>

#include "frame/logging.h"
#include "tests/frame/frame_fixture.h"

namespace pv {
namespace {

using testing::FrameTest;

class ErrorReportTest : public FrameTest {
protected:
    void SetUp() override {
        Start();
        app->Run();
    }
    std::string Log() { return Get(frame->vdLoggingProgram->LogFile()); }
};

TEST_F(ErrorReportTest, YesOpensTheSupportPageWithClassAndMessage) {
    sim.SimUI().ExpectMessageDialog("", ModalResult::Yes);
    frame->ReportError(Main(), EFOpenError("Where is the file?"));
    ASSERT_EQ(sim.SimUI().Dialogs.size(), 1u);
    const auto& d = sim.SimUI().Dialogs[0];
    EXPECT_EQ(d.Text, "Error occured: \"Where is the file?\"\r\n\r\nOpen browser to view more information?");
    EXPECT_EQ(d.Kind, MsgDlgType::Error);
    ASSERT_EQ(d.Buttons.size(), 2u);
    EXPECT_EQ(d.Buttons[0].Result, ModalResult::Yes);
    EXPECT_EQ(d.Buttons[1].Result, ModalResult::No);
    ASSERT_EQ(sim.SimShellCalls().Calls.size(), 1u);
    const auto& call = sim.SimShellCalls().Calls[0];
    EXPECT_EQ(call.Verb, "open");
    EXPECT_EQ(call.ShowCmd, ShowCmd::Normal);
    EXPECT_EQ(call.File, SupportAddress("EFOpenError", "Where is the file?"));
    EXPECT_NE(call.File.find("/home/support.php?pn=Pivola&pv=1.7.9&ec=EFOpenError&em=Where is the file[Question]"),
              std::string::npos);
    EXPECT_NE(Log().find("Sender Name: TestMainForm"), std::string::npos);
}

TEST_F(ErrorReportTest, TheAddressCarriesTheMessageOnOneLine) {
    EXPECT_TRUE(SupportAddress("E", "a\r\nb & c  d").ends_with("&ec=E&em=a b [And] c d"));
    EXPECT_TRUE(SupportAddress("E", "").ends_with("&em="));
}

TEST_F(ErrorReportTest, AnEmptyMessageShowsOnlyTheQuestion) {
    sim.SimUI().ExpectMessageDialog("", ModalResult::No);
    frame->ReportError(nullptr, EInOutError(""));
    EXPECT_EQ(sim.SimUI().Dialogs[0].Text, "Error occured\r\n\r\nOpen browser to view more information?");
}

TEST_F(ErrorReportTest, NoWritesTheLogBlockAndNothingElse) {
    sim.SimUI().ExpectMessageDialog("", ModalResult::No);
    frame->ReportError(nullptr, EInOutError("x"));
    EXPECT_TRUE(sim.SimShellCalls().Calls.empty());
    EXPECT_NE(Log().find("--Exception--"), std::string::npos);
}

TEST_F(ErrorReportTest, AnErrorOnAnotherThreadIsLoggedButNotShown) {
    std::thread worker([&] { frame->ReportError(nullptr, EInOutError("from a worker")); });
    worker.join();
    EXPECT_TRUE(sim.SimUI().Dialogs.empty());
    EXPECT_NE(Log().find("Exception Message: from a worker"), std::string::npos);
}

TEST_F(ErrorReportTest, ABrowserThatFailsIsNotASecondError) {
    sim.SimUI().ExpectMessageDialog("", ModalResult::Yes);
    sim.SimShellCalls().ExecuteResult = 2;
    frame->ReportError(nullptr, EInOutError("x"));
    EXPECT_EQ(sim.SimUI().Dialogs.size(), 1u);
}

}  // namespace
}  // namespace pv
