#include "lang/message_dialog.h"

#include "lang/language_controller.h"
#include "platform/platform.h"
#include "util/strings.h"

namespace pv {

std::string DialogTextKey(std::string_view caption) { return KeepAlphaNumeric(Trim(caption)); }

void TvdlgMessageDialogTexts::RegisterDialogTexts(TvdlgLanguageController& controller, const std::string& file) {
    controller_ = &controller;
    file_ = file;
    const std::string section(kDialogTextsSection);
    for (MsgDlgType kind : {MsgDlgType::Warning, MsgDlgType::Error, MsgDlgType::Information, MsgDlgType::Confirmation}) {
        std::string title = StandardDialogTitle(kind);
        controller.RegisterText(file, section, DialogTextKey(title), title, "");
    }
    for (MsgDlgBtn button : {MsgDlgBtn::Yes, MsgDlgBtn::No, MsgDlgBtn::Ok, MsgDlgBtn::Cancel, MsgDlgBtn::Abort,
                             MsgDlgBtn::Retry, MsgDlgBtn::Ignore, MsgDlgBtn::All, MsgDlgBtn::NoToAll,
                             MsgDlgBtn::YesToAll, MsgDlgBtn::Help}) {
        std::string caption = StandardButtonCaption(button);
        controller.RegisterText(file, section, DialogTextKey(caption), caption, "");
    }
}

void TvdlgMessageDialogTexts::TranslateMessageDialog(MessageDialogRequest& dialog) const {
    if (!controller_) return;
    const std::string section(kDialogTextsSection);
    // A language file that cannot be read must not keep the question from being asked.
    try {
        dialog.Title = controller_->GetText(file_, section, dialog.Title, dialog.Title, false);
    } catch (const std::exception&) {
    }
    for (MessageDialogButton& button : dialog.Buttons) {
        if (!button.Visible) continue;
        try {
            button.Caption = controller_->GetText(file_, section, DialogTextKey(button.Caption), button.Caption, true);
        } catch (const std::exception&) {
        }
    }
}

int ShowMessageDialog(Platform& platform, const TvdlgMessageDialogTexts* texts, const std::string& text,
                      MsgDlgType kind, std::initializer_list<MsgDlgBtn> buttons, int helpContext, bool rightToLeft) {
    MessageDialogRequest dialog = BuildMessageDialog(text, kind, buttons);
    dialog.HelpContext = helpContext;
    dialog.RightToLeft = rightToLeft;
    if (texts) texts->TranslateMessageDialog(dialog);
    return platform.UI().ShowMessageDialog(dialog);
}

}  // namespace pv
