// Placeholder until the native menus land.
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_ui.h"

namespace pv::win32 {
uint32_t Win32UserInterface::TrackPopupMenu(const std::vector<MenuEntryView>&, TPoint, NativeHandle, IMenuSink&) {
    return 0;
}
}  // namespace pv::win32
