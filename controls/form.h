#pragma once
// A top-level window. Construction runs in fixed steps (before the layout, the layout,
// after it, after creation, the create handler) so that window classes can hook in
// where a constructor cannot call virtual operations.
#include <functional>
#include <memory>

#include "controls/control.h"
#include "controls/shortcuts.h"
#include "platform/ui.h"

namespace pv {

enum class TCloseAction { None, Hide, Free, Minimize };
// Where a window first appears: where its bounds put it, or in the middle of the screen's
// work area (a placement restored later still moves it).
enum class TPosition { Designed, ScreenCenter };
using TCloseEvent = std::function<void(TComponent* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TComponent* sender, bool& canClose)>;

class TButton;

class TForm : public TWinControl, private IFormSink {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;
    PV_COMPONENT_CLASS(TForm)

    // Creates the native window now (it is otherwise made at the end of construction).
    void HandleNeeded();

    void Show();
    void Hide();
    // Asks the window to close: OnCloseQuery, OnClose, then hide, free, or end the
    // application when this is its main window.
    void Close();
    // Frees the window once the loop runs, after the current event has finished.
    void Release();
    bool Showing() const { return Visible(); }

    WindowState GetWindowState() const;
    void SetWindowState(WindowState state);
    // The normal rectangle and the state, as the system reports them.
    WindowPlacement GetPlacement() const;

    // The client area, where the children are laid out.
    TRect ClientRect() const override { return {0, 0, client_.cx, client_.cy}; }
    // Sizes the window so that its client area gets this size.
    void SetClientSize(int width, int height);
    // The window's smallest outer size, also for the user's dragging.
    void SetMinTrackSize(int width, int height);
    // A length in pixels at 96 dots per inch, as this window's screen shows it.
    int Scale96(int pixels) const;
    // The dots per inch the window is laid out for: its monitor's, once it has a window.
    int Dpi() const;
    // The button that the Escape key presses.
    TButton* CancelControl = nullptr;
    // The button that the Enter key presses, unless the focus is on another push button
    // (which Enter presses then, and which shows as the default one meanwhile).
    TButton* DefaultControl() const { return defaultControl_; }
    void SetDefaultControl(TButton* button);
    // What Enter does when no push button takes it (none focused and no default one).
    TNotifyEvent OnEnterKey;
    // The control with the keyboard focus, as its last entry reported; nullptr before
    // any. Forgotten when that control goes.
    TWinControl* ActiveControl() const { return activeControl_; }
    // A control of this window took the focus.
    void ActiveControlEntered(TWinControl* control);
    // A control of this window goes away.
    void ControlRemoved(TControl* control);
    bool RightToLeft() const { return rtl_; }
    void SetRightToLeft(bool rtl);
    void SetCloseEnabled(bool enabled);
    bool CloseEnabled() const { return closeEnabled_; }
    bool MinimizeBox = true;
    bool MaximizeBox = true;
    TPosition Position = TPosition::Designed;
    void BringToFront();

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    // What a shortcut key pressed in the window does: the enabled action of one of the
    // window's action lists that has it runs, and the key goes no further. The native
    // window and tests both come here; true when an action took the key.
    bool ShortCut(TShortCut shortcut);

protected:
    void AfterConstruction() override;
    void BeforeDestruction() override;
    // The construction steps, in the order they run.
    virtual void BeforeLoad() {}
    virtual void LoadLayout() {}
    virtual void AfterLoad() {}
    virtual void AfterCreate() {}
    virtual void DoCreate();
    virtual void DoDestroy();
    // Window messages the model handles; true when handled.
    virtual bool HandleMessage(uint32_t msg, uintptr_t wParam, intptr_t lParam, intptr_t& result) { return false; }
    // The window was laid out anew for another DPI (its children's rectangles are scaled
    // already); a window rescales here what it keeps in pixels besides them.
    virtual void DpiChanged(int oldDpi) {}
    virtual FormParams CreateParams() const;

    void VisibleChanged() override;
    void BoundsChanged() override;
    IFormPeer* FormPeer() const { return static_cast<IFormPeer*>(peer_.get()); }

private:
    void PeerCloseRequested() override;
    void PeerPlacementChanged(const WindowPlacement& placement, bool visible, TSize client) override;
    bool PeerMessage(uint32_t msg, uintptr_t wParam, intptr_t lParam, intptr_t& result) override;
    void PeerCancelKey() override;
    void PeerDefaultKey() override;
    void PeerDpiChanged(int dpi, const TRect& suggested) override;
    // Scales the layout to `dpi`, the window taking `suggested` as its outer rectangle,
    // or its client size scaled where the system suggests none.
    void ChangeDpi(int dpi, const TRect* suggested);
    // A designed size scaled for a screen of more DPI can outgrow the screen: the window
    // and the smallest size the user may drag it to are cut to its monitor's work area,
    // and the window is moved inside it. At 96 DPI on a screen the design fits, nothing
    // changes.
    void KeepInWorkArea();
    bool PeerShortCut(uint32_t shortcut) override { return ShortCut(shortcut); }
    void ClientChanged(TSize client);
    // The push button that Enter presses now, drawn as the default one.
    TButton* EnterButton() const;
    void UpdateDefaultLook();
    void CenterOnScreen();
    TButton* defaultControl_ = nullptr;
    TWinControl* activeControl_ = nullptr;
    TButton* defaultLook_ = nullptr;

    WindowState state_ = WindowState::Normal;
    TSize client_;
    TSize minTrack_;
    bool clientWanted_ = false;  // the client size was asked for before the window existed
    int dpi_ = 0;                // the DPI of the layout; 0 until the layout begins
    bool rtl_ = false;
    bool closeEnabled_ = true;
};

}  // namespace pv
