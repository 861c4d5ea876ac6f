#include "frame/message_dialog.h"

#include "platform/platform.h"

namespace pv {

int ShowMessageDialog(Platform& platform, const std::string& text, MsgDlgType kind,
                      std::initializer_list<MsgDlgBtn> buttons, int helpContext) {
    MessageDialogRequest r = BuildMessageDialog(text, kind, buttons);
    r.HelpContext = helpContext;
    return platform.UI().ShowMessageDialog(r);
}

}  // namespace pv
