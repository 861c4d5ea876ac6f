#pragma once
#include "controls/control.h"

namespace pv {

// A static text beside an editor field; only its caption is shown.
class TLabel final : public TControl {
public:
    explicit TLabel(TComponent* owner) : TControl(owner) {}
    PV_COMPONENT_CLASS(TLabel)
    // Whether a single "&" marks an accelerator instead of showing.
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool show);

protected:
    std::unique_ptr<IControlPeer> MakePeer(NativeHandle parent) override;
    void ReplayState() override;

private:
    bool showAccelChar_ = true;
};

}  // namespace pv
