#pragma once
// The embedded web browser: a child window that loads addresses with header lines of the
// program's choosing and reports how loading goes. A desktop without a browser engine
// makes no peer at all, and the document host then shows the address in its own words.
#include <string>

#include "platform/ui/control.h"

namespace pv {

// How far the browser has got with the current document.
enum class BrowserReadyState { Uninitialized, Loading, Loaded, Interactive, Complete };

// The browser's commands whose state it reports.
enum class BrowserCommand { Forward, Back };

// Navigation flags of a request, as the engine takes them.
inline constexpr int kNavNoReadFromCache = 4;
inline constexpr int kNavNoWriteToCache = 8;

class IWebBrowserSink : public virtual IControlSink {
public:
    virtual void PeerCommandStateChange(BrowserCommand command, bool enabled) = 0;
    // A document arrived; `topLevel` is false for a frame inside the page.
    virtual void PeerNavigateComplete(const std::string& address, bool topLevel) = 0;
    virtual void PeerDocumentComplete(const std::string& address, bool topLevel) = 0;
    virtual void PeerProgressChange(int progress, int progressMax) = 0;
    virtual void PeerStatusTextChange(const std::string& text) = 0;
    // The browser asks its container for the user-agent text it sends.
    virtual std::string PeerAmbientUserAgent() = 0;
};

class IWebBrowserPeer : public IControlPeer {
public:
    // Requests the address; the headers are CR LF terminated lines, the post data is sent
    // as its bytes when not empty. False when the request could not be issued.
    virtual bool Navigate(const std::string& address, int flags, const std::string& postData,
                          const std::string& headers) = 0;
    virtual void Stop() = 0;
    virtual bool Busy() = 0;
    virtual BrowserReadyState ReadyState() = 0;
    // Whether the engine shows its own dialogs (script errors and the like).
    virtual void SetSilent(bool silent) = 0;
    virtual void GoBack() = 0;
    virtual void GoForward() = 0;
    virtual void Refresh() = 0;
    virtual void ScrollBy(int dy) = 0;
    virtual void Print() = 0;
    // The outer HTML of the document's root element; empty when there is no document.
    virtual std::string DocumentHtml() = 0;
    virtual void SetDocumentHtml(const std::string& html) = 0;
    // Inserts HTML just before the document's body; false when the document has no body.
    virtual bool InsertBeforeBody(const std::string& html) = 0;
};

}  // namespace pv
