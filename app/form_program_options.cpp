#include "app/form_program_options.h"

#include "app/program_options.h"
#include "app/shared_module.h"
#include "controls/buttons.h"
#include "controls/combo_box.h"
#include "controls/edit.h"
#include "controls/hot_key_edit.h"
#include "controls/page_control.h"
#include "frame/generic_frame.h"
#include "platform/file_tools.h"
#include "platform/platform.h"
#include "util/exception.h"
#include "util/ini_document.h"
#include "util/strings.h"

namespace pv {

namespace {

const char* const kFallbackFont = "Verdana";
const char* const kFallbackSize = "10";
const char* const kActivePageKey = "pgcOptions.ActivePageIndex";

// The entry of a list equal to `first`, else the one equal to `second`; -1 for neither.
int IndexOfEither(const TComboBox* list, const std::string& first, bool ignoreCase, const std::string& second) {
    int index = list->IndexOf(first, ignoreCase);
    return index >= 0 ? index : list->IndexOf(second);
}

}  // namespace

TFormProgramOptions::TFormProgramOptions(TComponent* owner) : TvdFormGenericStructEx(owner) {
    SetName("FormProgramOptions");
}

TProgramOptions& TFormProgramOptions::Options() const {
    auto* shared = dynamic_cast<TModuleShared*>(Shared);
    TProgramOptions* options = shared ? shared->ProgramOptions() : nullptr;
    if (!options) throw EvdPointerRefNotAssigned("");
    return *options;
}

void TFormProgramOptions::WireEvents() {
    OnCreate = [this](TComponent* s) { FormCreate(s); };
    OnShow = [this](TComponent* s) { FormShow(s); };
    OnClose = [this](TComponent* s, TCloseAction& a) { FormClose(s, a); };
    OnDestroy = [this](TComponent* s) { FormDestroy(s); };
    btnOK->OnClick = [this](TComponent* s) { BtnOKClick(s); };
    btnCancel->OnClick = [this](TComponent* s) { BtnCancelClick(s); };
    BtnDefault->OnClick = [this](TComponent* s) { BtnDefaultClick(s); };
    pgcOptions->OnChange = [this](TComponent* s) { pgcOptionsChange(s); };
    // The controls with a help hook; the bold check box has none.
    TWinControl* explained[] = {chkWindowsVU,
                                chkMiscVU,
                                chbShowInTray,
                                chbShowInTask,
                                hkProgramActivateShortCutPB,
                                BtnDefault,
                                cbOverrideStandardFontSize,
                                cbOverrideStandardFontName,
                                chbOverrideStandardFont,
                                btnOK,
                                btnCancel};
    for (TWinControl* c : explained) c->OnEnter = [this](TComponent* s) { OnEnterExplain(s); };
}

// ---- life cycle ----------------------------------------------------------------------------

void TFormProgramOptions::FormCreate(TComponent*) {
    const TProgramOptions& o = Options();
    pgcOptions->SetActivePageIndex(0);
    tsHidden->SetTabVisible(false);
    chkWindowsVU->SetChecked(o.SaveWindowsSetup);
    chkMiscVU->SetChecked(o.SaveMiscSetup);
    chbOverrideStandardFontStyleBold->SetChecked(o.OverrideStandardFontBold);
    cbOverrideStandardFontName->SetItems(GetPlatform().System().ScreenFontNames());
    cbOverrideStandardFontSize->SetItems({"7", "8", "9", "10", "11", "12"});
    chbOverrideStandardFont->SetChecked(o.OverrideStandardFont);
    // A font that is not installed falls back to Verdana, else to the system's menu font, and
    // only when neither is installed to an empty field (which OK does not store).
    int fontIndex = IndexOfEither(cbOverrideStandardFontName, o.OverrideStandardFontName, true, kFallbackFont);
    if (fontIndex < 0) fontIndex = cbOverrideStandardFontName->IndexOf(GetPlatform().System().MenuFont().Name, true);
    cbOverrideStandardFontName->SetItemIndex(fontIndex);
    cbOverrideStandardFontSize->SetItemIndex(
        IndexOfEither(cbOverrideStandardFontSize, IntToStr(o.OverrideStandardFontSize), false, kFallbackSize));
    chbShowInTray->SetChecked(o.AlwaysShowInTray);
    chbShowInTask->SetChecked(o.AlwaysShowInTask);
    hkProgramActivateShortCutPB->SetHotKey(TextToShortCut(o.ProgramPopupShortCut));
}

void TFormProgramOptions::FormShow(TComponent*) { FocusOpenPage(); }

void TFormProgramOptions::pgcOptionsChange(TComponent*) { FocusOpenPage(); }

void TFormProgramOptions::FocusOpenPage() {
    TTabSheet* page = pgcOptions->ActivePage();
    if (page == tsVisuals) chkWindowsVU->SetFocus();
    else if (page == tsMiscellaneous) chbShowInTray->SetFocus();
}

void TFormProgramOptions::OnEnterExplain(TComponent* sender) { memHelp->SetText(HelpText(sender)); }

void TFormProgramOptions::FormClose(TComponent*, TCloseAction& action) { action = TCloseAction::Free; }

void TFormProgramOptions::FormDestroy(TComponent*) {
    if (!Shared) return;
    Shared->SaveFormPlacement(this);
    Shared->SaveFormSettings(this);
    Shared->FormDestroyed(this);
    // Written at every close, OK or not, with the start-with-Windows value it implies.
    Shared->SaveOptions();
}

// ---- the buttons -----------------------------------------------------------------------------

void TFormProgramOptions::BtnOKClick(TComponent*) {
    TProgramOptions& o = Options();
    o.SaveWindowsSetup = chkWindowsVU->Checked();
    o.SaveMiscSetup = chkMiscVU->Checked();
    o.OverrideStandardFont = chbOverrideStandardFont->Checked();
    // As typed or chosen, installed or not; an empty field leaves the stored name alone.
    if (!cbOverrideStandardFontName->Text().empty()) o.OverrideStandardFontName = cbOverrideStandardFontName->Text();
    o.OverrideStandardFontSize = TryStrToInt(cbOverrideStandardFontSize->Text()).value_or(10);
    o.OverrideStandardFontBold = chbOverrideStandardFontStyleBold->Checked();
    o.AlwaysShowInTray = chbShowInTray->Checked();
    o.AlwaysShowInTask = chbShowInTask->Checked();
    o.ProgramPopupShortCut = ShortCutToText(hkProgramActivateShortCutPB->HotKey());
    o.ApplyOptions();
    Close();
}

void TFormProgramOptions::BtnCancelClick(TComponent*) { Close(); }

// The system's menu font, as near as the lists come; the drawing switch stays as it is.
void TFormProgramOptions::BtnDefaultClick(TComponent*) {
    FontSpec menu = GetPlatform().System().MenuFont();
    chbOverrideStandardFontStyleBold->SetChecked(false);
    if (!cbOverrideStandardFontName->Items().empty())
        cbOverrideStandardFontName->SetItemIndex(IndexOfEither(cbOverrideStandardFontName, menu.Name, false, kFallbackFont));
    const char* size = menu.Size >= 9 ? "9" : menu.Size > 7 ? "8" : "7";
    cbOverrideStandardFontSize->SetItemIndex(cbOverrideStandardFontSize->IndexOf(size));
}

// ---- the window's own settings ---------------------------------------------------------------

void TFormProgramOptions::SaveSettings(const std::string& optionsFile) {
    TvdFormGenericStructEx::SaveSettings(optionsFile);
    WriteSetting(optionsFile, kActivePageKey, IntToStr(pgcOptions->ActivePageIndex()));
}

void TFormProgramOptions::LoadSettings(const std::string& optionsFile) {
    TvdFormGenericStructEx::LoadSettings(optionsFile);
    auto index = TryStrToInt(ReadSetting(optionsFile, kActivePageKey).value_or(""));
    // Only a page the user can reach through its tab is opened again.
    if (index && *index >= 0 && *index < pgcOptions->PageCount() && pgcOptions->Pages(*index)->TabVisible())
        pgcOptions->SetActivePageIndex(*index);
}

}  // namespace pv
