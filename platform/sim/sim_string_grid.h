#pragma once
// Simulated string grids: the cells, the column widths and the rows with a button.
#include <string>
#include <vector>

#include "platform/sim/sim_control.h"

namespace pv::sim {

struct SimStringGrid : SimControl {
    IStringGridSink* GridSink = nullptr;
    std::vector<std::vector<std::string>> Rows;
    std::vector<int> ColWidths;
    int FirstButtonRow = -1, LastButtonRow = -1;
    // The user presses the button in the last cell of `row`; false when that row has none.
    bool UserPressCellButton(int row);
};

}  // namespace pv::sim
