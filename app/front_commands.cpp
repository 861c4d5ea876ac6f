// The tree editing commands of the "Add item" and "Tools" panels, which of them are
// available, and the node queries they share with drag and drop. Every command works on
// the tree in memory; nothing reaches the disk before a save.
#include "app/front_form.h"
#include "controls/application.h"
#include "controls/application_events.h"
#include "controls/buttons.h"
#include "controls/combo_box.h"
#include "controls/edit.h"
#include "controls/file_dialogs.h"
#include "controls/image_list.h"
#include "controls/tree_view.h"
#include "frame/generic_frame.h"
#include "frame/product_info.h"
#include "platform/platform.h"
#include "util/paths.h"
#include "util/strings.h"

namespace pv {

namespace {

// Captions compare trimmed of blanks and control characters, with A to Z folded.
std::string CaptionKey(const std::string& caption) {
    size_t begin = 0, end = caption.size();
    while (begin < end && static_cast<unsigned char>(caption[begin]) <= ' ') ++begin;
    while (end > begin && static_cast<unsigned char>(caption[end - 1]) <= ' ') --end;
    std::string key = caption.substr(begin, end - begin);
    for (char& c : key)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return key;
}

}  // namespace

void TFormFront::WireManagerEvents() {
    tvItems->OnChange = [this](TComponent* s, TTreeNode* n) { tvItemsChange(s, n); };
    tvItems->OnExpanded = [this](TComponent* s, TTreeNode* n) { tvItemsExpanded(s, n); };
    tvItems->OnCollapsed = [this](TComponent* s, TTreeNode* n) { tvItemsCollapsed(s, n); };
    edtFileCap->OnChange = [this](TComponent* s) { edtFileCapChange(s); };
    edtFileCap->OnExit = [this](TComponent* s) { edtFileCapExit(s); };
    edtFilePathName->OnChange = [this](TComponent* s) { edtFilePathNameChange(s); };
    edtFilePathName->OnExit = [this](TComponent* s) { edtFilePathNameExit(s); };
    edtFileParams->OnChange = [this](TComponent* s) { edtFileParamsChange(s); };
    edtFileWorkPath->OnChange = [this](TComponent* s) { edtFileWorkPathChange(s); };
    cbWindowStyle->OnChange = [this](TComponent* s) { cbWindowStyleChange(s); };
    chkUserRunAs->OnClick = [this](TComponent* s) { chkUserRunAsStateChange(s); };
    BitBtnAttach->OnClick = [this](TComponent* s) { BitBtnAttachClick(s); };
    BitBtnDelete->OnClick = [this](TComponent* s) { BitBtnDeleteClick(s); };
    BitBtnCut->OnClick = [this](TComponent* s) { BitBtnCutClick(s); };
    BitBtnCopy->OnClick = [this](TComponent* s) { BitBtnCopyClick(s); };
    BitBtnPaste->OnClick = [this](TComponent* s) { BitBtnPasteClick(s); };
    BitBtnMoveUp->OnClick = [this](TComponent* s) { BitBtnMoveUpClick(s); };
    BitBtnMoveDown->OnClick = [this](TComponent* s) { BitBtnMoveDownClick(s); };
    BitBtnSweep->OnClick = [this](TComponent* s) { BitBtnSweepClick(s); };
    BitBtnHelp->OnClick = [this](TComponent* s) { BitBtnHelpClick(s); };
    BitBtnLaunch->OnClick = [this](TComponent* s) { BitBtnLaunchClick(s); };
    BitBtnClose->OnClick = [this](TComponent* s) { BitBtnCloseClick(s); };
    BitBtnSave->OnClick = [this](TComponent* s) { BitBtnSaveClick(s); };
    BitBtnUndo->OnClick = [this](TComponent* s) { BitBtnUndoClick(s); };
    OnClose = [this](TComponent* s, TCloseAction& action) { FormClose(s, action); };
    ApplicationEvents->OnIdle = [this](TComponent* s) { ApplicationEventsIdle(s); };
}

void TFormFront::ApplicationEventsIdle(TComponent*) { UpdateCommandStates(); }

std::mt19937& TFormFront::Random() {
    // Seeded from the clock when first asked, as the runtime's generator is.
    if (!random_) {
        Platform& p = GetPlatform();
        auto seed = static_cast<uint64_t>(p.Clock().Now() * 86400000.0) ^ p.Clock().TickCount();
        random_ = std::make_unique<std::mt19937>(static_cast<std::mt19937::result_type>(seed));
    }
    return *random_;
}

// ---- which commands apply ----------------------------------------------------------------

void TFormFront::UpdateCommandStates() {
    TTreeNode* s = tvItems->Selected();
    bool any = s != nullptr;
    BitBtnAttach->SetEnabled(any);
    BitBtnCut->SetEnabled(any && !IsTopMarkerNode(s));
    BitBtnDelete->SetEnabled(any && !IsTopMarkerNode(s));
    BitBtnCopy->SetEnabled(any && !IsTopMarkerNode(s) && !IsFolderNode(s));
    BitBtnPaste->SetEnabled(any && clipboard_ && CanPlaceNode(clipboard_, s));
    BitBtnLaunch->SetEnabled(any && IsLinkNode(s));
    BitBtnMoveUp->SetEnabled(any && CanMoveUp(s, false));
    BitBtnMoveDown->SetEnabled(any && CanMoveDown(s, false));
    for (TBitBtn* always : {BitBtnSweep, BitBtnUndo, BitBtnSave, BitBtnHelp, BitBtnClose}) always->SetEnabled(true);
}

void TFormFront::ClearClipboard() {
    if (clipboard_) clipboard_->SetCut(false);
    clipboard_ = nullptr;
}

void TFormFront::ResetView() {
    ClearClipboard();
    if (TTreeNode* root = RootTopMarker()) tvItems->SetSelected(root);
    UpdateCommandStates();
}

// ---- node queries ------------------------------------------------------------------------

bool TFormFront::SiblingCaptionExists(const TTreeNode* node, const std::string& caption, bool includeSelf) const {
    if (!node) return false;
    std::string key = CaptionKey(caption);
    const TTreeNode* first = node->Parent() ? node->Parent()->GetFirstChild() : tvItems->Items().GetFirstNode();
    for (const TTreeNode* n = first; n; n = n->GetNextSibling()) {
        if (n == node && !includeSelf) continue;
        if (CaptionKey(n->Text()) == key) return true;
    }
    return false;
}

bool TFormFront::IsInSubtree(const TTreeNode* node, const TTreeNode* ancestor) {
    return node && ancestor && (node == ancestor || node->IsChildOf(ancestor));
}

bool TFormFront::CanPlaceNode(const TTreeNode* node, const TTreeNode* target) const {
    if (!node || !target) return false;
    if (!IsFolderNode(node)) return true;
    if (node->Parent() == target->Parent()) return true;
    if (SiblingCaptionExists(target, node->Text(), true)) return false;
    return !IsInSubtree(target, node);
}

TTreeNode* TFormFront::LevelTopMarker() const {
    for (TTreeNode* n = tvItems->Selected(); n; n = n->GetPrevSibling())
        if (IsTopMarkerNode(n)) return n;
    return RootTopMarker();
}

bool TFormFront::CanMoveUp(TTreeNode* node, bool perform) {
    TTreeNode* prev = node ? node->GetPrevSibling() : nullptr;
    if (!prev || IsTopMarkerNode(node) || IsTopMarkerNode(prev)) return false;
    if (perform) {
        // The neighbour moves, so the selected node keeps its place in the native view.
        tvItems->BeginUpdate();
        tvItems->Items().MoveAfter(prev, node->Parent(), node);
        tvItems->EndUpdate();
    }
    return true;
}

bool TFormFront::CanMoveDown(TTreeNode* node, bool perform) {
    TTreeNode* next = node ? node->GetNextSibling() : nullptr;
    if (!next || IsTopMarkerNode(node) || IsTopMarkerNode(next)) return false;
    if (perform) {
        tvItems->BeginUpdate();
        tvItems->Items().MoveAfter(next, node->Parent(), node->GetPrevSibling());
        tvItems->EndUpdate();
    }
    return true;
}

std::string TFormFront::ItemCaptionFromPath(const std::string& path) {
    std::string p = ReplaceAll(path, "\\", "/");
    if (!p.empty() && p.back() == '/') p.pop_back();
    size_t slash = p.rfind('/');
    size_t dot = p.rfind('.');
    size_t start = slash == std::string::npos ? 0 : slash + 1;
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) return p.substr(start, dot - start);
    if (slash != std::string::npos) return p.substr(start);
    return p;
}

