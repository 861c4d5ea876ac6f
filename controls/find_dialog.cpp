#include "controls/find_dialog.h"

#include "controls/application.h"
#include "controls/form.h"

namespace pv {

TFindDialog::~TFindDialog() { peer_.reset(); }

void TFindDialog::Execute(const TForm* owner) {
    // One dialog at a time: the open one is made anew with the texts it has now.
    peer_.reset();
    FindDialogParams p;
    p.Owner = owner ? owner->Handle() : 0;
    p.Replace = IsReplace();
    p.FindWhat = FindText;
    p.ReplaceWith = ReplaceText;
    p.Options = Options;
    peer_ = GetPlatform().UI().ShowFindDialog(*this, p);
}

void TFindDialog::CloseDialog() { peer_.reset(); }

void TFindDialog::PeerDialogClosed() {
    // The dialog is gone already; its peer goes once the loop runs, not from inside the
    // dialog's own notification.
    IFindDialogPeer* closed = peer_.get();
    Application()->QueueCall(
        [this, closed] {
            if (peer_.get() == closed) peer_.reset();
        },
        AliveToken());
}

void TFindDialog::Request(FindCommand command, const std::string& findText, const std::string& replaceText,
                          const FindOptions& options) {
    Command = command;
    FindText = findText;
    ReplaceText = replaceText;
    Options = options;
    TNotifyEvent& handler = command == FindCommand::FindNext ? OnFind : OnReplace;
    if (handler) Application()->Guard(this, [&] { handler(this); });
}

}  // namespace pv
