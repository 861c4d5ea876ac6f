#pragma once
// The picture of the notification-area icon.
#include "platform/win32/win32_common.h"

namespace pv::win32 {

// The program's own icon resource at the small icon size, or the system's shared
// application icon where the program has none. Only a picture the program loaded is its
// own to destroy: the shared one belongs to the system.
struct TrayPicture {
    HICON Icon = nullptr;
    bool Owned = false;
};
TrayPicture LoadTrayPicture(const wchar_t* resource);

}  // namespace pv::win32
