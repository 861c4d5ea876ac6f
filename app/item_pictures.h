#pragma once
// The item lists' fixed pictures (closed and open folder, separators, the top marker,
// the directory, the program menu's pictures) and the three section markers: design
// resources compiled into the program, the same on every platform.
#include "util/bitmap.h"

namespace pv {

inline constexpr int kFixedPictureCount = 23;
inline constexpr int kMarkerPictureCount = 3;

TBitmap32 FixedPicture(int index);   // 0 .. 22
TBitmap32 MarkerPicture(int index);  // 0 .. 2

}  // namespace pv
