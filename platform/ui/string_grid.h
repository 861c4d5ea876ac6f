#pragma once
// A string grid: rows of text cells under one fixed header row, read only, with columns
// of given widths. The value cells of a range of rows can carry a small button.
#include <string>
#include <vector>

#include "platform/ui/control.h"

namespace pv {

class IStringGridSink : public virtual IControlSink {
public:
    // The user pressed the button in the last cell of `row`.
    virtual void PeerCellButtonClicked(int row) = 0;
};

class IStringGridPeer : public IControlPeer {
public:
    // Every row, the header first; each row holds one text per column.
    virtual void SetCells(const std::vector<std::vector<std::string>>& rows) = 0;
    virtual void SetColWidths(const std::vector<int>& widths) = 0;
    // The rows from `first` to `last` show a button in their last cell; -1 for none.
    virtual void SetButtonRows(int first, int last) = 0;
};

}  // namespace pv
