// Simulated modal dialogs: each answers from the test's script; an unscripted one fails
// the test.
#include "platform/sim/sim_platform.h"

namespace pv::sim {

void SimUserInterface::ExpectMessageDialog(std::string textContains, int answer) {
    scripts_.push_back({std::move(textContains), answer});
}

int SimUserInterface::ShowMessageDialog(const MessageDialogRequest& request) {
    Dialogs.push_back(request);
    if (!scripts_.empty() && request.Text.find(scripts_.front().TextContains) != std::string::npos) {
        int answer = scripts_.front().Answer;
        scripts_.pop_front();
        return answer;
    }
    owner_.Fail("unscripted message dialog \"" + request.Title + "\": " + request.Text);
    // An unanswered dialog counts as dismissed.
    for (const auto& b : request.Buttons)
        if (b.Result == ModalResult::Cancel || b.Result == ModalResult::No) return b.Result;
    return request.Buttons.empty() ? ModalResult::Cancel : request.Buttons.back().Result;
}

void SimUserInterface::ExpectOpenFileDialog(std::string answer) { fileScripts_.push_back(std::move(answer)); }

void SimUserInterface::ExpectFolderDialog(std::string answer) { folderScripts_.push_back(std::move(answer)); }

bool SimUserInterface::ShowOpenFileDialog(const OpenFileRequest& request, std::string& file) {
    OpenFileDialogs.push_back(request);
    if (fileScripts_.empty()) {
        owner_.Fail("unscripted open-file dialog");
        return false;
    }
    std::string answer = std::move(fileScripts_.front());
    fileScripts_.pop_front();
    if (answer.empty()) return false;
    // The system's dialog only lets the user confirm what its options allow.
    if (request.FileMustExist && !owner_.Files().FileExists(answer)) {
        owner_.Fail("open-file dialog answered with a file that does not exist: " + answer);
        return false;
    }
    file = answer;
    return true;
}

bool SimUserInterface::BrowseForFolder(const FolderBrowseRequest& request, std::string& folder) {
    FolderDialogs.push_back(request);
    if (folderScripts_.empty()) {
        owner_.Fail("unscripted folder browser");
        return false;
    }
    std::string answer = std::move(folderScripts_.front());
    folderScripts_.pop_front();
    if (answer.empty()) return false;
    folder = answer;
    return true;
}

bool SimUserInterface::ShowSaveFileDialog(const SaveFileRequest& request, std::string& file) {
    SaveFileDialogs.push_back(request);
    if (saveScripts_.empty()) {
        owner_.Fail("unscripted save-file dialog");
        return false;
    }
    std::string answer = std::move(saveScripts_.front());
    saveScripts_.pop_front();
    if (answer.empty()) return false;
    // The system's dialog puts the default extension after a name typed without one.
    std::string name = answer.substr(answer.find_last_of('\\') + 1);
    if (!request.DefaultExt.empty() && name.find('.') == std::string::npos) answer += "." + request.DefaultExt;
    file = answer;
    return true;
}

PrintResult SimUserInterface::PrintTable(const PrintRequest& request) {
    if (printScripts_.empty()) {
        owner_.Fail("unscripted print dialog");
        return PrintResult::Cancelled;
    }
    bool confirm = printScripts_.front();
    printScripts_.pop_front();
    if (!confirm) return PrintResult::Cancelled;
    Printed.push_back(request);
    return PrintResult::Printed;
}

}  // namespace pv::sim
