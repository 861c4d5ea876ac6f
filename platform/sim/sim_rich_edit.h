#pragma once
// Simulated rich edits: the text, the selection and a history of earlier texts to undo to.
#include <string>
#include <vector>

#include "platform/sim/sim_control.h"

namespace pv::sim {

struct SimRichEdit : SimControl {
    IRichEditSink* RichSink = nullptr;
    RichEditParams Params;
    bool ReadOnly = false;
    int SelStart = 0;
    int SelLength = 0;
    std::vector<std::string> UndoTexts;
    // The user replaces the whole text (as by typing); nothing happens in a read-only or
    // disabled field. False when nothing came.
    bool UserType(const std::string& text);
    // The user selects with the mouse or the keyboard.
    void UserSelect(int start, int length);
    // The field's own change, reported as the user's.
    void Change(const std::string& text, int caret);
};

}  // namespace pv::sim
