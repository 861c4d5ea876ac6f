#pragma once
// A tool bar: its buttons (TToolButton, without windows of their own: the bar shows them)
// and any other control placed on it, laid out from the left in creation order. Buttons
// have the bar's button size, separators their own width, other controls theirs; one
// control may take the room left over, so that it grows with the bar.
#include <vector>

#include "controls/control.h"
#include "platform/ui/tool_bar.h"

namespace pv {

class TToolBar;

class TToolButton final : public TControl {
public:
    explicit TToolButton(TComponent* owner) : TControl(owner) {}
    PV_COMPONENT_CLASS(TToolButton)
    // A separator between groups of buttons, `width` pixels wide.
    bool Separator() const { return separator_; }
    void SetSeparator(int width);
    int SeparatorWidth() const { return separatorWidth_; }
    void SetParent(TWinControl* parent) override;
    // What the bar calls the button: its index among the bar's controls, from 1.
    int Id() const { return id_; }

protected:
    void CaptionChanged() override;
    void VisibleChanged() override;
    void EnabledChanged() override;

private:
    friend class TToolBar;
    TToolBar* Bar() const;
    bool separator_ = false;
    int separatorWidth_ = 8;
    int id_ = 0;
};

class TToolBar final : public TWinControl, private IToolBarSink {
public:
    explicit TToolBar(TComponent* owner) : TWinControl(owner) {}
    PV_COMPONENT_CLASS(TToolBar)

    int ButtonWidth() const { return buttonWidth_; }
    int ButtonHeight() const { return buttonHeight_; }
    void SetButtonSize(int width, int height);
    // The control that takes the room the others leave (at least its minimum width).
    void SetStretchControl(TControl* control);
    bool Gradient() const { return gradient_; }
    void SetGradient(bool gradient);
    // Places the buttons and the controls on the bar, and shows the buttons as they are.
    void Arrange();
    void Realign() override { Arrange(); }
    TToolButton* ButtonById(int id) const;

protected:
    std::unique_ptr<IControlPeer> MakePeer(NativeHandle parent) override;
    void ReplayState() override;

private:
    friend class TToolButton;
    IToolBarPeer* Peer() const { return static_cast<IToolBarPeer*>(peer_.get()); }
    std::vector<ToolButtonView> Views() const;
    void PeerButtonClick(int id) override;
    void PeerButtonHot(int id) override;
    std::string PeerButtonTip(int id) override;
    int buttonWidth_ = 23;
    int buttonHeight_ = 22;
    bool gradient_ = false;
    TControl* stretch_ = nullptr;
    bool arranging_ = false;
    std::vector<ToolButtonView> shown_;
};

}  // namespace pv
