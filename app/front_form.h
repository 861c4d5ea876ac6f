#pragma once
// The main window: the user's item tree with its attribute tables, the tray menu built
// from it, and the manager face that edits it. Its sources are split by concern:
// front_form.cpp (life cycle), front_layout.cpp (the manager face's controls),
// front_items.cpp (the item model), front_icons.cpp (the image lists), front_store.cpp
// (the store files), front_menu.cpp (the tray menu), front_launch.cpp (starting items),
// front_editor.cpp (the item editor's fields), front_commands.cpp (the tree editing
// commands), front_texts.cpp (the translation list and the window's messages).
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "frame/form_base.h"
#include "platform/ui/tree_view.h"
#include "platform/graphics.h"
#include "util/bitmap.h"

namespace pv {

class TCanvas;
class TImageList;
class TMenuItem;
class TPopupMenu;
class TTreeView;
class TTreeNode;
class TvdMenusPainter;
class TvdStringBuilder;
class TCoolTrayIcon;
class TJvApplicationHotKey;
class TTimer;
class TPanel;
class TProgramOptions;
class TBitBtn;
class TRadioButton;
class TCheckBox;
class TLabel;
class TvdEdit;
class TvdStatusBar;
class TComboBox;
class TImage;
class TScrollBox;
class TSplitter;
class TOpenDialog;
class TApplicationEvents;

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

// Tags of the tray menu's entries.
namespace MenuTag {
inline constexpr intptr_t Separator = -200;
inline constexpr intptr_t Heading = -100;
inline constexpr intptr_t Placeholder = -400;
inline constexpr intptr_t BarCaption = -9999;
inline constexpr intptr_t BarCaption2 = -8888;
inline constexpr intptr_t ProgramFolder = 10;
}  // namespace MenuTag

// Window modes of a link, as the show command they start with.
enum class TWindowMode { Default = 0, Maximized = 1, Minimized = 2, Hidden = 3 };

class TFormFront final : public TvdFormFrontBase {
public:
    explicit TFormFront(TComponent* owner);
    ~TFormFront() override;
    PV_COMPONENT_CLASS(TFormFront)

