// The update-check window in the whole program on the simulated desktop: when it opens by
// itself, the request it sends, the wait it will not be closed in, what it writes back,
// the address box, and the window without a browser engine. Time is virtual: the wait of
// 7.5 seconds passes in the simulated clock.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/front_form.h"
#include "controls/buttons.h"
#include "controls/combo_box.h"
#include "controls/label.h"
#include "controls/menus.h"
#include "controls/progress_bar.h"
#include "controls/spin_edit.h"
#include "controls/status_bar.h"
#include "controls/tool_bar.h"
#include "platform/sim/sim_tool_bar.h"
#include "frame/shared_options.h"
#include "platform/sim/sim_form.h"
#include "platform/sim/sim_spin_edit.h"
#include "platform/sim/sim_web_browser.h"
#include "tests/app/translation_fixture.h"
#include "util/ini_document.h"
#include "windows/document_host.h"
#include "windows/form_check_updates.h"

namespace pv {
namespace {

const char* const kHistoryPage = "https://www.vendrik-software.example/products/pivola/history.php";
const char* const kAgent = "Pivola::1.7.9::CheckForUpdates::";
const char* const kSettingsKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

class CheckUpdatesTest : public testing::TranslationTest {
protected:
    // The options file of an earlier run; the simulated clock stands at 2026-12-10 10:00.
    void WriteOptions(int interval, const std::string& last, bool critErrRes = false) {
        Put(OptionsFile(), "[ProgramOptions.Miscellaneous]\r\nCheckUpdatesInterval=" + std::to_string(interval) +
                               "\r\nCheckUpdatesLast=" + last + "\r\nCheckUpdatesCritErrRes=" +
                               (critErrRes ? "1" : "0") + "\r\n");
    }
    std::string OptionsFile() const { return kData + "config\\options.ini"; }
    std::string StoredOption(const std::string& key) {
        return sim.Files().GetProfileString(OptionsFile(), "ProgramOptions.Miscellaneous", key, "");
    }
    TvdFormCheckUpdates* Window() const {
        return frame ? dynamic_cast<TvdFormCheckUpdates*>(frame->CheckUpdatesSlot) : nullptr;
    }
    sim::SimWebBrowser* Browser() {
        for (auto& [handle, control] : sim.SimUI().Controls)
            if (auto* b = dynamic_cast<sim::SimWebBrowser*>(control)) return b;
        return nullptr;
    }
    uint64_t Now() { return sim.SimTime().ElapsedMs; }
    void OpenFromMenu() {
        Front()->miCheckUpdates->Click();
        app->ProcessMessages();
    }
};

TEST_F(CheckUpdatesTest, TheWindowOpensByItselfOnlyWhenTheIntervalHasPassed) {
    struct Case {
        int Interval;
        const char* Last;
        bool CritErrRes;
        bool Opens;
    };
    const Case cases[] = {
        {60, "2026-10-12 23:59:59", false, false},  // 59 whole days
        {60, "2026-10-11 00:00:01", false, true},   // 60 whole days
        {-1, "2000-01-01 00:00:00", false, false},  // never by itself
        {60, "2000-01-01 00:00:00", true, false},   // switched off after a critical error
        {0, "2026-12-10 09:00:00", false, true},    // every start
        {60, "", false, true},                      // an empty value counts as long ago
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.Interval) + " " + c.Last);
        WriteOptions(c.Interval, c.Last, c.CritErrRes);
        Start();
        app->Run();
        EXPECT_EQ(Window() != nullptr, c.Opens);
        Stop();
    }
}

