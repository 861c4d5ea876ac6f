#include "windows/document_viewer_web.h"

#include <cstdlib>

#include "controls/application.h"
#include "platform/platform.h"
#include "windows/web_browser.h"

namespace pv {

namespace {

constexpr int kWaitStepMs = 250;
constexpr int kScrollStep = 200;
// Placed before the body of every complete page, so that the page's script errors end in
// a handler that does nothing instead of in a dialog.
const char* const kSwallowScriptErrors = "&nbsp;<script defer for=\"window\" event=\"onerror\">var noOp = null;</script>";

}  // namespace

TvddvViewerIE::TvddvViewerIE(TComponent* owner) : TvddvViewer(owner) {
    DocumentAddress = "about:blank";
}

TvddvViewerClass TvddvViewerIE::Class() {
    return {"TvddvViewerIE", [](TComponent* owner) -> TvddvViewer* { return TComponent::Create<TvddvViewerIE>(owner); }};
}

bool TvddvViewerIE::EngineAvailable() const { return Browser && Browser->Available(); }

void TvddvViewerIE::Open() {
    if (!Browser) {
        Browser = TComponent::Create<TvddvWebBrowser>(this);
        Browser->Host = Host;
    }
    // Placed while still visible, so that its native window (and with it the engine) is
    // made at once and the viewer knows whether it can show anything.
    Browser->SetParent(Container);
    Browser->SetVisible(false);
    Browser->SetAlign(TAlign::Client);
    Browser->SetSilent(false);
    Browser->OnCommandStateChange = [this](BrowserCommand command, bool enabled) {
        if (command == BrowserCommand::Forward) CanGoForward = enabled;
        else CanGoBack = enabled;
    };
    Browser->OnDocumentComplete = [this](const std::string& a, bool top) { BrowserDocumentComplete(a, top); };
    Browser->OnNavigateComplete = [this](const std::string& address, bool topLevel) {
        if (!topLevel) return;
        DocumentAddress = address;
        ReportState(kViewerAddress);
    };
    Browser->OnProgressChange = [this](int progress, int progressMax) {
        Progress = progress;
        ProgressMax = progressMax;
        ReportState(kViewerProgress);
    };
    Browser->OnStatusTextChange = [this](const std::string& text) {
        StatusText = text;
        ReportState(kViewerStatusText);
    };
}

bool TvddvViewerIE::Load() {
    CompletionCounter = 0;
    std::string headers;
    std::string postData;
    if (PostData) {
        postData = *PostData;
        headers += "Content-Type: application/x-www-form-urlencoded\r\n";
    }
    if (Host && !Host->UserAgent.empty()) headers += "User-Agent: " + Host->UserAgent + "\r\n";
    if (Host && !Host->Referer.empty()) headers += "Referer: " + Host->Referer + "\r\n";
    if (!EngineAvailable()) return false;
    Browser->SetVisible(true);
    try {
        return Browser->Navigate(DocumentAddress, kNavNoReadFromCache | kNavNoWriteToCache, postData, headers);
    } catch (const std::exception&) {
        return false;
    }
}

void TvddvViewerIE::BrowserDocumentComplete(const std::string&, bool topLevel) {
    if (CompletionCounter <= 0) {
        --CompletionCounter;
        if (topLevel) CompletionCounter = std::abs(CompletionCounter);
    }
    if (Browser->ReadyState() == BrowserReadyState::Complete) Browser->InsertBeforeBody(kSwallowScriptErrors);
}

bool TvddvViewerIE::WaitForDocument(int timeoutMs) {
    if (!EngineAvailable()) return false;
    // The messages that run while waiting may close the view and free this viewer.
    std::weak_ptr<void> alive = AliveToken();
    Waiting = true;
    int elapsed = 0;
    bool loaded = false;
    IEventLoop& loop = GetPlatform().Loop();
    while (true) {
        if (CancelWait) break;
        Application()->ProcessMessages();
        if (alive.expired()) return false;
        if (CancelWait) break;
        BrowserReadyState state = Browser->ReadyState();
        if (CompletionCounter > 0 && (state == BrowserReadyState::Interactive || state == BrowserReadyState::Complete)) {
            loaded = true;
            break;
        }
        if (timeoutMs >= 0 && elapsed >= timeoutMs) {
            if (Browser->Busy()) Browser->Stop();
            break;
        }
        elapsed += kWaitStepMs;
        loop.Sleep(kWaitStepMs);
        if (alive.expired()) return false;
    }
    Waiting = false;
    CancelWait = false;
    return loaded;
}

void TvddvViewerIE::CloseView() {
    // On the one thread there is, a running wait can only be one that this call came from,
    // through the messages it lets run: waiting for it here would never end. The wait
    // notices the cancel flag, or that the viewer is gone, as soon as control returns to it.
    if (Waiting) CancelWait = true;
    if (!Browser || !Browser->Visible()) return;
    try {
        Browser->SetVisible(false);
        Browser->SetAlign(TAlign::None);
        Browser->SetBounds(Browser->Left(), Browser->Top(), 0, 0);
        if (Browser->Busy()) Browser->Stop();
        Browser->Navigate("about:blank", 0, "", "");
    } catch (const std::exception&) {
    }
}

void TvddvViewerIE::Print() {
    if (Browser) Browser->Print();
}
void TvddvViewerIE::Refresh() {
    if (Browser) Browser->Refresh();
}
void TvddvViewerIE::GoForward() {
    if (Browser && CanGoForward) Browser->GoForward();
}
void TvddvViewerIE::GoBack() {
    if (Browser && CanGoBack) Browser->GoBack();
}
void TvddvViewerIE::ScrollUp() {
    if (Browser) Browser->ScrollBy(-kScrollStep);
}
void TvddvViewerIE::ScrollDown() {
    if (Browser) Browser->ScrollBy(kScrollStep);
}
std::string TvddvViewerIE::GetDocumentText() { return Browser ? Browser->DocumentHtml() : std::string(); }
void TvddvViewerIE::SetDocumentText(const std::string& html) {
    if (Browser) Browser->SetDocumentHtml(html);
}
TControl* TvddvViewerIE::GetControl() { return Browser; }

}  // namespace pv
