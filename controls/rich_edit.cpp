#include "controls/rich_edit.h"

#include <algorithm>

#include "controls/application.h"
#include "util/strings.h"

namespace pv {

namespace {

bool IsWordByte(char c) {
    auto u = static_cast<unsigned char>(c);
    return u >= 0x80 || std::isalnum(u) || c == '_';
}

bool MatchesAt(const std::string& text, const std::string& what, size_t at, const FindOptions& options) {
    if (at + what.size() > text.size()) return false;
    for (size_t i = 0; i < what.size(); ++i) {
        char a = text[at + i], b = what[i];
        if (!options.MatchCase) {
            a = static_cast<char>(std::tolower(static_cast<unsigned char>(a)));
            b = static_cast<char>(std::tolower(static_cast<unsigned char>(b)));
        }
        if (a != b) return false;
    }
    if (options.WholeWord) {
        if (at > 0 && IsWordByte(text[at - 1])) return false;
        if (at + what.size() < text.size() && IsWordByte(text[at + what.size()])) return false;
    }
    return true;
}

}  // namespace

int FindInText(const std::string& text, const std::string& what, int from, int before, const FindOptions& options) {
    if (what.empty()) return -1;
    if (options.Down) {
        for (size_t at = static_cast<size_t>(std::max(0, from)); at + what.size() <= text.size(); ++at)
            if (MatchesAt(text, what, at, options)) return static_cast<int>(at);
        return -1;
    }
    long long last = std::min<long long>(before, static_cast<long long>(text.size())) - static_cast<long long>(what.size());
    for (long long at = last; at >= 0; --at)
        if (MatchesAt(text, what, static_cast<size_t>(at), options)) return static_cast<int>(at);
    return -1;
}

std::unique_ptr<IControlPeer> TRichEdit::MakePeer(NativeHandle parent) {
    return GetPlatform().UI().CreateRichEditPeer(*this, Params, parent);
}

void TRichEdit::ReplayState() {
    if (readOnly_) RichPeer()->SetReadOnly(true);
    if (selStart_ || selLength_) RichPeer()->SetSelection(selStart_, selLength_);
}

void TRichEdit::SetReadOnly(bool readOnly) {
    if (readOnly_ == readOnly) return;
    readOnly_ = readOnly;
    if (peer_) RichPeer()->SetReadOnly(readOnly_);
}

void TRichEdit::CaptionChanged() {
    TWinControl::CaptionChanged();
    selStart_ = selLength_ = 0;
    modified_ = false;
    if (OnChange) Application()->Guard(this, [&] { OnChange(this); });
}

std::string TRichEdit::SelText() const {
    size_t start = std::min(static_cast<size_t>(selStart_), caption_.size());
    return caption_.substr(start, static_cast<size_t>(selLength_));
}

void TRichEdit::SetSelection(int start, int length) {
    int size = static_cast<int>(caption_.size());
    start = std::clamp(start, 0, size);
    length = std::clamp(length, 0, size - start);
    selStart_ = start;
    selLength_ = length;
    if (peer_) RichPeer()->SetSelection(start, length);
}

void TRichEdit::ReplaceSelection(const std::string& text) {
    if (peer_) {
        // The field reports the new text and the caret back.
        RichPeer()->ReplaceSelection(text);
        return;
    }
    caption_.replace(static_cast<size_t>(selStart_), static_cast<size_t>(selLength_), text);
    selStart_ += static_cast<int>(text.size());
    selLength_ = 0;
    modified_ = true;
    if (OnChange) Application()->Guard(this, [&] { OnChange(this); });
}

void TRichEdit::CutToClipboard() {
    if (peer_) RichPeer()->Cut();
}
void TRichEdit::CopyToClipboard() {
    if (peer_) RichPeer()->Copy();
}
void TRichEdit::PasteFromClipboard() {
    if (peer_) RichPeer()->Paste();
}
void TRichEdit::Undo() {
    if (peer_) RichPeer()->Undo();
}
bool TRichEdit::CanUndo() const { return peer_ && RichPeer()->CanUndo(); }
bool TRichEdit::CanPaste() const { return peer_ && RichPeer()->CanPaste(); }

bool TRichEdit::SelectionMatches(const std::string& what, const FindOptions& options) const {
    return selLength_ == static_cast<int>(what.size()) && !what.empty() &&
           MatchesAt(caption_, what, static_cast<size_t>(selStart_), options);
}

bool TRichEdit::FindNext(const std::string& what, const FindOptions& options) {
    int at = FindInText(caption_, what, selStart_ + selLength_, selStart_, options);
    if (at < 0) return false;
    SetSelection(at, static_cast<int>(what.size()));
    return true;
}

void TRichEdit::PeerTextChanged(const std::string& text) {
    Application()->Guard(this, [&] {
        if (caption_ == text) return;
        caption_ = text;
        modified_ = true;
        selStart_ = std::min(selStart_, static_cast<int>(caption_.size()));
        selLength_ = std::min(selLength_, static_cast<int>(caption_.size()) - selStart_);
        if (OnChange) OnChange(this);
    });
}

void TRichEdit::PeerSelectionChanged(int start, int length) {
    selStart_ = start;
    selLength_ = length;
}

}  // namespace pv
