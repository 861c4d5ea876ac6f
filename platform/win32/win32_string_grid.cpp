// The string-grid family's native peer: a list view in report mode with grid lines, whose
// column headers are the grid's header row and whose items are the other rows. The
// buttons of the value cells are small push buttons lying over the right end of those
// cells, moved along whenever the list scrolls or its columns change.
#include "platform/win32/win32_control.h"
#include "platform/win32/win32_ui.h"

namespace pv::win32 {

namespace {

constexpr UINT_PTR kListSubclassId = 0x5347;

class Win32StringGridPeer final : public Win32ChildPeer<IStringGridPeer> {
public:
    Win32StringGridPeer(IStringGridSink& sink, HWND parent) : Win32ChildPeer(sink), sink_(sink) {
        Attach(CreateChild(WC_LISTVIEWW, L"",
                           WS_TABSTOP | WS_CLIPCHILDREN | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                               LVS_NOSORTHEADER,
                           WS_EX_CLIENTEDGE, parent));
        ListView_SetExtendedListViewStyle(hwnd_, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
        SetWindowSubclass(hwnd_, ListProc, kListSubclassId, reinterpret_cast<DWORD_PTR>(this));
    }
    ~Win32StringGridPeer() override {
        if (hwnd_) RemoveWindowSubclass(hwnd_, ListProc, kListSubclassId);
    }
    void SetText(const std::string&) override {}
    void SetBounds(const TRect& bounds) override {
        DoSetBounds(bounds);
        PlaceButtons();
    }
    void SetFont(const FontSpec& font) override {
        DoSetFont(font);
        font_ = font;
        for (HWND b : buttons_) SendMessageW(b, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(font)), TRUE);
    }

    void SetCells(const std::vector<std::vector<std::string>>& rows) override {
        ListView_DeleteAllItems(hwnd_);
        size_t cols = rows.empty() ? 0 : rows[0].size();
        while (columns_ > static_cast<int>(cols)) ListView_DeleteColumn(hwnd_, --columns_);
        for (size_t c = 0; c < cols; ++c) {
            std::wstring text = Wide(rows[0][c]);
            LVCOLUMNW col{};
            col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
            col.pszText = text.data();
            col.cx = c < widths_.size() ? widths_[c] : 100;
            col.iSubItem = static_cast<int>(c);
            if (static_cast<int>(c) < columns_) {
                SendMessageW(hwnd_, LVM_SETCOLUMNW, c, reinterpret_cast<LPARAM>(&col));
            } else {
                SendMessageW(hwnd_, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&col));
                ++columns_;
            }
        }
        for (size_t r = 1; r < rows.size(); ++r) {
            for (size_t c = 0; c < cols && c < rows[r].size(); ++c) {
                std::wstring text = Wide(rows[r][c]);
                LVITEMW item{};
                item.mask = LVIF_TEXT;
                item.iItem = static_cast<int>(r - 1);
                item.iSubItem = static_cast<int>(c);
                item.pszText = text.data();
                SendMessageW(hwnd_, c == 0 ? LVM_INSERTITEMW : LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
            }
        }
        PlaceButtons();
    }
    void SetColWidths(const std::vector<int>& widths) override {
        widths_ = widths;
        // The last column leaves room for the vertical scroll bar's place and the frame.
        for (size_t c = 0; c < widths.size() && static_cast<int>(c) < columns_; ++c) {
            int w = widths[c];
            if (c + 1 == widths.size()) w = std::max(40, w - GetSystemMetrics(SM_CXEDGE) * 2);
            ListView_SetColumnWidth(hwnd_, static_cast<int>(c), w);
        }
        PlaceButtons();
    }
    void SetButtonRows(int first, int last) override {
        for (HWND b : buttons_) DestroyWindow(b);
        buttons_.clear();
        first_ = first;
        if (first < 1 || last < first) return;
        for (int row = first; row <= last; ++row) {
            HWND b = CreateWindowExW(0, L"BUTTON", L"...", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 0, 0, hwnd_,
                                     reinterpret_cast<HMENU>(static_cast<UINT_PTR>(row)), ModuleInstance(), nullptr);
            SendMessageW(b, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(font_)), TRUE);
            buttons_.push_back(b);
        }
        PlaceButtons();
    }

    const std::vector<HWND>& Buttons() const { return buttons_; }

private:
    void PlaceButtons() {
        if (columns_ == 0) return;
        for (size_t i = 0; i < buttons_.size(); ++i) {
            int item = first_ - 1 + static_cast<int>(i);
            RECT cell{};
            if (!ListView_GetSubItemRect(hwnd_, item, columns_ - 1, LVIR_BOUNDS, &cell)) continue;
            int height = cell.bottom - cell.top;
            int width = std::max(height + 4, 22);
            RECT client{};
            GetClientRect(hwnd_, &client);
            int right = std::min(cell.right, client.right);
            HWND header = ListView_GetHeader(hwnd_);
            RECT headerRect{};
            GetWindowRect(header, &headerRect);
            bool covered = cell.top < headerRect.bottom - headerRect.top;
            SetWindowPos(buttons_[i], HWND_TOP, right - width, cell.top, width, height,
                         SWP_NOACTIVATE | (covered ? SWP_HIDEWINDOW : SWP_SHOWWINDOW));
        }
    }

    static LRESULT CALLBACK ListProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
        auto* self = reinterpret_cast<Win32StringGridPeer*>(data);
        if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED && lp) {
            int row = LOWORD(wp);
            return GuardedCall([&] {
                self->sink_.PeerCellButtonClicked(row);
                return LRESULT(0);
            });
        }
        LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
        switch (msg) {
            case WM_VSCROLL:
            case WM_HSCROLL:
            case WM_MOUSEWHEEL:
            case WM_KEYDOWN:
            case WM_SIZE:
                self->PlaceButtons();
                break;
            case WM_NOTIFY:
                // The user drags a column's edge in the header.
                if (reinterpret_cast<NMHDR*>(lp)->code == HDN_ITEMCHANGEDW ||
                    reinterpret_cast<NMHDR*>(lp)->code == HDN_ITEMCHANGEDA)
                    self->PlaceButtons();
                break;
        }
        return r;
    }

    IStringGridSink& sink_;
    std::vector<int> widths_;
    std::vector<HWND> buttons_;
    int first_ = -1;
    int columns_ = 0;
    FontSpec font_;
};

}  // namespace

std::unique_ptr<IStringGridPeer> Win32UserInterface::CreateStringGridPeer(IStringGridSink& sink, NativeHandle parent) {
    return std::make_unique<Win32StringGridPeer>(sink, reinterpret_cast<HWND>(parent));
}

}  // namespace pv::win32
