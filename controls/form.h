#pragma once
// A top-level window. Construction runs in fixed steps (before the layout, the layout,
// after it, after creation, the create handler) so that window classes can hook in
// where a constructor cannot call virtual operations.
#include <functional>
#include <memory>

#include "controls/control.h"
#include "platform/ui.h"

namespace pv {

enum class TCloseAction { None, Hide, Free, Minimize };
using TCloseEvent = std::function<void(TComponent* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TComponent* sender, bool& canClose)>;

class TForm : public TWinControl, private IFormSink {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;
    PV_COMPONENT_CLASS(TForm)

    NativeHandle Handle() const override;
    bool HasPeer() const override { return peer_ != nullptr; }
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

    const FontSpec& Font() const { return font_; }
    void SetFont(const FontSpec& font);
    bool RightToLeft() const { return rtl_; }
    void SetRightToLeft(bool rtl);
    void SetCloseEnabled(bool enabled);
    bool CloseEnabled() const { return closeEnabled_; }
    bool MinimizeBox = true;
    void BringToFront();

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

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
    virtual FormParams CreateParams() const;

    void CaptionChanged() override;
    void VisibleChanged() override;
    void BoundsChanged() override;

private:
    void PeerCloseRequested() override;
    void PeerPlacementChanged(const WindowPlacement& placement, bool visible) override;
    bool PeerMessage(uint32_t msg, uintptr_t wParam, intptr_t lParam, intptr_t& result) override;

    std::unique_ptr<IFormPeer> peer_;
    WindowState state_ = WindowState::Normal;
    FontSpec font_;
    bool rtl_ = false;
    bool closeEnabled_ = true;
};

}  // namespace pv