TEST_F(CheckUpdatesTest, TheHistoryPageIsRequestedWithTheProductsUserAgentThenTheSystemsIsUsed) {
    sim.SimReg().WriteString(RegistryRoot::CurrentUser, kSettingsKey, "User Agent", "Mozilla/4.0 (compatible)");
    sim.SimUI().BrowserLoadsInMs = 1100;
    WriteOptions(60, "2000-01-01 00:00:00");
    Start();
    app->Run();
    ASSERT_NE(Window(), nullptr);
    ASSERT_NE(Browser(), nullptr);
    ASSERT_EQ(Browser()->Requests.size(), 1u);
    const sim::SimBrowserRequest& r = Browser()->Requests[0];
    EXPECT_EQ(r.Address, kHistoryPage);
    EXPECT_EQ(r.Flags, 12);
    EXPECT_EQ(r.PostData, "");
    EXPECT_EQ(sim::SimWebBrowser::HeaderLines(r.Headers), (std::vector<std::string>{std::string("User-Agent: ") + kAgent}));
    EXPECT_LT(Now(), 7500u) << "the wait ends with the page";
    EXPECT_FALSE(Window()->Busy);
    EXPECT_EQ(Window()->msdvHostUpdates->UserAgent, "Mozilla/4.0 (compatible)");
    EXPECT_EQ(Browser()->AmbientUserAgent(), "Mozilla/4.0 (compatible)");
    EXPECT_EQ(Window()->cbWebsiteSavedOutput_Nav_Addr->Items(), (std::vector<std::string>{kHistoryPage}));
}

TEST_F(CheckUpdatesTest, MucIniPointsTheCheckAtAnotherSite) {
    Put(kApp + "muc.ini", "[Misc]\r\nUpdateSite=http://127.0.0.1:8123/\r\n");
    Start();
    app->Run();
    OpenFromMenu();
    ASSERT_NE(Browser(), nullptr);
    EXPECT_EQ(Browser()->Requests.at(0).Address, "http://127.0.0.1:8123/products/pivola/history.php");
}

TEST_F(CheckUpdatesTest, TheWindowRefusesToCloseWhileItWaitsForThePage) {
    WriteOptions(60, "2000-01-01 00:00:00");
    Start();
    bool refused = false;
    sim.SimLoop().SetTimer(3000, [&] {
        if (!Window() || refused) return;
        Window()->Close();
        refused = Window() != nullptr && Window()->Busy;
    });
    app->Run();
    EXPECT_TRUE(refused);
    ASSERT_NE(Window(), nullptr);
    EXPECT_GE(Now(), 7500u) << "the page never came: the wait ran out";
    EXPECT_EQ(Browser()->Stops, 1);
    Window()->Close();
    app->ProcessMessages();
    EXPECT_EQ(Window(), nullptr);
    EXPECT_EQ(StoredOption("CheckUpdatesLast"), "2026-12-10 10:00:07") << "the time of the check";
}

TEST_F(CheckUpdatesTest, ClosingWritesTheIntervalBackUnlessCriticalErrorsSwitchedTheCheckOff) {
    for (bool critErrRes : {false, true}) {
        SCOPED_TRACE(critErrRes);
        WriteOptions(-1, "2026-12-10 09:00:00", critErrRes);
        Start();
        app->Run();
        OpenFromMenu();
        ASSERT_NE(Window(), nullptr) << "the menu works whatever the interval";
        auto* spin = sim.SimUI().Control<sim::SimSpinEdit>(Window()->seCheckUpdatesDays->Handle());
        ASSERT_NE(spin, nullptr);
        EXPECT_EQ(spin->Value, 1) << "the field holds 1 to 120";
        spin->UserEnter(500);
        EXPECT_EQ(Window()->seCheckUpdatesDays->Value(), 120);
        Window()->Close();
        app->ProcessMessages();
        EXPECT_EQ(StoredOption("CheckUpdatesInterval"), critErrRes ? "-1" : "120");
        Stop();
    }
}

TEST_F(CheckUpdatesTest, UpdatesWhileTheWindowIsOpenDoesNothing) {
    Start();
    app->Run();
    OpenFromMenu();
    TvdFormCheckUpdates* first = Window();
    ASSERT_NE(first, nullptr);
    sim::SimForm* native = sim.SimUI().Control<sim::SimForm>(first->Handle());
    ASSERT_NE(native, nullptr);
    int broughtToFront = native->BroughtToFront;
    size_t requests = Browser()->Requests.size();
    OpenFromMenu();
    EXPECT_EQ(Window(), first);
    EXPECT_EQ(native->BroughtToFront, broughtToFront);
    EXPECT_EQ(Browser()->Requests.size(), requests) << "the check runs once per window";
}

