// The update window's controls: the tool bar at the top (its buttons and the address box
// between them), the status bar and the footer with the interval at the bottom,
// and the panel that holds the web view filling the rest. Geometry is written in pixels at
// 96 dots per inch and scaled by the window for its screen.
#include <algorithm>

#include "controls/buttons.h"
#include "controls/combo_box.h"
#include "controls/label.h"
#include "controls/panel.h"
#include "controls/progress_bar.h"
#include "controls/spin_edit.h"
#include "controls/status_bar.h"
#include "controls/tool_bar.h"
#include "windows/document_host.h"
#include "windows/form_check_updates.h"

namespace pv {

namespace {

constexpr int kClientWidth = 726;
constexpr int kClientHeight = 545;
constexpr int kMinWidth = 240;
constexpr int kMinHeight = 210;
constexpr int kToolBarHeight = 29;
constexpr int kToolButtonWidth = 60;
constexpr int kToolButtonHeight = 23;
constexpr int kToolGap = 3;
constexpr int kMinAddressWidth = 60;
constexpr int kSeparatorWidth = 8;
constexpr int kFooterHeight = 40;
constexpr int kStatusHeight = 19;
constexpr int kMargin = 8;
constexpr int kSpinWidth = 50;
constexpr int kFieldHeight = 22;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
// The status bar's panels: the hint, the progress (drawn by the window) and the rest.
constexpr int kHintPanelWidth = 576;
constexpr int kProgressPanelWidth = 100;
constexpr int kLastPanelWidth = 50;

}  // namespace

void TvdFormCheckUpdates::LoadLayout() {
    SetCaption("Checking for updates...");
    MinimizeBox = false;
    MaximizeBox = false;
    Position = TPosition::ScreenCenter;
    SetMinTrackSize(Scale96(kMinWidth), Scale96(kMinHeight));
    SetClientSize(Scale96(kClientWidth), Scale96(kClientHeight));

    // Bottom-aligned controls stack upwards in creation order: the status bar lowest.
    stbInfo = MakeChild<TvdStatusBar>(this, this, "stbInfo");
    stbInfo->SetBounds(0, 0, ClientWidth(), Scale96(kStatusHeight));
    stbInfo->SetAlign(TAlign::Bottom);
    stbInfo->SetPanels({{Scale96(kHintPanelWidth), false},
                        {Scale96(kProgressPanelWidth), true},
                        {Scale96(kLastPanelWidth), false}});
    // Placed by the bar's drawing of its middle panel.
    pbInfo = MakeChild<TProgressBar>(this, stbInfo, "pbInfo");

    pnlTipFooter = MakeChild<TPanel>(this, this, "pnlTipFooter");
    pnlTipFooter->SetBounds(0, 0, ClientWidth(), Scale96(kFooterHeight));
    pnlTipFooter->SetAlign(TAlign::Bottom);
    int fieldTop = Scale96((kFooterHeight - kFieldHeight) / 2);
    seCheckUpdatesDays = MakeChild<TSpinEdit>(this, pnlTipFooter, "seCheckUpdatesDays");
    seCheckUpdatesDays->SetRange(1, 120);
    seCheckUpdatesDays->SetBounds(Scale96(kMargin), fieldTop, Scale96(kSpinWidth), Scale96(kFieldHeight));
    lblOutputColumnsMaxColsInRow =
        MakeChild<TLabel>(this, pnlTipFooter, "lblOutputColumnsMaxColsInRow", "Days between checking for updates ");
    int labelLeft = Scale96(kMargin + kSpinWidth + kMargin);
    lblOutputColumnsMaxColsInRow->SetBounds(labelLeft, fieldTop + Scale96(4), Scale96(300), Scale96(15));
    btnClose = MakeChild<TButton>(this, pnlTipFooter, "btnClose", "Close");
    btnClose->SetBounds(pnlTipFooter->ClientWidth() - Scale96(kMargin + kButtonWidth),
                        Scale96((kFooterHeight - kButtonHeight) / 2), Scale96(kButtonWidth), Scale96(kButtonHeight));
    btnClose->SetAnchors(Anchor::Right | Anchor::Top);

    ToolBarMain = MakeChild<TToolBar>(this, this, "ToolBarMain");
    ToolBarMain->SetBounds(0, 0, ClientWidth(), Scale96(kToolBarHeight));
    ToolBarMain->SetAlign(TAlign::Top);
    ToolBarMain->SetButtonSize(Scale96(kToolButtonWidth), Scale96(kToolButtonHeight));
    auto tool = [&](const char* name, const char* caption, const char* hint) {
        TToolButton* b = MakeChild<TToolButton>(this, ToolBarMain, name, caption);
        b->SetHint(hint);
        return b;
    };
    auto gap = [&](const char* name, int width) {
        TToolButton* b = MakeChild<TToolButton>(this, ToolBarMain, name);
        b->SetSeparator(Scale96(width));
        return b;
    };
    btnPrior = tool("btnPrior", "Back", "Back|Go back to the previous page");
    btnNext = tool("btnNext", "Forward", "Forward|Go forward to the next page");
    btnRefresh = tool("btnRefresh", "Refresh", "Refresh|Load the page again");
    gap("tbAddressLeft", kToolGap);
    // The address box takes the room the buttons leave, so it grows with the window.
    cbWebsiteSavedOutput_Nav_Addr = MakeChild<TComboBox>(this, ToolBarMain, "cbWebsiteSavedOutput_Nav_Addr");
    cbWebsiteSavedOutput_Nav_Addr->SetStyle(TComboBoxStyle::DropDown);
    cbWebsiteSavedOutput_Nav_Addr->SetBounds(0, 0, Scale96(kMinAddressWidth), Scale96(kFieldHeight));
    cbWebsiteSavedOutput_Nav_Addr->SetMinSize(Scale96(kMinAddressWidth), 0);
    gap("tbAddressRight", kToolGap);
    btnNav = tool("btnNav", "Go", "Go|Load the address");
    tbBrowserSep = gap("tbBrowserSep", kSeparatorWidth);
    btnIE = tool("btnIE", "IE", "Internet Explorer|Open the address in Internet Explorer");
    btnFF = tool("btnFF", "Firefox", "Firefox|Open the address in Firefox");
    btnO = tool("btnO", "Opera", "Opera|Open the address in Opera");
    ToolBarMain->SetStretchControl(cbWebsiteSavedOutput_Nav_Addr);

    pnlUpdates = MakeChild<TPanel>(this, this, "pnlUpdates");
    pnlUpdates->SetBounds(0, 0, ClientWidth(), ClientHeight());
    pnlUpdates->SetAlign(TAlign::Client);
    lblNoBrowser = MakeChild<TLabel>(this, pnlUpdates, "lblNoBrowser");
    lblNoBrowser->SetShowAccelChar(false);
    lblNoBrowser->SetVisible(false);

    msdvHostUpdates = TComponent::Create<TvddvHost>(this);
    msdvHostUpdates->SetName("msdvHostUpdates");
    msdvHostUpdates->HostContainer = pnlUpdates;

    CancelControl = btnClose;
    WireEvents();
}

}  // namespace pv
