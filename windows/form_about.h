#pragma once
// The About window: the program's name, version, distributor, copyright and the maker's
// address above three pages. "Credits" names the author and the parts of others the
// program contains; "Translation" is the editor for the language files, the only place
// where the program writes one; "Data" is a table of system and path facts that can be
// saved, printed, or collected with the configuration files for a support request. Its
// sources are split by concern: form_about.cpp (life cycle, the top panel and the data
// page), form_about_editor.cpp (the translation editor), form_about_layout.cpp (the
// controls), form_about_texts.cpp (the texts and the translation list).
#include <string>

#include "frame/form_base.h"
#include "lang/language_file.h"

namespace pv {

class TAction;
class TActionList;
class TApplicationEvents;
class TButton;
class TFindDialog;
class TImage;
class TLabel;
class TPageControl;
class TPanel;
class TPrintDialog;
class TReplaceDialog;
class TRichEdit;
class TSaveDialog;
class TTabSet;
class TTabSheet;
class TvdStringGrid;
class TvdStatusBar;

class TvdFormAbout final : public TvdFormGenericStructEx {
public:
    explicit TvdFormAbout(TComponent* owner);
    PV_COMPONENT_CLASS(TvdFormAbout)

    // ---- components, in layout order ----
    TPanel* pnlTop = nullptr;
    TImage* imgLogo = nullptr;
    TLabel* LabelSum = nullptr;
    TLabel* LabelDis = nullptr;
    TLabel* LabelCop = nullptr;
    TButton* LabelUrl = nullptr;
    TImage* ImageCompanyLogo = nullptr;
    TPageControl* pgcAbout = nullptr;
    TTabSheet* tsCredits = nullptr;
    TRichEdit* reCredits = nullptr;
    TTabSheet* tsTranslation = nullptr;
    TPanel* tbTranslation = nullptr;
    TRichEdit* edtTranslationHeading = nullptr;
    TRichEdit* reTranslation = nullptr;
    TTabSet* tabsetTranslation = nullptr;
    TTabSheet* tsData = nullptr;
    TvdStringGrid* sgData = nullptr;
    TPanel* pnlDataButtons = nullptr;
    TButton* btnSave = nullptr;
    TButton* btnPrint = nullptr;
    TButton* btnCollectData = nullptr;
    TvdStatusBar* stbAbout = nullptr;
    TActionList* ActionListTrans = nullptr;
    TAction* ALI_File_New = nullptr;
    TAction* ALI_File_Open = nullptr;
    TAction* ALI_File_Save = nullptr;
    TAction* ALI_Edit_Cut = nullptr;
    TAction* ALI_Edit_Copy = nullptr;
    TAction* ALI_Edit_Paste = nullptr;
    TAction* ALI_Edit_Delete = nullptr;
    TAction* ALI_Edit_SelectAll = nullptr;
    TAction* ALI_Edit_Undo = nullptr;
    TAction* ALI_Edit_Search_FindOpen = nullptr;
    TAction* ALI_Edit_Search_FindNext = nullptr;
    TAction* ALI_Edit_Search_ReplaceOpen = nullptr;
    TAction* ALI_Edit_Sync = nullptr;
    TFindDialog* FindDialogFront = nullptr;
    TReplaceDialog* ReplaceDialogFront = nullptr;
    TSaveDialog* SaveFileAbout = nullptr;
    TPrintDialog* PrintDialogAbout = nullptr;
    TApplicationEvents* ApplicationEventsAbout = nullptr;

    // ---- window fields ----
    // The metadata of the file being edited.
    TvdlgTransMetaData MetaData;
    // The dialog of the search running now: the find or the replace dialog, or none.
    TFindDialog* ActiveSearchDialog = nullptr;
    bool FindInProgress = false;
    int FirstButtonRow = -1;
    int LastButtonRow = -1;

    // ---- event handlers ----
    void FormCreate(TComponent* sender);
    void FormClose(TComponent* sender, TCloseAction& action);
    void FormDestroy(TComponent* sender);
    void LabelUrlClick(TComponent* sender);
    void btnSaveClick(TComponent* sender);
    void btnPrintClick(TComponent* sender);
    void btnCollectDataClick(TComponent* sender);
    void sgDataCellButtonClick(int row);
    void tabsetTranslationChange(int newTab, bool& allowChange);
    void ApplicationEventsIdle(TComponent* sender);
    void ALI_File_NewExecute(TComponent* sender);
    void ALI_File_OpenExecute(TComponent* sender);
    void ALI_File_SaveExecute(TComponent* sender);
    void ALI_Edit_SyncExecute(TComponent* sender);
    void FindOpenExecute(TComponent* sender);
    void FindNextExecute(TComponent* sender);
    void ReplaceOpenExecute(TComponent* sender);
    void FindDialogFind(TComponent* sender);
    void ReplaceDialogReplace(TComponent* sender);

    // ---- the data page ----
    // Fills the grid: the header and the six rows of facts.
    void FillData();
    // The grid as an HTML file; false when it could not be written.
    bool SaveDataHtml(const std::string& path);
    // Each step on its own: the grid, "muc.ini", the log and the options file into the
    // folder; a missing source is skipped and a failure does not stop the next step.
    void CollectData(const std::string& folder);

    // ---- the translation editor ----
    void SetEditCulture(const std::string& culture);
    void LoadTranslationFile(const std::string& tabText);
    // Writes the editor's text to the current tab's file; false (and a note in the status
    // bar) when it could not, and the editor stays modified then.
    bool SaveTranslationFile();
    // The text of a language file as the editor shows it: the UTF-8 variant, else the
    // plain one, else nothing.
    std::string ReadTranslationText(const std::string& tabText) const;
    // The current file rebuilt from the English one of the same name.
    std::string SyncedText() const;
    // Recomputes every action's Enabled.
    void UpdateActions();
    // The rich edit that holds the focus; nullptr when another control does.
    TRichEdit* FocusedEdit() const;

    // ---- the window base's operations ----
    void SaveSettings(const std::string& optionsFile) override;
    void LoadSettings(const std::string& optionsFile) override;
    void TranslateForm() override;
    void RegisterFormMessages() override;
    void RegisterFormTexts() override;

protected:
    void LoadLayout() override;

private:
    void BuildTopPanel();
    void BuildCreditsPage();
    void BuildTranslationPage();
    void BuildDataPage();
    void BuildActions();
    void WireEvents();
    void WalkTranslationList(bool registering);
    std::string MixedText(const std::string& key) const;
    std::string GeneralText(const std::string& section, const std::string& key, const std::string& builtIn) const;
    void SetTemplateVariable(const std::string& name, const std::string& value) const;
    int AskYesNo(const std::string& text, bool withCancel) const;
    // The search of the dialog in `dialog` on the focused edit field, with the questions
    // to start over and to replace.
    void RunSearch(TFindDialog* dialog, bool replace);
    std::string TranslationFolder() const;
    std::string last_status_;
};

// The credits: the author and each part of others the program contains, with its licence.
std::string CreditsText();
// The version word of a Windows release as the About window shows it ("XP", "Vista",
// "7", "10").
std::string WindowsVersionWord(const OsVersion& version);
// Bytes as megabytes (bytes / 1024 / 1024) in the format "0.#0", which always shows the
// two decimals: "2048.00", "1.25".
std::string FormatMegabytes(uint64_t bytes);
// The rebuild of a translation from the English file: the English file's lines in order,
// each translatable key line carrying the translation's stored value (empty when it has
// none), every other line as in the English file.
std::string SyncTranslation(const std::string& englishText, const std::string& currentText);

}  // namespace pv
