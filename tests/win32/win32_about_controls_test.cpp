// The families the About window adds, under Windows (or Wine): the rich edit is the
// platform's current rich-edit class with the settings asked for and positions that cross
// the seam correctly, the tab set is a tab control with its tabs at the bottom, the grid a
// report list with its header row and cell buttons, and the print dialog is set up to
// print the whole table once.
#include "platform/win32/win32_common.h"

#include <gtest/gtest.h>

#include <cderr.h>
#include <richedit.h>

#include <string>
#include <vector>

#include "platform/win32/win32_print.h"
#include "platform/win32/win32_rich_edit.h"
#include "tests/win32/win32_controls_fixture.h"

namespace pv {
namespace {

using namespace pv::testing;

class RichSink final : public IRichEditSink {
public:
    void PeerMouseEnter() override {}
    void PeerEnter() override {}
    void PeerTextChanged(const std::string& text) override { Texts.push_back(text); }
    void PeerSelectionChanged(int start, int length) override {
        Start = start;
        Length = length;
    }
    std::vector<std::string> Texts;
    int Start = -1, Length = -1;
};

class TabSink final : public ITabSetSink {
public:
    void PeerMouseEnter() override {}
    void PeerEnter() override {}
    void PeerTabClicked(int tab) override { Clicked.push_back(tab); }
    std::vector<int> Clicked;
};

class GridSink final : public IStringGridSink {
public:
    void PeerMouseEnter() override {}
    void PeerEnter() override {}
    void PeerCellButtonClicked(int row) override { Rows.push_back(row); }
    std::vector<int> Rows;
};

TEST_F(Win32Controls, TheRichEditIsTheCurrentRichEditWithoutWrapAndWithBothScrollBars) {
    RichSink sink;
    RichEditParams p;
    p.WordWrap = false;
    p.ScrollBars = true;
    p.LineNumbers = true;
    auto peer = UI().CreateRichEditPeer(sink, p, Parent());
    Put(*peer, {10, 10, 310, 210});
    HWND edit = win32::RichEditOf(H(*peer));
    ASSERT_NE(edit, nullptr);
    // The class answers in its own spelling of MSFTEDIT_CLASS.
    EXPECT_EQ(_wcsicmp(ClassOf(edit).c_str(), MSFTEDIT_CLASS), 0);
    EXPECT_TRUE(StyleOf(edit) & ES_MULTILINE);
    EXPECT_TRUE(StyleOf(edit) & ES_AUTOHSCROLL);
    // The gutter of line numbers lies left of the field.
    EXPECT_GT(BoundsOf(edit).Left, 0);

    const std::string text = "[S]\r\nK=Gr\xC3\xBC\xC3\x9F\x65\r\nX=\xF0\x9F\x98\x80!";
    peer->SetText(text);
    EXPECT_TRUE(sink.Texts.empty());
    EXPECT_EQ(SendMessageW(edit, EM_CANUNDO, 0, 0), 0);
    // "!" after the emoji: two UTF-16 units there, one unit for each line break.
    int bang = static_cast<int>(text.find('!'));
    peer->SetSelection(bang, 1);
    CHARRANGE r{};
    SendMessageW(edit, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&r));
    EXPECT_EQ(r.cpMin, win32::PositionToNative(text, bang));
    EXPECT_EQ(r.cpMax - r.cpMin, 1);
    EXPECT_EQ(win32::PositionFromNative(text, r.cpMin), bang);
    peer->ReplaceSelection("?\r\nY=1");
    ASSERT_FALSE(sink.Texts.empty());
    EXPECT_EQ(sink.Texts.back(), "[S]\r\nK=Gr\xC3\xBC\xC3\x9F\x65\r\nX=\xF0\x9F\x98\x80?\r\nY=1");
    EXPECT_TRUE(peer->CanUndo());
    peer->SetReadOnly(true);
    EXPECT_TRUE(StyleOf(edit) & ES_READONLY);
}

TEST_F(Win32Controls, TheTabSetIsATabControlWithItsTabsAtTheBottom) {
    TabSink sink;
    auto peer = UI().CreateTabSetPeer(sink, Parent());
    Put(*peer, {10, 220, 400, 244});
    HWND h = H(*peer);
    EXPECT_EQ(ClassOf(h), WC_TABCONTROLW);
    EXPECT_TRUE(StyleOf(h) & TCS_BOTTOM);
    peer->SetTabs({"en-us\\UTF8_program.ini", "en-us\\UTF8_shared.ini", "de-de\\UTF8_program.ini"});
    EXPECT_EQ(TabCtrl_GetItemCount(h), 3);
    peer->SelectTab(2);
    EXPECT_EQ(TabCtrl_GetCurSel(h), 2);
}

TEST_F(Win32Controls, TheGridIsAReportListWithItsHeaderRowAndCellButtons) {
    GridSink sink;
    auto peer = UI().CreateStringGridPeer(sink, Parent());
    Put(*peer, {10, 10, 470, 210});
    HWND h = H(*peer);
    EXPECT_EQ(ClassOf(h), WC_LISTVIEWW);
    EXPECT_EQ(StyleOf(h) & LVS_TYPEMASK, LVS_REPORT);
    std::vector<std::vector<std::string>> rows = {{"Key", "Value"}};
    for (int i = 1; i <= 6; ++i) rows.push_back({"Row " + std::to_string(i), "C:\\Folder " + std::to_string(i)});
    peer->SetColWidths({150, 300});
    peer->SetCells(rows);
    peer->SetButtonRows(5, 6);
    EXPECT_EQ(Header_GetItemCount(ListView_GetHeader(h)), 2);
    EXPECT_EQ(ListView_GetItemCount(h), 6);
    EXPECT_EQ(ListView_GetColumnWidth(h, 0), 150);
    wchar_t cell[64] = L"";
    ListView_GetItemText(h, 4, 1, cell, 64);
    EXPECT_EQ(win32::Narrow(cell), "C:\\Folder 5");
    // The buttons lie inside the value cells of rows 5 and 6 and report their rows.
    std::vector<HWND> buttons;
    for (HWND c = GetWindow(h, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (ClassOf(c) == L"Button") buttons.push_back(c);
    ASSERT_EQ(buttons.size(), 2u);
    // In the order of their rows.
    if (BoundsOf(buttons[0]).Top > BoundsOf(buttons[1]).Top) std::swap(buttons[0], buttons[1]);
    RECT cellRect{};
    ListView_GetSubItemRect(h, 4, 1, LVIR_BOUNDS, &cellRect);
    TRect b = BoundsOf(buttons[0]);
    EXPECT_EQ(b.Top, cellRect.top);
    EXPECT_LE(b.Right, cellRect.right);
    SendMessageW(buttons[1], BM_CLICK, 0, 0);
    EXPECT_EQ(sink.Rows, std::vector<int>{6});
}

TEST_F(Win32Controls, ThePrintDialogIsSetUpToPrintTheWholeTableOnce) {
    PRINTDLGW pd = win32::PrintDialogSetup(reinterpret_cast<HWND>(Parent()));
    EXPECT_EQ(pd.lStructSize, sizeof(PRINTDLGW));
    EXPECT_EQ(pd.hwndOwner, reinterpret_cast<HWND>(Parent()));
    EXPECT_TRUE(pd.Flags & PD_RETURNDC);
    EXPECT_TRUE(pd.Flags & PD_NOPAGENUMS);
    EXPECT_TRUE(pd.Flags & PD_NOSELECTION);
    // The system's own defaults, without showing the dialog: a printer's device context,
    // or a clean refusal where no printer is installed.
    pd.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
    pd.hwndOwner = nullptr;
    if (PrintDlgW(&pd)) {
        EXPECT_NE(pd.hDC, nullptr);
        if (pd.hDC) DeleteDC(pd.hDC);
        if (pd.hDevMode) GlobalFree(pd.hDevMode);
        if (pd.hDevNames) GlobalFree(pd.hDevNames);
    } else {
        DWORD error = CommDlgExtendedError();
        EXPECT_TRUE(error == 0 || error == PDERR_NODEFAULTPRN || error == PDERR_PRINTERNOTFOUND) << error;
    }
}

}  // namespace
}  // namespace pv
