#pragma once
// The system's file dialogs as components: the open-file and save-file dialogs, and the
// folder browser.
#include <string>

#include "controls/component.h"

namespace pv {

class TForm;

class TOpenDialog final : public TComponent {
public:
    explicit TOpenDialog(TComponent* owner) : TComponent(owner) {}
    PV_COMPONENT_CLASS(TOpenDialog)

    std::string Title;
    // Pairs of description and pattern, separated by "|".
    std::string Filter;
    std::string InitialDir;
    bool FileMustExist = true;
    bool PathMustExist = true;
    bool HideReadOnly = true;
    bool Resizable = true;
    // The file chosen last.
    std::string FileName;
    // Shows the dialog over `owner`; true when the user chose a file.
    bool Execute(const TForm* owner = nullptr);
};

class TSaveDialog final : public TComponent {
public:
    explicit TSaveDialog(TComponent* owner) : TComponent(owner) {}
    PV_COMPONENT_CLASS(TSaveDialog)

    std::string Title;
    std::string Filter;
    std::string InitialDir;
    // Without its dot: "html".
    std::string DefaultExt;
    bool OverwritePrompt = true;
    // The name offered when the dialog opens, and the file chosen last.
    std::string FileName;
    bool Execute(const TForm* owner = nullptr);
};

// Shows the folder browser over `owner` with `title` above the folders; true with the
// chosen folder in `folder`. It opens on `initialDir` when that is given, and with
// `newFolder` offers to make a new folder.
bool BrowseForFolder(const TComponent& context, const TForm* owner, const std::string& title, std::string& folder,
                     const std::string& initialDir = "", bool newFolder = false);

}  // namespace pv