    // ---- components ----
    TTreeView* tvItems = nullptr;
    TTreeView* tvUndo = nullptr;
    TImageList* ilPublicPM = nullptr;
    TImageList* ilPublicTV = nullptr;
    TImageList* ilBreaksPM = nullptr;
    TImageList* ilBreaksTV = nullptr;
    TImageList* ilLingua = nullptr;
    TPopupMenu* pmBasic = nullptr;
    TPopupMenu* pmItems = nullptr;
    // The program menu's entries.
    TMenuItem* miSysMenuProgram = nullptr;
    TMenuItem* miPivolaKitFolder = nullptr;
    TMenuItem* miPivolaKitBar = nullptr;
    TMenuItem* Hidden1 = nullptr;
    TMenuItem* miSysMenuSystem = nullptr;
    TMenuItem* miHelpFile = nullptr;
    TMenuItem* miCheckUpdates = nullptr;
    TMenuItem* miAbout = nullptr;
    TMenuItem* N3 = nullptr;
    TMenuItem* miVisitWebsite = nullptr;
    TMenuItem* miVisitWebsiteForums = nullptr;
    TMenuItem* MiTools = nullptr;
    std::vector<TMenuItem*> ToolsProducts;
    TMenuItem* miN1 = nullptr;
    TMenuItem* M_MI_Lingua = nullptr;
    TMenuItem* miPreferences = nullptr;
    TMenuItem* miManageItems = nullptr;
    TMenuItem* N1 = nullptr;
    TMenuItem* miCloseApp = nullptr;
    std::unique_ptr<TvdMenusPainter> Painter;
    TScrollBox* PanelSide = nullptr;
    TSplitter* Splitter1 = nullptr;
    // The side column's panels, each with its header strip, and the editor fields.
    TPanel* pnlAddItem = nullptr;
    TPanel* pnlAddItemHeader = nullptr;
    TBitBtn* BitBtnAttach = nullptr;
    TRadioButton* rbFile = nullptr;
    TRadioButton* rbFileDirectory = nullptr;
    TRadioButton* rbSeparator = nullptr;
    TRadioButton* rbFolder = nullptr;
    TPanel* pnlEditItem = nullptr;
    TPanel* pnlEditItemHeader = nullptr;
    TLabel* lblFilePath = nullptr;
    TLabel* lblFileParams = nullptr;
    TImage* imgFileType = nullptr;
    TvdEdit* edtFileCap = nullptr;
    TvdEdit* edtFilePathName = nullptr;
    TvdEdit* edtFileParams = nullptr;
    TPanel* pnlEditLaunch = nullptr;
    TPanel* pnlEditLaunchHeader = nullptr;
    TLabel* lblWorkPath = nullptr;
    TLabel* lblWindowState = nullptr;
    TLabel* lblUserRunAs = nullptr;
    TvdEdit* edtFileWorkPath = nullptr;
    TComboBox* cbWindowStyle = nullptr;
    TCheckBox* chkUserRunAs = nullptr;
    TPanel* pnlTools = nullptr;
    TPanel* pnlToolsHeader = nullptr;
    TBitBtn* BitBtnMoveDown = nullptr;
    TBitBtn* BitBtnMoveUp = nullptr;
    TBitBtn* BitBtnSweep = nullptr;
    TBitBtn* BitBtnUndo = nullptr;
    TBitBtn* BitBtnCut = nullptr;
    TBitBtn* BitBtnCopy = nullptr;
    TBitBtn* BitBtnPaste = nullptr;
    TBitBtn* BitBtnDelete = nullptr;
    TBitBtn* BitBtnSave = nullptr;
    TBitBtn* BitBtnClose = nullptr;
    TBitBtn* BitBtnLaunch = nullptr;
    TBitBtn* BitBtnHelp = nullptr;
    // Hidden: carries the type field and its label.
    TPanel* pnlInvisible = nullptr;
    TLabel* lblFileType = nullptr;
    TvdEdit* edtFileType = nullptr;
    TvdStatusBar* StatusBarHelp = nullptr;
    TOpenDialog* OpenDialogAdd = nullptr;
    TApplicationEvents* ApplicationEvents = nullptr;
    TCoolTrayIcon* CoolTrayIcon = nullptr;
    TTimer* TimerDelayed = nullptr;
    TJvApplicationHotKey* JvApplicationHotKey = nullptr;

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
    // A stored path with its environment references ("%SystemRoot%") filled in.
    std::string ExpandItemPath(const std::string& path) const;

    // Creates one node (and fills the tables) for one store record.
    TTreeNode* AddItem(TItemKind kind, const std::string& path, TTreeNode* parentNode, int imageIndex, bool runAs,
                       const std::string& windowState, const std::string& caption, const std::string& workDir,
                       const std::string& params);
    // Empties the tables and both trees and adds the root top marker.
    void ResetModel();
    // Rebuilds the model, the icons and the tray menu from disk.
    void ReloadItems();
    TTreeNode* RootTopMarker() const;

    // ---- the store files ----
    void CollectExtensions(const std::string& levelDir);
    void LoadItemsFrom(const std::string& levelDir, TMenuItem* parentMenu, TTreeNode* parentNode);
    // Writes the whole tree into the store folder; answers how many of its writes failed
    // (each failure is logged, and the records and levels after it are still written).
    int SaveItems();
    int SaveNodesFrom(TTreeNode* topMarker, const std::string& levelDir);

