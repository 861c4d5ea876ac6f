// The simulated edit family.
#include "platform/sim/sim_edit.h"

namespace pv::sim {

namespace {

class SimEditPeer final : public SimChildPeer<IEditPeer, SimEdit> {
public:
    SimEditPeer(SimUserInterface& ui, IEditSink& sink, const EditParams& params, NativeHandle parent)
        : SimChildPeer(ui, sink, parent) {
        rec_.EditSink = &sink;
        rec_.Params = params;
    }
    void SetReadOnly(bool readOnly) override { rec_.ReadOnly = readOnly; }
};

}  // namespace

bool SimEdit::UserType(const std::string& text) {
    if (!Enabled || !Visible || ReadOnly) return false;
    if (Text == text) return true;
    Text = text;
    EditSink->PeerTextChanged(text);
    return true;
}

std::unique_ptr<IEditPeer> SimUserInterface::CreateEditPeer(IEditSink& sink, const EditParams& params,
                                                           NativeHandle parent) {
    return std::make_unique<SimEditPeer>(*this, sink, params, parent);
}

}  // namespace pv::sim
