#include "windows/web_browser.h"

#include "platform/platform.h"
#include "windows/document_host.h"

namespace pv {

std::unique_ptr<IControlPeer> TvddvWebBrowser::MakePeer(NativeHandle parent) {
    return GetPlatform().UI().CreateWebBrowserPeer(*this, parent);
}

void TvddvWebBrowser::ReplayState() { Peer()->SetSilent(silent_); }

bool TvddvWebBrowser::Navigate(const std::string& address, int flags, const std::string& postData,
                               const std::string& headers) {
    return peer_ && Peer()->Navigate(address, flags, postData, headers);
}

void TvddvWebBrowser::Stop() {
    if (peer_) Peer()->Stop();
}
bool TvddvWebBrowser::Busy() const { return peer_ && Peer()->Busy(); }
BrowserReadyState TvddvWebBrowser::ReadyState() const {
    return peer_ ? Peer()->ReadyState() : BrowserReadyState::Uninitialized;
}

void TvddvWebBrowser::SetSilent(bool silent) {
    silent_ = silent;
    if (peer_) Peer()->SetSilent(silent);
}

void TvddvWebBrowser::GoBack() {
    if (peer_) Peer()->GoBack();
}
void TvddvWebBrowser::GoForward() {
    if (peer_) Peer()->GoForward();
}
void TvddvWebBrowser::Refresh() {
    if (peer_) Peer()->Refresh();
}
void TvddvWebBrowser::ScrollBy(int dy) {
    if (peer_) Peer()->ScrollBy(dy);
}
void TvddvWebBrowser::Print() {
    if (peer_) Peer()->Print();
}
std::string TvddvWebBrowser::DocumentHtml() const { return peer_ ? Peer()->DocumentHtml() : std::string(); }
void TvddvWebBrowser::SetDocumentHtml(const std::string& html) {
    if (peer_) Peer()->SetDocumentHtml(html);
}
bool TvddvWebBrowser::InsertBeforeBody(const std::string& html) { return peer_ && Peer()->InsertBeforeBody(html); }

void TvddvWebBrowser::PeerCommandStateChange(BrowserCommand command, bool enabled) {
    if (OnCommandStateChange) OnCommandStateChange(command, enabled);
}
void TvddvWebBrowser::PeerNavigateComplete(const std::string& address, bool topLevel) {
    if (OnNavigateComplete) OnNavigateComplete(address, topLevel);
}
void TvddvWebBrowser::PeerDocumentComplete(const std::string& address, bool topLevel) {
    if (OnDocumentComplete) OnDocumentComplete(address, topLevel);
}
void TvddvWebBrowser::PeerProgressChange(int progress, int progressMax) {
    if (OnProgressChange) OnProgressChange(progress, progressMax);
}
void TvddvWebBrowser::PeerStatusTextChange(const std::string& text) {
    if (OnStatusTextChange) OnStatusTextChange(text);
}
std::string TvddvWebBrowser::PeerAmbientUserAgent() { return Host ? Host->UserAgent : std::string(); }

}  // namespace pv
