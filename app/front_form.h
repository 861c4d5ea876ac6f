#pragma once
// The main window: the user's item tree with its attribute tables, the tray menu built
// from it, and the manager face that edits it. Its sources are split by concern:
// front_form.cpp (life cycle), front_items.cpp (the item model).
#include <string>
#include <unordered_map>
#include <vector>

#include "frame/form_base.h"

namespace pv {

class TTreeView;
class TTreeNode;

// Image indexes the item model relies on.
namespace ItemImage {
inline constexpr int FolderClosed = 0;
inline constexpr int FolderOpen = 1;
inline constexpr int Separator = 2;
inline constexpr int SpecialSeparator = 3;
inline constexpr int TopMarker = 4;
inline constexpr int Directory = 5;
inline constexpr int LastFixed = 22;
inline constexpr int FirstExtension = 23;
inline constexpr int AskDirectory = -100;  // AddItem's argument for "a directory link"
}  // namespace ItemImage

enum class TItemKind { Folder, NormalSeparator, SpecialSeparator, ExecutableLink, GeneralLink };

inline constexpr const char* kNormalSeparatorText = "---------------";

class TFormFront final : public TvdFormFrontBase {
public:
    explicit TFormFront(TComponent* owner);
    ~TFormFront() override;
    PV_COMPONENT_CLASS(TFormFront)

    // ---- components ----
    TTreeView* tvItems = nullptr;
    TTreeView* tvUndo = nullptr;

    // ---- the item model ----
    int NextItemId = 0;
    std::vector<std::string> ItemPaths;
    std::unordered_map<int, std::string> ItemParams;
    std::unordered_map<int, std::string> ItemWorkDirs;
    std::unordered_map<int, std::string> ItemWindowStates;
    std::unordered_map<int, bool> ItemRunAs;
    std::vector<std::string> IconExtensions;

    // Kind tests.
    static bool IsTopMarkerNode(const TTreeNode* node);
    static bool IsFolderNode(const TTreeNode* node);
    static bool IsSeparatorNode(const TTreeNode* node);
    static bool IsNormalSeparatorNode(const TTreeNode* node);
    static bool IsDirectoryNode(const TTreeNode* node);
    static bool IsLinkNode(const TTreeNode* node);
    // Class tests, by the node's path or by a path text.
    bool IsExecutableFile(const TTreeNode* node) const;
    static bool IsExecutableFile(const std::string& path);
    bool IsRunableFile(const TTreeNode* node) const;
    static bool IsRunableFile(const std::string& path);
    static bool IsShortcutFile(const std::string& path);
    // Text helpers.
    static bool IsDashesOnly(const std::string& text);
    static std::string RemoveDashes(const std::string& text);

    // Attribute accessors; an id without an entry reads as empty or false, and a write
    // to it is ignored.
    std::string GetItemParams(int id) const;
    void SetItemParams(int id, const std::string& value);
    std::string GetItemWorkDir(int id) const;
    void SetItemWorkDir(int id, const std::string& value);
    std::string GetItemWindowState(int id) const;
    void SetItemWindowState(int id, const std::string& value);
    bool GetItemRunAs(int id) const;
    void SetItemRunAs(int id, bool value);
    std::string GetItemPath(int id) const;

    // The link's stored path resolved against the program folder.
    std::string GetItemLaunchPath(int id) const;
    std::string ResolveRelativePath(const std::string& path, const std::string& baseFolder) const;

    // Creates one node (and fills the tables) for one store record.
    TTreeNode* AddItem(TItemKind kind, const std::string& path, TTreeNode* parentNode, int imageIndex, bool runAs,
                       const std::string& windowState, const std::string& caption, const std::string& workDir,
                       const std::string& params);
    // Empties the tables and both trees and adds the root top marker.
    void ResetModel();
    // Rebuilds the model from disk.
    void ReloadItems();
    TTreeNode* RootTopMarker() const;

protected:
    void LoadLayout() override;
    void AfterFormCreate() override;
    void RefreshForm() override;

private:
    void FormCreate(TComponent* sender);
    void FormDestroy(TComponent* sender);
    void tvItemsExpanded(TComponent* sender, TTreeNode* node);
    void tvItemsCollapsed(TComponent* sender, TTreeNode* node);
    TTreeNode* AddTopMarker(TTreeNode* parent);
};

}  // namespace pv
