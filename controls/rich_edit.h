#pragma once
// The rich edit: a text field for longer texts (a language file, the credits). The model
// keeps the text with CR LF line breaks, the selection as byte offsets in it, and whether
// the user changed the text since the program last set it (Modified). Find and replace
// run on the model's text, so that they behave the same on every desktop.
#include <string>

#include "controls/control.h"
#include "platform/ui/find_dialog.h"
#include "platform/ui/rich_edit.h"

namespace pv {

class TRichEdit : public TWinControl, private IRichEditSink {
public:
    explicit TRichEdit(TComponent* owner) : TWinControl(owner) {}
    PV_COMPONENT_CLASS(TRichEdit)

    // Fixed when the native field is made; set them before it is shown.
    RichEditParams Params;

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);
    bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }
    int SelStart() const { return selStart_; }
    int SelLength() const { return selLength_; }
    std::string SelText() const;
    void SetSelection(int start, int length);
    void SelectAll() { SetSelection(0, static_cast<int>(caption_.size())); }
    // Replaces the selection as typing would; the field is modified.
    void ReplaceSelection(const std::string& text);
    void CutToClipboard();
    void CopyToClipboard();
    void PasteFromClipboard();
    void Undo();
    bool CanUndo() const;
    bool CanPaste() const;

    // Looks for `what` after the selection (downward) or before it (upward) and selects
    // the first occurrence; false when there is none.
    bool FindNext(const std::string& what, const FindOptions& options);
    // Whether the selection is `what` as the options compare.
    bool SelectionMatches(const std::string& what, const FindOptions& options) const;

    TNotifyEvent OnChange;

protected:
    std::unique_ptr<IControlPeer> MakePeer(NativeHandle parent) override;
    void ReplayState() override;
    // Setting the text puts the caret at the start, and the field is not modified.
    void CaptionChanged() override;

private:
    IRichEditPeer* RichPeer() const { return static_cast<IRichEditPeer*>(peer_.get()); }
    void PeerTextChanged(const std::string& text) override;
    void PeerSelectionChanged(int start, int length) override;
    bool readOnly_ = false;
    bool modified_ = false;
    int selStart_ = 0;
    int selLength_ = 0;
};

// Where `what` occurs in `text` from `from` on (downward) or last before `before`
// (upward): a byte offset, or -1. Whole words are bounded by characters that are not
// letters, digits or "_".
int FindInText(const std::string& text, const std::string& what, int from, int before, const FindOptions& options);

}  // namespace pv
