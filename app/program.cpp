#include "app/program.h"

#include "app/shared_module.h"
#include "controls/application.h"

namespace pv {

int RunProgram(Platform& platform) {
    TApplication app(platform);
    TComponent::Create<TModuleShared>(&app);
    app.Run();
    // The application frees what it owns, the most recent first: the windows, then the
    // frame, which saves the options.
    return 0;
}

}  // namespace pv
