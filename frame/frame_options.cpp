// Reading and writing "options.ini".
#include "frame/generic_frame.h"

namespace pv {

void TvdDataModuleGenericStruct::LoadOptions() {}
void TvdDataModuleGenericStruct::SaveOptions() {}

}  // namespace pv
