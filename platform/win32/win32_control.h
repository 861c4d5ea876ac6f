#pragma once
// The shared half of every child control's native peer: the HWND with the common verbs
// of IControlPeer, the window property that finds a peer from its HWND, the messages a
// parent reflects to the child that sent them, and the pointer tracking that feeds the
// status bar's hints.
#include "platform/win32/win32_common.h"

#include <string>

#include "platform/ui/control.h"

namespace pv::win32 {

// The one font object per font description, shared by every window that shows it and
// kept until the process ends (a program shows a handful of fonts). Without a DPI, the
// font is made for the screen's DPI.
HFONT FontHandle(const FontSpec& font, int dpi = 0);

class Win32ControlPeer {
public:
    Win32ControlPeer(const Win32ControlPeer&) = delete;
    Win32ControlPeer& operator=(const Win32ControlPeer&) = delete;
    virtual ~Win32ControlPeer();

    HWND Window() const { return hwnd_; }
    // The peer of a window made by this backend, or nullptr.
    static Win32ControlPeer* FromWindow(HWND hwnd);

    // Messages the parent hands over because this control sent them. True when handled;
    // the answer then goes into `result`.
    virtual bool OnCommand(WORD code, LRESULT& result) { return false; }
    // The same with the id the control sent it under (a tool bar's button).
    virtual bool OnCommandId(WORD id, WORD code, LRESULT& result) { return OnCommand(code, result); }
    virtual bool OnNotify(NMHDR* hdr, LRESULT& result) { return false; }
    virtual bool OnCtlColor(HDC dc, LRESULT& result) { return false; }
    virtual bool OnDrawItem(DRAWITEMSTRUCT* item, LRESULT& result) { return false; }
    virtual bool OnMeasureItem(MEASUREITEMSTRUCT* item, LRESULT& result) { return false; }

    // The pointer is over this control now.
    void PointerOver();
    // The control's window took the keyboard focus. A control whose focus lies in a
    // window of its own inside it reports from that window's notification instead.
    virtual void FocusTaken() { sink_.PeerEnter(); }
    // A message to the control's own window, before the window handles it; true when the
    // peer answered it, with the answer in `result`.
    virtual bool OwnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) { return false; }

protected:
    explicit Win32ControlPeer(IControlSink& sink) : sink_(sink) {}
    // Takes over a new window: binds it to this peer and tracks the pointer over it.
    void Attach(HWND hwnd);
    void Detach();

    void DoSetBounds(const TRect& r);
    void DoSetVisible(bool visible);
    void DoSetEnabled(bool enabled);
    void DoSetText(const std::string& text);
    void DoSetFont(const FontSpec& font);
    void DoSetHint(const std::string& hint);
    void DoSetFocus();

    IControlSink& sink_;
    HWND hwnd_ = nullptr;

private:
    static LRESULT CALLBACK TrackPointer(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR data);
    std::wstring tip_;
};

// A child control's peer: the family's interface with the common verbs done once.
template <typename Interface>
class Win32ChildPeer : public Interface, public Win32ControlPeer {
public:
    NativeHandle Handle() override { return reinterpret_cast<NativeHandle>(hwnd_); }
    void SetBounds(const TRect& bounds) override { DoSetBounds(bounds); }
    void SetVisible(bool visible) override { DoSetVisible(visible); }
    void SetEnabled(bool enabled) override { DoSetEnabled(enabled); }
    void SetText(const std::string& text) override { DoSetText(text); }
    void SetFont(const FontSpec& font) override { DoSetFont(font); }
    void SetHint(const std::string& hint) override { DoSetHint(hint); }
    void SetFocus() override { DoSetFocus(); }

protected:
    explicit Win32ChildPeer(IControlSink& sink) : Win32ControlPeer(sink) {}
    ~Win32ChildPeer() override { Detach(); }
};

// A new child window of a system class below `parent`, with a control id of its own.
HWND CreateChild(const wchar_t* className, const std::wstring& text, DWORD style, DWORD exStyle, HWND parent);

// The route of a container's window procedure (a form, a panel, a scrolling box, a page
// control, a group box): a
// child's WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR*, WM_DRAWITEM and WM_MEASUREITEM go to the
// child's peer, and the pointer over the container or over a disabled child is tracked.
// True when the message was handled, with its answer in `result`.
bool RouteToChild(HWND container, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

}  // namespace pv::win32
