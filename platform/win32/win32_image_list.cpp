// Placeholder until the native image lists land.
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_ui.h"

namespace pv::win32 {
std::unique_ptr<IImageListPeer> Win32UserInterface::CreateImageListPeer(int, int) { return nullptr; }
}  // namespace pv::win32
