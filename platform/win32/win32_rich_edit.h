#pragma once
// What the Windows tests reach of the rich-edit peer: the control inside its container,
// and the translation of positions between the model's text and the control.
#include "platform/win32/win32_common.h"

#include <string>

namespace pv::win32 {

// The rich edit inside the container a rich-edit peer made; nullptr for another window.
HWND RichEditOf(HWND container);
// A byte offset of the model's UTF-8 text with CR LF breaks, as the control counts it
// (UTF-16 units, a line break as one), and back.
LONG PositionToNative(const std::string& text, int offset);
int PositionFromNative(const std::string& text, LONG cp);

}  // namespace pv::win32
