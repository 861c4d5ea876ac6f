#pragma once
// The program's one message box, as the windows and the frame call it: translated with
// the frame's language composite once the frame has registered the dialog texts, and in
// the application's reading direction.
#include <initializer_list>
#include <string>

#include "controls/dialogs.h"

namespace pv {

class Platform;

int ShowMessageDialog(Platform& platform, const std::string& text, MsgDlgType kind,
                      std::initializer_list<MsgDlgBtn> buttons, int helpContext = 0);

}  // namespace pv
