#include "app/shared_module.h"

#include "app/front_form.h"
#include "app/program_options.h"
#include "controls/application.h"

namespace pv {

TModuleShared::TModuleShared(TComponent* owner) : TvdDataModuleGenericStruct(owner) { SetName("ModuleShared"); }

TModuleShared* SharedModule() { return dynamic_cast<TModuleShared*>(FrameInstance); }

std::vector<TForm**> TModuleShared::GetExtraFrameForms() {
    auto forms = TvdDataModuleGenericStruct::GetExtraFrameForms();
    forms.push_back(&OptionsFormRef);
    return forms;
}

void TModuleShared::WriteOptions(IniDocument& doc) { TvdDataModuleGenericStruct::WriteOptions(doc); }
void TModuleShared::ReadOptions(const IniDocument& doc) { TvdDataModuleGenericStruct::ReadOptions(doc); }
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
}

TFormFront* TModuleShared::FormFront() const { return dynamic_cast<TFormFront*>(FormFrontSlot); }
TProgramOptions* TModuleShared::ProgramOptions() const { return dynamic_cast<TProgramOptions*>(Options.get()); }

}  // namespace pv
