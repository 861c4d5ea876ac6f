#pragma once
// The system's modal dialogs: the message box, the open-file and save-file dialogs, the
// folder browser and the print dialog.
#include <string>
#include <vector>

#include "platform/types.h"

namespace pv {

enum class MsgDlgType { Warning, Error, Information, Confirmation, Custom };

// Results as modal results are numbered.
namespace ModalResult {
inline constexpr int None = 0, Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7,
                     All = 8, NoToAll = 9, YesToAll = 10, Help = 11;
}

struct MessageDialogButton {
    std::string Caption;  // with "&" before the accelerator
    int Result = ModalResult::None;
    bool Visible = true;
};

struct MessageDialogRequest {
    std::string Title;
    std::string Text;
    MsgDlgType Kind = MsgDlgType::Information;
    std::vector<MessageDialogButton> Buttons;
    int DefaultButton = 0;  // index into Buttons
    int HelpContext = 0;
    bool RightToLeft = false;
};

struct OpenFileRequest {
    NativeHandle Owner = 0;
    std::string Title;  // empty: the system's
    // Pairs of description and pattern, separated by "|": "All Files (*.*)|*.*".
    std::string Filter;
    std::string InitialDir;
    bool FileMustExist = true;
    bool PathMustExist = true;
    bool HideReadOnly = true;
    bool Resizable = true;
};

// The folder browser: the system's new-style dialog, rooted at the desktop.
struct FolderBrowseRequest {
    NativeHandle Owner = 0;
    std::string Title;  // shown above the folders
    std::string InitialDir;  // the folder chosen when the dialog opens; empty for none
    bool NewFolderButton = false;  // offers to make a new folder
};

struct SaveFileRequest {
    NativeHandle Owner = 0;
    std::string Title;  // empty: the system's
    std::string Filter;  // as the open-file dialog's
    std::string InitialDir;
    std::string FileName;
    // Put after a name typed without one, without its dot ("html").
    std::string DefaultExt;
    // Asks before an existing file is chosen.
    bool OverwritePrompt = true;
};

// A plain print of a table: the print dialog, then each row as a line with its cells in
// columns, on as many pages as it takes.
struct PrintRequest {
    NativeHandle Owner = 0;
    std::string DocumentName;  // how the job shows in the printer's queue
    std::vector<std::vector<std::string>> Rows;
    // The columns' share of the page's width, in the proportions of these numbers.
    std::vector<int> ColWidths;
};

enum class PrintResult { Cancelled, Printed, Failed };

}  // namespace pv
