// The item model: one ordered tree of folders, separators and links, each level opened
// by a top marker, with the links' attributes in tables keyed by their ItemId.
#include "app/front_form.h"
#include "controls/tree_view.h"
#include "frame/generic_frame.h"
#include "platform/platform.h"
#include "util/paths.h"
#include "util/strings.h"

namespace pv {

namespace {
template <typename Map>
typename Map::mapped_type Lookup(const Map& map, int id) {
    auto it = map.find(id);
    return it == map.end() ? typename Map::mapped_type{} : it->second;
}
template <typename Map, typename V>
void Update(Map& map, int id, const V& value) {
    auto it = map.find(id);
    if (it != map.end()) it->second = value;
}
std::string LowerExt(const std::string& path) { return LowerCase(ExtractFileExt(path)); }
}  // namespace

// ---- kind and class tests ----------------------------------------------------------------

bool TFormFront::IsTopMarkerNode(const TTreeNode* n) { return n && n->ImageIndex() == ItemImage::TopMarker; }
bool TFormFront::IsFolderNode(const TTreeNode* n) {
    return n && (n->ImageIndex() == ItemImage::FolderClosed || n->ImageIndex() == ItemImage::FolderOpen);
}
bool TFormFront::IsSeparatorNode(const TTreeNode* n) {
    return n && (n->ImageIndex() == ItemImage::Separator || n->ImageIndex() == ItemImage::SpecialSeparator);
}
bool TFormFront::IsNormalSeparatorNode(const TTreeNode* n) { return n && n->ImageIndex() == ItemImage::Separator; }
bool TFormFront::IsDirectoryNode(const TTreeNode* n) { return n && n->ImageIndex() == ItemImage::Directory; }
bool TFormFront::IsLinkNode(const TTreeNode* n) { return n && n->Data() >= 0; }

bool TFormFront::IsExecutableFile(const std::string& path) {
    if (path.empty()) return false;
    std::string e = LowerExt(path);
    return e == ".exe" || e == ".com" || e == ".cpl";
}
bool TFormFront::IsRunableFile(const std::string& path) {
    if (path.empty()) return false;
    std::string e = LowerExt(path);
    return e == ".bat" || e == ".cmd" || e == ".wsf" || e == ".wsh";
}
bool TFormFront::IsShortcutFile(const std::string& path) { return LowerExt(path) == ".lnk"; }

bool TFormFront::IsExecutableFile(const TTreeNode* node) const {
    return IsLinkNode(node) && IsExecutableFile(GetItemPath(static_cast<int>(node->Data())));
}
bool TFormFront::IsRunableFile(const TTreeNode* node) const {
    return IsLinkNode(node) && IsRunableFile(GetItemPath(static_cast<int>(node->Data())));
}

bool TFormFront::IsDashesOnly(const std::string& text) { return text.find_first_not_of('-') == std::string::npos; }
std::string TFormFront::RemoveDashes(const std::string& text) { return ReplaceAll(text, "-", ""); }

// ---- attribute accessors -----------------------------------------------------------------

std::string TFormFront::GetItemParams(int id) const { return Lookup(ItemParams, id); }
void TFormFront::SetItemParams(int id, const std::string& v) { Update(ItemParams, id, v); }
std::string TFormFront::GetItemWorkDir(int id) const { return Lookup(ItemWorkDirs, id); }
void TFormFront::SetItemWorkDir(int id, const std::string& v) { Update(ItemWorkDirs, id, v); }
std::string TFormFront::GetItemWindowState(int id) const { return Lookup(ItemWindowStates, id); }
void TFormFront::SetItemWindowState(int id, const std::string& v) { Update(ItemWindowStates, id, v); }
bool TFormFront::GetItemRunAs(int id) const { return Lookup(ItemRunAs, id); }
void TFormFront::SetItemRunAs(int id, bool v) { Update(ItemRunAs, id, v); }

std::string TFormFront::GetItemPath(int id) const {
    return id >= 0 && static_cast<size_t>(id) < ItemPaths.size() ? ItemPaths[static_cast<size_t>(id)] : std::string();
}

// ---- paths -------------------------------------------------------------------------------

std::string TFormFront::GetItemLaunchPath(int id) const {
    return ResolveRelativePath(ExpandItemPath(GetItemPath(id)), Shared ? Shared->AppPath : std::string());
}

std::string TFormFront::ExpandItemPath(const std::string& path) const {
    // "%SystemRoot%\notepad.exe" names the same program on every Windows, wherever the
    // system lives; the store keeps the reference and only its users see the folder.
    return GetPlatform().System().ExpandEnvironment(path);
}

std::string TFormFront::ResolveRelativePath(const std::string& path, const std::string& baseFolder) const {
    IFileSystem& files = GetPlatform().Files();
    if (HasDrivePart(path) && (files.DirectoryExists(path) || files.FileExists(path))) return path;
    std::string candidate = CanonicalizePath(baseFolder + path);
    if (files.FileExists(candidate)) return candidate;
    return path;
}

// ---- building the tree -------------------------------------------------------------------

TTreeNode* TFormFront::AddTopMarker(TTreeNode* parent) {
    return tvItems->Items().AddChild(parent, "", {ItemImage::TopMarker, ItemImage::TopMarker, -1, -1});
}

TTreeNode* TFormFront::RootTopMarker() const { return tvItems->Items().GetFirstNode(); }

TTreeNode* TFormFront::AddItem(TItemKind kind, const std::string& path, TTreeNode* parentNode, int imageIndex,
                               bool runAs, const std::string& windowState, const std::string& caption,
                               const std::string& workDir, const std::string& params) {
    TTreeNodes& items = tvItems->Items();
    TTreeNode* node = nullptr;
    // Each node is made with its pictures and data, so that the tree hears of it once.
    auto look = [](int image, intptr_t data) { return TTreeNodeLook{image, image, -1, data}; };
    switch (kind) {
        case TItemKind::Folder:
            node = items.AddChild(parentNode, caption, look(ItemImage::FolderClosed, -1));
            AddTopMarker(node);
            break;
        case TItemKind::NormalSeparator:
            node = items.AddChild(parentNode, kNormalSeparatorText, look(ItemImage::Separator, -1));
            break;
        case TItemKind::SpecialSeparator:
            node = items.AddChild(parentNode, "--" + RemoveDashes(caption) + "--", look(ItemImage::SpecialSeparator, -1));
            break;
        case TItemKind::ExecutableLink:
        case TItemKind::GeneralLink: {
            int image = imageIndex;
            if (kind == TItemKind::GeneralLink && image == ItemImage::AskDirectory) image = ItemImage::Directory;
            int id = NextItemId;
            node = items.AddChild(parentNode, caption, look(image, id));
            ItemPaths.push_back(path);
            ItemWindowStates[id] = windowState;
            if (kind == TItemKind::ExecutableLink) {
                ItemParams[id] = params;
                ItemWorkDirs[id] = workDir;
                ItemRunAs[id] = runAs;
            }
            ++NextItemId;
            break;
        }
    }
    return node;
}

void TFormFront::ResetModel() {
    IconExtensions.clear();
    ItemPaths.clear();
    ItemParams.clear();
    ItemWorkDirs.clear();
    ItemWindowStates.clear();
    ItemRunAs.clear();
    NextItemId = 0;
    tvItems->Items().Clear();
    tvUndo->Items().Clear();
    AddTopMarker(nullptr);
}

}  // namespace pv
