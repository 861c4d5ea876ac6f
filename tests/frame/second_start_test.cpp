// A second start of the program while the first copy runs: the frame takes the install
// mutex and runs the instance check before anything else, and a duplicate ends without a
// window of its own.
#include "frame/instance_control.h"
#include "frame/product_info.h"
#include "frame/shared_options.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_form.h"
#include "tests/frame/frame_fixture.h"

namespace pv {
namespace {

const std::string kId = product::kInstanceIdentifier;

class SecondStartTest : public testing::FrameTest {
protected:
    struct Copy {
        std::unique_ptr<TApplication> app;
        testing::TestFrame* frame = nullptr;
    };
    // Another copy of the program on the same desktop, started while the first lives.
    Copy StartCopy() {
        Copy c;
        c.app = std::make_unique<TApplication>(sim);
        c.frame = TComponent::Create<testing::TestFrame>(c.app.get());
        return c;
    }
    // Two copies share one process only in a test: the process-wide frame reference that
    // the later copy took over belongs to the first again.
    void End(Copy& c) {
        c.app.reset();
        FrameInstance = frame;
    }
    sim::SimDesktop& Desktop() { return sim.SimDesktopObjects(); }
    std::vector<NativeHandle> ActivationsSent() {
        std::vector<NativeHandle> to;
        for (const auto& m : sim.SimDesktopObjects().Sent)
            if (m.Msg == kInstanceActivateMessage) to.push_back(m.To);
        return to;
    }
};

TEST_F(SecondStartTest, TheFirstCopyHoldsTheMutexAndShowsItsInstanceWindow) {
    Start();
    ASSERT_NE(frame->InstanceControl, nullptr);
    EXPECT_EQ(frame->InstanceControl->Owner(), frame);
    EXPECT_NE(frame->InstallMutex, nullptr);
    EXPECT_TRUE(Desktop().MutexHeld(kId));
    const sim::SimDesktopWindow* w = Desktop().Window(frame->InstanceControl->Handle());
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->ClassName, "TvdWinFormInstanceControl");
    EXPECT_EQ(w->Title, kId);
    EXPECT_TRUE(Desktop().Sent.empty()) << "alone on the desktop, nobody is asked";
    EXPECT_NE(Main(), nullptr);
    EXPECT_FALSE(app->Terminated());
}

TEST_F(SecondStartTest, ASecondCopyBringsTheFirstToTheFrontAndEndsBeforeItsMainWindow) {
    Start();
    app->Run();
    Main()->Show();
    Main()->SetWindowState(WindowState::Minimized);
    sim.SimUI().Foreground.clear();
    size_t forms = sim.SimUI().Forms().size();

    Copy second = StartCopy();
    EXPECT_TRUE(second.app->Terminated());
    EXPECT_EQ(second.frame->MainSlot, nullptr);
    EXPECT_EQ(sim.SimUI().Forms().size(), forms) << "the second copy created no window";
    EXPECT_EQ(sim.SimLoop().Pending(), 0u) << "no deferred start is scheduled";
    EXPECT_EQ(second.frame->InstallMutex, nullptr);
    EXPECT_NE(frame->InstallMutex, nullptr);
    EXPECT_TRUE(Desktop().MutexHeld(kId));
    EXPECT_EQ(ActivationsSent(), std::vector<NativeHandle>{frame->InstanceControl->Handle()});

    EXPECT_FALSE(app->Terminated()) << "the first copy runs on";
    EXPECT_EQ(Main()->GetWindowState(), WindowState::Normal);
    EXPECT_EQ(sim.SimUI().Foreground, std::vector<NativeHandle>{Main()->Handle()});

    second.app->Run();  // returns at once: there is no main window
    End(second);
    EXPECT_EQ(Desktop().Windows.size(), 1u) << "only the first copy's instance window is left";
    EXPECT_TRUE(Desktop().MutexHeld(kId));
    EXPECT_EQ(Main()->GetWindowState(), WindowState::Normal);
    EXPECT_FALSE(app->Terminated());
}

TEST_F(SecondStartTest, TheSecondCopyWritesTheOptionsBackUnchanged) {
    Start();
    frame->Options->CheckUpdatesInterval = 7;
    std::string file = frame->OptionsFile;
    std::string backup = frame->ConfigFolder + "options.~ini";
    Stop();
    std::string written = Get(file);
    ASSERT_NE(written.find("CheckUpdatesInterval=7"), std::string::npos);
    sim.Files().DeleteFile(backup);

    Start();
    app->Run();
    Copy second = StartCopy();
    End(second);
    EXPECT_EQ(Get(file), written);
    EXPECT_EQ(Get(backup), written) << "the ending copy saved the options";
    EXPECT_EQ(frame->Options->CheckUpdatesInterval, 7);
}

TEST_F(SecondStartTest, AfterTheFirstCopyEndsTheNextStartRunsNormally) {
    Start();
    Copy second = StartCopy();
    End(second);
    Stop();
    EXPECT_FALSE(Desktop().MutexHeld(kId));
    EXPECT_TRUE(Desktop().Windows.empty());

    Start();
    EXPECT_FALSE(app->Terminated());
    EXPECT_NE(Main(), nullptr);
    EXPECT_NE(frame->InstallMutex, nullptr);
    EXPECT_TRUE(Desktop().MutexHeld(kId));
}

TEST_F(SecondStartTest, TheMutexDoesNotDecideWhetherTheProgramRuns) {
    struct Case {
        const char* name;
        bool heldElsewhere, creationFails;
    } cases[] = {{"held by another program", true, false}, {"cannot be created", false, true}};
    for (const auto& k : cases) {
        auto installer = k.heldElsewhere ? sim.Desktop().TakeNamedMutex(kId) : nullptr;
        Desktop().MutexCreationFails = k.creationFails;
        Start();
        EXPECT_EQ(frame->InstallMutex, nullptr) << k.name;
        EXPECT_FALSE(app->Terminated()) << k.name;
        EXPECT_NE(Main(), nullptr) << k.name;
        Stop();
        EXPECT_EQ(Desktop().MutexHeld(kId), k.heldElsewhere) << k.name << ": nothing else is released";
        Desktop().MutexCreationFails = false;
    }
}

TEST_F(SecondStartTest, OtherProgramsWindowsCountOnlyWhenOfTheClassAndTitledWithTheIdentifier) {
    struct Case {
        const char* name;
        std::string cls, title;
        bool duplicate;
    } cases[] = {
        {"another class titled with the identifier", "TFormFront", kId, false},
        {"the class without the identifier", "TvdWinFormInstanceControl", "Pivola 1.7.9", false},
        // It cannot be asked, but it is counted: one other copy is one too many.
        {"a copy that does not answer", "TvdWinFormInstanceControl", kId, true},
    };
    for (const auto& k : cases) {
        NativeHandle foreign = Desktop().AddForeignWindow(k.cls, k.title);
        Start();
        EXPECT_EQ(app->Terminated(), k.duplicate) << k.name;
        EXPECT_EQ(Main() == nullptr, k.duplicate) << k.name;
        EXPECT_EQ(ActivationsSent(), k.duplicate ? std::vector<NativeHandle>{foreign} : std::vector<NativeHandle>{})
            << k.name;
        Stop();
        Desktop().RemoveWindow(foreign);
        Desktop().Sent.clear();
    }
}

}  // namespace
}  // namespace pv
