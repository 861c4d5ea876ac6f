#include "controls/string_grid.h"

#include <algorithm>

#include "controls/application.h"

namespace pv {

namespace {
// A column is never drawn narrower, however small the grid.
constexpr int kMinLastColumn = 40;
const std::string kEmpty;
}  // namespace

std::string HtmlEscape(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

std::unique_ptr<IControlPeer> TvdStringGrid::MakePeer(NativeHandle parent) {
    return GetPlatform().UI().CreateStringGridPeer(*this, parent);
}

void TvdStringGrid::ReplayState() {
    PushCells();
    GridPeer()->SetColWidths(ColWidths());
    GridPeer()->SetButtonRows(firstButton_, lastButton_);
}

void TvdStringGrid::PushCells() {
    if (peer_) GridPeer()->SetCells(rows_);
}

void TvdStringGrid::SetSize(int cols, int rows) {
    colCount_ = std::max(0, cols);
    rows_.resize(static_cast<size_t>(std::max(0, rows)));
    for (auto& row : rows_) row.resize(static_cast<size_t>(colCount_));
    PushCells();
}

const std::string& TvdStringGrid::Cells(int col, int row) const {
    if (row < 0 || row >= RowCount() || col < 0 || col >= colCount_) return kEmpty;
    return rows_[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

void TvdStringGrid::SetCells(int col, int row, const std::string& text) {
    if (row < 0 || col < 0) return;
    if (col >= colCount_ || row >= RowCount()) SetSize(std::max(colCount_, col + 1), std::max(RowCount(), row + 1));
    rows_[static_cast<size_t>(row)][static_cast<size_t>(col)] = text;
    PushCells();
}

void TvdStringGrid::SetFixedColWidths(const std::vector<int>& widths) {
    fixedWidths_ = widths;
    if (peer_) GridPeer()->SetColWidths(ColWidths());
}

std::vector<int> TvdStringGrid::ColWidths() const {
    std::vector<int> widths;
    int used = 0;
    for (int c = 0; c + 1 < colCount_; ++c) {
        int w = c < static_cast<int>(fixedWidths_.size()) ? fixedWidths_[static_cast<size_t>(c)] : 64;
        widths.push_back(w);
        used += w;
    }
    if (colCount_ > 0) widths.push_back(std::max(kMinLastColumn, ClientWidth() - used));
    return widths;
}

void TvdStringGrid::BoundsChanged() {
    TWinControl::BoundsChanged();
    if (peer_) GridPeer()->SetColWidths(ColWidths());
}

void TvdStringGrid::SetButtonRows(int first, int last) {
    firstButton_ = first;
    lastButton_ = last;
    if (peer_) GridPeer()->SetButtonRows(first, last);
}

void TvdStringGrid::CellButtonClicked(int row) {
    if (row < firstButton_ || row > lastButton_ || firstButton_ < 0) return;
    if (OnCellButtonClick) Application()->Guard(this, [&] { OnCellButtonClick(this, row); });
}

std::string TvdStringGrid::ToHtml(const std::string& title) const {
    std::string html = "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"utf-8\">\r\n<title>" +
                       HtmlEscape(title) + "</title>\r\n</head>\r\n<body>\r\n<table border=\"1\">\r\n";
    for (size_t r = 0; r < rows_.size(); ++r) {
        const char* cell = r == 0 ? "th" : "td";
        html += "<tr>";
        for (const std::string& text : rows_[r]) html += std::string("<") + cell + ">" + HtmlEscape(text) + "</" + cell + ">";
        html += "</tr>\r\n";
    }
    html += "</table>\r\n</body>\r\n</html>\r\n";
    return html;
}

}  // namespace pv
