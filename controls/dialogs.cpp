#include "controls/dialogs.h"

#include <algorithm>

namespace pv {

std::string StandardDialogTitle(MsgDlgType kind) {
    switch (kind) {
        case MsgDlgType::Warning: return "Warning";
        case MsgDlgType::Error: return "Error";
        case MsgDlgType::Information: return "Information";
        case MsgDlgType::Confirmation: return "Confirm";
        case MsgDlgType::Custom: return "";
    }
    return "";
}

std::string StandardButtonCaption(MsgDlgBtn b) {
    switch (b) {
        case MsgDlgBtn::Yes: return "&Yes";
        case MsgDlgBtn::No: return "&No";
        case MsgDlgBtn::Ok: return "OK";
        case MsgDlgBtn::Cancel: return "Cancel";
        case MsgDlgBtn::Abort: return "&Abort";
        case MsgDlgBtn::Retry: return "&Retry";
        case MsgDlgBtn::Ignore: return "&Ignore";
        case MsgDlgBtn::All: return "&All";
        case MsgDlgBtn::NoToAll: return "N&o to All";
        case MsgDlgBtn::YesToAll: return "Yes to &All";
        case MsgDlgBtn::Help: return "&Help";
    }
    return "";
}

int ButtonResult(MsgDlgBtn b) {
    switch (b) {
        case MsgDlgBtn::Yes: return ModalResult::Yes;
        case MsgDlgBtn::No: return ModalResult::No;
        case MsgDlgBtn::Ok: return ModalResult::Ok;
        case MsgDlgBtn::Cancel: return ModalResult::Cancel;
        case MsgDlgBtn::Abort: return ModalResult::Abort;
        case MsgDlgBtn::Retry: return ModalResult::Retry;
        case MsgDlgBtn::Ignore: return ModalResult::Ignore;
        case MsgDlgBtn::All: return ModalResult::All;
        case MsgDlgBtn::NoToAll: return ModalResult::NoToAll;
        case MsgDlgBtn::YesToAll: return ModalResult::YesToAll;
        case MsgDlgBtn::Help: return ModalResult::Help;
    }
    return ModalResult::None;
}

MessageDialogRequest BuildMessageDialog(const std::string& text, MsgDlgType kind,
                                        std::initializer_list<MsgDlgBtn> buttons) {
    return BuildMessageDialog(text, kind, std::vector<MsgDlgBtn>(buttons));
}

MessageDialogRequest BuildMessageDialog(const std::string& text, MsgDlgType kind,
                                        const std::vector<MsgDlgBtn>& buttons) {
    MessageDialogRequest r;
    r.Title = StandardDialogTitle(kind);
    r.Text = text;
    r.Kind = kind;
    // The standard order, whatever order the caller named them in.
    static const MsgDlgBtn order[] = {MsgDlgBtn::Yes, MsgDlgBtn::No, MsgDlgBtn::Ok, MsgDlgBtn::Cancel,
                                      MsgDlgBtn::Abort, MsgDlgBtn::Retry, MsgDlgBtn::Ignore, MsgDlgBtn::All,
                                      MsgDlgBtn::NoToAll, MsgDlgBtn::YesToAll, MsgDlgBtn::Help};
    for (MsgDlgBtn b : order)
        if (std::find(buttons.begin(), buttons.end(), b) != buttons.end())
            r.Buttons.push_back({StandardButtonCaption(b), ButtonResult(b), true});
    r.DefaultButton = 0;
    return r;
}

}  // namespace pv
