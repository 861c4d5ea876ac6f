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

}  // namespace pv::sim
