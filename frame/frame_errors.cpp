// The last-chance report: every exception that escapes an event handler is logged, and on
// the main thread the user is offered the maker's support page with the error's class
// and message.
#include "controls/application.h"
#include "frame/generic_frame.h"
#include "frame/logging.h"
#include "frame/message_dialog.h"
#include "frame/product_info.h"
#include "util/exception.h"
#include "util/strings.h"

namespace pv {

namespace {
// The message as it travels in the support address: one line, "?" and "&" spelled out so
// they cannot be taken for the address's own delimiters.
std::string AddressText(const std::string& message) {
    std::string a = ReplaceAll(message, "\r\n", " ");
    a = ReplaceAll(a, "  ", " ");
    a = ReplaceAll(a, "?", "[Question]");
    return ReplaceAll(a, "&", "[And]");
}
}  // namespace

std::string SupportAddress(const std::string& exceptionClass, const std::string& message) {
    return std::string(product::kCompanyUrlFull) + "/" + "home/support.php?pn=" + product::kProgramName +
           "&pv=" + product::kProgramVersion + "&ec=" + exceptionClass + "&em=" + AddressText(message);
}

void TvdDataModuleGenericStruct::ReportError(TComponent* sender, const std::exception& e) {
    vdLoggingProgram->WriteEntry(sender, &e, "", "");
    Platform& p = GetPlatform();
    if (!p.System().IsMainThread()) return;
    std::string message = ExceptionMessage(e);
    std::string shown = message.empty() ? std::string() : "\"" + message + "\"";
    std::string text = FrameMessage("ErrorOccuredDetails");
    if (!shown.empty()) text += ": " + shown;
    text += "\r\n\r\n" + FrameMessage("OpenBrowserMoreInfo");
    if (ShowMessageDialog(p, text, MsgDlgType::Error, {MsgDlgBtn::Yes, MsgDlgBtn::No}) != ModalResult::Yes) return;
    try {
        p.Shell().Execute(0, "open", SupportAddress(ExceptionClassName(e), message), "", "", ShowCmd::Normal);
    } catch (...) {
        // A browser that cannot be started is not a second error.
    }
}

}  // namespace pv
