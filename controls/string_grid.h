#pragma once
// The maker's string grid: rows of text cells under one fixed header row, read only.
// Its last column takes the room the others leave. The value cells of a range of rows can
// carry a button. The grid writes itself as an HTML table and hands its rows to a print.
#include <functional>
#include <string>
#include <vector>

#include "controls/control.h"
#include "platform/ui/string_grid.h"

namespace pv {

class TvdStringGrid final : public TWinControl, private IStringGridSink {
public:
    explicit TvdStringGrid(TComponent* owner) : TWinControl(owner) {}
    PV_COMPONENT_CLASS(TvdStringGrid)

    int ColCount() const { return colCount_; }
    int RowCount() const { return static_cast<int>(rows_.size()); }
    void SetSize(int cols, int rows);
    const std::string& Cells(int col, int row) const;
    void SetCells(int col, int row, const std::string& text);
    const std::vector<std::vector<std::string>>& Rows() const { return rows_; }
    // The widths of every column but the last, which fills the rest of the grid.
    void SetFixedColWidths(const std::vector<int>& widths);
    std::vector<int> ColWidths() const;
    // The rows from `first` to `last` carry a button in their last cell; -1 for none.
    void SetButtonRows(int first, int last);
    int FirstButtonRow() const { return firstButton_; }
    int LastButtonRow() const { return lastButton_; }

    std::function<void(TvdStringGrid* sender, int row)> OnCellButtonClick;
    // What pressing a cell's button does; the native control and tests both come here.
    void CellButtonClicked(int row);

    // The grid as an HTML document holding one table: the header row as header cells,
    // every other row as data cells, the texts escaped.
    std::string ToHtml(const std::string& title) const;

protected:
    std::unique_ptr<IControlPeer> MakePeer(NativeHandle parent) override;
    void ReplayState() override;
    void BoundsChanged() override;

private:
    IStringGridPeer* GridPeer() const { return static_cast<IStringGridPeer*>(peer_.get()); }
    void PeerCellButtonClicked(int row) override { CellButtonClicked(row); }
    void PushCells();
    std::vector<std::vector<std::string>> rows_;
    int colCount_ = 0;
    std::vector<int> fixedWidths_;
    int firstButton_ = -1, lastButton_ = -1;
};

// Text with "&", "<", ">" and the double quote written as HTML entities.
std::string HtmlEscape(const std::string& text);

}  // namespace pv
