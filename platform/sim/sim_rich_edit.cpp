// The simulated rich-edit family.
#include "platform/sim/sim_rich_edit.h"

namespace pv::sim {

namespace {

class SimRichEditPeer final : public SimChildPeer<IRichEditPeer, SimRichEdit> {
public:
    SimRichEditPeer(SimUserInterface& ui, IRichEditSink& sink, const RichEditParams& params, NativeHandle parent)
        : SimChildPeer(ui, sink, parent) {
        rec_.RichSink = &sink;
        rec_.Params = params;
    }
    void SetText(const std::string& text) override {
        rec_.Text = text;
        rec_.SelStart = rec_.SelLength = 0;
        rec_.UndoTexts.clear();
    }
    void SetReadOnly(bool readOnly) override { rec_.ReadOnly = readOnly; }
    void SetSelection(int start, int length) override {
        rec_.SelStart = start;
        rec_.SelLength = length;
    }
    void ReplaceSelection(const std::string& text) override {
        std::string t = rec_.Text;
        t.replace(static_cast<size_t>(rec_.SelStart), static_cast<size_t>(rec_.SelLength), text);
        rec_.Change(t, rec_.SelStart + static_cast<int>(text.size()));
    }
    void Cut() override {
        if (rec_.ReadOnly || rec_.SelLength == 0) return;
        Copy();
        ReplaceSelection("");
    }
    void Copy() override {
        if (rec_.SelLength > 0) ui_.Clipboard = rec_.Text.substr(static_cast<size_t>(rec_.SelStart), static_cast<size_t>(rec_.SelLength));
    }
    void Paste() override {
        if (!rec_.ReadOnly && !ui_.Clipboard.empty()) ReplaceSelection(ui_.Clipboard);
    }
    void Undo() override {
        if (rec_.ReadOnly || rec_.UndoTexts.empty()) return;
        std::string t = rec_.UndoTexts.back();
        rec_.UndoTexts.pop_back();
        rec_.Text = t;
        rec_.SelStart = rec_.SelLength = 0;
        rec_.RichSink->PeerTextChanged(t);
        rec_.RichSink->PeerSelectionChanged(0, 0);
    }
    bool CanUndo() override { return !rec_.UndoTexts.empty(); }
    bool CanPaste() override { return !ui_.Clipboard.empty(); }
};

}  // namespace

void SimRichEdit::Change(const std::string& text, int caret) {
    UndoTexts.push_back(Text);
    Text = text;
    SelStart = std::min(caret, static_cast<int>(Text.size()));
    SelLength = 0;
    RichSink->PeerTextChanged(Text);
    RichSink->PeerSelectionChanged(SelStart, 0);
}

bool SimRichEdit::UserType(const std::string& text) {
    if (!Enabled || !Visible || ReadOnly) return false;
    if (Text != text) Change(text, static_cast<int>(text.size()));
    return true;
}

void SimRichEdit::UserSelect(int start, int length) {
    SelStart = start;
    SelLength = length;
    RichSink->PeerSelectionChanged(start, length);
}

std::unique_ptr<IRichEditPeer> SimUserInterface::CreateRichEditPeer(IRichEditSink& sink, const RichEditParams& params,
                                                                   NativeHandle parent) {
    return std::make_unique<SimRichEditPeer>(*this, sink, params, parent);
}

}  // namespace pv::sim
