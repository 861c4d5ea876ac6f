#pragma once
// Single-line edit fields. Setting the text, by the user or by the program, runs OnChange.
#include "controls/control.h"

namespace pv {

class TEdit : public TWinControl {
public:
    explicit TEdit(TComponent* owner) : TWinControl(owner) {}
    PV_COMPONENT_CLASS(TEdit)
    TNotifyEvent OnChange;

protected:
    void CaptionChanged() override;
};

// The maker's edit field: its hint is a long hint only, shown in the status bar.
class TvdEdit final : public TEdit {
public:
    explicit TvdEdit(TComponent* owner) : TEdit(owner) {}
    PV_COMPONENT_CLASS(TvdEdit)
};

}  // namespace pv
