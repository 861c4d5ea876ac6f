#include "controls/application.h"

#include "controls/application_events.h"
#include "controls/control.h"
#include "controls/dialogs.h"

#include <algorithm>
#include "util/exception.h"

namespace pv {

TApplication::TApplication(Platform& platform) : TComponent(RootTag{}, this), platform_(platform) {}

TApplication::~TApplication() {
    // The owned windows go first, while the application is still whole.
    DestroyComponents();
}

void TApplication::Run() {
    if (!mainForm_) return;
    while (!terminated_) {
        if (DispatchOne()) continue;
        DoIdle();
        if (terminated_) break;
        if (!platform_.Loop().WaitForWork()) break;
    }
}

void TApplication::ProcessMessages() {
    while (DispatchOne()) {
    }
}

bool TApplication::DispatchOne() {
    bool any = false;
    Guard(this, [&] { any = platform_.Loop().ProcessOne(); });
    return any;
}

void TApplication::Terminate() {
    terminated_ = true;
    platform_.Loop().WakeUp();
}

void TApplication::QueueCall(std::function<void()> call, std::weak_ptr<void> guard) {
    bool guarded = !guard.expired();
    std::weak_ptr<void> self = AliveToken();
    platform_.Loop().Post([this, self, guard, guarded, call = std::move(call)] {
        if (self.expired() || (guarded && guard.expired())) return;
        Guard(this, call);
    });
}

void TApplication::HandleException(TComponent* sender, const std::exception& e) {
    for (auto* hook : std::vector<TApplicationEvents*>(hooks_)) {
        if (!hook->OnException) continue;
        try {
            hook->OnException(sender, e);
            return;
        } catch (...) {
            // A handler that fails itself falls back to the plain report below.
            break;
        }
    }
    MessageDialogRequest r = BuildMessageDialog(ExceptionMessage(e), MsgDlgType::Error, {MsgDlgBtn::Ok});
    platform_.UI().ShowMessageDialog(r);
}

void TApplication::HandleUnknownException(TComponent* sender) {
    HandleException(sender, Exception("Unknown exception"));
}

void TApplication::SetTitle(const std::string& title) {
    title_ = title;
    platform_.UI().SetApplicationTitle(title);
}

void TApplication::FormDestroyed(TForm* form) {
    if (mainForm_ == form) mainForm_ = nullptr;
}

void TApplication::SetBiDiMode(TBiDiMode mode) {
    bidi_ = mode;
    platform_.UI().SetRightToLeft(mode != TBiDiMode::LeftToRight);
}

void TApplication::AddEventHook(TApplicationEvents* hook) { hooks_.push_back(hook); }

void TApplication::RemoveEventHook(TApplicationEvents* hook) {
    hooks_.erase(std::remove(hooks_.begin(), hooks_.end(), hook), hooks_.end());
}

void TApplication::DoIdle() {
    for (auto* hook : std::vector<TApplicationEvents*>(hooks_))
        if (hook->OnIdle) Guard(hook, [&] { hook->OnIdle(hook); });
}

const TControl* TApplication::HintControl() const { return hintAlive_.expired() ? nullptr : hintControl_; }

void TApplication::SetHint(const std::string& hint, const TControl* control) {
    hint_ = hint;
    hintControl_ = control;
    hintAlive_ = control ? control->AliveToken() : std::weak_ptr<void>();
    // The pointer came onto a control: the hint applies anew even when its text is the same.
    for (auto* hook : std::vector<TApplicationEvents*>(hooks_))
        if (hook->OnHint) Guard(hook, [&] { hook->OnHint(hook); });
}

void TApplication::Minimize() {
    if (minimized_) return;
    minimized_ = true;
    for (auto* hook : std::vector<TApplicationEvents*>(hooks_))
        if (hook->OnMinimize) Guard(hook, [&] { hook->OnMinimize(hook); });
}

void TApplication::Restore() {
    platform_.UI().RestoreApplication();
    if (!minimized_) return;
    minimized_ = false;
    for (auto* hook : std::vector<TApplicationEvents*>(hooks_))
        if (hook->OnRestore) Guard(hook, [&] { hook->OnRestore(hook); });
}

}  // namespace pv
