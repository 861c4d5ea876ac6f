#pragma once
// The dots per inch of a window's or a point's monitor, through the newest interface the
// system has: the per-window and per-monitor calls exist only on later systems than the
// oldest one the program runs on, so they are looked up at run time.
#include "platform/win32/win32_common.h"

namespace pv::win32 {

// The DPI of the screen the program was started on (the whole desktop's before
// per-monitor scaling).
int SystemDpi();
// The DPI the window is drawn at: its monitor's under per-monitor awareness.
int WindowDpi(HWND hwnd);
// The DPI of the monitor that holds the point, in screen coordinates.
int PointDpi(POINT at);

}  // namespace pv::win32
