#pragma once
// Single-instance control: a hidden top-level window whose title is the program's
// identifier. A new copy looks for such windows of other copies, asks them about their
// key, asks them to come to the front, and ends itself when it may not run.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/component.h"
#include "platform/platform.h"

namespace pv {

// The messages the control's window answers (all private window messages).
inline constexpr uint32_t kInstanceWindowMessage = 1025;  // the application's window
inline constexpr uint32_t kInstanceKeyMessage = 1026;     // lParam: a global atom naming the asker's key
inline constexpr uint32_t kInstanceActivateMessage = 1027;

using TInstanceDuplicateEvent =
    std::function<void(TComponent* sender, const std::vector<NativeHandle>& others, bool& allowed)>;
using TInstanceCheckEvent = std::function<void(TComponent* sender, bool& allowed)>;

class TvdWinFormInstanceControl final : public TComponent, private IInstanceWindowSink {
public:
    // Builds the hidden window titled with the identifier; with `checkNow` the decision
    // whether this copy may run is taken at once.
    TvdWinFormInstanceControl(TComponent* owner, bool checkNow, std::string identifier);
    ~TvdWinFormInstanceControl() override;
    PV_COMPONENT_CLASS(TvdWinFormInstanceControl)

    // Decides whether this copy may run and acts on the decision.
    void Check();
    // Searches the other copies' windows and asks them about their key.
    void FindOthers();
    // Asks the windows found to come to the front, when this copy may not run.
    void ActivateOthers();

    const std::string& Title() const { return title_; }
    // The window other copies find; 0 when the system could not create it.
    NativeHandle Handle() const;

    // ---- fields, in order ----
    TInstanceDuplicateEvent OnDuplicate;  // replaces ActivateOthers when set
    TInstanceCheckEvent OnCheck;          // may change the decision after the search
    TNotifyEvent OnTerminate;             // replaces ending the application when set
    TNotifyEvent OnActivate;              // replaces coming to the front when set
    std::vector<NativeHandle> OtherInstances;
    bool SkipKeyQuery = false;
    bool Allowed = true;
    bool TerminateOnDuplicate = true;
    std::string InstanceKey;
    // The most instance windows allowed, this copy's own included; 0 means no limit.
    int32_t MaxInstances = 1;

protected:
    void AfterConstruction() override;

private:
    intptr_t PeerInstanceMessage(uint32_t msg, uintptr_t wParam, intptr_t lParam) override;
    NativeHandle ApplicationWindow() const;
    bool KeyMatches(uint16_t atom);
    // The default answer to another copy's activation request.
    void ComeToFront();

    bool checkNow_;
    std::string title_;
    std::unique_ptr<IInstanceWindow> window_;
};

}  // namespace pv
