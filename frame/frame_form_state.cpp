// The frame's side of window placement and settings.
#include "controls/form.h"
#include "frame/form_base.h"
#include "frame/form_state.h"
#include "frame/generic_frame.h"
#include "frame/shared_options.h"
#include "util/exception.h"

namespace pv {

void TvdDataModuleGenericStruct::RestoreFormPlacement(TForm* window) {
    if (OptionsFile.empty()) throw EvdValueOutOfValidRangeError("The options file path is empty");
    RestoreFormPlacementFrom(*window, OptionsFile);
}

void TvdDataModuleGenericStruct::RestoreFormSettings(TForm* window) {
    if (OptionsFile.empty()) throw EvdValueOutOfValidRangeError("The options file path is empty");
    if (auto* g = dynamic_cast<TvdFormGenericStruct*>(window)) g->LoadSettings(OptionsFile);
}

void TvdDataModuleGenericStruct::SaveFormPlacement(TForm* window) {
    if (Options && Options->SaveWindowsSetup && !OptionsFile.empty()) StoreFormPlacement(*window, OptionsFile);
}

void TvdDataModuleGenericStruct::SaveFormSettings(TForm* window) {
    if (Options && Options->SaveMiscSetup && !OptionsFile.empty())
        if (auto* g = dynamic_cast<TvdFormGenericStruct*>(window)) g->SaveSettings(OptionsFile);
}

}  // namespace pv
