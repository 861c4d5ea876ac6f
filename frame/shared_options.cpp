#include "frame/shared_options.h"

#include "platform/platform.h"

namespace pv {

TvdSharedProgramOptions::TvdSharedProgramOptions(Platform& platform) : platform_(platform) {
    CheckUpdatesLast = platform.Clock().Now();
}

}  // namespace pv
