#include "controls/control.h"

#include <algorithm>

#include "controls/application.h"
#include "controls/form.h"

namespace pv {

std::string GetShortHint(const std::string& hint) {
    size_t bar = hint.find('|');
    return bar == std::string::npos ? hint : hint.substr(0, bar);
}

std::string GetLongHint(const std::string& hint) {
    size_t bar = hint.find('|');
    return bar == std::string::npos ? hint : hint.substr(bar + 1);
}

// ---- TControl ----------------------------------------------------------------------------

TControl::~TControl() {
    if (parent_) parent_->RemoveControl(this);
}

void TControl::BeforeDestruction() {
    DestroyPeer();
    // The window forgets the control before anything of it is gone.
    if (TForm* form = ParentForm(); form && form != this) form->ControlRemoved(this);
    if (parent_) {
        parent_->RemoveControl(this);
        parent_ = nullptr;
    }
    // Children that outlive their container (owned elsewhere) no longer point at it.
    if (auto* container = dynamic_cast<TWinControl*>(this)) {
        for (TControl* c : container->controls_) c->parent_ = nullptr;
        container->controls_.clear();
    }
}

void TControl::SetParent(TWinControl* parent) {
    if (parent_ == parent) return;
    if (parent_) {
        if (TForm* form = ParentForm(); form && form != this) form->ControlRemoved(this);
        DestroyPeer();
        parent_->RemoveControl(this);
        if (align_ != TAlign::None) parent_->Realign();
    }
    parent_ = parent;
    if (!parent_) return;
    parent_->InsertControl(this);
    if (parent_->Handle() && visible_) CreatePeer(parent_->Handle());
    if (align_ != TAlign::None) parent_->Realign();
}

TForm* TControl::ParentForm() const {
    const TControl* c = this;
    while (c->parent_) c = c->parent_;
    return dynamic_cast<TForm*>(const_cast<TControl*>(c));
}

NativeHandle TControl::Handle() const { return peer_ ? peer_->Handle() : 0; }

void TControl::CreatePeer(NativeHandle parentHandle) {
    if (peer_ || !parentHandle) return;
    peer_ = MakePeer(parentHandle);
    if (!peer_) return;
    // The whole state goes over, as the new window knows nothing yet.
    peer_->SetFont(Font());
    peer_->SetText(caption_);
    peer_->SetBounds(bounds_);
    peer_->SetEnabled(enabled_);
    PushHint();
    ReplayState();
    if (auto* container = dynamic_cast<TWinControl*>(this)) container->CreateChildPeers();
    peer_->SetVisible(visible_);
}

void TControl::RecreatePeer() {
    if (!peer_ || !parent_) return;
    NativeHandle parentHandle = parent_->Handle();
    DestroyPeer();
    CreatePeer(parentHandle);
}

void TControl::DestroyPeer() {
    if (auto* container = dynamic_cast<TWinControl*>(this))
        for (auto* c : container->controls_) c->DestroyPeer();
    peer_.reset();
}

void TControl::SetCaption(const std::string& caption) {
    if (caption_ == caption) return;
    caption_ = caption;
    if (peer_) peer_->SetText(caption_);
    CaptionChanged();
}

void TControl::SetHint(const std::string& hint) {
    if (hint_ == hint) return;
    hint_ = hint;
    PushHint();
}

void TControl::SetShowHint(bool show) {
    if (showHint_ == show) return;
    showHint_ = show;
    PushHint();
}

void TControl::PushHint() {
    if (peer_) peer_->SetHint(showHint_ ? GetShortHint(hint_) : std::string());
}

void TControl::SetVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    if (peer_) peer_->SetVisible(visible_);
    else if (visible_ && parent_ && parent_->Handle()) CreatePeer(parent_->Handle());
    if (parent_ && align_ != TAlign::None) parent_->Realign();
    VisibleChanged();
}

void TControl::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    if (peer_) peer_->SetEnabled(enabled_);
    EnabledChanged();
}

const FontSpec& TControl::Font() const { return parentFont_ && parent_ ? parent_->Font() : font_; }

