#include "controls/tool_bar.h"

#include <algorithm>

#include "controls/application.h"
#include "platform/platform.h"

namespace pv {

// ---- TToolButton -----------------------------------------------------------------------------

TToolBar* TToolButton::Bar() const { return dynamic_cast<TToolBar*>(Parent()); }

void TToolButton::SetSeparator(int width) {
    separator_ = true;
    separatorWidth_ = width;
    if (TToolBar* bar = Bar()) bar->Arrange();
}

void TToolButton::SetParent(TWinControl* parent) {
    TToolBar* old = Bar();
    TControl::SetParent(parent);
    if (old) old->Arrange();
    if (TToolBar* bar = Bar()) bar->Arrange();
}

void TToolButton::CaptionChanged() {
    if (TToolBar* bar = Bar()) bar->Arrange();
}
void TToolButton::VisibleChanged() {
    if (TToolBar* bar = Bar()) bar->Arrange();
}
void TToolButton::EnabledChanged() {
    if (TToolBar* bar = Bar()) bar->Arrange();
}

// ---- TToolBar --------------------------------------------------------------------------------

std::unique_ptr<IControlPeer> TToolBar::MakePeer(NativeHandle parent) {
    return GetPlatform().UI().CreateToolBarPeer(*this, parent);
}

void TToolBar::ReplayState() {
    Peer()->SetGradient(gradient_);
    Peer()->SetButtonSize(buttonWidth_, buttonHeight_);
    shown_ = Views();
    Peer()->SetButtons(shown_);
}

void TToolBar::SetButtonSize(int width, int height) {
    if (buttonWidth_ == width && buttonHeight_ == height) return;
    buttonWidth_ = width;
    buttonHeight_ = height;
    if (peer_) Peer()->SetButtonSize(width, height);
    Arrange();
}

void TToolBar::SetStretchControl(TControl* control) {
    stretch_ = control;
    Arrange();
}

void TToolBar::SetGradient(bool gradient) {
    if (gradient_ == gradient) return;
    gradient_ = gradient;
    if (peer_) Peer()->SetGradient(gradient);
}

TToolButton* TToolBar::ButtonById(int id) const {
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* b = dynamic_cast<TToolButton*>(Controls(i)); b && b->id_ == id) return b;
    return nullptr;
}

void TToolBar::Arrange() {
    if (arranging_) return;
    arranging_ = true;
    auto widthOf = [&](TControl* c) {
        if (auto* b = dynamic_cast<TToolButton*>(c)) return b->separator_ ? b->separatorWidth_ : buttonWidth_;
        return c->Width();
    };
    int others = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (c->Visible() && c != stretch_) others += widthOf(c);
    }
    int x = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (auto* b = dynamic_cast<TToolButton*>(c)) b->id_ = i + 1;
        if (!c->Visible()) continue;
        int w = c == stretch_ ? std::max({c->MinWidth(), 0, ClientWidth() - others}) : widthOf(c);
        int h = dynamic_cast<TToolButton*>(c) ? buttonHeight_ : c->Height();
        c->SetBounds(x, std::max(0, (ClientHeight() - h) / 2), w, h);
        x += w;
    }
    arranging_ = false;
    if (!peer_) return;
    std::vector<ToolButtonView> views = Views();
    if (views == shown_) return;
    shown_ = views;
    Peer()->SetButtons(views);
}

std::vector<ToolButtonView> TToolBar::Views() const {
    std::vector<ToolButtonView> views;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        ToolButtonView v;
        v.Id = i + 1;
        v.Visible = c->Visible();
        if (auto* b = dynamic_cast<TToolButton*>(c)) {
            v.Separator = b->separator_;
            v.Width = b->separator_ ? b->separatorWidth_ : buttonWidth_;
            v.Caption = b->separator_ ? std::string() : b->Caption();
            v.Enabled = b->Enabled();
        } else {
            // The room of a control on the bar.
            v.Separator = true;
            v.Width = c->Width();
        }
        views.push_back(v);
    }
    return views;
}

void TToolBar::PeerButtonClick(int id) {
    TToolButton* b = ButtonById(id);
    if (!b || b->Separator() || !b->Visible() || !b->Enabled()) return;
    Application()->Guard(this, [&] { b->Click(); });
}

void TToolBar::PeerButtonHot(int id) {
    TToolButton* b = ButtonById(id);
    if (b && !b->Separator()) Application()->Guard(this, [&] { Application()->SetHint(b->Hint(), b); });
    else PeerMouseEnter();
}

std::string TToolBar::PeerButtonTip(int id) {
    TToolButton* b = ButtonById(id);
    return b ? GetShortHint(b->Hint()) : std::string();
}

}  // namespace pv