TEST_F(CheckUpdatesTest, VisitedAddressesCollectSortedAndAnEmptyBoxLoadsABlankPage) {
    sim.SimUI().BrowserLoadsInMs = 10;
    Start();
    app->Run();
    OpenFromMenu();
    TvdFormCheckUpdates* w = Window();
    ASSERT_NE(w, nullptr);
    sim::SimWebBrowser* b = Browser();
    b->FireCommandState(BrowserCommand::Back, true);
    for (const char* a : {"http://b.example/", "http://A.example/", "about:blank", "HTTP://B.EXAMPLE/"})
        b->FireNavigateComplete(a);
    EXPECT_EQ(w->cbWebsiteSavedOutput_Nav_Addr->Items(),
              (std::vector<std::string>{"http://A.example/", "http://b.example/", kHistoryPage}));
    EXPECT_EQ(w->cbWebsiteSavedOutput_Nav_Addr->Text(), "http://b.example/");
    EXPECT_TRUE(w->btnPrior->Enabled());
    EXPECT_FALSE(w->btnNext->Enabled());

    w->cbWebsiteSavedOutput_Nav_Addr->SetText("http://c.example/");
    sim.SimUI().Control<sim::SimForm>(w->Handle())->UserPressEnter();
    EXPECT_EQ(b->Requests.back().Address, "http://c.example/") << "Enter in the address box loads it";

    w->cbWebsiteSavedOutput_Nav_Addr->SetText("");
    ASSERT_TRUE(sim.SimUI().Control<sim::SimToolBar>(w->ToolBarMain->Handle())->UserClick("Go"));
    EXPECT_EQ(b->Requests.back().Address, "about:blank");
    EXPECT_EQ(sim::SimWebBrowser::HeaderLines(b->Requests.back().Headers), std::vector<std::string>{})
        << "later pages go out as the ordinary browser (no user agent in the registry here)";
}

TEST_F(CheckUpdatesTest, TheToolBarShowsABrowsersButtonOnlyWhenItsPathIsKnown) {
    const std::string opera = "C:\\Programs\\Opera\\opera.exe";
    Put(opera, "MZ");
    sim.SimReg().WriteString(RegistryRoot::CurrentUser, "Software\\Opera Software", "Last CommandLine", opera);
    Start();
    app->Run();
    OpenFromMenu();
    TvdFormCheckUpdates* w = Window();
    ASSERT_NE(w, nullptr);
    auto* bar = sim.SimUI().Control<sim::SimToolBar>(w->ToolBarMain->Handle());
    ASSERT_NE(bar, nullptr);
    std::vector<std::string> shown;
    for (const ToolButtonView& b : bar->Buttons)
        if (b.Visible) shown.push_back(b.Separator ? "|" : b.Caption);
    EXPECT_EQ(shown, (std::vector<std::string>{"Back", "Forward", "Refresh", "|", "|", "|", "Go", "|", "Opera"}))
        << "the address box lies between its two gaps, the separator before the one browser";
    w->cbWebsiteSavedOutput_Nav_Addr->SetText("http://c.example/");
    ASSERT_TRUE(bar->UserClick("Opera"));
    ASSERT_FALSE(sim.SimShellCalls().Calls.empty());
    EXPECT_EQ(sim.SimShellCalls().Calls.back().File, opera);
    EXPECT_EQ(sim.SimShellCalls().Calls.back().Params, "\"http://c.example/\"");
}

