// The print dialog and a plain print of a table: each row a line, its cells in columns
// whose widths keep the proportions asked for, as many pages as the rows take, in the
// printer's default font.
#include "platform/win32/win32_print.h"

#include "platform/win32/win32_ui.h"

#include <commdlg.h>

namespace pv::win32 {

PRINTDLGW PrintDialogSetup(HWND owner) {
    PRINTDLGW pd{};
    pd.lStructSize = sizeof pd;
    pd.hwndOwner = owner;
    // The whole table, once: no page range, no selection, and a device context to print on.
    pd.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE;
    pd.nCopies = 1;
    return pd;
}

bool PrintRows(HDC dc, const PrintRequest& r) {
    std::wstring name = Wide(r.DocumentName);
    DOCINFOW doc{};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = name.c_str();
    if (StartDocW(dc, &doc) <= 0) return false;
    const int width = GetDeviceCaps(dc, HORZRES), height = GetDeviceCaps(dc, VERTRES);
    const int margin = GetDeviceCaps(dc, LOGPIXELSX) / 2;
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    const int lineHeight = tm.tmHeight + tm.tmExternalLeading + tm.tmHeight / 4;
    int total = 0;
    for (int w : r.ColWidths) total += std::max(1, w);
    std::vector<int> left;
    int x = margin;
    const int usable = std::max(1, width - 2 * margin);
    for (int w : r.ColWidths) {
        left.push_back(x);
        x += usable * std::max(1, w) / std::max(1, total);
    }
    left.push_back(width - margin);
    bool ok = true;
    size_t row = 0;
    while (ok && row < r.Rows.size()) {
        if (StartPage(dc) <= 0) {
            ok = false;
            break;
        }
        for (int y = margin; row < r.Rows.size() && y + lineHeight <= height - margin; y += lineHeight, ++row) {
            const auto& cells = r.Rows[row];
            for (size_t c = 0; c < cells.size() && c + 1 < left.size(); ++c) {
                std::wstring text = Wide(cells[c]);
                RECT cell{left[c], y, left[c + 1] - tm.tmAveCharWidth, y + lineHeight};
                DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &cell,
                          DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
            }
            // The header row is underlined.
            if (row == 0) {
                MoveToEx(dc, margin, y + lineHeight - tm.tmHeight / 8, nullptr);
                LineTo(dc, width - margin, y + lineHeight - tm.tmHeight / 8);
            }
        }
        if (EndPage(dc) <= 0) ok = false;
    }
    if (ok) EndDoc(dc);
    else AbortDoc(dc);
    return ok;
}

PrintResult Win32UserInterface::PrintTable(const PrintRequest& r) {
    PRINTDLGW pd = PrintDialogSetup(reinterpret_cast<HWND>(r.Owner));
    if (!PrintDlgW(&pd)) return PrintResult::Cancelled;
    PrintResult result = pd.hDC && PrintRows(pd.hDC, r) ? PrintResult::Printed : PrintResult::Failed;
    if (pd.hDC) DeleteDC(pd.hDC);
    if (pd.hDevMode) GlobalFree(pd.hDevMode);
    if (pd.hDevNames) GlobalFree(pd.hDevNames);
    return result;
}

}  // namespace pv::win32
