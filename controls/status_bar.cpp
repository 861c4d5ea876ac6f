#include "controls/status_bar.h"

#include "controls/application_events.h"
#include "controls/form.h"
#include "controls/timer.h"

namespace pv {

TvdStatusBar::TvdStatusBar(TComponent* owner) : TWinControl(owner) {}

void TvdStatusBar::AfterConstruction() {
    TWinControl::AfterConstruction();
    hints_ = TComponent::Create<TApplicationEvents>(this);
    hints_->OnHint = [this](TComponent*) { ApplicationHint(); };
    fallBack_ = TComponent::Create<TTimer>(this);
    fallBack_->SetEnabled(false);
    fallBack_->SetInterval(HintTimeout);
    fallBack_->SetOnTimer([this](TComponent*) {
        fallBack_->SetEnabled(false);
        SetSimpleText(autoHintDef_);
    });
}

std::unique_ptr<IControlPeer> TvdStatusBar::MakePeer(NativeHandle parent) {
    return GetPlatform().UI().CreateStatusBarPeer(*this, parent);
}

void TvdStatusBar::ReplayState() {
    static_cast<IStatusBarPeer*>(peer_.get())->SetSizeGrip(sizeGrip_);
    if (!panels_.empty()) static_cast<IStatusBarPeer*>(peer_.get())->SetPanels(panels_);
}

void TvdStatusBar::SetPanels(const std::vector<StatusPanelSpec>& panels) {
    if (panels_ == panels) return;
    panels_ = panels;
    if (peer_) static_cast<IStatusBarPeer*>(peer_.get())->SetPanels(panels);
}

void TvdStatusBar::Invalidate() {
    if (peer_ && !panels_.empty()) static_cast<IStatusBarPeer*>(peer_.get())->SetPanels(panels_);
}

void TvdStatusBar::PeerDrawPanel(int index, const TRect& rect) {
    if (OnDrawPanel) OnDrawPanel(this, index, rect);
}

void TvdStatusBar::SetSizeGrip(bool grip) {
    if (sizeGrip_ == grip) return;
    sizeGrip_ = grip;
    if (peer_) static_cast<IStatusBarPeer*>(peer_.get())->SetSizeGrip(grip);
}

void TvdStatusBar::SetAutoHintDef(const std::string& text) {
    if (caption_ == autoHintDef_) SetSimpleText(text);
    autoHintDef_ = text;
}

void TvdStatusBar::ApplicationHint() {
    // Only the hints of this bar's own window; another window's pointer is not ours.
    const TControl* hinted = Application()->HintControl();
    if (!hinted || hinted->ParentForm() != ParentForm()) return;
    std::string text = GetLongHint(Application()->Hint());
    SetSimpleText(text.empty() ? autoHintDef_ : text);
    fallBack_->SetInterval(HintTimeout);
    // Restarted: the default comes back this long after the last hint change.
    fallBack_->SetEnabled(false);
    fallBack_->SetEnabled(!text.empty());
}

}  // namespace pv
