#pragma once
// The system's web browser control hosted in a child window, with the site objects it
// asks its container for. Exposed beyond the factory for the tests that count the site
// objects and host the control where the HTML engine behind it is missing.
#include "platform/win32/win32_common.h"

#include <memory>

#include "platform/ui/web_browser.h"

namespace pv::win32 {

// Whether the HTML engine that renders the browser control's pages can be loaded.
bool HtmlEngineAvailable();

// Hosts the browser control below `parent`; nullptr when it cannot be created, or when
// `needHtmlEngine` is set and no HTML engine stands behind it (the control would then
// stay an empty rectangle).
std::unique_ptr<IWebBrowserPeer> CreateBrowserPeer(IWebBrowserSink& sink, HWND parent, bool needHtmlEngine);

// How many COM objects of the site (client site, frame, event sink) are alive: 0 once
// every peer is gone and the control has let go of them.
int LiveBrowserSiteObjects();

// The client site a peer made by CreateBrowserPeer gave the control, with a reference of
// the caller's: what the control asks its container, a test can ask too.
IUnknown* BrowserClientSite(IWebBrowserPeer& peer);

// The value of the program's entry under the browser-emulation feature key, so that the
// control renders pages in the engine's current mode, not its oldest.
inline constexpr DWORD kBrowserEmulation = 11001;

}  // namespace pv::win32
