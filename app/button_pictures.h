#pragma once
// The pictures of the manager window's push buttons: design resources compiled into the
// program, the same on every platform. Only the normal form is stored; the disabled form
// is derived from it, so the two always show the same shape.
#include "util/bitmap.h"

namespace pv {

enum class ButtonPicture { Attach, MoveDown, MoveUp, Cut, Copy, Paste, Delete, Sweep, Undo, Save, Help, Launch, Close };
inline constexpr int kButtonPictureCount = 13;

// 16 x 16 with alpha; a value outside the enumeration raises EListError.
TBitmap32 ButtonPictureNormal(ButtonPicture which);
// The same picture as a disabled button shows it: grey, lighter, keeping the shape.
TBitmap32 ButtonPictureDisabled(ButtonPicture which);

// Any picture as a disabled control shows it: each pixel's luminance becomes a light grey
// and its alpha is reduced, while fully clear pixels stay clear, so the outline is kept.
TBitmap32 DisabledPicture(const TBitmap32& picture);

}  // namespace pv