void TFormFront::PlaceNode(TTreeNode* node, TTreeNode* reference) {
    if (node == reference) return;
    tvItems->Items().MoveAfter(node, reference->Parent(), reference);
    if (TTreeNode* parent = node->Parent()) parent->Expand(false);
}

// ---- attaching ---------------------------------------------------------------------------

void TFormFront::BitBtnAttachClick(TComponent*) {
    TTreeNode* reference = tvItems->Selected();
    if (!reference) return;
    TTreeNodes& items = tvItems->Items();
    TTreeNode* added = nullptr;
    if (rbSeparator->Checked()) {
        added = items.Add(reference, kNormalSeparatorText);
        added->SetImageIndex(ItemImage::Separator);
        added->SetSelectedIndex(ItemImage::Separator);
        added->SetData(-1);
    } else if (rbFolder->Checked()) {
        static const char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
        std::uniform_int_distribution<int> pick(0, 61);
        std::string name;
        do {
            name.clear();
            for (int i = 0; i < 8; ++i) name += kChars[pick(Random())];
        } while (SiblingCaptionExists(reference, name, true));
        added = AddItem(TItemKind::Folder, "", reference->Parent(), ItemImage::FolderClosed, false, "", name, "", "");
    } else if (rbFileDirectory->Checked()) {
        std::string folder;
        if (!BrowseForFolder(*this, this, product::kProgramName, folder) || folder.empty()) return;
        int id = NextItemId++;
        added = items.Add(reference, ItemCaptionFromPath(folder));
        added->SetImageIndex(ItemImage::Directory);
        added->SetSelectedIndex(ItemImage::Directory);
        added->SetData(id);
        ItemPaths.push_back(folder);
    } else {
        if (!OpenDialogAdd->Execute(this)) return;
        const std::string file = OpenDialogAdd->FileName;
        std::string ext = LowerCase(ExtractFileExt(file));
        ExtractFileIcon(file, -1, false);
        ++AddedIconCount;
        int image = AddedMarker + AddedIconCount;
        int id = NextItemId++;
        added = items.Add(reference, ItemCaptionFromPath(file));
        added->SetImageIndex(image);
        added->SetSelectedIndex(image);
        added->SetData(id);
        std::string path = file;
        std::string params;
        if (ext == ".cpl") {
            // A control-panel file runs through the system's control panel program.
            params = file.find(' ', 1) != std::string::npos ? "\"" + file + "\"" : file;
            path = ExcludeTrailingBackslash(GetPlatform().System().SystemFolder()) + "\\control.exe";
        }
        ItemPaths.push_back(path);
        ItemWindowStates[id] = "";
        if (IsExecutableFile(file) || IsRunableFile(file)) {
            ItemParams[id] = params;
            ItemWorkDirs[id] = "";
            ItemRunAs[id] = false;
        }
    }
    PlaceNode(added, reference);
    tvItems->SetSelected(added);
}

