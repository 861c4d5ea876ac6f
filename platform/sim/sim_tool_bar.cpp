// The simulated tool-bar family.
#include "platform/sim/sim_tool_bar.h"

namespace pv::sim {

const ToolButtonView* SimToolBar::Find(const std::string& caption) const {
    for (const ToolButtonView& b : Buttons)
        if (!b.Separator && b.Caption == caption) return &b;
    return nullptr;
}

bool SimToolBar::UserClick(const std::string& caption) {
    const ToolButtonView* b = Find(caption);
    if (!b || !b->Visible || !b->Enabled || !Visible || !Enabled) return false;
    BarSink->PeerButtonClick(b->Id);
    return true;
}

void SimToolBar::UserPointAtButton(const std::string& caption) {
    const ToolButtonView* b = Find(caption);
    BarSink->PeerButtonHot(b ? b->Id : 0);
}

std::string SimToolBar::TipOf(const std::string& caption) const {
    const ToolButtonView* b = Find(caption);
    return b ? BarSink->PeerButtonTip(b->Id) : std::string();
}

namespace {
class SimToolBarPeer final : public SimChildPeer<IToolBarPeer, SimToolBar> {
public:
    SimToolBarPeer(SimUserInterface& ui, IToolBarSink& sink, NativeHandle parent) : SimChildPeer(ui, sink, parent) {
        rec_.BarSink = &sink;
    }
    void SetButtonSize(int width, int height) override {
        rec_.ButtonWidth = width;
        rec_.ButtonHeight = height;
    }
    void SetButtons(const std::vector<ToolButtonView>& buttons) override { rec_.Buttons = buttons; }
    void SetGradient(bool gradient) override { rec_.Gradient = gradient; }
};
}  // namespace

std::unique_ptr<IToolBarPeer> SimUserInterface::CreateToolBarPeer(IToolBarSink& sink, NativeHandle parent) {
    return std::make_unique<SimToolBarPeer>(*this, sink, parent);
}

}  // namespace pv::sim
