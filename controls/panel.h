#pragma once
#include "controls/control.h"

namespace pv {

// A panel: a container. As a header strip it shows its caption on the strip that tops a
// panel of the side column.
class TPanel final : public TWinControl {
public:
    explicit TPanel(TComponent* owner) : TWinControl(owner) {}
    PV_COMPONENT_CLASS(TPanel)
    bool HeaderStrip() const { return header_; }
    void SetHeaderStrip(bool header);

protected:
    std::unique_ptr<IControlPeer> MakePeer(NativeHandle parent) override;
    void ReplayState() override;

private:
    bool header_ = false;
};

}  // namespace pv