void TControl::SetFont(const FontSpec& font) {
    parentFont_ = false;
    font_ = font;
    FontChanged();
}

void TControl::FontChanged() {
    if (peer_) peer_->SetFont(Font());
}

void TControl::SetBounds(int left, int top, int width, int height) {
    TRect r{left, top, left + std::max(width, minWidth_), top + std::max(height, minHeight_)};
    if (bounds_ == r) return;
    bounds_ = r;
    if (peer_) peer_->SetBounds(bounds_);
    BoundsChanged();
    // An aligned control that changes its own size moves its neighbours.
    if (parent_ && align_ != TAlign::None && !parent_->Aligning() && !TWinControl::Scaling()) parent_->Realign();
}

void TControl::SetAlign(TAlign align) {
    if (align_ == align) return;
    align_ = align;
    if (parent_) parent_->Realign();
}

void TControl::SetMinSize(int width, int height) {
    minWidth_ = width;
    minHeight_ = height;
    SetBounds(bounds_.Left, bounds_.Top, bounds_.Width(), bounds_.Height());
}

void TControl::Click() {
    if (OnClick) Application()->Guard(this, [&] { OnClick(this); });
}

void TControl::PeerMouseEnter() {
    Application()->Guard(this, [&] { Application()->SetHint(hint_, this); });
}

// ---- TWinControl -------------------------------------------------------------------------

void TWinControl::InsertControl(TControl* c) {
    if (std::find(controls_.begin(), controls_.end(), c) == controls_.end()) controls_.push_back(c);
}

void TWinControl::RemoveControl(TControl* c) { controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end()); }

void TWinControl::SetTabStop(bool tabStop) {
    if (tabStop_ == tabStop) return;
    tabStop_ = tabStop;
    RecreatePeer();
}

bool TWinControl::CanFocus() const {
    if (!peer_) return false;
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->visible_ || !c->enabled_) return false;
    return true;
}

void TWinControl::SetFocus() {
    if (CanFocus()) peer_->SetFocus();
}

bool TWinControl::Focused() const {
    const TForm* form = ParentForm();
    return form && form->ActiveControl() == this;
}

void TWinControl::PeerEnter() {
    Application()->Guard(this, [&] {
        if (TForm* form = ParentForm()) form->ActiveControlEntered(this);
        if (OnEnter) OnEnter(this);
    });
}

void TWinControl::CreateChildPeers() {
    for (auto* c : controls_)
        if (!c->HasPeer() && c->Visible()) c->CreatePeer(Handle());
}

void TWinControl::BoundsChanged() {
    if (Scaling()) return;
    TRect client = ClientRect();
    if (TSize{client.Width(), client.Height()} != laidOutClient_) Realign();
    ReportResize();
}

void TWinControl::ReportResize() {
    TSize size{Width(), Height()};
    if (size == lastSize_) return;
    lastSize_ = size;
    if (OnResize) Application()->Guard(this, [&] { OnResize(this); });
}

namespace {
int scalingDepth = 0;

// Rounded to the nearest pixel, halves away from zero, as Scale96 rounds.
int ScaleBy(int value, int num, int den) {
    long long v = static_cast<long long>(value) * num;
    return static_cast<int>(v >= 0 ? (v + den / 2) / den : -((-v + den / 2) / den));
}
}  // namespace

bool TWinControl::Scaling() { return scalingDepth > 0; }

void TWinControl::CollectDescendants(std::vector<TControl*>& out) const {
    for (auto* c : controls_) {
        out.push_back(c);
        if (auto* w = dynamic_cast<TWinControl*>(c)) w->CollectDescendants(out);
    }
}

