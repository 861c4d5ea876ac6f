// Placeholder until the GDI canvas lands.
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_ui.h"

namespace pv::win32 {
std::unique_ptr<IBitmapCanvas> Win32UserInterface::CreateBitmapCanvas(int, int, TColor) { return nullptr; }
}  // namespace pv::win32
