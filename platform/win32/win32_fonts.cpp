// The screen fonts installed and the screen's work area.
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_system.h"

namespace pv::win32 {

std::vector<std::string> Win32SystemInfo::ScreenFontNames() { return {}; }

TRect Win32SystemInfo::WorkArea() {
    RECT r{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    return {r.left, r.top, r.right, r.bottom};
}

}  // namespace pv::win32
