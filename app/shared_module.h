#pragma once
// The program's frame: the generic frame with Pivola's windows and options.
#include "frame/generic_frame.h"

namespace pv {

class TFormFront;
class TProgramOptions;

class TModuleShared final : public TvdDataModuleGenericStruct {
public:
    explicit TModuleShared(TComponent* owner);
    PV_COMPONENT_CLASS(TModuleShared)

    std::vector<TForm**> GetExtraFrameForms() override;
    void WriteOptions(IniDocument& doc) override;
    void ReadOptions(const IniDocument& doc) override;
    void RegisterFrameTexts() override;
    void InstantiateAllForms() override;
    void SetUpFrame() override;
    void StartFrame() override;

    TFormFront* FormFront() const;
    TProgramOptions* ProgramOptions() const;

    // The window slots.
    TForm* FormFrontSlot = nullptr;
    TForm* AboutSlot = nullptr;
    TForm* CheckUpdatesSlot = nullptr;
    TForm* OptionsFormRef = nullptr;
    TFormClass OptionsFormClass;

protected:
    std::unique_ptr<TvdSharedProgramOptions> CreateOptions() override;
    void AssignFormSlots() override;
};

// The program's frame, once it exists.
TModuleShared* SharedModule();

}  // namespace pv
