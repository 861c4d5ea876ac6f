#include "controls/dialogs.h"
#include "frame/logging.h"
#include "frame/shared_options.h"
#include "tests/frame/frame_fixture.h"
#include "platform/sim/sim_form.h"
#include "util/strings.h"

namespace pv {
namespace {

using testing::FrameTest;
using testing::TestMainForm;

TEST_F(FrameTest, StartWithoutParametersLeavesOnlyAHiddenMainWindow) {
    Start();
    ASSERT_NE(Main(), nullptr);
    EXPECT_EQ(app->MainForm(), Main());
    EXPECT_TRUE(Main()->IsMainForm);
    EXPECT_EQ(FrameInstance, frame);
    EXPECT_FALSE(Main()->Visible());
    EXPECT_EQ(Main()->Refreshes, 1) << "prepared for showing once";
    for (auto* f : sim.SimUI().Forms()) EXPECT_FALSE(f->Visible) << f->Params.ClassName;
    EXPECT_EQ(sim.SimUI().AppTitle, "Pivola");
    EXPECT_TRUE(sim.SimUI().GhostingDisabled);
    EXPECT_FALSE(app->ShowMainForm);
    EXPECT_EQ(app->HintHidePause, 7500);

    // The deferred start waits for the loop.
    EXPECT_EQ(Main()->DeferredStarts, 0);
    app->Run();
    EXPECT_EQ(Main()->DeferredStarts, 1);
    EXPECT_FALSE(app->Terminated());
}

TEST_F(FrameTest, TheCommandLineWordsNeedOneLeadingHyphen) {
    struct Case {
        std::vector<std::string> params;
        bool hide, exit;
    } cases[] = {
        {{"-hide"}, true, false},   {{"-HIDE"}, true, false},     {{" -Exit "}, false, true},
        {{"--hide"}, false, false}, {{"/hide"}, false, false},    {{"hide"}, false, false},
        {{"-exit", "-hide"}, true, true}, {{"-other", "exit"}, false, false}, {{"-"}, false, false},
    };
    for (const auto& c : cases) {
        Start(c.params);
        EXPECT_EQ(frame->HideRequested, c.hide) << Join(c.params, " ");
        EXPECT_EQ(frame->ExitRequested, c.exit) << Join(c.params, " ");
        app->Run();
        EXPECT_EQ(app->Terminated(), c.hide || c.exit) << Join(c.params, " ");
        Stop();
    }
}

TEST_F(FrameTest, ExitEndsRightAfterTheDeferredStart) {
    Start({"-exit"});
    EXPECT_FALSE(app->Terminated());
    app->Run();
    EXPECT_TRUE(app->Terminated());
    EXPECT_EQ(Main()->DeferredStarts, 1) << "the main window's deferred start ran first";
}

TEST_F(FrameTest, TheUpdateCheckOpensWhenTheIntervalHasPassed) {
    struct Case {
        int interval;
        double daysAgo;
        bool critErr;
        bool opens;
    } cases[] = {
        {60, 61, false, true}, {60, 59, false, false}, {0, 0, false, true},
        {0, 0, true, false},   {-1, 9999, false, false},
    };
    for (const auto& c : cases) {
        Start();
        frame->Options->CheckUpdatesInterval = c.interval;
        frame->Options->CheckUpdatesLast = sim.Clock().Now() - c.daysAgo;
        frame->Options->CheckUpdatesCritErrRes = c.critErr;
        app->Run();
        EXPECT_EQ(frame->UpdatesSlot != nullptr, c.opens) << c.interval << " " << c.daysAgo << " " << c.critErr;
        if (frame->UpdatesSlot) {
            EXPECT_TRUE(frame->UpdatesSlot->Visible());
        }
        Stop();
    }
}

TEST_F(FrameTest, ShowingAnOpenWindowAgainDoesNothing) {
    Start();
    frame->ShowAbout();
    TForm* about = frame->AboutSlot;
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->Visible());
    about->Hide();
    frame->ShowAbout();
    EXPECT_EQ(frame->AboutSlot, about);
    EXPECT_FALSE(about->Visible()) << "an existing window is neither shown nor brought to the front";
}

TEST_F(FrameTest, ClosingASecondaryWindowEmptiesItsSlot) {
    Start();
    frame->ShowAbout();
    frame->AboutSlot->Close();
    app->ProcessMessages();
    EXPECT_EQ(frame->AboutSlot, nullptr);
}

TEST_F(FrameTest, DestroyingTheMainWindowClosesTheSecondaryWindows) {
    Start();
    frame->ShowAbout();
    frame->ShowCheckUpdates();
    frame->ShowForm(&frame->ExtraSlot, frame->AboutFormClass, nullptr, true, false);
    ASSERT_NE(frame->ExtraSlot, nullptr);
    TComponent::Free(Main());
    EXPECT_TRUE(frame->MainFormClosing);
    EXPECT_EQ(frame->MainSlot, nullptr);
    EXPECT_EQ(frame->AboutSlot, nullptr);
    EXPECT_EQ(frame->UpdatesSlot, nullptr);
    EXPECT_EQ(frame->ExtraSlot, nullptr);
    EXPECT_EQ(app->MainForm(), nullptr);
}

TEST_F(FrameTest, ShutdownDestroysTheWindowsBeforeTheFrame) {
    Start();
    app->Run();
    bool frameAliveWhenMainWentAway = false;
    Main()->OnDestroy = [&](TComponent*) { frameAliveWhenMainWentAway = FrameInstance == frame; };
    Stop();
    EXPECT_TRUE(frameAliveWhenMainWentAway);
    EXPECT_EQ(FrameInstance, nullptr);
}

TEST_F(FrameTest, AFailureDuringStartUpIsReportedAndNoWindowIsCreated) {
    sim.SimUI().ExpectMessageDialog("start failed", ModalResult::No);
    sim.SimSystem().Params = {};
    app = std::make_unique<TApplication>(sim);
    // The failing step is reached before the main window exists.
    struct FailingFrame : testing::TestFrame {
        explicit FailingFrame(TComponent* o) : TestFrame(o) { FailInStartFrame = true; }
    };
    auto* failing = TComponent::Create<FailingFrame>(app.get());
    EXPECT_EQ(failing->MainSlot, nullptr);
    EXPECT_EQ(sim.SimLoop().Pending(), 0u) << "the deferred start is not scheduled";
    app->Run();  // no main window: the loop does not run
    std::string log = Get(failing->vdLoggingProgram->LogFile());
    EXPECT_NE(log.find("Exception Class Name: EFOpenError"), std::string::npos);
}

TEST_F(FrameTest, AWindowOfTheBaseNeedsTheFrame) {
    TApplication bare(sim);
    EXPECT_THROW(TComponent::Create<testing::TestSecondaryForm>(&bare), EvdPointerRefNotAssigned);
}

TEST_F(FrameTest, AnExceptionInAnEventHandlerReachesTheReport) {
    Start();
    app->Run();
    sim.SimUI().ExpectMessageDialog("boom", ModalResult::No);
    app->QueueCall([] { throw EInOutError("boom"); });
    app->ProcessMessages();
    ASSERT_EQ(sim.SimUI().Dialogs.size(), 1u);
    EXPECT_EQ(sim.SimUI().Dialogs[0].Kind, MsgDlgType::Error);
}

TEST_F(FrameTest, ThePlacementIsRestoredBeforeShowingAndStoredAtTheEnd) {
    Start();
    std::string file = frame->OptionsFile;
    Stop();
    Put(file, "[TestMainForm]\r\nWindowState=2\r\nTop=30\r\nHeight=300\r\nLeft=40\r\nWidth=400\r\n");
    Start();
    EXPECT_EQ(Main()->GetPlacement().Normal, (TRect{40, 30, 440, 330}));
    EXPECT_EQ(Main()->GetWindowState(), WindowState::Maximized);
    Stop();
    EXPECT_EQ(sim.Files().GetProfileString(file, "TestMainForm", "WindowState", ""), "2");
    EXPECT_EQ(sim.Files().GetProfileString(file, "TestMainForm", "Width", ""), "400");
}

TEST_F(FrameTest, RestoringAPlacementWithoutAnOptionsFileIsAnError) {
    Start();
    frame->OptionsFile.clear();
    EXPECT_THROW(frame->RestoreFormPlacement(Main()), EvdValueOutOfValidRangeError);
    EXPECT_THROW(frame->RestoreFormSettings(Main()), EvdValueOutOfValidRangeError);
}

}  // namespace
}  // namespace pv
