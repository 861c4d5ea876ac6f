#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/sim/sim_platform.h"
#include "tests/support/sim_test.h"

namespace pv {
namespace {

MessageDialogRequest Dialog(std::string text, std::vector<int> results) {
    MessageDialogRequest r;
    r.Title = "Pivola";
    r.Text = std::move(text);
    for (int res : results) r.Buttons.push_back({"&" + std::to_string(res), res});
    return r;
}

class SimDialogs : public testing::SimTest {
protected:
    // Captures breaches of the script instead of failing the test.
    void CaptureFailures() {
        sim.OnFailure = [this](const std::string& what) { failures.push_back(what); };
    }
    std::vector<std::string> failures;
};

TEST_F(SimDialogs, ScriptedDialogsAnswerInOrderAndAreRecorded) {
    sim.SimUI().ExpectMessageDialog("delete", ModalResult::Yes);
    sim.SimUI().ExpectMessageDialog("", ModalResult::Cancel);  // any text
    EXPECT_EQ(sim.UI().ShowMessageDialog(Dialog("Really delete \"x\"?", {ModalResult::Yes, ModalResult::No})),
              ModalResult::Yes);
    EXPECT_EQ(sim.SimUI().UnansweredScripts(), 1u);
    EXPECT_EQ(sim.UI().ShowMessageDialog(Dialog("Save changes?", {ModalResult::Ok, ModalResult::Cancel})),
              ModalResult::Cancel);
    ASSERT_EQ(sim.SimUI().Dialogs.size(), 2u);
    EXPECT_EQ(sim.SimUI().Dialogs[0].Text, "Really delete \"x\"?");
    EXPECT_EQ(sim.SimUI().Dialogs[1].Buttons.size(), 2u);
}

TEST_F(SimDialogs, AnUnscriptedDialogReportsAFailureAndCountsAsDismissed) {
    CaptureFailures();
    EXPECT_EQ(sim.UI().ShowMessageDialog(Dialog("Overwrite?", {ModalResult::Yes, ModalResult::No, ModalResult::Cancel})),
              ModalResult::No);
    EXPECT_EQ(sim.UI().ShowMessageDialog(Dialog("Done.", {ModalResult::Ok})), ModalResult::Ok);
    EXPECT_EQ(sim.UI().ShowMessageDialog(Dialog("Bare", {})), ModalResult::Cancel);
    ASSERT_EQ(failures.size(), 3u);
    EXPECT_NE(failures[0].find("Overwrite?"), std::string::npos) << failures[0];
    EXPECT_EQ(sim.SimUI().Dialogs.size(), 3u);
}

TEST_F(SimDialogs, ADialogThatDoesNotMatchTheNextScriptIsAFailureAndLeavesTheScript) {
    CaptureFailures();
    sim.SimUI().ExpectMessageDialog("second", ModalResult::Yes);
    EXPECT_EQ(sim.UI().ShowMessageDialog(Dialog("first question", {ModalResult::Yes, ModalResult::No})),
              ModalResult::No);
    EXPECT_EQ(failures.size(), 1u);
    EXPECT_EQ(sim.SimUI().UnansweredScripts(), 1u);
    EXPECT_EQ(sim.UI().ShowMessageDialog(Dialog("second question", {ModalResult::Yes, ModalResult::No})),
              ModalResult::Yes);
    EXPECT_EQ(failures.size(), 1u);
}

TEST_F(SimDialogs, WithoutAFailureHandlerABreachThrows) {
    sim.OnFailure = nullptr;
    EXPECT_THROW(sim.UI().ShowMessageDialog(Dialog("Unexpected", {ModalResult::Ok})), std::logic_error);
}

class SimMessageWindows : public testing::SimTest {};

TEST_F(SimMessageWindows, PostedMessagesArriveWhenTheLoopRuns) {
    std::vector<std::string> got;
    auto window = sim.UI().CreateMessageWindow([&](uint32_t msg, uintptr_t w, intptr_t l, intptr_t&) {
        got.push_back(std::to_string(msg) + ":" + std::to_string(w) + ":" + std::to_string(l));
        return true;
    });
    auto other = sim.UI().CreateMessageWindow([](uint32_t, uintptr_t, intptr_t, intptr_t&) { return false; });
    EXPECT_NE(window->Handle(), 0u);
    EXPECT_NE(window->Handle(), other->Handle());
    window->Post(0x8001, 2, -3);
    window->Post(0x8002, 0, 0);
    EXPECT_TRUE(got.empty());  // never inside Post
    sim.Advance(0);
    EXPECT_EQ(got, (std::vector<std::string>{"32769:2:-3", "32770:0:0"}));
}

TEST_F(SimMessageWindows, AMessageToADestroyedWindowIsDropped) {
    int calls = 0;
    auto window = sim.UI().CreateMessageWindow([&](uint32_t, uintptr_t, intptr_t, intptr_t&) {
        ++calls;
        return true;
    });
    window->Post(1, 0, 0);
    window.reset();
    EXPECT_EQ(sim.SimLoop().Pending(), 1u);
    sim.Advance(0);
    EXPECT_EQ(calls, 0);
}

TEST_F(SimMessageWindows, AWindowMayBeDestroyedByItsOwnHandler) {
    // The frame's deferred start can end in shutting the frame down, which destroys the
    // message window while its handler still runs; the handler's state must outlive that.
    std::unique_ptr<IMessageWindow> window;
    std::vector<uint32_t> seen;
    const std::string name(64, 'w');  // large enough to live on the heap inside the handler
    window = sim.UI().CreateMessageWindow([&window, &seen, name](uint32_t msg, uintptr_t, intptr_t, intptr_t&) {
        window.reset();
        seen.push_back(msg + static_cast<uint32_t>(name.size()));
        return true;
    });
    window->Post(1, 0, 0);
    window->Post(2, 0, 0);  // arrives after the window is gone
    sim.Advance(0);
    EXPECT_EQ(seen, (std::vector<uint32_t>{65}));
    EXPECT_EQ(window, nullptr);
}

TEST(SimShell, RecordsEveryCallAndAnswersTheConfiguredResult) {
    sim::SimPlatform sim;
    sim.SimShellCalls().ExecuteResult = 2;  // "file not found"
    EXPECT_EQ(sim.Shell().Execute(0x1234, "open", "C:\\Tools\\a.exe", "-x \"y z\"", "C:\\Tools", ShowCmd::Normal), 2);
    sim.SimShellCalls().ExecuteResult = 42;
    EXPECT_EQ(sim.Shell().Execute(0, "", "notepad.exe", "", "", ShowCmd::ShowMaximized), 42);
    const auto& calls = sim.SimShellCalls().Calls;
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].Owner, 0x1234u);
    EXPECT_EQ(calls[0].Verb, "open");
    EXPECT_EQ(calls[0].File, "C:\\Tools\\a.exe");
    EXPECT_EQ(calls[0].Params, "-x \"y z\"");
    EXPECT_EQ(calls[0].Dir, "C:\\Tools");
    EXPECT_EQ(calls[0].ShowCmd, ShowCmd::Normal);
    EXPECT_EQ(calls[1].File, "notepad.exe");
    EXPECT_EQ(calls[1].ShowCmd, ShowCmd::ShowMaximized);
}

TEST(SimPlatform, EachDesktopHasItsOwnSandboxRemovedAtTheEnd) {
    std::filesystem::path root;
    {
        sim::SimPlatform a, b;
        EXPECT_NE(a.Root(), b.Root());
        a.SimFiles().PutFile("C:\\x.txt", "a");
        EXPECT_FALSE(b.Files().FileExists("C:\\x.txt"));
        root = a.Root();
        EXPECT_TRUE(std::filesystem::is_directory(root / "C"));
    }
    if (!std::getenv("PIVOLA_KEEP_SANDBOX")) {
        EXPECT_FALSE(std::filesystem::exists(root));
    }
}

}  // namespace
}  // namespace pv
