#pragma once
// The simulated embedded browser: it records every request with its header lines and
// loads nothing by itself; a test fires the events a real engine would, or lets the
// desktop's BrowserLoadsInMs finish each request after that much virtual time.
#include <string>
#include <vector>

#include "platform/sim/sim_control.h"

namespace pv::sim {

struct SimBrowserRequest {
    std::string Address;
    int Flags = 0;
    std::string PostData;
    std::string Headers;
};

struct SimWebBrowser : SimControl {
    IWebBrowserSink* BrowserSink = nullptr;
    std::vector<SimBrowserRequest> Requests;
    BrowserReadyState ReadyState = BrowserReadyState::Uninitialized;
    bool Busy = false;
    bool Silent = true;
    int Stops = 0;
    int BackCalls = 0, ForwardCalls = 0, Refreshes = 0, Prints = 0;
    int ScrolledBy = 0;
    std::string Html;
    bool HasBody = true;
    // Every piece of HTML inserted before the body, in order.
    std::vector<std::string> InsertedBeforeBody;

    // The engine's events, as a page load sends them.
    void FireNavigateComplete(const std::string& address, bool topLevel = true);
    // The top-level document completes the load: the browser is idle and complete.
    void FireDocumentComplete(const std::string& address, bool topLevel = true);
    void FireProgress(int progress, int progressMax) { BrowserSink->PeerProgressChange(progress, progressMax); }
    void FireStatusText(const std::string& text) { BrowserSink->PeerStatusTextChange(text); }
    void FireCommandState(BrowserCommand command, bool enabled) {
        BrowserSink->PeerCommandStateChange(command, enabled);
    }
    // What the page's server would see as the user agent the browser sends by itself.
    std::string AmbientUserAgent() const { return BrowserSink->PeerAmbientUserAgent(); }
    // The request's header lines, one entry per CR LF terminated line.
    static std::vector<std::string> HeaderLines(const std::string& headers);
};

}  // namespace pv::sim
