#pragma once
// The update-check window: the maker's version-history page of this product in the
// embedded browser, requested with a user agent that names the product and its version so
// that the page can tell whether a newer one exists. It opens by itself when the interval
// of days has passed, or from the program menu; it runs the check once, at its first
// activation, and keeps the user from closing it while the first page is awaited. Its
// sources are split by concern: form_check_updates.cpp (life cycle, the check and the
// handlers), form_check_updates_layout.cpp (the controls), form_check_updates_texts.cpp
// (the translation list).
#include <string>

#include "frame/form_base.h"

namespace pv {

class TButton;
class TComboBox;
class TLabel;
class TPanel;
class TProgressBar;
class TSpinEdit;
class TToolBar;
class TToolButton;
class TvddvHost;
class TvddvViewerIE;
class TvdStatusBar;

class TvdFormCheckUpdates final : public TvdFormGenericStructEx {
public:
    explicit TvdFormCheckUpdates(TComponent* owner);
    PV_COMPONENT_CLASS(TvdFormCheckUpdates)

    // ---- components, in layout order ----
    TToolBar* ToolBarMain = nullptr;
    TToolButton* btnPrior = nullptr;
    TToolButton* btnNext = nullptr;
    TToolButton* btnRefresh = nullptr;
    TComboBox* cbWebsiteSavedOutput_Nav_Addr = nullptr;
    TToolButton* btnNav = nullptr;
    TToolButton* tbBrowserSep = nullptr;
    TToolButton* btnIE = nullptr;
    TToolButton* btnFF = nullptr;
    TToolButton* btnO = nullptr;
    TPanel* pnlTipFooter = nullptr;
    TSpinEdit* seCheckUpdatesDays = nullptr;
    TLabel* lblOutputColumnsMaxColsInRow = nullptr;
    TButton* btnClose = nullptr;
    TvdStatusBar* stbInfo = nullptr;
    TProgressBar* pbInfo = nullptr;
    TPanel* pnlUpdates = nullptr;
    // Shown in place of the page where no browser engine can be embedded.
    TLabel* lblNoBrowser = nullptr;
    TvddvHost* msdvHostUpdates = nullptr;

    bool Busy = false;
    bool Started = false;

    // ---- event handlers ----
    void FormCreate(TComponent* sender);
    void FormShow(TComponent* sender);
    void FormActivate(TComponent* sender);
    void FormCloseQuery(TComponent* sender, bool& canClose);
    void FormClose(TComponent* sender, TCloseAction& action);
    void FormDestroy(TComponent* sender);
    void msdvHostUpdatesStateChanged(TvddvHost* host, int state);
    void btnPriorClick(TComponent* sender);
    void btnNextClick(TComponent* sender);
    void btnRefreshClick(TComponent* sender);
    void btnNavClick(TComponent* sender);
    void btnBrowserClick(TComponent* sender);
    void btnCloseClick(TComponent* sender);
    void stbInfoDrawPanel(TvdStatusBar* sender, int index, const TRect& rect);

    // Requests the history page, waits for it and notes the time of the check; only once
    // per window.
    void StartCheck();
    // The address of the product's version-history page.
    std::string HistoryAddress() const;
    // The web viewer, once the host has one.
    TvddvViewerIE* WebViewer() const;

    // ---- the window base's operations ----
    void TranslateForm() override;
    void RegisterFormMessages() override;
    void RegisterFormTexts() override;

protected:
    void LoadLayout() override;

private:
    void WireEvents();
    void WalkTranslationList(bool registering);
    void ShowNoBrowser(const std::string& address);
    std::string MixedText(const std::string& key) const;
};

}  // namespace pv