// ---- delete, cut, copy, paste ------------------------------------------------------------

void TFormFront::BitBtnDeleteClick(TComponent*) {
    TTreeNode* node = tvItems->Selected();
    if (!node || IsTopMarkerNode(node)) return;
    if (IsInSubtree(clipboard_, node)) clipboard_ = nullptr;
    if (IsInSubtree(dragSource_, node) || IsInSubtree(expandTarget_, node)) dragSource_ = expandTarget_ = nullptr;
    TTreeNode* neighbour = node->GetNextSibling();
    if (!neighbour) neighbour = node->GetPrevSibling();
    if (!neighbour) neighbour = node->Parent();
    node->Delete();
    tvItems->SetSelected(neighbour);
    UpdateCommandStates();
}

void TFormFront::BitBtnCopyClick(TComponent*) {
    TTreeNode* node = tvItems->Selected();
    if (!node || IsTopMarkerNode(node) || IsFolderNode(node)) return;
    ClearClipboard();
    clipboard_ = node;
    UpdateCommandStates();
}

void TFormFront::BitBtnCutClick(TComponent*) {
    TTreeNode* node = tvItems->Selected();
    if (!node || IsTopMarkerNode(node)) return;
    ClearClipboard();
    node->SetCut(true);
    clipboard_ = node;
    UpdateCommandStates();
}