TEST_F(CheckUpdatesTest, TheStatusBarShowsTheBrowsersStatusAndItsProgressInTheMiddlePanel) {
    Start();
    app->Run();
    OpenFromMenu();
    TvdFormCheckUpdates* w = Window();
    ASSERT_NE(w, nullptr);
    std::vector<int> widths;
    for (const StatusPanelSpec& p : w->stbInfo->Panels()) widths.push_back(p.Width);
    EXPECT_EQ(widths, (std::vector<int>{576, 100, 50}));
    const int height = w->stbInfo->Height();
    EXPECT_EQ(w->pbInfo->Parent(), w->stbInfo);
    EXPECT_EQ(w->pbInfo->BoundsRect(), (TRect{577, 1, 675, height - 1})) << "inside the panel's edge";
    EXPECT_FALSE(w->pbInfo->Visible());

    sim::SimWebBrowser* b = Browser();
    b->FireProgress(30, 200);
    EXPECT_TRUE(w->pbInfo->Visible());
    EXPECT_EQ(w->pbInfo->Max(), 200);
    EXPECT_EQ(w->pbInfo->Position(), 30);
    b->FireStatusText("Opening page http://127.0.0.1/");
    EXPECT_EQ(w->stbInfo->SimpleText(), "Opening page http://127.0.0.1/");
    b->FireProgress(0, 200);
    EXPECT_FALSE(w->pbInfo->Visible());

    // The panels stay where they are when the window grows; the bar follows the drawing.
    w->SetBounds(w->Left(), w->Top(), w->Width() + 100, w->Height());
    EXPECT_EQ(w->pbInfo->BoundsRect(), (TRect{577, 1, 675, height - 1}));
}

TEST_F(CheckUpdatesTest, WithoutABrowserEngineTheWindowOffersTheAddressAndClosesNormally) {
    sim.SimUI().BrowserEngine = false;
    WriteOptions(60, "2000-01-01 00:00:00");
    Start();
    app->Run();
    TvdFormCheckUpdates* w = Window();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(Now(), 0u) << "nothing is awaited";
    EXPECT_FALSE(w->Busy);
    EXPECT_TRUE(w->lblNoBrowser->Visible());
    EXPECT_NE(w->lblNoBrowser->Caption().find(kHistoryPage), std::string::npos);
    EXPECT_EQ(w->cbWebsiteSavedOutput_Nav_Addr->Text(), kHistoryPage);
    w->Close();
    app->ProcessMessages();
    EXPECT_EQ(Window(), nullptr);
    EXPECT_EQ(StoredOption("CheckUpdatesLast"), "2026-12-10 10:00:00");
}

TEST_F(CheckUpdatesTest, TheWindowRegistersItsTextsAndSpeaksTheCulturesLanguage) {
    PutLanguage("de-de", "UTF8_shared.ini",
                "[StrsGui____Controls__CheckUpdates]\r\n"
                "vdFormCheckUpdates.Caption=Suche nach Aktualisierungen...\r\n"
                "btnClose.Caption=Schlie\xC3\x9F" "en\r\n"
                "[StrsRes__MixedText__CheckUpdates]\r\n"
                "PageCannotBeShown__Value=Keine Webseiten hier.\r\n");
    sim.SimUI().BrowserEngine = false;
    Put(OptionsFile(), "[ProgramOptions.General]\r\nLanguageCulture=de-de\r\n");
    Start();
    app->Run();
    OpenFromMenu();
    TvdFormCheckUpdates* w = Window();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Caption(), "Suche nach Aktualisierungen...");
    EXPECT_EQ(w->btnClose->Caption(), "Schlie\xC3\x9F" "en");
    EXPECT_EQ(w->lblNoBrowser->Caption().rfind("Keine Webseiten hier.", 0), 0u);

    const IniDocument& base = Base("UTF8_shared.ini");
    EXPECT_EQ(base.Keys("StrsGui____Controls__CheckUpdates"),
              (std::vector<std::string>{"vdFormCheckUpdates.Caption", "btnPrior.Caption", "btnPrior.Hint",
                                        "btnNext.Caption", "btnNext.Hint", "btnRefresh.Caption", "btnRefresh.Hint",
                                        "btnNav.Caption", "btnNav.Hint", "btnIE.Caption", "btnIE.Hint",
                                        "btnFF.Caption", "btnFF.Hint", "btnO.Caption", "btnO.Hint",
                                        "lblOutputColumnsMaxColsInRow.Caption", "btnClose.Caption"}));
    EXPECT_EQ(base.Keys("StrsRes__MixedText__CheckUpdates"),
              (std::vector<std::string>{"SelectOutputDir__Value", "NoHelpAvailableTopic__Value",
                                        "PageCannotBeShown__Value"}));
}

}  // namespace
}  // namespace pv
