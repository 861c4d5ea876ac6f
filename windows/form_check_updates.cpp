#include "windows/form_check_updates.h"

#include <algorithm>

#include "controls/application.h"
#include "controls/buttons.h"
#include "controls/combo_box.h"
#include "controls/label.h"
#include "controls/panel.h"
#include "controls/progress_bar.h"
#include "controls/spin_edit.h"
#include "controls/status_bar.h"
#include "controls/tool_bar.h"
#include "frame/generic_frame.h"
#include "frame/product_info.h"
#include "frame/shared_options.h"
#include "platform/platform.h"
#include "util/paths.h"
#include "util/strings.h"
#include "windows/document_host.h"
#include "windows/document_viewer_web.h"

namespace pv {

namespace {

constexpr int kFirstPageTimeoutMs = 7500;
const char* const kBlankPage = "about:blank";
const char* const kInternetSettingsKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
// "muc.ini" in the program folder may point the check at another site, for instance a
// test server on this computer.
const char* const kMucFile = "muc.ini";
const char* const kMucSection = "Misc";
const char* const kMucUpdateSite = "UpdateSite";

}  // namespace

TvdFormCheckUpdates::TvdFormCheckUpdates(TComponent* owner) : TvdFormGenericStructEx(owner) {
    SetName("vdFormCheckUpdates");
}

void TvdFormCheckUpdates::WireEvents() {
    OnCreate = [this](TComponent* s) { FormCreate(s); };
    OnShow = [this](TComponent* s) { FormShow(s); };
    OnCloseQuery = [this](TComponent* s, bool& canClose) { FormCloseQuery(s, canClose); };
    OnClose = [this](TComponent* s, TCloseAction& a) { FormClose(s, a); };
    OnDestroy = [this](TComponent* s) { FormDestroy(s); };
    msdvHostUpdates->OnStateChanged = [this](TvddvHost* h, int state) { msdvHostUpdatesStateChanged(h, state); };
    btnPrior->OnClick = [this](TComponent* s) { btnPriorClick(s); };
    btnNext->OnClick = [this](TComponent* s) { btnNextClick(s); };
    btnRefresh->OnClick = [this](TComponent* s) { btnRefreshClick(s); };
    btnNav->OnClick = [this](TComponent* s) { btnNavClick(s); };
    for (TToolButton* b : {btnIE, btnFF, btnO}) b->OnClick = [this](TComponent* s) { btnBrowserClick(s); };
    btnClose->OnClick = [this](TComponent* s) { btnCloseClick(s); };
    // Enter in the address box loads the address.
    OnEnterKey = [this](TComponent* s) { btnNavClick(s); };
}

TvddvViewerIE* TvdFormCheckUpdates::WebViewer() const {
    return dynamic_cast<TvddvViewerIE*>(msdvHostUpdates->Viewer());
}

// ---- life cycle ----------------------------------------------------------------------------

void TvdFormCheckUpdates::FormCreate(TComponent*) {
    Busy = false;
    Started = false;
    const TvdSharedProgramOptions& o = *Shared->Options;
    seCheckUpdatesDays->SetValue(o.CheckUpdatesInterval);
    stbInfo->OnDrawPanel = [this](TvdStatusBar* bar, int index, const TRect& r) { stbInfoDrawPanel(bar, index, r); };
    msdvHostUpdates->RegisterViewer(kDocumentFile, "/.*", TvddvViewerIE::Class());
    msdvHostUpdates->RegisterViewer(kDocumentAddress, "/.*", TvddvViewerIE::Class());
    btnO->SetVisible(!o.OperaPath.empty());
    btnFF->SetVisible(!o.FirefoxPath.empty());
    btnIE->SetVisible(!o.InternetExplorerPath.empty());
    tbBrowserSep->SetVisible(btnO->Visible() || btnFF->Visible() || btnIE->Visible());
    // The bar shows the gradient only where visual styles are on.
    ToolBarMain->SetGradient(true);
}

void TvdFormCheckUpdates::FormShow(TComponent*) {
    pbInfo->SetPosition(0);
    pbInfo->SetAlign(TAlign::None);
    pbInfo->SetStaticEdge(false);
    pbInfo->SetVisible(false);
    stbInfo->Invalidate();
    // The check runs once the window is up and the loop runs, as at its first activation.
    Application()->QueueCall([this] { FormActivate(this); }, AliveToken());
}

void TvdFormCheckUpdates::FormActivate(TComponent*) { StartCheck(); }

void TvdFormCheckUpdates::FormCloseQuery(TComponent*, bool& canClose) {
    // The wait for the first page lets messages run; closing inside it would pull the
    // window away from under the check.
    if (Busy) canClose = false;
}

void TvdFormCheckUpdates::FormClose(TComponent*, TCloseAction& action) {
    TvdSharedProgramOptions& o = *Shared->Options;
    if (!o.CheckUpdatesCritErrRes) o.CheckUpdatesInterval = seCheckUpdatesDays->Value();
    msdvHostUpdates->CloseViewer(true);
    action = TCloseAction::Free;
}

void TvdFormCheckUpdates::FormDestroy(TComponent*) {
    msdvHostUpdates->CloseViewer(true);
    msdvHostUpdates->OnStateChanged = nullptr;
    if (!Shared) return;
    Shared->SaveFormPlacement(this);
    Shared->SaveFormSettings(this);
    Shared->FormDestroyed(this);
    Shared->SaveOptions();
}

// ---- the check -----------------------------------------------------------------------------

std::string TvdFormCheckUpdates::HistoryAddress() const {
    std::string site = product::kCompanyUrlFull;
    if (Shared) {
        site = GetPlatform().Files().GetProfileString(Shared->AppPath + kMucFile, kMucSection, kMucUpdateSite, site);
        site = Trim(site);
        while (!site.empty() && site.back() == '/') site.pop_back();
    }
    return site + "/" + "products/" + LowerCase(product::kProgramName) + "/history.php";
}

void TvdFormCheckUpdates::StartCheck() {
    if (Started) return;
    Started = true;
    msdvHostUpdates->UserAgent = std::string(product::kProgramName) + "::" + product::kProgramVersion +
                                 "::" + "CheckForUpdates" + "::";
    const std::string address = HistoryAddress();
    msdvHostUpdates->Navigate(kDocumentAddress, address);
    TvddvViewerIE* viewer = WebViewer();
    if (viewer && viewer->EngineAvailable()) {
        std::weak_ptr<void> alive = AliveToken();
        Busy = true;
        viewer->WaitForDocument(kFirstPageTimeoutMs);
        // The program may have shut down while the wait let messages run.
        if (alive.expired()) return;
        Busy = false;
    } else {
        ShowNoBrowser(address);
    }
    msdvHostUpdates->UserAgent =
        GetPlatform().Registry().ReadString(RegistryRoot::CurrentUser, kInternetSettingsKey, "User Agent").value_or("");
    if (Shared) Shared->Options->CheckUpdatesLast = GetPlatform().Clock().Now();
}

// Without a browser engine the window says so and offers the address to open elsewhere.
void TvdFormCheckUpdates::ShowNoBrowser(const std::string& address) {
    lblNoBrowser->SetCaption(MixedText("PageCannotBeShown") + "\r\n\r\n" + address);
    lblNoBrowser->SetBounds(8, 8, std::max(0, pnlUpdates->ClientWidth() - 16), std::max(0, pnlUpdates->ClientHeight() - 16));
    lblNoBrowser->SetAnchors(Anchor::Left | Anchor::Top | Anchor::Right | Anchor::Bottom);
    lblNoBrowser->SetVisible(true);
    TComboBox* box = cbWebsiteSavedOutput_Nav_Addr;
    if (box->IndexOf(address, true) < 0) {
        std::vector<std::string> items = box->Items();
        items.push_back(address);
        box->SetItems(items);
    }
    box->SetText(address);
}

// ---- state of the view ---------------------------------------------------------------------

void TvdFormCheckUpdates::msdvHostUpdatesStateChanged(TvddvHost* host, int state) {
    TvddvViewer* viewer = host->Viewer();
    if (!viewer) return;
    switch (state) {
        case kViewerProgress:
            pbInfo->SetMax(viewer->ProgressMax);
            pbInfo->SetPosition(viewer->Progress);
            if (!pbInfo->Visible() && pbInfo->Position() != 0) pbInfo->SetVisible(true);
            else if (pbInfo->Visible() && pbInfo->Position() == 0) pbInfo->SetVisible(false);
            break;
        case kViewerStatusText:
            stbInfo->SetSimpleText(viewer->StatusText);
            break;
        case kViewerAddress: {
            if (viewer->DocumentAddress == kBlankPage) break;
            TComboBox* box = cbWebsiteSavedOutput_Nav_Addr;
            int index = box->IndexOf(viewer->DocumentAddress, true);
            if (index < 0) {
                // The list stays sorted, whatever the order of the visits.
                std::vector<std::string> items = box->Items();
                auto at = std::lower_bound(items.begin(), items.end(), viewer->DocumentAddress,
                                           [](const std::string& a, const std::string& b) { return CompareText(a, b) < 0; });
                index = static_cast<int>(at - items.begin());
                items.insert(at, viewer->DocumentAddress);
                box->SetItems(items);
            }
            box->SetItemIndex(index);
            if (box->ItemIndex() != index) box->SetText(viewer->DocumentAddress);
            btnPrior->SetEnabled(viewer->CanGoBack);
            btnNext->SetEnabled(viewer->CanGoForward);
            break;
        }
        default:
            break;
    }
}

// ---- the buttons -----------------------------------------------------------------------------

void TvdFormCheckUpdates::btnPriorClick(TComponent*) {
    if (TvddvViewer* v = msdvHostUpdates->Viewer()) v->GoBack();
}
void TvdFormCheckUpdates::btnNextClick(TComponent*) {
    if (TvddvViewer* v = msdvHostUpdates->Viewer()) v->GoForward();
}
void TvdFormCheckUpdates::btnRefreshClick(TComponent*) {
    if (TvddvViewer* v = msdvHostUpdates->Viewer()) v->Refresh();
}

void TvdFormCheckUpdates::btnNavClick(TComponent*) {
    std::string address = cbWebsiteSavedOutput_Nav_Addr->Text();
    msdvHostUpdates->Navigate(kDocumentAddress, address.empty() ? std::string(kBlankPage) : address);
}

void TvdFormCheckUpdates::btnBrowserClick(TComponent* sender) {
    const TvdSharedProgramOptions& o = *Shared->Options;
    const std::string& browser = sender == btnIE ? o.InternetExplorerPath : sender == btnFF ? o.FirefoxPath : o.OperaPath;
    if (browser.empty()) return;
    GetPlatform().Shell().Execute(Handle(), "open", browser, "\"" + cbWebsiteSavedOutput_Nav_Addr->Text() + "\"",
                                  ExtractFileDir(browser), ShowCmd::Normal);
}

void TvdFormCheckUpdates::btnCloseClick(TComponent*) { Close(); }

// The progress bar lies over the status bar's middle panel, inside its edge.
void TvdFormCheckUpdates::stbInfoDrawPanel(TvdStatusBar*, int index, const TRect& rect) {
    if (index != 1) return;
    pbInfo->SetBounds(rect.Left + 1, rect.Top + 1, std::max(0, rect.Width() - 2), std::max(0, rect.Height() - 2));
}

}  // namespace pv
