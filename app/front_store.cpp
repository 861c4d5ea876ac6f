// The item store: one directory per level below the data folder's "shortcuts", each with
// a "shortcuts.txt" of one record per item and the icon bitmaps of its executable links.
#include <algorithm>
#include <string_view>
#include <unordered_set>

#include "app/front_form.h"
#include "app/menu_painter.h"
#include "controls/application.h"
#include "controls/image_list.h"
#include "controls/menus.h"
#include "controls/tree_view.h"
#include "frame/generic_frame.h"
#include "frame/logging.h"
#include "platform/file_tools.h"
#include "platform/platform.h"
#include "util/bmp.h"
#include "util/exception.h"
#include "util/paths.h"
#include "util/string_builder.h"
#include "util/strings.h"

namespace pv {

namespace {

const char* const kLevelFile = "shortcuts.txt";

// Every "|" separates two fields and empty fields stay, but a line that ends with "|"
// loses that one trailing empty field; an empty line has none.
// The fields are views into the line, which outlives them: a reload splits every record
// of the store, and copies only the fields it keeps.
using FieldList = std::vector<std::string_view>;
void Fields(std::string_view line, FieldList& f) {
    f.clear();
    if (line.empty()) return;
    for (size_t start = 0;;) {
        size_t bar = line.find('|', start);
        f.push_back(line.substr(start, bar == std::string_view::npos ? std::string_view::npos : bar - start));
        if (bar == std::string_view::npos) break;
        start = bar + 1;
    }
    if (f.back().empty()) f.pop_back();
}

std::string FieldAt(const FieldList& f, size_t position) {
    return position <= f.size() ? std::string(f[position - 1]) : std::string();
}

struct Flags {
    std::string WindowState;
    bool RunAs = false;
};

Flags ParseFlags(std::string_view field, bool exeRecord) {
    Flags flags;
    std::vector<std::string> tokens = Split(field, '*');
    auto has = [&](const char* t) { return std::find(tokens.begin(), tokens.end(), t) != tokens.end(); };
    for (const char* state : {"WindowMax", "WindowMin", "WindowHid"})
        if (has(state)) {
            flags.WindowState = state;
            break;
        }
    flags.RunAs = exeRecord && has("UserRunAs");
    return flags;
}

std::vector<std::string> ReadLevel(Platform& p, const std::string& levelDir) {
    return SplitLines(ReadCodePageText(p, levelDir + kLevelFile));
}

// A name that a listing of the folder answers exactly as an existence query would: a plain
// ASCII file name, without folders, wildcards, short-name marks or the trailing dots and
// blanks the system drops. Anything else is asked of the disk.
bool ListedNameAnswers(const std::string& name) {
    if (name.empty() || name == "." || name == ".." || name.front() == ' ' || name.back() == '.' || name.back() == ' ')
        return false;
    for (char c : name)
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x80 ||
            std::string_view("\\/:*?\"<>|~").find(c) != std::string_view::npos)
            return false;
    return true;
}

// The files of one level folder, listed once and asked for every icon file of the level.
class LevelFiles {
public:
    LevelFiles(IFileSystem& files, const std::string& levelDir) : files_(files), levelDir_(levelDir) {}
    bool Exists(const std::string& name) {
        if (!ListedNameAnswers(name)) return files_.FileExists(levelDir_ + name);
        if (!listed_) {
            listed_ = true;
            for (const DirEntry& e : files_.ListDir(levelDir_))
                if (!e.IsDirectory) names_.insert(LowerCase(e.Name));
            // A folder that cannot be listed (but whose level file was read) is asked file
            // by file, as it always was.
            complete_ = names_.count(kLevelFile) > 0;
        }
        return complete_ ? names_.count(LowerCase(name)) > 0 : files_.FileExists(levelDir_ + name);
    }

private:
    IFileSystem& files_;
    const std::string& levelDir_;
    bool listed_ = false, complete_ = false;
    std::unordered_set<std::string> names_;
};

}  // namespace

const std::vector<std::string>& TFormFront::LevelLines(const std::string& levelDir) {
    auto it = readLevels_.find(levelDir);
    if (it == readLevels_.end()) it = readLevels_.emplace(levelDir, ReadLevel(GetPlatform(), levelDir)).first;
    return it->second;
}