void TWinControl::ScaleContents(int num, int den, const std::function<void()>& resize) {
    if (num <= 0 || den <= 0) return;
    auto s = [&](int v) { return ScaleBy(v, num, den); };
    // Every rectangle is taken before any is set: setting one moves anchored neighbours.
    std::vector<TControl*> all;
    CollectDescendants(all);
    std::vector<TRect> rects;
    std::vector<TSize> mins;
    for (auto* c : all) {
        rects.push_back(c->bounds_);
        mins.push_back({c->minWidth_, c->minHeight_});
    }
    std::vector<TWinControl*> containers{this};
    for (auto* c : all)
        if (auto* w = dynamic_cast<TWinControl*>(c)) containers.push_back(w);
    std::vector<TSize> laidOut;
    for (auto* w : containers) laidOut.push_back(w->laidOutClient_);

    ++scalingDepth;
    try {
        if (resize) resize();
        for (size_t i = 0; i < all.size(); ++i) {
            TControl* c = all[i];
            const TRect& r = rects[i];
            c->minWidth_ = s(mins[i].cx);
            c->minHeight_ = s(mins[i].cy);
            // Edges, not sizes: controls that touch keep touching.
            c->SetBounds(s(r.Left), s(r.Top), s(r.Right) - s(r.Left), s(r.Bottom) - s(r.Top));
        }
    } catch (...) {
        --scalingDepth;
        throw;
    }
    --scalingDepth;

    // Each container's children now stand as its scaled layout put them; the layout
    // that follows moves anchored ones by what its real size differs from that.
    for (size_t i = 0; i < containers.size(); ++i)
        if (laidOut[i].cx >= 0) containers[i]->laidOutClient_ = {s(laidOut[i].cx), s(laidOut[i].cy)};
    for (auto* w : containers) {
        w->Realign();
        w->ReportResize();
    }
    FontChanged();
    for (auto* c : all)
        if (!c->parentFont_) c->FontChanged();
}

void TWinControl::FontChanged() {
    TControl::FontChanged();
    for (auto* c : controls_)
        if (c->parentFont_) c->FontChanged();
}

void TWinControl::Realign() { AlignControls(ClientRect()); }

int TWinControl::AlignControls(TRect area) {
    ++aligning_;
    TSize client{area.Width(), area.Height()};
    TRect rest = area;
    int lowest = area.Top;
    for (TAlign kind : {TAlign::Top, TAlign::Bottom, TAlign::Left, TAlign::Right, TAlign::Client}) {
        for (auto* c : controls_) {
            if (c->align_ != kind || !c->visible_) continue;
            int w = c->Width(), h = c->Height();
            switch (kind) {
                case TAlign::Top:
                    c->SetBounds(rest.Left, rest.Top, rest.Width(), h);
                    rest.Top += c->Height();
                    break;
                case TAlign::Bottom:
                    c->SetBounds(rest.Left, rest.Bottom - h, rest.Width(), h);
                    rest.Bottom -= c->Height();
                    break;
                case TAlign::Left:
                    c->SetBounds(rest.Left, rest.Top, w, rest.Height());
                    rest.Left += c->Width();
                    break;
                case TAlign::Right:
                    c->SetBounds(rest.Right - w, rest.Top, w, rest.Height());
                    rest.Right -= c->Width();
                    break;
                default:
                    c->SetBounds(rest.Left, rest.Top, rest.Width(), rest.Height());
                    break;
            }
        }
    }
    // Anchored children keep their distances to the edges they are anchored to.
    bool resized = laidOutClient_.cx >= 0 && client != laidOutClient_;
    int dw = client.cx - laidOutClient_.cx, dh = client.cy - laidOutClient_.cy;
    for (auto* c : controls_) {
        if (c->align_ == TAlign::None && resized) {
            TRect b = c->bounds_;
            unsigned a = c->anchors_;
            if (a & Anchor::Right) {
                if (a & Anchor::Left) b.Right += dw;
                else b.Left += dw, b.Right += dw;
            }
            if (a & Anchor::Bottom) {
                if (a & Anchor::Top) b.Bottom += dh;
                else b.Top += dh, b.Bottom += dh;
            }
            c->SetBounds(b.Left, b.Top, b.Width(), b.Height());
        }
        if (c->visible_) lowest = std::max(lowest, c->bounds_.Bottom);
    }
    laidOutClient_ = client;
    --aligning_;
    return lowest;
}

}  // namespace pv
