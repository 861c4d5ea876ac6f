#pragma once
// A simulated top-level window: the state its model last pushed.
#include "platform/sim/sim_control.h"

namespace pv::sim {

// The frame a simulated window draws around its client area.
inline constexpr int kSimFrameWidth = 16;   // both side borders
inline constexpr int kSimFrameHeight = 39;  // caption and borders

struct SimForm : SimControl {
    IFormSink* FormSink = nullptr;
    FormParams Params;
    WindowPlacement Placement;
    bool CloseEnabled = true;
    bool RightToLeft = false;
    int BroughtToFront = 0;
    TSize MinTrackSize;
    // The DPI of the simulated monitor the window is on; 0: the desktop's PixelsPerInch.
    int MonitorDpi = 0;
    const std::string& Caption() const { return Text; }
    TSize ClientSize() const {
        return {Placement.Normal.Width() - kSimFrameWidth, Placement.Normal.Height() - kSimFrameHeight};
    }
    // Acts as the user would: the peer reports through the model's inbound path.
    void UserClose() { FormSink->PeerCloseRequested(); }
    void UserSetPlacement(const WindowPlacement& p);
    // The user drags the window's edges to a new outer size (never below the minimum).
    void UserResize(int width, int height);
    void UserPressEscape() { FormSink->PeerCancelKey(); }
    // The user presses Enter where the focused control does not take it itself.
    void UserPressEnter() { FormSink->PeerDefaultKey(); }
    // The user drags the window onto a monitor of another DPI; the system suggests the
    // window's outer rectangle there, as it does with a window that is aware of it.
    void UserMoveToDpi(int dpi, const TRect& suggested);
    // The user presses a key with Ctrl or Alt, or a function key; true when the window
    // took it as a shortcut.
    bool UserPressShortCut(uint32_t shortcut) { return FormSink->PeerShortCut(shortcut); }
};

}  // namespace pv::sim