const std::string& TFormFront::LevelIdentity(const std::string& levelDir) {
    auto it = levelIdentities_.find(levelDir);
    if (it == levelIdentities_.end())
        it = levelIdentities_.emplace(levelDir, GetPlatform().Files().DirectoryIdentity(levelDir)).first;
    return it->second;
}

TFormFront::FolderPresence TFormFront::FolderOf(const std::string& levelDir, const std::string& name) {
    std::string dir = levelDir + name;
    auto it = folderPresence_.find(dir);
    if (it == folderPresence_.end()) {
        IFileSystem& files = GetPlatform().Files();
        FolderPresence presence;
        presence.Exists = files.DirectoryExists(dir);
        presence.HasLevel = presence.Exists && files.FileExists(dir + "\\" + kLevelFile);
        it = folderPresence_.emplace(std::move(dir), presence).first;
    }
    return it->second;
}

void TFormFront::ForgetReloadFacts() {
    readLevels_.clear();
    levelIdentities_.clear();
    folderPresence_.clear();
}

// ---- reload ------------------------------------------------------------------------------

void TFormFront::ReloadItems() {
    TTreeViewBatch batch(*tvItems);

    clipboard_ = nullptr;  // its node goes with the tree
    dragSource_ = expandTarget_ = nullptr;  // so do the nodes of a drag
    storeLoadedWhole_ = false;
    ResetModel();  // tables, the id counter, both trees and the root top marker
    AddedIconCount = 0;
    UndoAddedIconCount = 0;
    pmItems->Items()->Clear();
    pmItems->Items()->Tag = 0;
    ResetImageLists();
    CopyMenuTree(pmBasic->Items(), pmItems->Items());

    std::string root = IncludeTrailingBackslash(Shared->ShortcutsFolder);
    ForgetReloadFacts();
    if (GetPlatform().Files().FileExists(root + kLevelFile)) {
        openLevels_.clear();
        CollectExtensions(root);
        ExtractFromUnknown();
        openLevels_.clear();
        size_t records = 0;
        for (const auto& [dir, lines] : readLevels_) records += lines.size();
        ItemPaths.reserve(records);
        ItemWindowStates.reserve(records);
        LoadItemsFrom(root, pmItems->Items(), nullptr);
        ForgetReloadFacts();
    }
    storeLoadedWhole_ = true;
    // Sharp pictures for the screen the menu showed on last (at first, the screen's).
    if (Painter) SharpenMenuPictures(Painter->IconSize());
    tvUndo->Items().Assign(tvItems->Items());
    UndoAddedIconCount = AddedIconCount;
    UpdateMenuDrawHandlers();
}

// ---- extensions --------------------------------------------------------------------------

void TFormFront::CollectExtensions(const std::string& levelDir) {
    std::string id = LevelIdentity(levelDir);
    if (!id.empty() && !openLevels_.insert(id).second) return;
    CollectLevel(levelDir);
    if (!id.empty()) openLevels_.erase(id);
}

void TFormFront::CollectLevel(const std::string& levelDir) {
    FieldList f;
    for (const std::string& line : LevelLines(levelDir)) {
        Fields(line, f);
        if (f.empty()) continue;
        if (f[0] == "^Folder") {
            std::string name = FieldAt(f, 2);
            if (!name.empty() && FolderOf(levelDir, name).HasLevel) CollectExtensions(levelDir + name + "\\");
        } else if (f[0] == "^UnkLnk") {
            std::string ext = FieldAt(f, 3);
            if (std::find(IconExtensions.begin(), IconExtensions.end(), ext) == IconExtensions.end())
                IconExtensions.push_back(ext);
        }
    }
}

int TFormFront::ImageOfExtension(const std::string& extension) const {
    auto it = std::find(IconExtensions.begin(), IconExtensions.end(), extension);
    return it == IconExtensions.end() ? -1 : ItemImage::FirstExtension + static_cast<int>(it - IconExtensions.begin());
}

// ---- loading -----------------------------------------------------------------------------

void TFormFront::LoadItemsFrom(const std::string& levelDir, TMenuItem* parentMenu, TTreeNode* parentNode) {
    std::string id = LevelIdentity(levelDir);
    if (!id.empty() && !openLevels_.insert(id).second) return;
    LoadLevel(levelDir, parentMenu, parentNode);
    if (!id.empty()) openLevels_.erase(id);
}

