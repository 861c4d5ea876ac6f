// Placeholder until the shell icons land.
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_system.h"
#include "util/exception.h"

namespace pv::win32 {
std::optional<TBitmap32> Win32Shell::FileSmallIcon(const std::string&) { return std::nullopt; }
TBitmap32 Win32Shell::LoadIconFile(const std::string&) { throw EInvalidGraphic("not available"); }
}  // namespace pv::win32
