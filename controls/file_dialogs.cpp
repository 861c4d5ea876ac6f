#include "controls/file_dialogs.h"

#include "controls/form.h"
#include "platform/platform.h"

namespace pv {

bool TOpenDialog::Execute(const TForm* owner) {
    OpenFileRequest r;
    r.Owner = owner ? owner->Handle() : 0;
    r.Title = Title;
    r.Filter = Filter;
    r.InitialDir = InitialDir;
    r.FileMustExist = FileMustExist;
    r.PathMustExist = PathMustExist;
    r.HideReadOnly = HideReadOnly;
    r.Resizable = Resizable;
    std::string file;
    if (!GetPlatform().UI().ShowOpenFileDialog(r, file)) return false;
    FileName = file;
    return true;
}

bool TSaveDialog::Execute(const TForm* owner) {
    SaveFileRequest r;
    r.Owner = owner ? owner->Handle() : 0;
    r.Title = Title;
    r.Filter = Filter;
    r.InitialDir = InitialDir;
    r.FileName = FileName;
    r.DefaultExt = DefaultExt;
    r.OverwritePrompt = OverwritePrompt;
    std::string file;
    if (!GetPlatform().UI().ShowSaveFileDialog(r, file)) return false;
    FileName = file;
    return true;
}

bool BrowseForFolder(const TComponent& context, const TForm* owner, const std::string& title, std::string& folder,
                     const std::string& initialDir, bool newFolder) {
    FolderBrowseRequest r;
    r.Owner = owner ? owner->Handle() : 0;
    r.Title = title;
    r.InitialDir = initialDir;
    r.NewFolderButton = newFolder;
    return context.GetPlatform().UI().BrowseForFolder(r, folder);
}

}  // namespace pv
