#include "frame/instance_control.h"

#include "controls/application.h"
#include "controls/form.h"

namespace pv {

TvdWinFormInstanceControl::TvdWinFormInstanceControl(TComponent* owner, bool checkNow, std::string identifier)
    : TComponent(owner), checkNow_(checkNow), title_(std::move(identifier)) {}

TvdWinFormInstanceControl::~TvdWinFormInstanceControl() = default;

void TvdWinFormInstanceControl::AfterConstruction() {
    // The window exists before the search, so that the search can tell it from the others
    // and a copy started meanwhile finds this one.
    window_ = GetPlatform().Desktop().CreateInstanceWindow(ClassName(), title_, *this);
    if (checkNow_) Check();
}

NativeHandle TvdWinFormInstanceControl::Handle() const { return window_ ? window_->Handle() : 0; }

void TvdWinFormInstanceControl::Check() {
    FindOthers();
    if (OnCheck) OnCheck(this, Allowed);
    if (!OtherInstances.empty()) {
        if (OnDuplicate) OnDuplicate(this, OtherInstances, Allowed);
        else ActivateOthers();
    }
    OtherInstances.clear();
    if (!Allowed && TerminateOnDuplicate) {
        if (OnTerminate) {
            OnTerminate(this);
        } else {
            // The frame's start-up goes on, but every later step sees the request.
            Application()->Terminate();
            Application()->ProcessMessages();
        }
    }
}

void TvdWinFormInstanceControl::FindOthers() {
    IDesktop& desktop = GetPlatform().Desktop();
    const std::string className = ClassName();
    const NativeHandle own = Handle();
    int count = 0;
    OtherInstances.clear();
    for (const DesktopWindow& w : desktop.TopLevelWindows()) {
        if (w.ClassName != className || w.Title.find(title_) == std::string::npos) continue;
        ++count;
        if (w.Handle != own) OtherInstances.push_back(w.Handle);
    }
    for (NativeHandle other : OtherInstances) {
        if (!Allowed || SkipKeyQuery) break;
        uint16_t atom = desktop.AddGlobalAtom(InstanceKey);
        intptr_t answer = desktop.SendMessageTo(other, kInstanceKeyMessage, 0, atom);
        if (atom) desktop.DeleteGlobalAtom(atom);
        if (answer != 0) Allowed = false;
    }
    if (Allowed && MaxInstances != 0 && MaxInstances < count) Allowed = false;
}

void TvdWinFormInstanceControl::ActivateOthers() {
    if (Allowed) return;
    IDesktop& desktop = GetPlatform().Desktop();
    for (NativeHandle other : OtherInstances)
        if (other) desktop.SendMessageTo(other, kInstanceActivateMessage, 0, 0);
}

intptr_t TvdWinFormInstanceControl::PeerInstanceMessage(uint32_t msg, uintptr_t, intptr_t lParam) {
    intptr_t answer = 0;
    // Another program waits for the answer; a failure here is this copy's to report.
    Application()->Guard(this, [&] {
        switch (msg) {
            case kInstanceWindowMessage: answer = static_cast<intptr_t>(ApplicationWindow()); break;
            case kInstanceKeyMessage: answer = KeyMatches(static_cast<uint16_t>(lParam)) ? 1 : 0; break;
            case kInstanceActivateMessage:
                if (OnActivate) OnActivate(this);
                else ComeToFront();
                break;
        }
    });
    return answer;
}

NativeHandle TvdWinFormInstanceControl::ApplicationWindow() const {
    // The main window stands for the application: there is no hidden application window.
    TForm* main = Application()->MainForm();
    return main ? main->Handle() : 0;
}

bool TvdWinFormInstanceControl::KeyMatches(uint16_t atom) {
    return GetPlatform().Desktop().GlobalAtomName(atom) == InstanceKey;
}

void TvdWinFormInstanceControl::ComeToFront() {
    TApplication* app = Application();
    app->Restore();
    TForm* main = app->MainForm();
    if (!main) return;
    // The main window owns the task-bar button, so it is the one the user minimised.
    if (main->GetWindowState() == WindowState::Minimized) main->SetWindowState(WindowState::Normal);
    // A hidden main window stays hidden: the program lives in the notification area, and
    // an invisible foreground window would only take the keyboard from the user.
    if (main->Visible()) GetPlatform().UI().SetForegroundWindow(main->Handle());
}

}  // namespace pv
