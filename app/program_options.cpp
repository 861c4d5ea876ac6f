#include "app/program_options.h"

#include "app/front_form.h"
#include "app/shared_module.h"

namespace pv {

void TProgramOptions::ApplyOptions() {
    TModuleShared* shared = SharedModule();
    TFormFront* front = shared ? shared->FormFront() : nullptr;
    if (front) front->ApplyProgramOptions(*this);
}

}  // namespace pv
