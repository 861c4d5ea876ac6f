#pragma once
// The rich edit: a text field of the platform's current rich-edit class, for longer texts
// such as language files. It can run without word wrap, with both scroll bars and with a
// gutter of line numbers on its left. Positions are byte offsets in the model's UTF-8
// text, whose line breaks are CR LF; the native peer converts them to its own.
#include <string>

#include "platform/ui/control.h"

namespace pv {

// Fixed when the native field is made.
struct RichEditParams {
    bool MultiLine = true;
    bool WordWrap = true;
    // Both scroll bars, shown while the text needs them.
    bool ScrollBars = false;
    // The line numbers in a gutter on the left.
    bool LineNumbers = false;
};

class IRichEditSink : public virtual IControlSink {
public:
    // The user changed the text (typing, pasting, cutting, undoing); CR LF line breaks.
    virtual void PeerTextChanged(const std::string& text) = 0;
    // The user moved the caret or the selection.
    virtual void PeerSelectionChanged(int start, int length) = 0;
};

// SetText replaces the whole text without reporting it back, puts the caret at the start
// and leaves nothing to undo.
class IRichEditPeer : public IControlPeer {
public:
    virtual void SetReadOnly(bool readOnly) = 0;
    // Selects, and scrolls the selection into view.
    virtual void SetSelection(int start, int length) = 0;
    // Replaces the selection as typing would (it can be undone) and reports the new text
    // and the caret after it.
    virtual void ReplaceSelection(const std::string& text) = 0;
    // The clipboard commands and undo, as the field's own keys do them; each reports the
    // changes it makes.
    virtual void Cut() = 0;
    virtual void Copy() = 0;
    virtual void Paste() = 0;
    virtual void Undo() = 0;
    virtual bool CanUndo() = 0;
    // Whether the clipboard holds text the field can take.
    virtual bool CanPaste() = 0;
};

}  // namespace pv
