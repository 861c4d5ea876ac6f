#pragma once
// The real backend: the platform seam implemented with the Unicode Win32 API.
#include <memory>

#include "platform/platform.h"

namespace pv::win32 {

std::unique_ptr<Platform> CreateWin32Platform();

}  // namespace pv::win32