TTreeNode* TFormFront::CopyOfNode(TTreeNode* source) {
    TTreeNode* copy = tvItems->Items().Add(source, source->Text());
    if (IsSeparatorNode(source)) {
        copy->SetImageIndex(source->ImageIndex());
        copy->SetSelectedIndex(source->SelectedIndex());
        copy->SetData(-1);
        return copy;
    }
    int from = static_cast<int>(source->Data());
    int id = NextItemId++;
    std::string path = GetItemPath(from);
    copy->SetText("(" + source->Text() + ")");
    int image = ItemImage::Directory;
    if (!IsDirectoryNode(source)) {
        ExtractFileIcon(GetItemLaunchPath(from), -1, false);
        ++AddedIconCount;
        image = AddedMarker + AddedIconCount;
        if (IsExecutableFile(path) || IsRunableFile(path)) {
            // A program's copy gets every launch attribute, with its source's values (a
            // missing one reads as empty).
            ItemParams[id] = GetItemParams(from);
            ItemWorkDirs[id] = GetItemWorkDir(from);
            ItemWindowStates[id] = GetItemWindowState(from);
            ItemRunAs[id] = GetItemRunAs(from);
        }
    }
    copy->SetImageIndex(image);
    copy->SetSelectedIndex(image);
    copy->SetData(id);
    ItemPaths.push_back(path);
    return copy;
}

void TFormFront::BitBtnPasteClick(TComponent*) {
    TTreeNode* target = tvItems->Selected();
    if (!clipboard_ || !target || !CanPlaceNode(clipboard_, target)) return;
    if (clipboard_->Cut()) {
        TTreeNode* node = clipboard_;
        ClearClipboard();
        PlaceNode(node, target);
        tvItems->SetSelected(node);
    } else {
        TTreeNode* copy = CopyOfNode(clipboard_);
        PlaceNode(copy, target);
        tvItems->SetSelected(copy);
    }
    UpdateCommandStates();
}

// ---- moving ------------------------------------------------------------------------------

void TFormFront::BitBtnMoveUpClick(TComponent*) {
    CanMoveUp(tvItems->Selected(), true);
    UpdateCommandStates();
}

void TFormFront::BitBtnMoveDownClick(TComponent*) {
    CanMoveDown(tvItems->Selected(), true);
    UpdateCommandStates();
}

// ---- sweeping dead links -----------------------------------------------------------------

void TFormFront::SweepLevel(TTreeNode* topMarker) {
    IFileSystem& files = GetPlatform().Files();
    TTreeNode* parent = topMarker->Parent();
    TTreeNode* n = parent ? parent->GetLastChild() : nullptr;
    if (!parent)
        for (n = topMarker; n->GetNextSibling();) n = n->GetNextSibling();
    // Last to first, so that a removal does not disturb the walk.
    while (n && n != topMarker) {
        TTreeNode* prev = n->GetPrevSibling();
        if (IsFolderNode(n) && n->GetFirstChild()) {
            SweepLevel(n->GetFirstChild());
        } else if (IsLinkNode(n)) {
            std::string path = GetItemLaunchPath(static_cast<int>(n->Data()));
            bool dead = false;
            if (!path.empty()) {
                bool folderPath = path.back() == '\\' || path.back() == '/';
                dead = folderPath ? !files.DirectoryExists(path) : !files.FileExists(path) && !files.DirectoryExists(path);
            }
            if (dead) {
                if (IsInSubtree(clipboard_, n)) clipboard_ = nullptr;
                if (IsInSubtree(dragSource_, n) || IsInSubtree(expandTarget_, n)) dragSource_ = expandTarget_ = nullptr;
                n->Delete();
            }
        }
        n = prev;
    }
}

void TFormFront::BitBtnSweepClick(TComponent*) {
    TTreeNode* selected = tvItems->Selected();
    if (!selected) return;
    {
        TTreeViewBatch batch(*tvItems);
        if (IsFolderNode(selected) && selected->GetFirstChild()) tvItems->SetSelected(selected->GetFirstChild());
        SweepLevel(LevelTopMarker());
    }
    ResetView();
}

// ---- help --------------------------------------------------------------------------------

void TFormFront::BitBtnHelpClick(TComponent*) {
    std::string file = IncludeTrailingBackslash(Shared ? Shared->AppPath : std::string()) + "help\\index.html";
    GetPlatform().Shell().Execute(Handle(), "open", file, "", "", ShowCmd::Normal);
}

}  // namespace pv
