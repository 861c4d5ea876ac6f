// The simulated find and replace dialogs: one open at a time, known to the desktop.
#include "platform/sim/sim_find_dialog.h"

namespace pv::sim {

namespace {

class SimFindDialogPeer final : public IFindDialogPeer {
public:
    SimFindDialogPeer(SimUserInterface& ui, IFindDialogSink& sink, const FindDialogParams& params)
        : ui_(ui), handle_(ui.NewHandle()) {
        rec_.Sink = &sink;
        rec_.Params = params;
        ui_.FindDialog = &rec_;
    }
    ~SimFindDialogPeer() override {
        if (ui_.FindDialog == &rec_) ui_.FindDialog = nullptr;
    }
    NativeHandle Handle() override { return handle_; }

private:
    SimUserInterface& ui_;
    NativeHandle handle_;
    SimFindDialog rec_;
};

}  // namespace

std::unique_ptr<IFindDialogPeer> SimUserInterface::ShowFindDialog(IFindDialogSink& sink, const FindDialogParams& params) {
    return std::make_unique<SimFindDialogPeer>(*this, sink, params);
}

}  // namespace pv::sim
