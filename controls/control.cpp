#include "controls/control.h"

#include <algorithm>

#include "controls/application.h"

namespace pv {

TControl::~TControl() {
    if (parent_) parent_->RemoveControl(this);
}

void TControl::BeforeDestruction() {
    DestroyPeer();
    if (parent_) {
        parent_->RemoveControl(this);
        parent_ = nullptr;
    }
}

void TControl::SetParent(TWinControl* parent) {
    if (parent_ == parent) return;
    if (parent_) parent_->RemoveControl(this);
    parent_ = parent;
    if (parent_) {
        parent_->InsertControl(this);
        if (parent_->Handle() && !HasPeer() && visible_) CreatePeer(parent_->Handle());
    }
}

void TControl::SetCaption(const std::string& caption) {
    if (caption_ == caption) return;
    caption_ = caption;
    CaptionChanged();
}

void TControl::SetHint(const std::string& hint) {
    if (hint_ == hint) return;
    hint_ = hint;
    HintChanged();
}

void TControl::SetVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    VisibleChanged();
}

void TControl::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    EnabledChanged();
}

void TControl::SetBounds(int left, int top, int width, int height) {
    TRect r{left, top, left + width, top + height};
    if (bounds_ == r) return;
    bounds_ = r;
    BoundsChanged();
}

void TControl::Click() {
    if (OnClick) Application()->Guard(this, [&] { OnClick(this); });
}

void TWinControl::InsertControl(TControl* c) {
    if (std::find(controls_.begin(), controls_.end(), c) == controls_.end()) controls_.push_back(c);
}

void TWinControl::RemoveControl(TControl* c) { controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end()); }

void TWinControl::CreateChildPeers() {
    for (auto* c : controls_)
        if (!c->HasPeer() && c->Visible()) c->CreatePeer(Handle());
}

}  // namespace pv
