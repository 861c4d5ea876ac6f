// Placeholder until the simulated menus land.
#include "platform/sim/sim_platform.h"

namespace pv::sim {
uint32_t SimUserInterface::TrackPopupMenu(const std::vector<MenuEntryView>& entries, TPoint at, NativeHandle owner,
                                          IMenuSink&) {
    Menus.push_back({entries, at, owner, 0});
    return 0;
}
void SimUserInterface::ChooseMenuEntry(std::vector<std::string> path) { menuScripts_.push_back(std::move(path)); }
}  // namespace pv::sim
