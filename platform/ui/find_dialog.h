#pragma once
// The system's find and replace dialogs. They stay open beside their window (modeless)
// and report each request of the user; the search itself is the program's.
#include <string>

#include "platform/types.h"

namespace pv {

struct FindOptions {
    bool Down = true;
    bool MatchCase = false;
    bool WholeWord = false;
};

struct FindDialogParams {
    NativeHandle Owner = 0;
    bool Replace = false;  // the replace dialog, else the find dialog
    std::string FindWhat;
    std::string ReplaceWith;
    FindOptions Options;
};

enum class FindCommand { FindNext, Replace, ReplaceAll };

class IFindDialogSink {
public:
    virtual ~IFindDialogSink() = default;
    virtual void PeerFind(FindCommand command, const std::string& findText, const std::string& replaceText,
                          const FindOptions& options) = 0;
    // The user closed the dialog.
    virtual void PeerDialogClosed() = 0;
};

// The open dialog; destroying the peer closes it.
class IFindDialogPeer {
public:
    virtual ~IFindDialogPeer() = default;
    virtual NativeHandle Handle() = 0;
};

}  // namespace pv
