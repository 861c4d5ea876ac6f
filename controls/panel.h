#pragma once
#include "controls/control.h"

namespace pv {

// A panel: a container with a caption. Its state lives in the model; the manager window's
// layout reads and keeps its width.
class TPanel final : public TWinControl {
public:
    explicit TPanel(TComponent* owner) : TWinControl(owner) {}
    PV_COMPONENT_CLASS(TPanel)
};

}  // namespace pv
