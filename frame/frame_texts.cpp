// The frame's part of the translation: starting the language controller, the template
// variables every text may use, the texts the frame registers for itself and for the
// message boxes, and the application's reading direction.
#include "controls/application.h"
#include "frame/form_base.h"
#include "frame/generic_frame.h"
#include "frame/logging.h"
#include "frame/product_info.h"
#include "frame/shared_options.h"
#include "lang/general_texts.h"
#include "lang/language_composite.h"
#include "lang/logical_files.h"
#include "lang/template_system.h"
#include "platform/platform.h"
#include "util/datetime.h"

namespace pv {

namespace {

const char* const kModuleArea = "__Module";
const char* const kModuleMessages = "__MessageText__Module";
const char* const kModuleMixed = "__MixedText__Module";

struct ModuleText {
    const char* Section;
    const char* Key;
    bool Curly;  // expanded with the "__curly" template system
    const char* Text;
};

// The frame's built-in English texts, in the order they are registered.
const ModuleText kModuleTexts[] = {
    {kModuleMessages, "ProblemPersists", true,
     "If the problem persists try visit {CompanyUrlFull} and check for updates and/or workarounds for already known "
     "commonly encountered issues.\r\n\r\nAs an alternative please email \"{LogFilePath}\" and a reproducible "
     "description of what you were doing at the time the error ocurred to {CompanyProductSupportEmail} and we will "
     "do our best to resolve the problem."},
    {kModuleMessages, "NoErrorMessageText", false, "No message"},
    {kModuleMessages, "ErrorOccuredDetails", false, "Error occured"},
    {kModuleMessages, "OpenBrowserMoreInfo", false, "Open browser to view more information?"},
    {kModuleMessages, "ProblemViewDetails", false, "Problem occured. View details?"},
    {kModuleMixed, "SelectOutputDir", false, "Select output directory"},
    {kModuleMixed, "NoHelpAvailableTopic", false, "No help available for this topic."},
};

std::string BuiltInModuleMessage(const std::string& key) {
    for (const auto& t : kModuleTexts)
        if (std::string_view(t.Section) == kModuleMessages && key == t.Key) return t.Text;
    return {};
}

// The metadata of the built-in English texts.
TvdlgTransMetaData BaseCultureMetaData(Platform& platform) {
    TvdlgTransMetaData meta;
    meta.Lingua_ID = "en-us";
    meta.Lingua_Desc = "English (US)";
    meta.Author_Name = product::kBuiltInTextsAuthor;
    meta.Author_Email = product::kSupportEmail;
    meta.Author_WebUrl = product::kCompanyUrlFull;
    meta.Author_Comments = "Please email suggestions and/or corrections.";
    meta.Document_LastUpdateDate = FormatIsoDateTime(platform.Clock().Now());
    meta.Document_LastUpdateProgram = product::kProgramName;
    meta.Document_LastUpdateVersion = product::kProgramVersion;
    return meta;
}

}  // namespace

void TvdDataModuleGenericStruct::StartLanguageController() {
    TvdlgLanguageController& lc = Composite->Controller();
    lc.SetTranslationFolder(TranslationFolder);
    Options->LanguageCulture = lc.NormalizeCulture(Options->LanguageCulture);
    lc.SetCulture(Options->LanguageCulture);
    lc.SetOptions({.UseBuiltInTexts = true, .StoreNonEmptyOnly = true});
}

void TvdDataModuleGenericStruct::RegisterTemplateVariables() {
    TvdlgLanguageController& lc = Composite->Controller();
    lc.PushTemplateSystem(std::string(kTemplateSystemCurly));
    const std::pair<const char*, std::string> variables[] = {
        {"ProgramNameShort", product::kProgramName},
        {"ProgramNameShortCommon", product::kProgramName},
        {"CompanyUrlFull", product::kCompanyUrlFull},
        {"CompanyProductSupportEmail", product::kSupportEmail},
        {"CompanyNameShort", product::kCompanyNameShort},
        {"CompanyNameLong", product::kCompanyNameLong},
        {"CopyrightTime", product::kCopyrightTime},
        {"CopyrightHolders", product::kCopyrightHolders},
        {"LogFilePath", vdLoggingProgram->LogFile()},
        // The folder the start-up recovery question names: the save backup "item_bak"
        // lives in the temp folder.
        {"AppDataPath", TempFolder},
    };
    for (const auto& [name, value] : variables) lc.SetTemplateVariable(name, value, false);
}

void TvdDataModuleGenericStruct::RegisterFrameTexts() {
    if (!Composite) return;
    TvdlgLanguageController& lc = Composite->Controller();
    const std::string general(kGeneralLanguageFile);
    Composite->DialogTexts().RegisterDialogTexts(lc, general);
    RegisterFindReplaceTexts(lc, general);
    RegisterFileTypeTexts(lc, general, FileTypeBit::Html);
    RegisterManageFilesTexts(lc, general);
    TvdlgTransMetaData meta = BaseCultureMetaData(GetPlatform());
    for (std::string_view file : {kGeneralLanguageFile, kSharedLanguageFile, kProgramLanguageFile})
        lc.WriteMetaData(std::string(file), meta);
    for (const auto& t : kModuleTexts)
        lc.RegisterText(std::string(kSharedLanguageFile), t.Section, t.Key, t.Text,
                        t.Curly ? std::string(kTemplateSystemCurly) : std::string());
}

void TvdDataModuleGenericStruct::RegisterApplicationTexts() {
    if (Composite)
        Composite->AssistantApplication().RegisterBiDiMode(std::string(kSharedLanguageFile), kModuleArea, *Application());
}

void TvdDataModuleGenericStruct::ChangeLanguage(const std::string& culture) {
    if (!Composite) return;
    TvdlgLanguageController& lc = Composite->Controller();
    std::string normal = lc.NormalizeCulture(culture);
    lc.SetCulture(normal);
    TranslateApplication();
    Options->LanguageCulture = normal;
    // Every open window takes the new texts at once; nothing is registered again.
    for (TForm** slot : GetFrameForms()) {
        if (!slot || !*slot) continue;
        if (auto* window = dynamic_cast<TvdFormGenericStruct*>(*slot)) {
            window->TranslateForm();
            window->RefreshForm();
        }
    }
}

void TvdDataModuleGenericStruct::TranslateApplication() {
    if (Composite)
        Composite->AssistantApplication().ApplyBiDiMode(std::string(kSharedLanguageFile), kModuleArea, *Application());
}

std::string TvdDataModuleGenericStruct::FrameMessage(const std::string& key) {
    std::string builtIn = BuiltInModuleMessage(key);
    if (!Composite) return builtIn;
    // The error report shows these texts; a language file that cannot be read must not
    // turn the report of one error into a second one.
    try {
        return Composite->Controller().GetText(std::string(kSharedLanguageFile), kModuleMessages, key, builtIn, false);
    } catch (const std::exception&) {
        return builtIn;
    }
}

}  // namespace pv
