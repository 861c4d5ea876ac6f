// The single-instance control on its own: which windows count as other copies, the key
// query, the count rule, the events, and what the control's window answers.
#include "frame/instance_control.h"

#include <algorithm>
#include <stdexcept>

#include "controls/application.h"
#include "controls/form.h"
#include "frame/product_info.h"
#include "platform/sim/sim_desktop.h"
#include "tests/support/sim_test.h"

namespace pv {
namespace {

const std::string kId = product::kInstanceIdentifier;
const std::string kClass = "TvdWinFormInstanceControl";

class InstanceControlTest : public testing::SimTest {
protected:
    sim::SimDesktop& Desktop() { return sim.SimDesktopObjects(); }
    // A control that has not checked yet, so that a test can set its fields first.
    TvdWinFormInstanceControl* NewControl(TApplication& owner, std::string key = "") {
        auto* c = TComponent::Create<TvdWinFormInstanceControl>(&owner, false, kId);
        c->InstanceKey = std::move(key);
        return c;
    }
    // The messages of one kind sent so far, by receiver.
    std::vector<NativeHandle> SentTo(uint32_t msg) {
        std::vector<NativeHandle> to;
        for (const auto& m : sim.SimDesktopObjects().Sent)
            if (m.Msg == msg) to.push_back(m.To);
        return to;
    }
    // Another program's window that never answers, as a hung copy.
    NativeHandle Silent(const std::string& cls = kClass, const std::string& title = kId) {
        return Desktop().AddForeignWindow(cls, title);
    }
    TForm* MainFormOf(TApplication& a) {
        auto* form = TComponent::Create<TForm>(&a);
        a.SetMainForm(form);
        return form;
    }

