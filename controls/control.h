#pragma once
// Visual controls: the model holds the state (text, hint, bounds, visibility, font) and
// lays its children out; a native peer, where one exists, mirrors it. Every control has
// one peer of its family's interface; the common verbs of IControlPeer are forwarded
// here once for all kinds.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/component.h"
#include "platform/types.h"
#include "platform/ui/control.h"

namespace pv {

class TWinControl;
class TForm;

enum class TAlign { None, Top, Bottom, Left, Right, Client };

// The edges of its parent a control keeps its distance to when the parent is resized.
namespace Anchor {
inline constexpr unsigned Left = 1, Top = 2, Right = 4, Bottom = 8;
}

// The part of a hint before the "|": shown as the tooltip. A hint without "|" is whole.
std::string GetShortHint(const std::string& hint);
// The part after the "|": shown in the status bar. A hint without "|" is whole.
std::string GetLongHint(const std::string& hint);

class TControl : public TComponent, protected virtual IControlSink {
public:
    explicit TControl(TComponent* owner) : TComponent(owner) {}
    ~TControl() override;
    PV_COMPONENT_CLASS(TControl)

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    // The window the control lies in; nullptr while it has none.
    TForm* ParentForm() const;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    const std::string& Text() const { return caption_; }
    void SetText(const std::string& text) { SetCaption(text); }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);
    // Whether the short hint shows as a tooltip.
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool show);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    const FontSpec& Font() const;
    // Sets a font of the control's own; until then it shows its parent's.
    void SetFont(const FontSpec& font);
    intptr_t Tag = 0;

    // ---- geometry, in the parent's client coordinates ----
    TRect BoundsRect() const { return bounds_; }
    void SetBounds(int left, int top, int width, int height);
    int Left() const { return bounds_.Left; }
    int Top() const { return bounds_.Top; }
    int Width() const { return bounds_.Width(); }
    int Height() const { return bounds_.Height(); }
    void SetWidth(int w) { SetBounds(bounds_.Left, bounds_.Top, w, bounds_.Height()); }
    void SetHeight(int h) { SetBounds(bounds_.Left, bounds_.Top, bounds_.Width(), h); }
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);
    unsigned Anchors() const { return anchors_; }
    void SetAnchors(unsigned anchors) { anchors_ = anchors; }
    // The smallest size the control takes, whoever sets its bounds; 0 for no limit.
    int MinWidth() const { return minWidth_; }
    int MinHeight() const { return minHeight_; }
    void SetMinSize(int width, int height);

    TNotifyEvent OnClick;
    // What a click on the control does; the peer and tests both come through here.
    virtual void Click();

    // Creates the native peer below `parentHandle` and replays the state into it, then
    // the peers of the children. A hidden control gets its peer when it is first shown.
    virtual void CreatePeer(NativeHandle parentHandle);
    virtual void DestroyPeer();
    bool HasPeer() const { return peer_ != nullptr; }
    // Makes the native window anew with the whole state, for a setting the system fixes
    // when it makes a window.
    void RecreatePeer();
    // The native window; 0 while there is none.
    virtual NativeHandle Handle() const;

protected:
    friend class TWinControl;
    void BeforeDestruction() override;
    // The family's peer, below `parent`; nullptr for a kind that has none.
    virtual std::unique_ptr<IControlPeer> MakePeer(NativeHandle parent) { return nullptr; }
    // The family's own state, replayed into a new peer after the common state.
    virtual void ReplayState() {}
    // Called after a state change; the common verbs already reached the peer.
    virtual void CaptionChanged() {}
    virtual void VisibleChanged() {}
    virtual void EnabledChanged() {}
    virtual void BoundsChanged() {}
    virtual void FontChanged();
    // The pointer came onto the control: its hint applies now.
    void PeerMouseEnter() override;
    // Only windowed controls take the keyboard focus.
    void PeerEnter() override {}
    void PushHint();
    TWinControl* parent_ = nullptr;
    std::string caption_;
    std::string hint_;
    bool visible_ = true;
    bool enabled_ = true;
    bool showHint_ = false;
    bool parentFont_ = true;
    FontSpec font_;
    TRect bounds_;
    TAlign align_ = TAlign::None;
    unsigned anchors_ = Anchor::Left | Anchor::Top;
    int minWidth_ = 0, minHeight_ = 0;
    std::unique_ptr<IControlPeer> peer_;
};

// A control that holds others and lays them out: aligned children in creation order
// (top, bottom, left, right, then client), anchored ones kept at their distances.
class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner) : TControl(owner) {}
    PV_COMPONENT_CLASS(TWinControl)
    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(static_cast<size_t>(index)); }
    void InsertControl(TControl* c);
    void RemoveControl(TControl* c);
    // The area the children are laid out in, in the control's own coordinates.
    virtual TRect ClientRect() const { return {0, 0, Width(), Height()}; }
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    // Lays the children out again.
    virtual void Realign();
    // The control's size changed (its children are laid out already).
    TNotifyEvent OnResize;
    bool Aligning() const { return aligning_ > 0; }
    // For a change of the screen's DPI: every child's rectangle and minimum size, at any
    // depth, times num / den, then laid out again and given its font anew (a font's
    // points make other pixels now). `resize` gives this control its own new size first.
    void ScaleContents(int num, int den, const std::function<void()>& resize);
    // While contents are being scaled, nothing lays itself out: every rectangle is set
    // from the one it had before, and the layout runs once at the end.
    static bool Scaling();

    // ---- the keyboard focus ----
    // Whether Tab stops on the control.
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop);
    // Whether the control can take the focus now: it has a window, and it and every
    // container around it are shown and enabled.
    bool CanFocus() const;
    // Gives the control the keyboard focus (nothing happens when it cannot take it). The
    // control reports its entry as a user's Tab or click would.
    void SetFocus();
    // Whether the control is its window's active control.
    bool Focused() const;
    // The control took the focus.
    TNotifyEvent OnEnter;

protected:
    void PeerEnter() override;
    void CreateChildPeers();
    void BoundsChanged() override;
    void FontChanged() override;
    // Places the aligned children inside `area` and the anchored ones after a change of
    // the client size; returns the bottom of the lowest child.
    int AlignControls(TRect area);

private:
    void CollectDescendants(std::vector<TControl*>& out) const;
    void ReportResize();
    friend class TControl;
    std::vector<TControl*> controls_;
    TSize laidOutClient_{-1, -1};
    TSize lastSize_{-1, -1};
    int aligning_ = 0;
    bool tabStop_ = true;
};

// A control of a window's designed layout: owned by the window, placed in its parent,
// named, with its caption and hint.
template <typename T>
T* MakeChild(TComponent* owner, TWinControl* parent, const char* name, const char* caption = "", const char* hint = "") {
    T* c = TComponent::Create<T>(owner);
    c->SetName(name);
    c->SetParent(parent);
    c->SetCaption(caption);
    c->SetHint(hint);
    return c;
}

}  // namespace pv
