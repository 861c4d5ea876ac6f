#pragma once
// The application object: root owner of every component, the message loop of the
// user-interface thread, and the place where every exception that escapes an event
// handler is handed to the program's handler.
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "controls/component.h"
#include "platform/platform.h"

namespace pv {

class TForm;
class TControl;
class TApplicationEvents;

using TExceptionEvent = std::function<void(TComponent* sender, const std::exception& e)>;

enum class TBiDiMode { LeftToRight = 0, RightToLeft = 1, RightToLeftNoAlign = 2, RightToLeftReadingOnly = 3 };

class TApplication final : public TComponent {
public:
    explicit TApplication(Platform& platform);
    ~TApplication() override;
    PV_COMPONENT_CLASS(TApplication)

    Platform& GetPlatform() const { return platform_; }

    // Runs the loop until Terminate; skipped when there is no main window. On the
    // simulated desktop it also returns once nothing is pending.
    void Run();
    // Dispatches what is pending now, then returns.
    void ProcessMessages();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // A call that runs once the loop runs; dropped when `guard` no longer exists.
    void QueueCall(std::function<void()> call, std::weak_ptr<void> guard = {});

    // Runs `fn`; an exception that escapes it goes to HandleException with `sender`.
    template <typename Fn>
    void Guard(TComponent* sender, Fn&& fn) {
        try {
            fn();
        } catch (const std::exception& e) {
            HandleException(sender, e);
        } catch (...) {
            HandleUnknownException(sender);
        }
    }
    void HandleException(TComponent* sender, const std::exception& e);

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);
    TForm* MainForm() const { return mainForm_; }
    void SetMainForm(TForm* form) { mainForm_ = form; }
    void FormDestroyed(TForm* form);

    // The hint of the control under the pointer; every change reaches the hooks' OnHint.
    const std::string& Hint() const { return hint_; }
    // The control whose hint it is; nullptr when the hint was set otherwise.
    const TControl* HintControl() const;
    void SetHint(const std::string& hint, const TControl* control = nullptr);

    bool ShowMainForm = true;
    bool MainFormOnTaskBar = false;
    bool ShowHint = true;
    int HintHidePause = 2500;
    bool ModalPopupModeAuto = false;
    TBiDiMode BiDiMode() const { return bidi_; }
    void SetBiDiMode(TBiDiMode mode);

    void AddEventHook(TApplicationEvents* hook);
    void RemoveEventHook(TApplicationEvents* hook);
    void Minimize();
    void Restore();
    bool Minimized() const { return minimized_; }

private:
    void HandleUnknownException(TComponent* sender);
    void DoIdle();
    bool DispatchOne();

    Platform& platform_;
    bool terminated_ = false;
    bool minimized_ = false;
    std::string title_;
    std::string hint_;
    const TControl* hintControl_ = nullptr;
    std::weak_ptr<void> hintAlive_;
    TForm* mainForm_ = nullptr;
    TBiDiMode bidi_ = TBiDiMode::LeftToRight;
    std::vector<TApplicationEvents*> hooks_;
};

}  // namespace pv
