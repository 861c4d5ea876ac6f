// The simulated string-grid family.
#include "platform/sim/sim_string_grid.h"

namespace pv::sim {

namespace {

class SimStringGridPeer final : public SimChildPeer<IStringGridPeer, SimStringGrid> {
public:
    SimStringGridPeer(SimUserInterface& ui, IStringGridSink& sink, NativeHandle parent)
        : SimChildPeer(ui, sink, parent) {
        rec_.GridSink = &sink;
    }
    void SetCells(const std::vector<std::vector<std::string>>& rows) override { rec_.Rows = rows; }
    void SetColWidths(const std::vector<int>& widths) override { rec_.ColWidths = widths; }
    void SetButtonRows(int first, int last) override {
        rec_.FirstButtonRow = first;
        rec_.LastButtonRow = last;
    }
};

}  // namespace

bool SimStringGrid::UserPressCellButton(int row) {
    if (!Enabled || !Visible || FirstButtonRow < 0 || row < FirstButtonRow || row > LastButtonRow) return false;
    GridSink->PeerCellButtonClicked(row);
    return true;
}

std::unique_ptr<IStringGridPeer> SimUserInterface::CreateStringGridPeer(IStringGridSink& sink, NativeHandle parent) {
    return std::make_unique<SimStringGridPeer>(*this, sink, parent);
}

}  // namespace pv::sim
