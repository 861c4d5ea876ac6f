#include "app/program_options.h"

namespace pv {

void TProgramOptions::ApplyOptions() {}

}  // namespace pv
