// The simulated shared desktop.
#include "platform/sim/sim_desktop.h"

namespace pv::sim {

std::unique_ptr<INamedMutex> SimDesktop::TakeNamedMutex(const std::string&) { return nullptr; }
std::unique_ptr<IInstanceWindow> SimDesktop::CreateInstanceWindow(const std::string&, const std::string&,
                                                                  IInstanceWindowSink&) {
    return nullptr;
}
std::vector<DesktopWindow> SimDesktop::TopLevelWindows() { return {}; }
intptr_t SimDesktop::SendMessageTo(NativeHandle, uint32_t, uintptr_t, intptr_t) { return 0; }
uint16_t SimDesktop::AddGlobalAtom(const std::string&) { return 0; }
std::string SimDesktop::GlobalAtomName(uint16_t) { return ""; }
void SimDesktop::DeleteGlobalAtom(uint16_t) {}

IDesktop& SimPlatform::Desktop() { return SimDesktopObjects(); }

SimDesktop& SimPlatform::SimDesktopObjects() {
    if (!desktop_) desktop_ = std::make_unique<SimDesktop>(ui_);
    return *desktop_;
}

}  // namespace pv::sim
