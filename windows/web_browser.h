#pragma once
// The embedded web browser as a control. It knows its document host: when the engine
// asks its container for the user agent, it answers with the host's. Its peer is missing
// on a desktop without a browser engine; Available() tells.
#include <functional>
#include <string>

#include "controls/control.h"
#include "platform/ui/web_browser.h"

namespace pv {

class TvddvHost;

class TvddvWebBrowser final : public TWinControl, private IWebBrowserSink {
public:
    explicit TvddvWebBrowser(TComponent* owner) : TWinControl(owner) {}
    PV_COMPONENT_CLASS(TvddvWebBrowser)

    TvddvHost* Host = nullptr;
    // Whether an engine stands behind the control (known once it lies in a window).
    bool Available() const { return peer_ != nullptr; }

    bool Navigate(const std::string& address, int flags, const std::string& postData, const std::string& headers);
    void Stop();
    bool Busy() const;
    BrowserReadyState ReadyState() const;
    bool Silent() const { return silent_; }
    void SetSilent(bool silent);
    void GoBack();
    void GoForward();
    void Refresh();
    void ScrollBy(int dy);
    void Print();
    std::string DocumentHtml() const;
    void SetDocumentHtml(const std::string& html);
    bool InsertBeforeBody(const std::string& html);

    std::function<void(BrowserCommand command, bool enabled)> OnCommandStateChange;
    std::function<void(const std::string& address, bool topLevel)> OnNavigateComplete;
    std::function<void(const std::string& address, bool topLevel)> OnDocumentComplete;
    std::function<void(int progress, int progressMax)> OnProgressChange;
    std::function<void(const std::string& text)> OnStatusTextChange;

protected:
    std::unique_ptr<IControlPeer> MakePeer(NativeHandle parent) override;
    void ReplayState() override;

private:
    IWebBrowserPeer* Peer() const { return static_cast<IWebBrowserPeer*>(peer_.get()); }
    void PeerCommandStateChange(BrowserCommand command, bool enabled) override;
    void PeerNavigateComplete(const std::string& address, bool topLevel) override;
    void PeerDocumentComplete(const std::string& address, bool topLevel) override;
    void PeerProgressChange(int progress, int progressMax) override;
    void PeerStatusTextChange(const std::string& text) override;
    std::string PeerAmbientUserAgent() override;
    bool silent_ = true;
};

}  // namespace pv
