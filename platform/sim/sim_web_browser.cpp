// The simulated web browser family.
#include "platform/sim/sim_web_browser.h"

namespace pv::sim {

void SimWebBrowser::FireNavigateComplete(const std::string& address, bool topLevel) {
    if (topLevel) ReadyState = BrowserReadyState::Interactive;
    BrowserSink->PeerNavigateComplete(address, topLevel);
}

void SimWebBrowser::FireDocumentComplete(const std::string& address, bool topLevel) {
    if (topLevel) {
        ReadyState = BrowserReadyState::Complete;
        Busy = false;
    }
    BrowserSink->PeerDocumentComplete(address, topLevel);
}

std::vector<std::string> SimWebBrowser::HeaderLines(const std::string& headers) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < headers.size()) {
        size_t end = headers.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(headers.substr(start) + " (no CR LF)");
            break;
        }
        lines.push_back(headers.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

namespace {

class SimWebBrowserPeer final : public SimChildPeer<IWebBrowserPeer, SimWebBrowser> {
public:
    SimWebBrowserPeer(SimUserInterface& ui, IWebBrowserSink& sink, NativeHandle parent)
        : SimChildPeer(ui, sink, parent) {
        rec_.BrowserSink = &sink;
    }
    ~SimWebBrowserPeer() override { CancelLoad(); }

    bool Navigate(const std::string& address, int flags, const std::string& postData,
                  const std::string& headers) override {
        rec_.Requests.push_back({address, flags, postData, headers});
        rec_.ReadyState = BrowserReadyState::Loading;
        rec_.Busy = true;
        CancelLoad();
        if (ui_.BrowserLoadsInMs >= 0) {
            SimEventLoop& loop = ui_.Owner().SimLoop();
            loadTimer_ = loop.SetTimer(static_cast<uint32_t>(ui_.BrowserLoadsInMs), [this, address] {
                CancelLoad();
                rec_.FireNavigateComplete(address);
                rec_.FireDocumentComplete(address);
            });
        }
        return true;
    }
    void Stop() override {
        ++rec_.Stops;
        rec_.Busy = false;
        CancelLoad();
    }
    bool Busy() override { return rec_.Busy; }
    BrowserReadyState ReadyState() override { return rec_.ReadyState; }
    void SetSilent(bool silent) override { rec_.Silent = silent; }
    void GoBack() override { ++rec_.BackCalls; }
    void GoForward() override { ++rec_.ForwardCalls; }
    void Refresh() override { ++rec_.Refreshes; }
    void ScrollBy(int dy) override { rec_.ScrolledBy += dy; }
    void Print() override { ++rec_.Prints; }
    std::string DocumentHtml() override { return rec_.Html; }
    void SetDocumentHtml(const std::string& html) override { rec_.Html = html; }
    bool InsertBeforeBody(const std::string& html) override {
        if (!rec_.HasBody) return false;
        rec_.InsertedBeforeBody.push_back(html);
        return true;
    }

private:
    void CancelLoad() {
        if (loadTimer_) ui_.Owner().SimLoop().KillTimer(loadTimer_);
        loadTimer_ = 0;
    }
    uint64_t loadTimer_ = 0;
};

}  // namespace

std::unique_ptr<IWebBrowserPeer> SimUserInterface::CreateWebBrowserPeer(IWebBrowserSink& sink, NativeHandle parent) {
    if (!BrowserEngine) return nullptr;
    return std::make_unique<SimWebBrowserPeer>(*this, sink, parent);
}

}  // namespace pv::sim
