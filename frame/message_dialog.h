#pragma once
// The program's one message box.
#include <initializer_list>
#include <string>

#include "controls/dialogs.h"

namespace pv {

class Platform;

int ShowMessageDialog(Platform& platform, const std::string& text, MsgDlgType kind,
                      std::initializer_list<MsgDlgBtn> buttons, int helpContext = 0);

}  // namespace pv
