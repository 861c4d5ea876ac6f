#pragma once
// Top-level windows and the hidden message windows of the frame.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/types.h"
#include "platform/ui/control.h"

namespace pv {

// A hidden window that receives posted messages, such as the frame's deferred start.
class IMessageWindow {
public:
    virtual ~IMessageWindow() = default;
    virtual NativeHandle Handle() = 0;
    virtual void Post(uint32_t msg, uintptr_t wParam, intptr_t lParam) = 0;
};
// Returns true when it handled the message; otherwise the system's default applies.
using MessageProc = std::function<bool(uint32_t msg, uintptr_t wParam, intptr_t lParam, intptr_t& result)>;

class IFormSink : public virtual IControlSink {
public:
    // The user asked to close the window (close box, Alt+F4, system menu).
    virtual void PeerCloseRequested() = 0;
    // The user moved, sized, minimised or restored the window; `client` is the size of
    // its client area now.
    virtual void PeerPlacementChanged(const WindowPlacement& placement, bool visible, TSize client) = 0;
    // Messages that the model handles itself (for example the base's exception relay).
    virtual bool PeerMessage(uint32_t msg, uintptr_t wParam, intptr_t lParam, intptr_t& result) = 0;
    // The window's cancel key (Escape) was pressed.
    virtual void PeerCancelKey() = 0;
    // The window's default key (Enter) was pressed where no control takes it itself.
    virtual void PeerDefaultKey() = 0;
    // The window now shows on a screen of another DPI (moved to another monitor, or the
    // user changed the scale); `suggested` is the outer rectangle the system proposes for
    // it at the new DPI. A sink that keeps no geometry of its own may ignore it.
    virtual void PeerDpiChanged(int dpi, const TRect& suggested) {}
    // A key with Ctrl or Alt, or a function key, was pressed in the window, before the
    // control with the focus sees it; true when the window used it as a shortcut.
    virtual bool PeerShortCut(uint32_t shortcut) = 0;
};

struct FormParams {
    std::string ClassName;  // the model's class, for finding windows by class
    std::string Caption;
    TRect Bounds;
    bool MinimizeBox = true;
    bool MaximizeBox = true;
};

// A top-level window. Its text is its title; its hint is not shown.
class IFormPeer : public IControlPeer {
public:
    virtual void SetWindowState(WindowState state) = 0;
    virtual WindowPlacement GetPlacement() = 0;
    // The size of the client area now.
    virtual TSize ClientSize() = 0;
    // The window's outer size that gives a client area of `client`.
    virtual TSize WindowSizeFor(TSize client) = 0;
    // The smallest outer size the user can drag the window to; 0 for no limit.
    virtual void SetMinTrackSize(TSize size) = 0;
    virtual void SetCloseEnabled(bool enabled) = 0;
    virtual void SetRightToLeft(bool rtl) = 0;
    virtual void BringToFront() = 0;
    // The dots per inch of the monitor the window is on (96 at 100 %).
    virtual int Dpi() = 0;
    // The work area (the screen less the task bar) of the monitor the window is on, in
    // screen coordinates.
    virtual TRect WorkArea() = 0;
};

}  // namespace pv
