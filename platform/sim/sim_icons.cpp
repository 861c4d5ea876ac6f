// Placeholder until the simulated shell icons land.
#include "platform/sim/sim_platform.h"
#include "util/exception.h"

namespace pv::sim {
std::optional<TBitmap32> SimShell::FileSmallIcon(const std::string&) { return std::nullopt; }
TBitmap32 SimShell::LoadIconFile(const std::string&) { throw EInvalidGraphic("not available"); }
void SimShell::SetFileIcon(const std::string&, const TBitmap32&) {}
void SimShell::SetExtensionIcon(const std::string&, const TBitmap32&) {}
void SimShell::SetNoIcon(const std::string&, bool) {}
}  // namespace pv::sim
