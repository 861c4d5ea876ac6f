#pragma once
// The system's file dialogs as components: the open-file dialog, and the folder browser.
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

// Shows the folder browser over `owner` with `title` above the folders; true with the
// chosen folder in `folder`.
bool BrowseForFolder(const TComponent& context, const TForm* owner, const std::string& title, std::string& folder);

}  // namespace pv
