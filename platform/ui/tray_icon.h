#pragma once
// The program's icon in the notification area.
#include <string>

#include "platform/types.h"

namespace pv {

class ITrayIconSink {
public:
    virtual ~ITrayIconSink() = default;
    virtual void PeerClick() = 0;        // a left-button release after a press on the icon
    virtual void PeerDoubleClick() = 0;
    virtual void PeerRightClick() = 0;   // a right-button release on the icon
};

// The peer itself puts the icon back when the shell's taskbar is re-created, and takes it
// away when the session ends.
class ITrayIconPeer {
public:
    virtual ~ITrayIconPeer() = default;
    // The application's own icon with a tooltip; false when the shell refuses.
    virtual bool Add(const std::string& tip) = 0;
    virtual bool Remove() = 0;
    virtual bool SetTip(const std::string& tip) = 0;
    virtual NativeHandle Handle() = 0;  // the window that receives the icon's messages
};

}  // namespace pv