    // This copy, and an earlier one on the same desktop.
    TApplication app{sim};
    TApplication first{sim};
};

TEST_F(InstanceControlTest, TheWindowIsHiddenTitledWithTheIdentifierAndOfTheControlsClass) {
    auto* c = NewControl(app);
    const sim::SimDesktopWindow* w = Desktop().Window(c->Handle());
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->ClassName, kClass);
    EXPECT_EQ(w->Title, kId);
    EXPECT_EQ(c->Title(), kId);
    EXPECT_TRUE(sim.SimUI().Forms().empty()) << "no form stands for it";
    NativeHandle handle = c->Handle();
    TComponent::Free(c);
    EXPECT_EQ(Desktop().Window(handle), nullptr) << "the window goes with the control";
}

TEST_F(InstanceControlTest, OnlyWindowsOfTheExactClassWhoseTitleHoldsTheIdentifierAreOtherCopies) {
    struct Case {
        std::string cls, title;
        bool found;
    } cases[] = {
        {kClass, kId, true},
        {kClass, "Pivola " + kId + " (2)", true},
        {"TForm", kId, false},
        {"TvdWinFormInstanceControl2", kId, false},
        {"tvdwinforminstancecontrol", kId, false},
        {kClass, "Pivola", false},
        {kClass, "7d2a91c04b6e4f18a3d5e0b9c8f21a64", false},
        {kClass, kId.substr(0, 31), false},
    };
    auto* c = NewControl(app);
    for (const auto& k : cases) {
        NativeHandle h = Silent(k.cls, k.title);
        c->Allowed = true;
        c->FindOthers();
        EXPECT_EQ(c->OtherInstances, k.found ? std::vector<NativeHandle>{h} : std::vector<NativeHandle>{})
            << k.cls << " / " << k.title;
        EXPECT_EQ(c->Allowed, !k.found) << k.cls << " / " << k.title;
        Desktop().RemoveWindow(h);
    }
}

TEST_F(InstanceControlTest, OwnWindowIsLeftOutAndTheOthersKeepTheDesktopsOrder) {
    NativeHandle before = Silent();
    auto* c = NewControl(app);
    NativeHandle after = Silent();
    c->MaxInstances = 3;  // the own window counts: three of three
    c->FindOthers();
    EXPECT_EQ(c->OtherInstances, (std::vector<NativeHandle>{before, after}));
    EXPECT_TRUE(c->Allowed);
    EXPECT_EQ(SentTo(kInstanceKeyMessage), (std::vector<NativeHandle>{before, after})) << "each one is asked";
}

TEST_F(InstanceControlTest, TheCountRuleCountsCopiesThatDoNotAnswerAndZeroMeansNoLimit) {
    struct Case {
        int32_t max;
        int others;
        bool allowed;
    } cases[] = {{1, 0, true}, {1, 1, false}, {0, 3, true}, {2, 1, true}, {2, 2, false}, {3, 2, true}};
    for (const auto& k : cases) {
        std::vector<NativeHandle> others;
        for (int i = 0; i < k.others; ++i) others.push_back(Silent());
        TApplication self(sim);
        auto* c = NewControl(self);
        c->MaxInstances = k.max;
        c->Check();
        EXPECT_EQ(c->Allowed, k.allowed) << "max " << k.max << ", others " << k.others;
        EXPECT_EQ(self.Terminated(), !k.allowed) << "max " << k.max << ", others " << k.others;
        EXPECT_EQ(SentTo(kInstanceKeyMessage), others) << "a silent copy answers the query with 0";
        TComponent::Free(c);
        for (NativeHandle h : others) Desktop().RemoveWindow(h);
        Desktop().Sent.clear();
    }
}

TEST_F(InstanceControlTest, TheKeyQueryNamesTheKeyInAnAtomAndAYesMakesADuplicate) {
    struct Case {
        const char* name;
        std::string askerKey, otherKey;
        bool skip, allowedBefore;
        size_t queries;
        bool allowed;
    } cases[] = {
        {"same key", "K", "K", false, true, 1, false},
        {"key differs in case", "K", "k", false, true, 1, true},
        {"other has no key", "K", "", false, true, 1, true},
        // An empty name makes no atom; the unknown atom reads as an empty name, which an
        // empty key equals, so two copies with the program's values are duplicates here too.
        {"both keys empty", "", "", false, true, 1, false},
        {"query skipped", "K", "K", true, true, 0, true},
        {"already refused", "K", "K", false, false, 0, false},
    };
    for (const auto& k : cases) {
        auto* other = NewControl(first, k.otherKey);
        auto* c = NewControl(app, k.askerKey);
        c->MaxInstances = 0;  // only the key decides
        c->SkipKeyQuery = k.skip;
        c->Allowed = k.allowedBefore;
        c->FindOthers();
        EXPECT_EQ(SentTo(kInstanceKeyMessage).size(), k.queries) << k.name;
        if (k.queries) {
            EXPECT_EQ(Desktop().Sent.back().To, other->Handle()) << k.name;
        }
        EXPECT_EQ(c->Allowed, k.allowed) << k.name;
        EXPECT_TRUE(Desktop().Atoms.empty()) << k.name << ": the atom is deleted after the query";
        TComponent::Free(c);
        TComponent::Free(other);
        Desktop().Sent.clear();
    }
}

TEST_F(InstanceControlTest, TheQueryStopsAtTheFirstYesAndTheAtomCarriesTheKeyWhileAsked) {
    std::vector<std::string> heard;
    auto answer = [&](uint32_t msg, uintptr_t, intptr_t l) -> intptr_t {
        if (msg != kInstanceKeyMessage) return 0;
        heard.push_back(Desktop().GlobalAtomName(static_cast<uint16_t>(l)));
        return heard.size() == 2 ? 1 : 0;
    };
    for (int i = 0; i < 4; ++i) Desktop().AddForeignWindow(kClass, kId, answer);
    auto* c = NewControl(app, "Pivola key");
    c->MaxInstances = 0;
    c->FindOthers();
    EXPECT_EQ(heard, (std::vector<std::string>{"Pivola key", "Pivola key"}));
    EXPECT_FALSE(c->Allowed);
    EXPECT_TRUE(Desktop().Atoms.empty());
}

TEST_F(InstanceControlTest, ADuplicateActivatesTheOthersInOrderAndEnds) {
    auto* one = NewControl(first);
    NativeHandle two = Silent();
    auto* c = NewControl(app);
    c->Check();
    EXPECT_FALSE(c->Allowed);
    EXPECT_EQ(SentTo(kInstanceActivateMessage), (std::vector<NativeHandle>{one->Handle(), two}));
    EXPECT_TRUE(c->OtherInstances.empty()) << "the list is emptied after the check";
    EXPECT_TRUE(app.Terminated());
    EXPECT_FALSE(first.Terminated());
}

TEST_F(InstanceControlTest, ActivateOthersAsksOnlyWhenRefusedAndSkipsEmptyHandles) {
    NativeHandle a = Silent(), b = Silent();
    auto* c = NewControl(app);
    c->OtherInstances = {a, 0, b};
    c->ActivateOthers();
    EXPECT_TRUE(SentTo(kInstanceActivateMessage).empty()) << "an allowed copy asks nobody";
    c->Allowed = false;
    c->ActivateOthers();
    EXPECT_EQ(SentTo(kInstanceActivateMessage), (std::vector<NativeHandle>{a, b}));
}

TEST_F(InstanceControlTest, TheEventsReplaceTheDefaults) {
    struct Case {
        const char* name;
        bool otherExists;
        bool onCheck, checkAllows;
        bool onDuplicate, duplicateAllows;
        bool onTerminate, terminateOnDuplicate;
        // what happens
        bool activated, terminated, terminateEvent;
    } cases[] = {
        {"defaults", true, false, false, false, false, false, true, true, true, false},
        {"check allows a duplicate", true, true, true, false, false, false, true, false, false, false},
        {"check refuses a lone copy", false, true, false, false, false, false, true, false, true, false},
        {"duplicate handler instead of activation", true, false, false, true, false, false, true, false, true, false},
        {"duplicate handler allows", true, false, false, true, true, false, true, false, false, false},
        {"terminate handler instead of ending", true, false, false, false, false, true, true, true, false, true},
        {"no ending on duplicates", true, false, false, false, false, true, false, true, false, false},
    };
    for (const auto& k : cases) {
        TApplication self(sim);
        TvdWinFormInstanceControl* other = k.otherExists ? NewControl(first) : nullptr;
        auto* c = NewControl(self);
        std::vector<std::string> calls;
        if (k.onCheck)
            c->OnCheck = [&](TComponent* s, bool& allowed) {
                EXPECT_EQ(s, c);
                calls.push_back("check:" + std::to_string(allowed));
                allowed = k.checkAllows;
            };
        if (k.onDuplicate)
            c->OnDuplicate = [&](TComponent*, const std::vector<NativeHandle>& others, bool& allowed) {
                EXPECT_EQ(others, std::vector<NativeHandle>{other->Handle()});
                calls.push_back("duplicate:" + std::to_string(allowed));
                allowed = k.duplicateAllows;
            };
        if (k.onTerminate) c->OnTerminate = [&](TComponent*) { calls.push_back("terminate"); };
        c->TerminateOnDuplicate = k.terminateOnDuplicate;
        c->Check();
        EXPECT_EQ(!SentTo(kInstanceActivateMessage).empty(), k.activated) << k.name;
        EXPECT_EQ(self.Terminated(), k.terminated) << k.name;
        EXPECT_EQ(std::count(calls.begin(), calls.end(), "terminate"), k.terminateEvent ? 1 : 0) << k.name;
        if (k.onCheck) {
            EXPECT_EQ(calls.front(), "check:" + std::to_string(!k.otherExists)) << k.name << ": after the search";
        }
        if (k.onDuplicate) {
            EXPECT_EQ(calls.front(), "duplicate:0") << k.name;
        }
        TComponent::Free(c);
        TComponent::Free(other);
        Desktop().Sent.clear();
    }
}

TEST_F(InstanceControlTest, AskedForItsApplicationsWindowItNamesTheMainWindow) {
    auto* c = NewControl(first);
    EXPECT_EQ(Desktop().SendMessageTo(c->Handle(), kInstanceWindowMessage, 0, 0), 0) << "no main window yet";
    TForm* main = MainFormOf(first);
    EXPECT_NE(main->Handle(), 0u);
    EXPECT_EQ(Desktop().SendMessageTo(c->Handle(), kInstanceWindowMessage, 0, 0), static_cast<intptr_t>(main->Handle()));
    EXPECT_EQ(Desktop().SendMessageTo(c->Handle(), 1028, 0, 0), 0) << "other messages are not the control's";
}

TEST_F(InstanceControlTest, AskedAboutAKeyItComparesTheAtomsNameExactly) {
    auto* c = NewControl(first, "Key");
    struct Case {
        const char* atomName;  // nullptr: an atom that does not exist
        intptr_t answer;
    } cases[] = {{"Key", 1}, {"KEY", 0}, {"Key ", 0}, {"Ke", 0}, {nullptr, 0}};
    for (const auto& k : cases) {
        uint16_t atom = k.atomName ? Desktop().AddGlobalAtom(k.atomName) : 0xC123;
        EXPECT_EQ(Desktop().SendMessageTo(c->Handle(), kInstanceKeyMessage, 0, atom), k.answer)
            << (k.atomName ? k.atomName : "(none)");
        if (k.atomName) Desktop().DeleteGlobalAtom(atom);
    }
}

TEST_F(InstanceControlTest, AskedToComeToTheFrontTheApplicationIsRestoredAndItsMainWindowTakesTheForeground) {
    struct Case {
        const char* name;
        bool visible;
        WindowState state;
        bool appMinimized;
        bool foreground;
    } cases[] = {
        {"open in the background", true, WindowState::Normal, false, true},
        {"minimised window", true, WindowState::Minimized, false, true},
        {"maximised window", true, WindowState::Maximized, false, true},
        {"minimised application", true, WindowState::Normal, true, true},
        {"hidden in the notification area", false, WindowState::Normal, false, false},
    };
    for (const auto& k : cases) {
        TApplication a(sim);
        auto* c = NewControl(a);
        TForm* main = MainFormOf(a);
        if (k.visible) main->Show();
        main->SetWindowState(k.state);
        if (k.appMinimized) a.Minimize();
        sim.SimUI().Foreground.clear();
        int restores = sim.SimUI().Restores;
        EXPECT_EQ(Desktop().SendMessageTo(c->Handle(), kInstanceActivateMessage, 0, 0), 0) << k.name;
        EXPECT_EQ(sim.SimUI().Restores, restores + 1) << k.name;
        EXPECT_FALSE(a.Minimized()) << k.name;
        EXPECT_EQ(main->GetWindowState(), k.state == WindowState::Minimized ? WindowState::Normal : k.state) << k.name;
        EXPECT_EQ(main->Visible(), k.visible) << k.name << ": a hidden window stays hidden";
        EXPECT_EQ(sim.SimUI().Foreground, k.foreground ? std::vector<NativeHandle>{main->Handle()}
                                                       : std::vector<NativeHandle>{})
            << k.name;
    }
}

TEST_F(InstanceControlTest, OnActivateReplacesComingToTheFront) {
    auto* c = NewControl(first);
    TForm* main = MainFormOf(first);
    main->Show();
    main->SetWindowState(WindowState::Minimized);
    int activations = 0;
    c->OnActivate = [&](TComponent* sender) {
        EXPECT_EQ(sender, c);
        ++activations;
    };
    sim.SimUI().Foreground.clear();
    Desktop().SendMessageTo(c->Handle(), kInstanceActivateMessage, 0, 0);
    EXPECT_EQ(activations, 1);
    EXPECT_EQ(main->GetWindowState(), WindowState::Minimized);
    EXPECT_TRUE(sim.SimUI().Foreground.empty());
    EXPECT_EQ(sim.SimUI().Restores, 0);
}

TEST_F(InstanceControlTest, AFailingAnswerIsReportedByTheCopyThatAnswersAndGivesZero) {
    auto* c = NewControl(first);
    c->OnActivate = [](TComponent*) { throw std::runtime_error("activation failed"); };
    sim.SimUI().ExpectMessageDialog("activation failed", ModalResult::Ok);
    EXPECT_EQ(Desktop().SendMessageTo(c->Handle(), kInstanceActivateMessage, 0, 0), 0);
}

}  // namespace
}  // namespace pv
