#include "controls/form.h"

#include <algorithm>

#include "controls/action_list.h"
#include "controls/application.h"
#include "controls/buttons.h"

namespace pv {

namespace {
// The frame a window is assumed to have before the system made it and can tell.
constexpr TSize kNominalFrame{16, 39};
}  // namespace

TForm::TForm(TComponent* owner) : TWinControl(owner) {
    visible_ = false;
    parentFont_ = false;
    bounds_ = {100, 100, 100 + 640, 100 + 480};
    client_ = {640 - kNominalFrame.cx, 480 - kNominalFrame.cy};
}

TForm::~TForm() = default;

FormParams TForm::CreateParams() const {
    FormParams p;
    p.ClassName = ClassName();
    p.Caption = caption_;
    p.Bounds = bounds_;
    p.MinimizeBox = MinimizeBox;
    p.MaximizeBox = MaximizeBox;
    return p;
}

void TForm::HandleNeeded() {
    if (peer_) return;
    auto peer = GetPlatform().UI().CreateFormPeer(*this, CreateParams());
    IFormPeer* form = peer.get();
    peer_ = std::move(peer);
    // Creating a peer replays the whole state.
    form->SetFont(Font());
    form->SetRightToLeft(rtl_);
    form->SetCloseEnabled(closeEnabled_);
    form->SetMinTrackSize(minTrack_);
    if (clientWanted_) {
        TSize outer = form->WindowSizeFor(client_);
        bounds_.Right = bounds_.Left + std::max(outer.cx, minWidth_);
        bounds_.Bottom = bounds_.Top + std::max(outer.cy, minHeight_);
        clientWanted_ = false;
    }
    form->SetBounds(bounds_);
    if (state_ != WindowState::Normal) form->SetWindowState(state_);
    ClientChanged(form->ClientSize());
    CreateChildPeers();
    // A window made on a monitor of another DPI than the one its layout was made for.
    if (int actual = form->Dpi(); dpi_ > 0 && actual > 0 && actual != dpi_) ChangeDpi(actual, nullptr);
    if (!enabled_) form->SetEnabled(false);
    if (visible_) form->SetVisible(true);
}

void TForm::SetClientSize(int width, int height) {
    if (IFormPeer* form = FormPeer()) {
        TSize outer = form->WindowSizeFor({width, height});
        SetBounds(bounds_.Left, bounds_.Top, outer.cx, outer.cy);
        return;
    }
    clientWanted_ = true;
    bounds_.Right = bounds_.Left + width + kNominalFrame.cx;
    bounds_.Bottom = bounds_.Top + height + kNominalFrame.cy;
    ClientChanged({width, height});
}

void TForm::SetMinTrackSize(int width, int height) {
    minTrack_ = {width, height};
    SetMinSize(width, height);
    if (IFormPeer* form = FormPeer()) form->SetMinTrackSize(minTrack_);
}

int TForm::Dpi() const {
    if (dpi_ > 0) return dpi_;
    int ppi = FormPeer() ? FormPeer()->Dpi() : GetPlatform().System().ScreenPixelsPerInch();
    return ppi > 0 ? ppi : 96;
}

int TForm::Scale96(int pixels) const {
    int ppi = Dpi();
    return ppi == 96 ? pixels : (pixels * ppi + 48) / 96;
}

void TForm::PeerDpiChanged(int dpi, const TRect& suggested) {
    Application()->Guard(this, [&] { ChangeDpi(dpi, &suggested); });
}

void TForm::ChangeDpi(int dpi, const TRect* suggested) {
    int old = Dpi();
    if (dpi <= 0 || dpi == old) {
        if (suggested) SetBounds(suggested->Left, suggested->Top, suggested->Width(), suggested->Height());
        return;
    }
    dpi_ = dpi;
    auto scale = [&](int v) { return (v * dpi + old / 2) / old; };
    TSize client = client_;
    TSize minTrack = minTrack_;
    ScaleContents(dpi, old, [&] {
        if (minTrack.cx > 0 || minTrack.cy > 0) SetMinTrackSize(scale(minTrack.cx), scale(minTrack.cy));
        if (suggested) SetBounds(suggested->Left, suggested->Top, suggested->Width(), suggested->Height());
        else SetClientSize(scale(client.cx), scale(client.cy));
    });
    DpiChanged(old);
    if (!suggested) KeepInWorkArea();
}

void TForm::KeepInWorkArea() {
    IFormPeer* form = FormPeer();
    TRect work = form ? form->WorkArea() : GetPlatform().System().WorkArea();
    if (work.Width() <= 0 || work.Height() <= 0) return;
    if (minTrack_.cx > work.Width() || minTrack_.cy > work.Height())
        SetMinTrackSize(std::min(minTrack_.cx, work.Width()), std::min(minTrack_.cy, work.Height()));
    int width = std::min(Width(), work.Width()), height = std::min(Height(), work.Height());
    int left = std::clamp(Left(), work.Left, work.Right - width);
    int top = std::clamp(Top(), work.Top, work.Bottom - height);
    if (left != Left() || top != Top() || width != Width() || height != Height()) SetBounds(left, top, width, height);
}

void TForm::ClientChanged(TSize client) {
    client_ = client;
    if (!Scaling()) Realign();
}

void TForm::AfterConstruction() {
    // The layout is written for the DPI of the screen the window will show on.
    dpi_ = Dpi();
    BeforeLoad();
    LoadLayout();
    AfterLoad();
    HandleNeeded();
    KeepInWorkArea();
    AfterCreate();
    // Once the window has its real outer size, after the font that may change it.
    if (Position == TPosition::ScreenCenter) CenterOnScreen();
    DoCreate();
}

void TForm::CenterOnScreen() {
    TRect work = GetPlatform().System().WorkArea();
    int left = work.Left + (work.Width() - Width()) / 2;
    int top = work.Top + (work.Height() - Height()) / 2;
    SetBounds(left, top, Width(), Height());
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

WindowState TForm::GetWindowState() const { return peer_ ? FormPeer()->GetPlacement().State : state_; }

void TForm::SetWindowState(WindowState state) {
    state_ = state;
    if (peer_) FormPeer()->SetWindowState(state);
}

WindowPlacement TForm::GetPlacement() const {
    if (peer_) return FormPeer()->GetPlacement();
    return WindowPlacement{state_, bounds_};
}

void TForm::SetRightToLeft(bool rtl) {
    if (rtl_ == rtl) return;
    rtl_ = rtl;
    if (peer_) FormPeer()->SetRightToLeft(rtl);
}

void TForm::SetCloseEnabled(bool enabled) {
    closeEnabled_ = enabled;
    if (peer_) FormPeer()->SetCloseEnabled(enabled);
}

void TForm::BringToFront() {
    if (peer_) FormPeer()->BringToFront();
}

void TForm::BoundsChanged() {
    // With a window, its size reports the client area back; without one the nominal
    // frame stands in.
    if (!peer_) ClientChanged({bounds_.Width() - kNominalFrame.cx, bounds_.Height() - kNominalFrame.cy});
}

void TForm::PeerCloseRequested() {
    Application()->Guard(this, [&] { Close(); });
}

void TForm::PeerPlacementChanged(const WindowPlacement& placement, bool visible, TSize client) {
    state_ = placement.State;
    bounds_ = placement.Normal;
    // A minimised window keeps the layout of its normal client area.
    if (placement.State != WindowState::Minimized && client.cx > 0 && client.cy > 0 && client != client_)
        Application()->Guard(this, [&] { ClientChanged(client); });
}

void TForm::PeerCancelKey() {
    if (CancelControl && CancelControl->Visible() && CancelControl->Enabled()) CancelControl->Click();
}

bool TForm::ShortCut(TShortCut shortcut) {
    if (!shortcut) return false;
    for (int i = 0; i < ComponentCount(); ++i) {
        auto* list = dynamic_cast<TActionList*>(Components(i));
        if (!list) continue;
        for (int a = 0; a < list->ActionCount(); ++a) {
            TAction* action = list->Actions(a);
            if (action->ShortCut == shortcut && action->Enabled) return action->Execute();
        }
    }
    return false;
}

void TForm::PeerDefaultKey() {
    Application()->Guard(this, [&] {
        TButton* button = EnterButton();
        if (button && button->Visible() && button->Enabled()) button->Click();
        else if (!button && OnEnterKey) OnEnterKey(this);
    });
}

void TForm::SetDefaultControl(TButton* button) {
    defaultControl_ = button;
    UpdateDefaultLook();
}

TButton* TForm::EnterButton() const {
    auto* focused = dynamic_cast<TButton*>(activeControl_);
    return focused && focused->IsPushButton() ? focused : defaultControl_;
}

void TForm::UpdateDefaultLook() {
    TButton* look = EnterButton();
    if (look == defaultLook_) return;
    if (defaultLook_) defaultLook_->SetDefaultLook(false);
    defaultLook_ = look;
    if (defaultLook_) defaultLook_->SetDefaultLook(true);
}

void TForm::ActiveControlEntered(TWinControl* control) {
    if (control == this) return;
    activeControl_ = control;
    UpdateDefaultLook();
}

namespace {
// Whether `c` is `control` or lies inside it.
bool Within(const TControl* c, const TControl* control) {
    for (; c; c = c->Parent())
        if (c == control) return true;
    return false;
}
}  // namespace

void TForm::ControlRemoved(TControl* control) {
    if (Within(activeControl_, control)) activeControl_ = nullptr;
    if (Within(defaultControl_, control)) defaultControl_ = nullptr;
    if (Within(defaultLook_, control)) defaultLook_ = nullptr;
    if (Within(CancelControl, control)) CancelControl = nullptr;
    if (!Destroying()) UpdateDefaultLook();
}

bool TForm::PeerMessage(uint32_t msg, uintptr_t wParam, intptr_t lParam, intptr_t& result) {
    bool handled = false;
    Application()->Guard(this, [&] { handled = HandleMessage(msg, wParam, lParam, result); });
    return handled;
}

}  // namespace pv
