#include "app/shared_module.h"

#include "app/form_program_options.h"
#include "app/front_form.h"
#include "app/program_options.h"
#include "controls/application.h"
#include "frame/option_values.h"
#include "frame/product_info.h"
#include "platform/platform.h"
#include "util/ini_document.h"
#include "windows/form_about.h"
#include "windows/form_check_updates.h"

namespace pv {

TModuleShared::TModuleShared(TComponent* owner) : TvdDataModuleGenericStruct(owner) { SetName("ModuleShared"); }

TModuleShared* SharedModule() { return dynamic_cast<TModuleShared*>(FrameInstance); }

std::vector<TForm**> TModuleShared::GetExtraFrameForms() {
    auto forms = TvdDataModuleGenericStruct::GetExtraFrameForms();
    forms.push_back(&OptionsFormRef);
    return forms;
}

namespace {
const char* const kVisuals = "ProgramOptions.Visuals";
const char* const kMisc = "ProgramOptions.Miscellaneous";
const char* const kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const char* const kRunValue = "Vendrik-Pivola";
}  // namespace

void TModuleShared::WriteOptions(IniDocument& doc) {
    TvdDataModuleGenericStruct::WriteOptions(doc);
    const TProgramOptions& o = *ProgramOptions();
    WriteOptionBool(doc, kVisuals, "OverrideStandardFont", o.OverrideStandardFont);
    doc.WriteString(kVisuals, "OverrideStandardFontName", o.OverrideStandardFontName);
    WriteOptionInt(doc, kVisuals, "OverrideStandardFontSize", o.OverrideStandardFontSize);
    WriteOptionBool(doc, kVisuals, "OverrideStandardFontBold", o.OverrideStandardFontBold);
    WriteOptionBool(doc, kMisc, "AlwaysShowInTray", o.AlwaysShowInTray);
    WriteOptionBool(doc, kMisc, "AlwaysShowInTask", o.AlwaysShowInTask);
    doc.WriteString(kMisc, "ProgramPopupShortCut", o.ProgramPopupShortCut);
    // Starting with Windows follows the tray option; it points at the program folder's
    // pivola.exe whatever the running file is called.
    IRegistry& registry = GetPlatform().Registry();
    if (o.AlwaysShowInTray)
        registry.WriteString(RegistryRoot::CurrentUser, kRunKey, kRunValue, AppPath + product::kExecutableName);
    else
        registry.DeleteValue(RegistryRoot::CurrentUser, kRunKey, kRunValue);
}

void TModuleShared::ReadOptions(const IniDocument& doc) {
    TvdDataModuleGenericStruct::ReadOptions(doc);
    TProgramOptions& o = *ProgramOptions();
    ReadOptionBool(doc, kVisuals, "OverrideStandardFont", o.OverrideStandardFont);
    ReadOptionText(doc, kVisuals, "OverrideStandardFontName", o.OverrideStandardFontName);
    ReadOptionInt(doc, kVisuals, "OverrideStandardFontSize", o.OverrideStandardFontSize);
    ReadOptionBool(doc, kVisuals, "OverrideStandardFontBold", o.OverrideStandardFontBold);
    ReadOptionBool(doc, kMisc, "AlwaysShowInTray", o.AlwaysShowInTray);
    ReadOptionBool(doc, kMisc, "AlwaysShowInTask", o.AlwaysShowInTask);
    ReadOptionText(doc, kMisc, "ProgramPopupShortCut", o.ProgramPopupShortCut);
}
void TModuleShared::RegisterFrameTexts() { TvdDataModuleGenericStruct::RegisterFrameTexts(); }
void TModuleShared::SetUpFrame() { TvdDataModuleGenericStruct::SetUpFrame(); }
void TModuleShared::StartFrame() { TvdDataModuleGenericStruct::StartFrame(); }

void TModuleShared::InstantiateAllForms() {
    TvdDataModuleGenericStruct::InstantiateAllForms();
    ShowForm(&OptionsFormRef, OptionsFormClass, nullptr, true, ModalWindows);
}

std::unique_ptr<TvdSharedProgramOptions> TModuleShared::CreateOptions() {
    return std::make_unique<TProgramOptions>(GetPlatform());
}

void TModuleShared::AssignFormSlots() {
    MainFormRef = &FormFrontSlot;
    AboutFormRef = &AboutSlot;
    CheckUpdatesFormRef = &CheckUpdatesSlot;
    MainFormClass = {"TFormFront", [](TComponent* owner) -> TForm* { return TComponent::Create<TFormFront>(owner); }};
    CheckUpdatesFormClass = {"TvdFormCheckUpdates", [](TComponent* owner) -> TForm* {
                                 return TComponent::Create<TvdFormCheckUpdates>(owner);
                             }};
    AboutFormClass = {"TvdFormAbout",
                      [](TComponent* owner) -> TForm* { return TComponent::Create<TvdFormAbout>(owner); }};
    OptionsFormClass = {"TFormProgramOptions",
                        [](TComponent* owner) -> TForm* { return TComponent::Create<TFormProgramOptions>(owner); }};
}

TFormFront* TModuleShared::FormFront() const { return dynamic_cast<TFormFront*>(FormFrontSlot); }
TProgramOptions* TModuleShared::ProgramOptions() const { return dynamic_cast<TProgramOptions*>(Options.get()); }

}  // namespace pv
