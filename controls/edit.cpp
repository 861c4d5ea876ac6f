#include "controls/edit.h"

#include "controls/application.h"

namespace pv {

std::unique_ptr<IControlPeer> TEdit::MakePeer(NativeHandle parent) {
    return GetPlatform().UI().CreateEditPeer(*this, Params(), parent);
}

EditParams TEdit::Params() const {
    EditParams p;
    p.TabStop = TabStop();
    return p;
}

EditParams TMemo::Params() const {
    EditParams p = TEdit::Params();
    p.MultiLine = true;
    p.Border = border_;
    p.Margin = margin_;
    return p;
}

void TMemo::SetBorder(bool border) {
    if (border_ == border) return;
    border_ = border;
    RecreatePeer();
}

void TMemo::SetMargin(int pixels) {
    if (margin_ == pixels) return;
    margin_ = pixels;
    RecreatePeer();
}

void TEdit::ReplayState() {
    if (readOnly_) static_cast<IEditPeer*>(peer_.get())->SetReadOnly(true);
}

void TEdit::SetReadOnly(bool readOnly) {
    if (readOnly_ == readOnly) return;
    readOnly_ = readOnly;
    if (peer_) static_cast<IEditPeer*>(peer_.get())->SetReadOnly(readOnly_);
}

void TEdit::CaptionChanged() {
    TWinControl::CaptionChanged();
    if (OnChange) Application()->Guard(this, [&] { OnChange(this); });
}

void TEdit::PeerTextChanged(const std::string& text) {
    // The field shows the text already; only the model and the handler have to follow.
    Application()->Guard(this, [&] {
        if (caption_ == text) return;
        caption_ = text;
        CaptionChanged();
    });
}

void TEdit::PeerExit() {
    if (OnExit) Application()->Guard(this, [&] { OnExit(this); });
}

}  // namespace pv
