#pragma once
// The platform's standard message dialog, built as a model: its title and push buttons
// can be changed (translated) before it is shown.
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/ui.h"

namespace pv {

enum class MsgDlgBtn { Yes, No, Ok, Cancel, Abort, Retry, Ignore, All, NoToAll, YesToAll, Help };

// Title by kind ("Warning", "Error", "Information", "Confirm") and buttons with the
// standard captions, in the standard order.
MessageDialogRequest BuildMessageDialog(const std::string& text, MsgDlgType kind,
                                        std::initializer_list<MsgDlgBtn> buttons);
MessageDialogRequest BuildMessageDialog(const std::string& text, MsgDlgType kind,
                                        const std::vector<MsgDlgBtn>& buttons);
std::string StandardDialogTitle(MsgDlgType kind);
std::string StandardButtonCaption(MsgDlgBtn button);
int ButtonResult(MsgDlgBtn button);

}  // namespace pv
