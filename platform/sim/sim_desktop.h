#pragma once
// The simulated desktop as the programs on it share it: named mutexes, the top-level
// windows of every program, messages between programs, and global atoms. Two copies of
// the program in one test are two applications on one simulated platform.
#include "platform/sim/sim_platform.h"

namespace pv::sim {

class SimDesktop final : public IDesktop {
public:
    explicit SimDesktop(SimUserInterface& ui) : ui_(ui) {}
    std::unique_ptr<INamedMutex> TakeNamedMutex(const std::string& name) override;
    std::unique_ptr<IInstanceWindow> CreateInstanceWindow(const std::string& className, const std::string& title,
                                                         IInstanceWindowSink& sink) override;
    std::vector<DesktopWindow> TopLevelWindows() override;
    intptr_t SendMessageTo(NativeHandle window, uint32_t msg, uintptr_t wParam, intptr_t lParam) override;
    uint16_t AddGlobalAtom(const std::string& name) override;
    std::string GlobalAtomName(uint16_t atom) override;
    void DeleteGlobalAtom(uint16_t atom) override;

private:
    SimUserInterface& ui_;
};

}  // namespace pv::sim