void TFormFront::LoadLevel(const std::string& levelDir, TMenuItem* parentMenu, TTreeNode* parentNode) {
    IFileSystem& files = GetPlatform().Files();
    LevelFiles levelFiles(files, levelDir);
    // Read by the extension pass; taken out, as each level is loaded once.
    std::vector<std::string> lines;
    if (auto read = readLevels_.find(levelDir); read != readLevels_.end()) {
        lines = std::move(read->second);
        readLevels_.erase(read);
    } else {
        lines = ReadLevel(GetPlatform(), levelDir);
    }
    FieldList f;
    for (const std::string& line : lines) {
        Fields(line, f);
        if (f.empty()) continue;
        std::string_view tag = f[0];
        if (tag == "^NorSep") {
            TTreeNode* node = AddItem(TItemKind::NormalSeparator, "", parentNode, -1, false, "", "", "", "");
            (void)node;
            AddMenuEntry(TItemKind::NormalSeparator, parentMenu, -1, "", -1);
        } else if (tag == "^SpeSep") {
            std::string caption = FieldAt(f, 2);
            AddItem(TItemKind::SpecialSeparator, "", parentNode, -1, false, "", caption, "", "");
            AddMenuEntry(TItemKind::SpecialSeparator, parentMenu, -1, caption, -1);
        } else if (tag == "^Folder") {
            std::string name = FieldAt(f, 2);
            if (name.empty()) continue;
            FolderPresence presence = FolderOf(levelDir, name);
            if (!presence.Exists) continue;
            TTreeNode* folder = AddItem(TItemKind::Folder, "", parentNode, -1, false, "", name, "", "");
            TMenuItem* entry = AddMenuEntry(TItemKind::Folder, parentMenu, ItemImage::FolderClosed, name, -1);
            if (presence.HasLevel) LoadItemsFrom(levelDir + name + "\\", entry, folder);
        } else if (tag == "^ExeLnk") {
            std::string path, params, icon, caption, workDir;
            Flags flags;
            if (f.size() >= 5) {
                path = f[1];
                params = f[2];
                icon = f[3];
                caption = f[4];
            }
            if (f.size() >= 6) workDir = f[5];
            if (f.size() >= 7) flags = ParseFlags(f[6], true);
            int image = -1;
            if (std::find(IconExtensions.begin(), IconExtensions.end(), icon) != IconExtensions.end()) {
                image = ImageOfExtension(icon);
            } else if (levelFiles.Exists(icon) || TargetFileExists(path)) {
                // The picture beside the record only stands in for a target that is gone:
                // a link whose picture was lost still shows its target's icon, so that
                // the next save writes that icon and not an empty square.
                // A damaged icon file is reported, but it must not cut the rest of the tree
                // off: a later save would write the shortened tree back.
                try {
                    image = ExtractFromExec(levelDir + icon, path);
                } catch (const std::exception& e) {
                    Application()->HandleException(this, e);
                    image = -1;
                }
            }
            AddItem(TItemKind::ExecutableLink, path, parentNode, image, flags.RunAs, flags.WindowState, caption,
                    workDir, params);
            AddMenuEntry(TItemKind::ExecutableLink, parentMenu, image, caption, NextItemId - 1);
        } else if (tag == "^UnkLnk") {
            std::string path, ext, caption;
            Flags flags;
            if (f.size() >= 4) {
                path = f[1];
                ext = f[2];
                caption = f[3];
            }
            if (f.size() >= 5) flags = ParseFlags(f[4], false);
            int image = ext.empty() && files.DirectoryExists(ExpandItemPath(path)) ? ItemImage::AskDirectory
                                                                                   : ImageOfExtension(ext);
            TTreeNode* node =
                AddItem(TItemKind::GeneralLink, path, parentNode, image, false, flags.WindowState, caption, "", "");
            AddMenuEntry(TItemKind::GeneralLink, parentMenu, node->ImageIndex(), caption, NextItemId - 1);
        }
    }
}

// ---- saving ------------------------------------------------------------------------------

int TFormFront::SaveItems() { return SaveNodesFrom(RootTopMarker(), StoreFolder()); }

