// The document host and its web viewer on the simulated desktop: which viewer shows an
// address, when the host keeps, replaces or reloads it, the request the browser is given,
// the browser's events as the viewer reports them, and the wait for the first page in
// virtual time.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/application.h"
#include "controls/form.h"
#include "controls/panel.h"
#include "platform/sim/sim_web_browser.h"
#include "tests/support/sim_test.h"
#include "windows/document_host.h"
#include "windows/document_viewer_web.h"
#include "windows/web_browser.h"

namespace pv {
namespace {

// A viewer that notes what the host asks of it.
struct ViewerLog {
    std::vector<std::string> Calls;  // "<viewer name>:<operation>"
};
ViewerLog* gLog = nullptr;

class RecordingViewer : public TvddvViewer {
public:
    explicit RecordingViewer(TComponent* owner) : TvddvViewer(owner) {}
    PV_COMPONENT_CLASS(RecordingViewer)
    void Open() override { Note("Open"); }
    bool Load() override {
        Note("Load " + DocumentAddress + (PostData ? " post=" + *PostData : ""));
        return true;
    }
    void CloseView() override { Note("CloseView"); }
    std::string Kind;

private:
    void Note(const std::string& what) { gLog->Calls.push_back(Kind + ":" + what); }
};

TvddvViewerClass RecordingClass(const std::string& kind) {
    return {kind, [kind](TComponent* owner) -> TvddvViewer* {
                auto* v = TComponent::Create<RecordingViewer>(owner);
                v->Kind = kind;
                return v;
            }};
}

class DocumentHostTest : public testing::SimTest {
protected:
    DocumentHostTest() {
        gLog = &log;
        form = TComponent::Create<TForm>(&app);
        panel = TComponent::Create<TPanel>(form);
        panel->SetParent(form);
        host = TComponent::Create<TvddvHost>(form);
        host->HostContainer = panel;
        host->OnStateChanged = [this](TvddvHost*, int state) { states.push_back(state); };
    }
    ~DocumentHostTest() override { gLog = nullptr; }
    ViewerLog log;
    TApplication app{sim};
    TForm* form = nullptr;
    TPanel* panel = nullptr;
    TvddvHost* host = nullptr;
    std::vector<int> states;
};

// ---- keys and selection ----------------------------------------------------------------------

TEST_F(DocumentHostTest, TheKeyOfADocumentIsItsExtensionOrASlash) {
    sim.Files().ForceDirectories("C:\\Docs.d");
    struct Case {
        int Kind;
        const char* Address;
        const char* Key;
    };
    const Case cases[] = {
        {kDocumentAddress, "https://www.example.com/products/pivola/history.php", "*.php"},
        {kDocumentAddress, "HTTP://Example.com/a/Page.HTML?v=1.2#part.x", "*.html"},
        {kDocumentAddress, "hTtPs://host/index.asp;session=1.2", "*.asp"},
        {kDocumentAddress, "http://www.example.com", "/"},
        {kDocumentAddress, "http://www.example.com/", "/"},
        {kDocumentAddress, "http://www.example.com/dir.v2/page", "/"},
        {kDocumentAddress, "about:blank", "/"},
        {kDocumentFile, "C:\\Docs\\Readme.TXT", "*.txt"},
        {kDocumentFile, "C:\\Docs\\", "/"},
        {kDocumentFile, "C:\\Docs.d", "/"},
    };
    for (const Case& c : cases) EXPECT_EQ(host->DocumentKey(c.Kind, c.Address), c.Key) << c.Address;
    for (int kind : {1, 4}) {
        EXPECT_THROW(host->DocumentKey(kind, "x.php"), EvdParameterOutOfRange);
        EXPECT_THROW(host->RegisterViewer(kind, "/.*", RecordingClass("x")), EvdParameterOutOfRange);
        EXPECT_THROW(host->Navigate(kind, "x.php"), EvdParameterOutOfRange);
    }
}

TEST_F(DocumentHostTest, TheViewerIsChosenByKeyThenByTheCatchAllAndTheFirstRegistrationStays) {
    host->RegisterViewer(kDocumentAddress, "*.php", RecordingClass("php"));
    host->RegisterViewer(kDocumentAddress, "*.PHP", RecordingClass("second"));
    host->RegisterViewer(kDocumentFile, "/.*", RecordingClass("file"));
    EXPECT_TRUE(host->Navigate(kDocumentAddress, "http://a.example/x.php"));
    EXPECT_EQ(log.Calls, (std::vector<std::string>{"php:Open", "php:Load http://a.example/x.php"}));
    // No class for ".html" and no catch-all among the addresses: nothing is shown.
    log.Calls.clear();
    EXPECT_FALSE(host->Navigate(kDocumentAddress, "http://a.example/x.html"));
    EXPECT_TRUE(log.Calls.empty());
    host->RegisterViewer(kDocumentAddress, "/.*", RecordingClass("any"));
    EXPECT_TRUE(host->Navigate(kDocumentAddress, "http://a.example/x.html"));
    EXPECT_EQ(log.Calls, (std::vector<std::string>{"php:CloseView", "any:Open", "any:Load http://a.example/x.html"}));
}

TEST_F(DocumentHostTest, TheViewerIsKeptForTheSameKeyAndReplacedForAnother) {
    host->RegisterViewer(kDocumentAddress, "/.*", RecordingClass("any"));
    ASSERT_TRUE(host->Navigate(kDocumentAddress, "http://a.example/one.php"));
    TvddvViewer* first = host->Viewer();
    EXPECT_EQ(states, (std::vector<int>{kViewerCreatedOrDestroyed}));

    // The same address and post data: nothing to reload.
    log.Calls.clear();
    EXPECT_FALSE(host->Navigate(kDocumentAddress, "http://a.example/one.php"));
    EXPECT_TRUE(log.Calls.empty());
    // The same address with post data is another request.
    EXPECT_TRUE(host->Navigate(kDocumentAddress, "http://a.example/one.php", std::string("a=1")));
    // Another page of the same extension: the same viewer loads it.
    EXPECT_TRUE(host->Navigate(kDocumentAddress, "http://b.example/two.php?x=1"));
    EXPECT_EQ(host->Viewer(), first);
    EXPECT_EQ(log.Calls, (std::vector<std::string>{"any:Open", "any:Load http://a.example/one.php post=a=1", "any:Open",
                                                   "any:Load http://b.example/two.php?x=1"}));
    EXPECT_EQ(states.size(), 1u);

    // Another extension: the old viewer is closed and freed, a new one made, even of the
    // same class.
    log.Calls.clear();
    EXPECT_TRUE(host->Navigate(kDocumentAddress, "http://b.example/"));
    EXPECT_EQ(log.Calls, (std::vector<std::string>{"any:CloseView", "any:Open", "any:Load http://b.example/"}));
    EXPECT_EQ(states, (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(host->Viewer()->DocumentAddress, "http://b.example/");
}

TEST_F(DocumentHostTest, NothingIsShownWhileClosingOrForAnEmptyAddress) {
    host->RegisterViewer(kDocumentAddress, "/.*", RecordingClass("any"));
    EXPECT_FALSE(host->Navigate(kDocumentAddress, ""));
    ASSERT_TRUE(host->Navigate(kDocumentAddress, "http://a.example/"));
    host->CloseViewer(true);
    EXPECT_EQ(host->Viewer(), nullptr);
    log.Calls.clear();
    EXPECT_FALSE(host->Navigate(kDocumentAddress, "http://a.example/other"));
    EXPECT_TRUE(log.Calls.empty());
    host->CloseViewer(false);
    EXPECT_TRUE(host->Navigate(kDocumentAddress, "http://a.example/other"));
}

// ---- the web viewer ------------------------------------------------------------------------

class WebViewerTest : public DocumentHostTest {
protected:
    WebViewerTest() { host->RegisterViewer(kDocumentAddress, "/.*", TvddvViewerIE::Class()); }
    TvddvViewerIE* Viewer() const { return dynamic_cast<TvddvViewerIE*>(host->Viewer()); }
    sim::SimWebBrowser* Browser() {
        return Viewer() && Viewer()->Browser ? sim.SimUI().Control<sim::SimWebBrowser>(Viewer()->Browser->Handle())
                                             : nullptr;
    }
    uint64_t Now() { return sim.SimTime().ElapsedMs; }
};

TEST_F(WebViewerTest, TheRequestCarriesTheHostsHeaderLinesAndBypassesTheCache) {
    struct Case {
        const char* UserAgent;
        const char* Referer;
        std::optional<std::string> Post;
        std::vector<std::string> Lines;
    };
    const Case cases[] = {
        {"Pivola::1.7.9::CheckForUpdates::", "", std::nullopt, {"User-Agent: Pivola::1.7.9::CheckForUpdates::"}},
        {"", "", std::nullopt, {}},
        {"UA", "http://from.example/", std::string("a=1&b=2"),
         {"Content-Type: application/x-www-form-urlencoded", "User-Agent: UA", "Referer: http://from.example/"}},
    };
    int n = 0;
    for (const Case& c : cases) {
        host->UserAgent = c.UserAgent;
        host->Referer = c.Referer;
        std::string address = "http://a.example/page" + std::to_string(++n) + ".php";
        ASSERT_TRUE(host->Navigate(kDocumentAddress, address, c.Post));
        const sim::SimBrowserRequest& r = Browser()->Requests.back();
        EXPECT_EQ(r.Address, address);
        EXPECT_EQ(r.Flags, 12);
        EXPECT_EQ(r.PostData, c.Post.value_or(""));
        EXPECT_EQ(sim::SimWebBrowser::HeaderLines(r.Headers), c.Lines) << address;
        EXPECT_TRUE(Browser()->Visible);
        // The engine's own requests (frames, images) identify themselves the same way.
        EXPECT_EQ(Browser()->AmbientUserAgent(), c.UserAgent);
    }
    EXPECT_FALSE(Browser()->Silent) << "the silent mode is switched off";
}

TEST_F(WebViewerTest, TheBrowsersEventsReachTheViewerAndTheHost) {
    ASSERT_TRUE(host->Navigate(kDocumentAddress, "http://a.example/"));
    states.clear();
    sim::SimWebBrowser* b = Browser();
    b->FireNavigateComplete("http://a.example/frame.html", false);
    EXPECT_EQ(Viewer()->DocumentAddress, "http://a.example/") << "a frame's address is not the document's";
    b->FireNavigateComplete("http://a.example/moved.php");
    EXPECT_EQ(Viewer()->DocumentAddress, "http://a.example/moved.php");
    b->FireProgress(30, 100);
    EXPECT_EQ(Viewer()->Progress, 30);
    EXPECT_EQ(Viewer()->ProgressMax, 100);
    b->FireStatusText("Loading...");
    EXPECT_EQ(Viewer()->StatusText, "Loading...");
    b->FireCommandState(BrowserCommand::Back, true);
    b->FireCommandState(BrowserCommand::Forward, false);
    EXPECT_TRUE(Viewer()->CanGoBack);
    EXPECT_FALSE(Viewer()->CanGoForward);
    EXPECT_EQ(states, (std::vector<int>{kViewerAddress, kViewerProgress, kViewerStatusText}));

    // Two frames complete before the page itself: the counter turns positive with the page.
    b->FireDocumentComplete("f1", false);
    b->FireDocumentComplete("f2", false);
    EXPECT_EQ(Viewer()->CompletionCounter, -2);
    b->FireDocumentComplete("http://a.example/moved.php");
    EXPECT_EQ(Viewer()->CompletionCounter, 3);
    ASSERT_EQ(b->InsertedBeforeBody.size(), 1u) << "the page's script errors are swallowed";
    EXPECT_NE(b->InsertedBeforeBody[0].find("var noOp = null;"), std::string::npos);
}

TEST_F(WebViewerTest, TheWaitEndsWithThePageOrAfterTheTimeoutInVirtualTime) {
    sim.SimUI().BrowserLoadsInMs = 1100;
    ASSERT_TRUE(host->Navigate(kDocumentAddress, "http://a.example/"));
    EXPECT_TRUE(Viewer()->WaitForDocument(7500));
    EXPECT_EQ(Now(), 1250u) << "the page is noticed at the next step of 250 ms";
    EXPECT_FALSE(Viewer()->Waiting);

    sim.SimUI().BrowserLoadsInMs = -1;
    ASSERT_TRUE(host->Navigate(kDocumentAddress, "http://a.example/slow"));
    EXPECT_FALSE(Viewer()->WaitForDocument(7500));
    EXPECT_EQ(Now(), 1250u + 7500u);
    EXPECT_EQ(Browser()->Stops, 1) << "a page still loading is stopped";
}

TEST_F(WebViewerTest, ClosingTheViewFromInsideTheWaitEndsTheWaitAtOnce) {
    ASSERT_TRUE(host->Navigate(kDocumentAddress, "http://a.example/"));
    TvddvViewerIE* viewer = Viewer();
    uint64_t timer = sim.SimLoop().SetTimer(1000, [&] { host->CloseViewer(true); });
    EXPECT_FALSE(viewer->WaitForDocument(7500));
    sim.SimLoop().KillTimer(timer);
    EXPECT_EQ(Now(), 1000u);
    EXPECT_EQ(host->Viewer(), nullptr);
}

TEST_F(WebViewerTest, WithoutAnEngineNothingIsRequestedAndNothingAwaited) {
    sim.SimUI().BrowserEngine = false;
    EXPECT_FALSE(host->Navigate(kDocumentAddress, "http://a.example/"));
    ASSERT_NE(Viewer(), nullptr);
    EXPECT_FALSE(Viewer()->EngineAvailable());
    EXPECT_FALSE(Viewer()->WaitForDocument(7500));
    EXPECT_EQ(Now(), 0u);
}

}  // namespace
}  // namespace pv