    // ---- the image lists ----
    int ExtMarker = 23;
    int LoadedMarker = 24;
    int AddedMarker = 25;
    int LoadedIconCount = 0;
    int AddedIconCount = 0;
    int UndoAddedIconCount = 0;  // the undo copy's added-icon count
    TColor TreeColor = 0x00FFFFFF;
    TColor MenuColor() const;
    void PrepareImageLists();
    void ResetImageLists();
    void ExtractFromUnknown();
    int ExtractFromExec(const std::string& iconFile, const std::string& targetPath);
    // Whether an executable link's target, as stored, names an existing file.
    bool TargetFileExists(const std::string& targetPath) const;
    void ExtractFileIcon(const std::string& path, int index, bool menuListOnly);
    TBitmap32 ComposeTreeImage(const TBitmap32& source) const;
    // Gives every menu picture that came from the shell or an icon file a sharp copy at
    // `size` (the small-icon size of the screen the menu shows on), asked of its source at
    // that size; pictures that hold one of that size already are left alone. At the
    // list's own size (16, at 96 DPI) nothing is asked.
    void SharpenMenuPictures(int size);

    // ---- the tray menu ----
    // Creates the entry of one item under `parentMenu`, at its insertion position.
    TMenuItem* AddMenuEntry(TItemKind kind, TMenuItem* parentMenu, int imageIndex, const std::string& caption, int id);
    void CopyMenuTree(TMenuItem* source, TMenuItem* dest);
    void CopyMenuItem(TMenuItem* source, TMenuItem* dest);
    void UpdateMenuDrawHandlers();
    void NorItemsRTDrawItem(TMenuItem* entry, TCanvas& canvas, const TRect& rect, bool selected);
    void SpeItemsRTDrawItem(TMenuItem* entry, TCanvas& canvas, const TRect& rect, bool selected);
    void NorItemsRTMeasureItem(TMenuItem* entry, TCanvas& canvas, int& width, int& height);
    // Shows a menu at the mouse cursor; returns when it closes.
    void PopupAtCursor(TPopupMenu* menu, TForm* mainWindow, TComponent* trayIcon);
    // Whether the menu draws normal entries itself (a menu font of the user's own).
    bool OverrideStandardFont() const;

    // ---- the item editor ----
    void tvItemsChange(TComponent* sender, TTreeNode* node);
    // Fills every editor field from `node` (nothing selected: all empty and disabled).
    void ShowItem(TTreeNode* node);
    // The type text of a node, in the current language.
    std::string ItemTypeText(const TTreeNode* node) const;
    void edtFileCapChange(TComponent* sender);
    void edtFileCapExit(TComponent* sender);
    void edtFilePathNameChange(TComponent* sender);
    void edtFilePathNameExit(TComponent* sender);
    void edtFileParamsChange(TComponent* sender);
    void edtFileWorkPathChange(TComponent* sender);
    void cbWindowStyleChange(TComponent* sender);
    void chkUserRunAsStateChange(TComponent* sender);
    // Whether a folder name can be a directory of the store: the message key that refuses
    // it, empty when it can. `diskOnly` tells that only the disk refuses it (names the
    // system cannot hold as a directory), which is told when the user leaves the field.
    std::string FolderNameProblem(const TTreeNode* folder, const std::string& name, bool* diskOnly = nullptr) const;

    // ---- the tree editing commands ----
    // The node last marked by Cut or Copy; never one that has left the tree.
    TTreeNode* ClipboardNode() const { return clipboard_; }
    void UpdateCommandStates();
    void ResetView();
    bool SiblingCaptionExists(const TTreeNode* node, const std::string& caption, bool includeSelf) const;
    static bool IsInSubtree(const TTreeNode* node, const TTreeNode* ancestor);
    bool CanPlaceNode(const TTreeNode* node, const TTreeNode* target) const;
    TTreeNode* LevelTopMarker() const;
    bool CanMoveUp(TTreeNode* node, bool perform);
    bool CanMoveDown(TTreeNode* node, bool perform);
    static std::string ItemCaptionFromPath(const std::string& path);
    // Puts `node` directly after `reference` (first in its level after a top marker) and
    // expands the parent.
    void PlaceNode(TTreeNode* node, TTreeNode* reference);
    void BitBtnAttachClick(TComponent* sender);
    void BitBtnDeleteClick(TComponent* sender);
    void BitBtnCutClick(TComponent* sender);
    void BitBtnCopyClick(TComponent* sender);
    void BitBtnPasteClick(TComponent* sender);
    void BitBtnMoveUpClick(TComponent* sender);
    void BitBtnMoveDownClick(TComponent* sender);
    void BitBtnSweepClick(TComponent* sender);
    void BitBtnHelpClick(TComponent* sender);
    void ApplicationEventsIdle(TComponent* sender);

