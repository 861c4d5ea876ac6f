#pragma once
// Single-line edit fields. Setting the text, by the user or by the program, runs OnChange.
#include "controls/control.h"
#include "platform/ui/edit.h"

namespace pv {

class TEdit : public TWinControl, private IEditSink {
public:
    explicit TEdit(TComponent* owner) : TWinControl(owner) {}
    PV_COMPONENT_CLASS(TEdit)
    TNotifyEvent OnChange;
    // The keyboard focus left the field.
    TNotifyEvent OnExit;
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);

protected:
    std::unique_ptr<IControlPeer> MakePeer(NativeHandle parent) override;
    void ReplayState() override;
    void CaptionChanged() override;

private:
    void PeerTextChanged(const std::string& text) override;
    void PeerExit() override;
    bool readOnly_ = false;
};

// The maker's edit field: its hint is a long hint only, shown in the status bar.
class TvdEdit final : public TEdit {
public:
    explicit TvdEdit(TComponent* owner) : TEdit(owner) {}
    PV_COMPONENT_CLASS(TvdEdit)
};

}  // namespace pv
