#pragma once
// Visual controls: the model holds the state (text, hint, bounds, visibility); a native
// peer, where one exists, mirrors it.
#include <string>
#include <vector>

#include "controls/component.h"
#include "platform/types.h"

namespace pv {

class TWinControl;

enum class TAlign { None, Top, Bottom, Left, Right, Client };

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner) : TComponent(owner) {}
    ~TControl() override;
    PV_COMPONENT_CLASS(TControl)

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    const std::string& Text() const { return caption_; }
    void SetText(const std::string& text) { SetCaption(text); }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    TRect BoundsRect() const { return bounds_; }
    void SetBounds(int left, int top, int width, int height);
    int Left() const { return bounds_.Left; }
    int Top() const { return bounds_.Top; }
    int Width() const { return bounds_.Width(); }
    int Height() const { return bounds_.Height(); }
    void SetWidth(int w) { SetBounds(bounds_.Left, bounds_.Top, w, bounds_.Height()); }
    void SetHeight(int h) { SetBounds(bounds_.Left, bounds_.Top, bounds_.Width(), h); }
    TAlign Align = TAlign::None;
    bool ShowHint = false;
    intptr_t Tag = 0;

    TNotifyEvent OnClick;
    // What a click on the control does; the peer and tests both come through here.
    virtual void Click();

    // Creates the native peer below `parentHandle` and replays the state into it.
    virtual void CreatePeer(NativeHandle parentHandle) {}
    virtual void DestroyPeer() {}
    virtual bool HasPeer() const { return false; }

protected:
    void BeforeDestruction() override;
    // Called after a state change so a peer can mirror it.
    virtual void CaptionChanged() {}
    virtual void HintChanged() {}
    virtual void VisibleChanged() {}
    virtual void EnabledChanged() {}
    virtual void BoundsChanged() {}

    TWinControl* parent_ = nullptr;
    std::string caption_;
    std::string hint_;
    bool visible_ = true;
    bool enabled_ = true;
    TRect bounds_;
};

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner) : TControl(owner) {}
    PV_COMPONENT_CLASS(TWinControl)
    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(static_cast<size_t>(index)); }
    void InsertControl(TControl* c);
    void RemoveControl(TControl* c);
    // The native handle children are created below; 0 while there is none.
    virtual NativeHandle Handle() const { return 0; }

protected:
    void CreateChildPeers();

private:
    std::vector<TControl*> controls_;
};

}  // namespace pv
