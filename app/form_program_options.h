#pragma once
// The "Options" window: the options of the options record that have a user interface
// (window persistence, the tray menu's font, start with Windows, the hot key), with a
// panel on the right that explains the control holding the keyboard focus. OK copies the
// controls into the record and applies them at once; the options file is written when
// the window is destroyed, which every close does. Its sources are split by concern:
// form_program_options.cpp (life cycle and the handlers), form_program_options_layout.cpp
// (the controls), form_program_options_texts.cpp (the help texts and the translation
// list).
#include <string>

#include "frame/form_base.h"

namespace pv {

class TButton;
class TCheckBox;
class TComboBox;
class TGroupBox;
class THotKey;
class TLabel;
class TMemo;
class TPageControl;
class TPanel;
class TProgramOptions;
class TTabSheet;

class TFormProgramOptions final : public TvdFormGenericStructEx {
public:
    explicit TFormProgramOptions(TComponent* owner);
    PV_COMPONENT_CLASS(TFormProgramOptions)

    // ---- components, in layout order ----
    TPanel* pnlMain = nullptr;
    TPageControl* pgcOptions = nullptr;
    TTabSheet* tsVisuals = nullptr;
    TGroupBox* gbUserInterfacePersistenceV = nullptr;
    TCheckBox* chkWindowsVU = nullptr;
    TCheckBox* chkMiscVU = nullptr;
    TGroupBox* gbFontSettingsV = nullptr;
    TButton* BtnDefault = nullptr;
    TLabel* lblOverrideStandardFontStyleBold = nullptr;
    TCheckBox* chbOverrideStandardFontStyleBold = nullptr;
    TLabel* lblOverrideStandardFontSize = nullptr;
    TComboBox* cbOverrideStandardFontSize = nullptr;
    TLabel* lblOverrideStandardFontName = nullptr;
    TComboBox* cbOverrideStandardFontName = nullptr;
    TCheckBox* chbOverrideStandardFont = nullptr;
    TTabSheet* tsMiscellaneous = nullptr;
    TGroupBox* gbProgramBehavior = nullptr;
    TCheckBox* chbShowInTray = nullptr;
    TLabel* lblProgramActivateShortCutPB = nullptr;
    THotKey* hkProgramActivateShortCutPB = nullptr;
    TTabSheet* tsHidden = nullptr;
    TCheckBox* chbShowInTask = nullptr;
    TPanel* pnlMainHelp = nullptr;
    TPanel* pnlHelpContainer = nullptr;
    TPanel* pnlHelp = nullptr;
    TPanel* pnlHelpHeading = nullptr;
    TMemo* memHelp = nullptr;
    TButton* btnOK = nullptr;
    TButton* btnCancel = nullptr;

    // ---- event handlers ----
    void FormCreate(TComponent* sender);
    void FormShow(TComponent* sender);
    void FormClose(TComponent* sender, TCloseAction& action);
    void FormDestroy(TComponent* sender);
    void BtnOKClick(TComponent* sender);
    void BtnCancelClick(TComponent* sender);
    void BtnDefaultClick(TComponent* sender);
    void pgcOptionsChange(TComponent* sender);
    // Puts the help text of the control that took the focus into the help panel.
    void OnEnterExplain(TComponent* sender);

    // ---- the window base's operations ----
    void SaveSettings(const std::string& optionsFile) override;
    void LoadSettings(const std::string& optionsFile) override;
    void TranslateForm() override;
    void RegisterFormMessages() override;
    void RegisterFormTexts() override;

    // The help text for a control in the current language, its template expanded; the
    // frame's "no help" text for a control without one of its own.
    std::string HelpText(const TComponent* control) const;

protected:
    void LoadLayout() override;

private:
    TProgramOptions& Options() const;
    void BuildVisualsPage();
    void BuildMiscellaneousPages();
    void BuildHelpPanel();
    void WireEvents();
    void WalkTranslationList(bool registering);
    // The open page's first control takes the focus (and so explains itself).
    void FocusOpenPage();
};

}  // namespace pv
