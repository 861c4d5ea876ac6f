// Changes, undo, save and close: the undo copy, the test for unsaved changes, the close
// question, the save through a backup of the store, and the recovery of a save that was
// cut short.
//
// The store on disk is never left half old and half new. A save copies the store to a
// folder beside the backup's place, checks the copy, and only then gives it the backup's
// name, in one step; so a backup that exists is always whole. The store is then emptied
// and written; if anything fails there, the backup is put back. The backup goes away by
// being renamed first, in one step, and deleted afterwards. Whenever the program stops,
// the next start finds either no backup (the store is the old one or the new one) or a
// whole backup of the old store, which it offers to put back.
#include "app/front_form.h"
#include "controls/application.h"
#include "controls/application_events.h"
#include "controls/image_list.h"
#include "controls/tree_view.h"
#include "frame/generic_frame.h"
#include "frame/message_dialog.h"
#include "platform/file_tools.h"
#include "platform/platform.h"
#include "util/exception.h"
#include "util/paths.h"

namespace pv {

namespace {

// The hourglass for as long as the save runs, however it ends.
class WaitCursor {
public:
    explicit WaitCursor(IUserInterface& ui) : ui_(ui) { ui_.SetWaitCursor(true); }
    ~WaitCursor() { ui_.SetWaitCursor(false); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    IUserInterface& ui_;
};

// A folder's contents to the recycle bin; what the shell leaves is deleted here.
bool EmptyFolder(Platform& p, const std::string& folder) {
    if (!p.Files().DirectoryExists(folder)) return true;
    p.Shell().RecycleFolderContents(folder);
    return DeleteFolderContents(p.Files(), folder);
}

bool RemoveFolder(Platform& p, const std::string& folder) {
    if (!p.Files().DirectoryExists(folder)) return true;
    return EmptyFolder(p, folder) && p.Files().RemoveDir(folder);
}

// The nodes in depth-first order.
std::vector<const TTreeNode*> DepthFirst(const TTreeNodes& nodes) {
    std::vector<const TTreeNode*> out;
    out.reserve(static_cast<size_t>(nodes.Count()));
    for (const TTreeNode* n = nodes.GetFirstNode(); n; n = n->GetNext()) out.push_back(n);
    return out;
}

}  // namespace

std::string TFormFront::StoreFolder() const { return ExcludeTrailingBackslash(Shared->ShortcutsFolder); }

std::string TFormFront::BackupFolder() const { return IncludeTrailingBackslash(Shared->TempFolder) + "item_bak"; }

// ---- changes and undo --------------------------------------------------------------------

bool TFormFront::TreeChanged() const {
    const TTreeNodes& now = tvItems->Items();
    const TTreeNodes& saved = tvUndo->Items();
    if (now.Count() != saved.Count()) return true;
    std::vector<const TTreeNode*> a = DepthFirst(now), b = DepthFirst(saved);
    if (a.size() != b.size()) return true;
    for (size_t i = a.size(); i-- > 0;) {
        if (a[i]->Text() != b[i]->Text() || a[i]->Count() != b[i]->Count() || a[i]->Data() != b[i]->Data())
            return true;
    }
    return false;
}

void TFormFront::RestoreUndoCopy() {
    clipboard_ = nullptr;
    dragSource_ = nullptr;
    expandTarget_ = nullptr;
    {
        TTreeViewBatch batch(*tvItems);
        tvItems->Items().Assign(tvUndo->Items());
    }
    if (TTreeNode* root = RootTopMarker()) tvItems->SetSelected(root);
    AddedIconCount = UndoAddedIconCount;
    // The icons of links added since the copy was taken.
    for (TImageList* list : {ilPublicPM, ilPublicTV})
        for (int i = list->Count() - 1; i > AddedMarker + AddedIconCount; --i) list->Delete(i);
}

void TFormFront::BitBtnUndoClick(TComponent*) {
    RestoreUndoCopy();
    ResetView();
}

// ---- close -------------------------------------------------------------------------------

void TFormFront::BitBtnCloseClick(TComponent*) { Close(); }

void TFormFront::FormClose(TComponent*, TCloseAction& action) {
    // The manager is also the program's main window: closing it only hides it.
    action = TCloseAction::None;
    if (!TreeChanged()) {
        Hide();
        ResetView();
        return;
    }
    int answer = ShowMessageDialog(GetPlatform(), Message("WantSaveChanges"), MsgDlgType::Warning,
                                   {MsgDlgBtn::Yes, MsgDlgBtn::No, MsgDlgBtn::Cancel});
    if (answer == ModalResult::Yes) {
        Hide();
        BitBtnSaveClick(this);
    } else if (answer == ModalResult::No) {
        Hide();
        RestoreUndoCopy();
        ResetView();
    }
}

// ---- save --------------------------------------------------------------------------------

namespace {

// Puts the backup back into the store and lets it go once the store equals it; a backup
// that could not be put back whole stays for the next start. True when the store is whole.
bool PutBackupBack(Platform& p, const std::string& backup, const std::string& store) {
    EmptyFolder(p, store);
    if (!CopyFolderTree(p.Files(), backup, store) || !SameFolderTree(p.Files(), backup, store)) return false;
    std::string old = backup + ".old";
    if (p.Files().MoveFile(backup, old, false)) RemoveFolder(p, old);
    return true;
}

}  // namespace

void TFormFront::BitBtnSaveClick(TComponent*) {
    Platform& p = GetPlatform();
    IFileSystem& files = p.Files();
    const std::string store = StoreFolder();
    if (!storeLoadedWhole_)
        throw EInvalidOperation("The items in \"" + store +
                                "\" could not all be read when they were loaded; saving now would overwrite the ones "
                                "that were not read, so nothing was saved.");
    WaitCursor wait(p.UI());
    const std::string backup = BackupFolder();
    const std::string fresh = backup + ".new";
    const std::string old = backup + ".old";
    auto refuse = [&] {
        ShowMessageDialog(p, Message("SaveErrorLockedFiles"), MsgDlgType::Error, {MsgDlgBtn::Ok});
    };

    // Leftovers of a save that stopped while they were made or removed hold nothing needed.
    RemoveFolder(p, fresh);
    RemoveFolder(p, old);
    // A backup that is still there was declined at start-up: the store in use is the one
    // the user went on with. It leaves in one step, so that no part of it is ever offered.
    if (files.DirectoryExists(backup)) {
        if (!files.MoveFile(backup, old, false)) return refuse();
        RemoveFolder(p, old);
    }
    if (!files.CreateDir(fresh)) throw EFCreateError("Cannot create the folder \"" + fresh + "\"");
    // Every file of the store must be in the backup before the store is touched: a file
    // that cannot be copied (another program holds it) would otherwise be lost.
    if (!CopyFolderTree(files, store, fresh) || !SameFolderTree(files, store, fresh) ||
        !files.MoveFile(fresh, backup, false)) {
        RemoveFolder(p, fresh);
        return refuse();
    }
    if (!EmptyFolder(p, store) || SaveItems() > 0) {
        // The new store could not be written whole: the old one comes back.
        if (!PutBackupBack(p, backup, store)) ShowMessageDialog(p, Message("RestoreBackupFailed"), MsgDlgType::Error,
                                                                {MsgDlgBtn::Ok});
        return refuse();
    }
    if (files.MoveFile(backup, old, false)) RemoveFolder(p, old);

    std::string chimes = IncludeTrailingBackslash(p.System().WindowsFolder()) + "media\\chimes.wav";
    if (files.FileExists(chimes)) p.Sound().PlayFileAsync(chimes);
    tvUndo->Items().Assign(tvItems->Items());
    UndoAddedIconCount = AddedIconCount;
    ReloadItems();
    ResetView();
}

// ---- start-up recovery -------------------------------------------------------------------

void TFormFront::RecoverInterruptedSave() {
    Platform& p = GetPlatform();
    IFileSystem& files = p.Files();
    const std::string store = StoreFolder();
    if (!files.DirectoryExists(store) && !files.ForceDirectories(store))
        throw EFCreateError("Cannot create the folder \"" + store + "\"");
    const std::string backup = BackupFolder();
    if (!files.DirectoryExists(backup)) return;
    int answer = ShowMessageDialog(p, Message("DiskItemsDataBackup"), MsgDlgType::Warning,
                                   {MsgDlgBtn::Yes, MsgDlgBtn::No, MsgDlgBtn::Cancel});
    if (answer == ModalResult::Yes) {
        if (!PutBackupBack(p, backup, store))
            ShowMessageDialog(p, Message("RestoreBackupFailed"), MsgDlgType::Error, {MsgDlgBtn::Ok});
    } else if (answer == ModalResult::No) {
        std::string old = backup + ".old";
        if (files.MoveFile(backup, old, false)) RemoveFolder(p, old);
    }
}

}  // namespace pv