int TFormFront::SaveNodesFrom(TTreeNode* topMarker, const std::string& levelDir) {
    TvdStringBuilder text;
    std::unordered_map<std::string, int> issued;
    int failures = 0;
    if (topMarker && topMarker->GetNextSibling()) failures += SaveNode(topMarker->GetNextSibling(), levelDir, text, issued);
    try {
        WriteCodePageText(GetPlatform(), levelDir + "\\" + kLevelFile, text.Text());
    } catch (const Exception&) {
        LogMessage("Maintain_SaveNodesFrom", levelDir + "\\" + kLevelFile);
        ++failures;
    }
    return failures;
}

namespace {

// The icon file's base: the link's file name up to its last ".", whichever separator
// the path uses, so that the name never holds a folder.
std::string IconBase(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

}  // namespace

int TFormFront::SaveNode(TTreeNode* node, const std::string& levelDir, TvdStringBuilder& text,
                         std::unordered_map<std::string, int>& issued) {
    IFileSystem& files = GetPlatform().Files();
    int failures = 0;
    // A record that cannot be written completely is logged; the records after it are
    // still written, so one failure never cuts the rest of the level or the levels below.
    auto failed = [&](const std::string& what) {
        LogMessage("Maintain_SaveNodesFrom", what);
        ++failures;
    };
    for (TTreeNode* n = node; n; n = n->GetNextSibling()) {
        if (IsFolderNode(n)) {
            text.Append("^Folder|").Append(n->Text()).AppendLine();
            std::string dir = levelDir + "\\" + n->Text();
            if (!files.DirectoryExists(dir) && !files.CreateDir(dir)) {
                failed(dir);
                continue;
            }
            if (n->Count() > 1) failures += SaveNodesFrom(n->GetFirstChild(), dir);
        } else if (IsNormalSeparatorNode(n)) {
            text.Append("^NorSep|").AppendLine();
        } else if (n->ImageIndex() == ItemImage::SpecialSeparator) {
            text.Append("^SpeSep|").Append(RemoveDashes(n->Text())).AppendLine();
        } else if (IsLinkNode(n)) {
            int id = static_cast<int>(n->Data());
            std::string path = GetItemPath(id);
            std::string flags;
            if (!GetItemWindowState(id).empty()) flags += "*" + GetItemWindowState(id);
            if (IsExecutableFile(path) || IsRunableFile(path)) {
                // Elevation is kept for runnable targets only: a general link's record
                // never carries it, as its reading takes the flag from "^ExeLnk" alone.
                if (GetItemRunAs(id)) flags += "*UserRunAs";
                std::string icon;
                if (IsRunableFile(path)) {
                    icon = LowerCase(ExtractFileExt(path)).substr(1);
                } else {
                    // Names are unique in the level, the bare name first, then 1, 2, ...;
                    // the names given out so far are remembered instead of asked of the
                    // disk, which the save has emptied anyway.
                    std::string base = IconBase(path);
                    int& next = issued[LowerCase(base)];
                    do {
                        icon = base + (next ? std::to_string(next) : std::string()) + ".bmp";
                        ++next;
                    } while (issued.count("|" + LowerCase(icon)) || files.FileExists(levelDir + "\\" + icon));
                    // "|" cannot occur in a file name, so a name given out never meets a base.
                    issued["|" + LowerCase(icon)] = 1;
                    TBitmap32 picture = TBitmap32::Create(16, 16, ColorRefToArgb(MenuColor()));
                    ilPublicPM->DrawOnto(picture, 0, 0, n->ImageIndex());
                    try {
                        files.WriteAllBytes(levelDir + "\\" + icon, EncodeBmp32(picture));
                    } catch (const Exception&) {
                        failed(levelDir + "\\" + icon);
                    }
                }
                text.Append("^ExeLnk|").Append(path).Append('|').Append(GetItemParams(id)).Append('|').Append(icon);
                text.Append('|').Append(n->Text()).Append('|').Append(GetItemWorkDir(id)).Append('|').Append(flags);
                text.AppendLine();
            } else {
                std::string ext = LowerCase(ExtractFileExt(path));
                if (!ext.empty()) ext = ext.substr(1);
                text.Append("^UnkLnk|").Append(path).Append('|').Append(ext).Append('|').Append(n->Text());
                text.Append('|').Append(flags).AppendLine();
            }
        }
    }
    return failures;
}

}  // namespace pv
