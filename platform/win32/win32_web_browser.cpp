// The web browser family's native side. Hosting the system's browser control needs its
// COM site objects, which this backend does not have yet, so it reports that no engine
// can be embedded and the document host shows the address in its own words instead.
#include "platform/win32/win32_ui.h"

namespace pv::win32 {

std::unique_ptr<IWebBrowserPeer> Win32UserInterface::CreateWebBrowserPeer(IWebBrowserSink&, NativeHandle) {
    return nullptr;
}

}  // namespace pv::win32
