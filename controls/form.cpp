#include "controls/form.h"

#include "controls/application.h"

namespace pv {

TForm::TForm(TComponent* owner) : TWinControl(owner) {
    visible_ = false;
    bounds_ = {100, 100, 100 + 640, 100 + 480};
}

TForm::~TForm() = default;

NativeHandle TForm::Handle() const { return peer_ ? peer_->Handle() : 0; }

FormParams TForm::CreateParams() const {
    FormParams p;
    p.ClassName = ClassName();
    p.Caption = caption_;
    p.Bounds = bounds_;
    p.MinimizeBox = MinimizeBox;
    return p;
}

void TForm::HandleNeeded() {
    if (peer_) return;
    peer_ = GetPlatform().UI().CreateFormPeer(*this, CreateParams());
    // Creating a peer replays the whole state.
    peer_->SetFont(font_);
    peer_->SetRightToLeft(rtl_);
    peer_->SetCloseEnabled(closeEnabled_);
    peer_->SetBounds(bounds_);
    if (state_ != WindowState::Normal) peer_->SetWindowState(state_);
    CreateChildPeers();
    if (visible_) peer_->SetVisible(true);
}

void TForm::AfterConstruction() {
    BeforeLoad();
    LoadLayout();
    AfterLoad();
    HandleNeeded();
    AfterCreate();
    DoCreate();
}

void TForm::DoCreate() {
    if (OnCreate) Application()->Guard(this, [&] { OnCreate(this); });
}

void TForm::DoDestroy() {
    if (OnDestroy) Application()->Guard(this, [&] { OnDestroy(this); });
}

void TForm::BeforeDestruction() {
    DoDestroy();
    if (Application()) Application()->FormDestroyed(this);
    // The children's peers go with the window.
    DestroyComponents();
    peer_.reset();
    TWinControl::BeforeDestruction();
}

void TForm::Show() {
    SetVisible(true);
    BringToFront();
}

void TForm::Hide() { SetVisible(false); }

void TForm::VisibleChanged() {
    if (peer_) peer_->SetVisible(visible_);
    if (visible_ && OnShow) Application()->Guard(this, [&] { OnShow(this); });
    if (!visible_ && OnHide) Application()->Guard(this, [&] { OnHide(this); });
}

void TForm::Close() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    if (!canClose) return;
    TCloseAction action = TCloseAction::Hide;
    if (OnClose) OnClose(this, action);
    if (action == TCloseAction::None) return;
    if (Application()->MainForm() == this) {
        Application()->Terminate();
        return;
    }
    switch (action) {
        case TCloseAction::Hide: Hide(); break;
        case TCloseAction::Minimize: SetWindowState(WindowState::Minimized); break;
        case TCloseAction::Free: Release(); break;
        case TCloseAction::None: break;
    }
}

void TForm::Release() {
    Application()->QueueCall([this] { TComponent::Free(this); }, AliveToken());
}

WindowState TForm::GetWindowState() const { return peer_ ? peer_->GetPlacement().State : state_; }

void TForm::SetWindowState(WindowState state) {
    state_ = state;
    if (peer_) peer_->SetWindowState(state);
}

WindowPlacement TForm::GetPlacement() const {
    if (peer_) return peer_->GetPlacement();
    return WindowPlacement{state_, bounds_};
}

void TForm::SetFont(const FontSpec& font) {
    font_ = font;
    if (peer_) peer_->SetFont(font);
}

void TForm::SetRightToLeft(bool rtl) {
    if (rtl_ == rtl) return;
    rtl_ = rtl;
    if (peer_) peer_->SetRightToLeft(rtl);
}

void TForm::SetCloseEnabled(bool enabled) {
    closeEnabled_ = enabled;
    if (peer_) peer_->SetCloseEnabled(enabled);
}

void TForm::BringToFront() {
    if (peer_) peer_->BringToFront();
}

void TForm::CaptionChanged() {
    if (peer_) peer_->SetCaption(caption_);
}

void TForm::BoundsChanged() {
    if (peer_) peer_->SetBounds(bounds_);
}

void TForm::PeerCloseRequested() {
    Application()->Guard(this, [&] { Close(); });
}

void TForm::PeerPlacementChanged(const WindowPlacement& placement, bool visible) {
    state_ = placement.State;
    bounds_ = placement.Normal;
}

bool TForm::PeerMessage(uint32_t msg, uintptr_t wParam, intptr_t lParam, intptr_t& result) {
    bool handled = false;
    Application()->Guard(this, [&] { handled = HandleMessage(msg, wParam, lParam, result); });
    return handled;
}

}  // namespace pv
