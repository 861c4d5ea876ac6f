// The update window's controls: the tool bar at the top (a row of push buttons and the
// address box on a panel), the status bar and the footer with the interval at the bottom,
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
constexpr int kSeparatorWidth = 8;
constexpr int kFooterHeight = 40;
constexpr int kStatusHeight = 19;
constexpr int kMargin = 8;
constexpr int kSpinWidth = 50;
constexpr int kFieldHeight = 22;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
// Where the status bar's middle part, the one the progress bar covers, starts, and its
// width.
constexpr int kProgressLeft = 576;
constexpr int kProgressWidth = 100;

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
    pbInfo = MakeChild<TProgressBar>(this, stbInfo, "pbInfo");
    pbInfo->SetBounds(Scale96(kProgressLeft) + 1, 1, Scale96(kProgressWidth) - 2, Scale96(kStatusHeight) - 2);

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

    ToolBarMain = MakeChild<TPanel>(this, this, "ToolBarMain");
    ToolBarMain->SetBounds(0, 0, ClientWidth(), Scale96(kToolBarHeight));
    ToolBarMain->SetAlign(TAlign::Top);
    int x = Scale96(kToolGap);
    int top = Scale96((kToolBarHeight - kToolButtonHeight) / 2);
    auto tool = [&](const char* name, const char* caption, const char* hint) {
        TButton* b = MakeChild<TButton>(this, ToolBarMain, name, caption);
        b->SetHint(hint);
        b->SetBounds(x, top, Scale96(kToolButtonWidth), Scale96(kToolButtonHeight));
        x += Scale96(kToolButtonWidth + kToolGap);
        return b;
    };
    btnPrior = tool("btnPrior", "Back", "Back|Go back to the previous page");
    btnNext = tool("btnNext", "Forward", "Forward|Go forward to the next page");
    btnRefresh = tool("btnRefresh", "Refresh", "Refresh|Load the page again");
    cbWebsiteSavedOutput_Nav_Addr = MakeChild<TComboBox>(this, ToolBarMain, "cbWebsiteSavedOutput_Nav_Addr");
    cbWebsiteSavedOutput_Nav_Addr->SetStyle(TComboBoxStyle::DropDown);
    cbWebsiteSavedOutput_Nav_Addr->SetAnchors(Anchor::Left | Anchor::Top | Anchor::Right);
    const int addressLeft = x;
    btnNav = MakeChild<TButton>(this, ToolBarMain, "btnNav", "Go");
    btnNav->SetHint("Go|Load the address");
    tbBrowserSep = MakeChild<TPanel>(this, ToolBarMain, "tbBrowserSep");
    btnIE = MakeChild<TButton>(this, ToolBarMain, "btnIE", "IE");
    btnIE->SetHint("Internet Explorer|Open the address in Internet Explorer");
    btnFF = MakeChild<TButton>(this, ToolBarMain, "btnFF", "Firefox");
    btnFF->SetHint("Firefox|Open the address in Firefox");
    btnO = MakeChild<TButton>(this, ToolBarMain, "btnO", "Opera");
    btnO->SetHint("Opera|Open the address in Opera");
    // From the right edge: the browser buttons, the separator, then Go; the address box
    // takes what is left. Hidden buttons are placed all the same, so that the creation
    // handler only has to hide them.
    int right = ToolBarMain->ClientWidth() - Scale96(kToolGap);
    for (TControl* c : {static_cast<TControl*>(btnO), static_cast<TControl*>(btnFF), static_cast<TControl*>(btnIE),
                        static_cast<TControl*>(tbBrowserSep), static_cast<TControl*>(btnNav)}) {
        int width = c == tbBrowserSep ? Scale96(kSeparatorWidth) : Scale96(kToolButtonWidth);
        right -= width;
        c->SetBounds(right, top, width, Scale96(kToolButtonHeight));
        c->SetAnchors(Anchor::Right | Anchor::Top);
        right -= Scale96(kToolGap);
    }
    cbWebsiteSavedOutput_Nav_Addr->SetBounds(addressLeft, top, std::max(0, right - addressLeft),
                                             Scale96(kToolButtonHeight));

    pnlUpdates = MakeChild<TPanel>(this, this, "pnlUpdates");
    pnlUpdates->SetBounds(0, 0, ClientWidth(), ClientHeight());
    pnlUpdates->SetAlign(TAlign::Client);
    lblNoBrowser = MakeChild<TLabel>(this, pnlUpdates, "lblNoBrowser");
    lblNoBrowser->SetShowAccelChar(false);
    lblNoBrowser->SetVisible(false);

    msdvHostUpdates = TComponent::Create<TvddvHost>(this);
    msdvHostUpdates->SetName("msdvHostUpdates");
    msdvHostUpdates->HostContainer = pnlUpdates;

    SetDefaultControl(btnNav);
    CancelControl = btnClose;
    WireEvents();
}

}  // namespace pv
