#include "windows/document_host.h"

#include "platform/platform.h"
#include "util/paths.h"
#include "util/strings.h"

namespace pv {

namespace {

const char* const kAnyDocument = "/.*";

void CheckKind(int kind) {
    if (kind != kDocumentFile && kind != kDocumentAddress)
        throw EvdParameterOutOfRange("Document kind " + std::to_string(kind) + " is out of range");
}

// The path of a web address: without the scheme and host of an http or https address,
// and without its query, fragment or parameters.
std::string AddressPath(const std::string& address) {
    std::string path = address;
    for (const char* scheme : {"http://", "https://"}) {
        const size_t n = std::char_traits<char>::length(scheme);
        if (path.size() >= n && SameText(std::string_view(path).substr(0, n), scheme)) {
            size_t slash = path.find('/', n);
            path = slash == std::string::npos ? std::string() : path.substr(slash);
            break;
        }
    }
    size_t cut = path.find_first_of("?#;&");
    if (cut != std::string::npos) path.resize(cut);
    return path;
}

std::string KeyOfName(const std::string& name) {
    size_t slash = name.find_last_of("/\\");
    std::string last = slash == std::string::npos ? name : name.substr(slash + 1);
    size_t dot = last.rfind('.');
    if (dot == std::string::npos || dot + 1 == last.size()) return "/";
    return "*" + LowerCase(last.substr(dot));
}

}  // namespace

void TvddvViewer::ReportState(int state) {
    if (Host) Host->StateChanged(state);
}

std::string TvddvHost::DocumentKey(int kind, const std::string& address) const {
    CheckKind(kind);
    if (kind == kDocumentAddress) return KeyOfName(AddressPath(address));
    if (!address.empty() && (address.back() == '\\' || address.back() == '/')) return "/";
    if (GetPlatform().Files().DirectoryExists(address)) return "/";
    return KeyOfName(address);
}

void TvddvHost::RegisterViewer(int kind, const std::string& keyPattern, TvddvViewerClass cls) {
    CheckKind(kind);
    auto& registry = kind == kDocumentFile ? fileViewers_ : addressViewers_;
    registry.try_emplace(LowerCase(keyPattern), std::move(cls));
}

const std::map<std::string, TvddvViewerClass>& TvddvHost::Registry(int kind) const {
    return kind == kDocumentFile ? fileViewers_ : addressViewers_;
}

bool TvddvHost::Select(int kind, const std::string& address, std::optional<std::string> postData) {
    if (closing_ || address.empty()) return false;
    const std::string key = DocumentKey(kind, address);
    const auto& registry = Registry(kind);
    auto it = registry.find(key);
    if (it == registry.end()) it = registry.find(kAnyDocument);
    if (it == registry.end()) return false;

    if (viewer_) {
        if (viewer_->DocumentAddress == address && viewer_->PostData == postData) return false;
        if (DocumentKey(kind, viewer_->DocumentAddress) != key) {
            CloseViewer(false);
        } else {
            viewer_->DocumentAddress = address;
            viewer_->PostData = std::move(postData);
        }
    }
    if (!viewer_) {
        viewer_ = it->second.Create(this);
        viewer_->DocumentAddress = address;
        viewer_->PostData = std::move(postData);
        viewer_->Host = this;
        viewer_->Container = HostContainer;
        StateChanged(kViewerCreatedOrDestroyed);
    }
    viewer_->Open();
    return true;
}

bool TvddvHost::Navigate(int kind, const std::string& address, std::optional<std::string> postData) {
    if (!Select(kind, address, std::move(postData))) return false;
    return viewer_ && viewer_->Load();
}

void TvddvHost::CloseViewer(bool closing) {
    closing_ = closing;
    if (!viewer_) return;
    TvddvViewer* viewer = viewer_;
    viewer->CloseView();
    viewer_ = nullptr;
    TComponent::Free(viewer);
    StateChanged(kViewerCreatedOrDestroyed);
}

void TvddvHost::StateChanged(int state) {
    if (OnStateChanged) OnStateChanged(this, state);
}

}  // namespace pv
