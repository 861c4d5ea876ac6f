#pragma once
#include "controls/control.h"

namespace pv {

// A static text beside an editor field; only its caption is shown.
class TLabel final : public TControl {
public:
    explicit TLabel(TComponent* owner) : TControl(owner) {}
    PV_COMPONENT_CLASS(TLabel)
};

}  // namespace pv