    // ---- drag and drop ----
    TTimer* TimerDrag = nullptr;
    TTimer* TimerExpand = nullptr;
    void tvItemsMouseDown(TComponent* sender, MouseButton button, TPoint at);
    void tvItemsMouseUp(TComponent* sender, MouseButton button, TPoint at);
    void TimerDragTimer(TComponent* sender);
    void tvItemsDragOver(TComponent* sender, TPoint at, bool& accept);
    void TimerExpandTimer(TComponent* sender);
    void tvItemsDragDrop(TComponent* sender, TPoint at);
    void tvItemsDropFiles(TComponent* sender, const std::string& path, TPoint at);

    // ---- changes, undo, save and close ----
    // Whether the tree differs from the undo copy (captions, shape, ids; not images).
    bool TreeChanged() const;
    void RestoreUndoCopy();
    void BitBtnSaveClick(TComponent* sender);
    void BitBtnUndoClick(TComponent* sender);
    void BitBtnCloseClick(TComponent* sender);
    void FormClose(TComponent* sender, TCloseAction& action);
    // Whether the last reload read the whole store; a save would otherwise overwrite what
    // it could not read.
    bool StoreLoadedWhole() const { return storeLoadedWhole_; }

    // ---- starting items ----
    void BitBtnLaunchClick(TComponent* sender);
    void NorItemsRTClickItem(TComponent* sender);
    void LaunchItem(int id);
    bool LaunchFile(const std::string& file, const std::string& params, const std::string& workDir, bool runAs,
                    TWindowMode mode);
    static TWindowMode WindowModeOf(const std::string& token);
    static int ShowCommandOf(TWindowMode mode);

    // ---- tray icon and hot key ----
    void FormDeferredStart() override;
    void TimerDelayedTimer(TComponent* sender);
    void CoolTrayIconClick(TComponent* sender);
    void CoolTrayIconDblClick(TComponent* sender);
    void JvApplicationHotKeyHotKey(TComponent* sender);
    // The running program's half of applying the options: hot key and menu font.
    void ApplyProgramOptions(const TProgramOptions& options);

    // ---- texts ----
    void RegisterFormMessages() override;
    void RegisterFormTexts() override;
    void TranslateForm() override;
    // Sets the title (UpdateCaption): it never comes from a language file.
    void RefreshForm() override;
    // A message of the window ("__MessageText__FrontMain") in the current culture.
    std::string Message(const std::string& key) const;

    // ---- window settings ----
    void SaveSettings(const std::string& optionsFile) override;
    void LoadSettings(const std::string& optionsFile) override;

    // ---- program menu actions ----
    void miHelpFileClick(TComponent* sender);
    void miVisitWebsiteClick(TComponent* sender);
    void miVisitWebsiteForumsClick(TComponent* sender);
    void miToolsProductClick(TComponent* sender);
    void miCloseAppClick(TComponent* sender);
    void miPreferencesClick(TComponent* sender);
    void miAboutClick(TComponent* sender);
    void miCheckUpdatesClick(TComponent* sender);
    void miManageItemsClick(TComponent* sender);

