// The desktop other programs share: named mutexes, top-level windows, messages between
// programs and global atoms.
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_system.h"

namespace pv::win32 {

std::unique_ptr<INamedMutex> Win32Desktop::TakeNamedMutex(const std::string&) { return nullptr; }
std::unique_ptr<IInstanceWindow> Win32Desktop::CreateInstanceWindow(const std::string&, const std::string&,
                                                                    IInstanceWindowSink&) {
    return nullptr;
}
std::vector<DesktopWindow> Win32Desktop::TopLevelWindows() { return {}; }
intptr_t Win32Desktop::SendMessageTo(NativeHandle, uint32_t, uintptr_t, intptr_t) { return 0; }
uint16_t Win32Desktop::AddGlobalAtom(const std::string&) { return 0; }
std::string Win32Desktop::GlobalAtomName(uint16_t) { return ""; }
void Win32Desktop::DeleteGlobalAtom(uint16_t) {}

}  // namespace pv::win32
