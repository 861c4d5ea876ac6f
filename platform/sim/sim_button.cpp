// The simulated button family.
#include "platform/sim/sim_button.h"

namespace pv::sim {

namespace {

class SimButtonPeer final : public SimChildPeer<IButtonPeer, SimButton> {
public:
    SimButtonPeer(SimUserInterface& ui, IButtonSink& sink, const ButtonParams& params, NativeHandle parent)
        : SimChildPeer(ui, sink, parent) {
        rec_.ButtonSink = &sink;
        rec_.Params = params;
    }
    void SetChecked(bool checked) override { rec_.Checked = checked; }
    void SetPictures(const TBitmap32& normal, const TBitmap32& disabled) override {
        rec_.Picture = normal;
        rec_.DisabledPicture = disabled;
    }
    void SetDefault(bool isDefault) override { rec_.Default = isDefault; }
};

}  // namespace

bool SimButton::UserClick() {
    if (!Enabled || !Visible) return false;
    TakeFocus();
    if (Params.Kind == ButtonKind::CheckBox) Checked = !Checked;
    if (Params.Kind == ButtonKind::RadioButton) Checked = true;
    ButtonSink->PeerClicked(Checked);
    return true;
}

std::unique_ptr<IButtonPeer> SimUserInterface::CreateButtonPeer(IButtonSink& sink, const ButtonParams& params,
                                                               NativeHandle parent) {
    return std::make_unique<SimButtonPeer>(*this, sink, params, parent);
}

}  // namespace pv::sim
