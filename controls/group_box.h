#pragma once
// A group box: a frame with a caption around related controls, which lie inside it.
#include "controls/control.h"

namespace pv {

class TGroupBox final : public TWinControl {
public:
    explicit TGroupBox(TComponent* owner) : TWinControl(owner) {}
    PV_COMPONENT_CLASS(TGroupBox)

protected:
    std::unique_ptr<IControlPeer> MakePeer(NativeHandle parent) override;
};

}  // namespace pv