    // ---- the language submenu ----
    // Replaces the entry's sub-entries by one per culture folder of `folder`: the current
    // culture first with a separator after it, the others in the listing's order.
    void BuildLanguageMenu(TMenuItem* entry, const std::string& folder, const std::string& current,
                           const TNotifyEvent& handler, int group);
    // The submenu of the program menu for the translation folder and the current culture.
    void RebuildLanguageMenu();
    void MI_Lingua_Select_ChoiceClick(TComponent* sender);

protected:
    void LoadLayout() override;
    void AfterFormCreate() override;
    void DpiChanged(int oldDpi) override;

private:
    void WalkTranslationList(bool registering);
    void BuildProgramMenu();
    void BuildManagerFace();
    void BuildSidePanels();
    void BuildEditPanels();
    void BuildToolsPanel();
    void LayOutTools();
    void WireManagerEvents();
    // Sets a field's value without running its rule.
    void SetFieldQuietly(TvdEdit* field, const std::string& text);
    void ShowIcon(const TTreeNode* node);
    void ShowLinkFields(TTreeNode* node);
    int SelectedLinkId(const TvdEdit* field) const;
    void TakeTypedPath(bool leaving);
    void ClearClipboard();
    void AttachFile();
    void AttachDirectory();
    TTreeNode* CopyOfNode(TTreeNode* source);
    void SweepLevel(TTreeNode* topMarker);
    // Drag and drop (front_dragdrop.cpp).
    void BuildDragAndDrop();
    void HoverRepaint();
    TTreeNode* dragSource_ = nullptr;
    TTreeNode* expandTarget_ = nullptr;
    int hoverRepaints_ = 0;
    // Saving (front_save.cpp).
    bool storeLoadedWhole_ = true;
    std::string StoreFolder() const;
    std::string BackupFolder() const;
    void RecoverInterruptedSave();
    std::mt19937& Random();
    TTreeNode* clipboard_ = nullptr;
    bool settingField_ = false;
    std::unique_ptr<std::mt19937> random_;
    // One level's records; `issued` holds the icon file names given out in the level.
    int SaveNode(TTreeNode* node, const std::string& levelDir, TvdStringBuilder& text,
                 std::unordered_map<std::string, int>& issued);
    void LoadLevel(const std::string& levelDir, TMenuItem* parentMenu, TTreeNode* parentNode);
    void CollectLevel(const std::string& levelDir);
    int ImageOfExtension(const std::string& extension) const;
    void LogMessage(const std::string& id, const std::string& message);
    TBitmap32 OverBackground(const std::optional<TBitmap32>& icon, TColor background, int width, int height) const;
    // The shell's icon for a file type, asked on an empty temporary file of that type.
    std::optional<TBitmap32> ExtensionIcon(const std::string& ext, int size);
    // Folder directories being read, by identity, so that a link back to an ancestor ends
    // the descent instead of repeating it without end.
    std::set<std::string> openLevels_;
    // The lines of each level file as the extension pass read them, so that the loading
    // pass of the same reload does not read and decode them again.
    std::unordered_map<std::string, std::vector<std::string>> readLevels_;
    const std::vector<std::string>& LevelLines(const std::string& levelDir);
    // What one reload learnt of the disk, asked once for both passes: each level folder's
    // identity, and of each folder record whether its folder and its level file exist.
    struct FolderPresence {
        bool Exists = false, HasLevel = false;
    };
    std::unordered_map<std::string, std::string> levelIdentities_;
    std::unordered_map<std::string, FolderPresence> folderPresence_;
    const std::string& LevelIdentity(const std::string& levelDir);
    FolderPresence FolderOf(const std::string& levelDir, const std::string& name);
    void ForgetReloadFacts();
    void FormCreate(TComponent* sender);
    void FormShow(TComponent* sender);
    void FormDestroy(TComponent* sender);
    void tvItemsExpanded(TComponent* sender, TTreeNode* node);
    void tvItemsCollapsed(TComponent* sender, TTreeNode* node);
    TTreeNode* AddTopMarker(TTreeNode* parent);
};

}  // namespace pv
