#include "frame/logging.h"

#include "controls/application.h"
#include "platform/file_tools.h"
#include "util/exception.h"
#include "util/strings.h"

namespace pv {

TvdLogging::TvdLogging(TComponent* owner) : TComponent(owner) {}

void TvdLogging::SetLogFile(const std::string& path) {
    std::lock_guard<std::mutex> g(lock_);
    logFile_ = path;
}

std::vector<std::string> TvdLogging::LogStrings() const {
    std::lock_guard<std::mutex> g(lock_);
    return pending_;
}

void TvdLogging::SetLogStrings(const std::vector<std::string>& lines) {
    std::lock_guard<std::mutex> g(lock_);
    pending_ = lines;
}

void TvdLogging::WriteEntry(const TComponent* sender, const std::exception* exception, const std::string& identifier,
                            const std::string& message) {
    if (sender) {
        std::string cls = sender->ClassName(), name = sender->Name();
        Append(&cls, &name, exception, identifier, message);
    } else {
        Append(nullptr, nullptr, exception, identifier, message);
    }
}

void TvdLogging::WriteEntry(const std::string& senderClass, const std::exception* exception,
                            const std::string& identifier, const std::string& message) {
    Append(&senderClass, nullptr, exception, identifier, message);
}

void TvdLogging::Append(const std::string* senderClass, const std::string* senderName, const std::exception* exception,
                        const std::string& identifier, const std::string& message) {
    std::lock_guard<std::mutex> g(lock_);
    try {
        Platform& p = GetPlatform();
        TDateTime now = p.Clock().Now();
        bool hasMessage = !message.empty();
        const char* kind = exception ? (hasMessage ? "--Combined--" : "--Exception--")
                                     : (hasMessage ? "--Message--" : "--Info--");
        std::vector<std::string> block;
        block.push_back(kind);
        block.push_back("DateTime (ISO): " + FormatIsoDateTime(now));
        block.push_back("DateTime (native): " + p.System().FormatNativeDateTime(now));
        if (senderClass) block.push_back("Sender Class Name: " + *senderClass);
        if (senderName) block.push_back("Sender Name: " + *senderName);
        block.push_back("Current Work Directory: " + p.Files().GetCurrentDir());
        if (!identifier.empty()) block.push_back("ID: " + identifier);
        if (hasMessage) block.push_back("Message: " + message);
        if (exception) {
            block.push_back("Exception Class Name: " + ExceptionClassName(*exception));
            block.push_back("Exception Message: " + ExceptionMessage(*exception));
        }
        block.push_back("");
        // A message with line breaks stays inside its block as several lines.
        for (const auto& line : block) {
            auto parts = SplitLines(line);
            if (parts.empty()) pending_.push_back("");
            for (auto& part : parts) pending_.push_back(std::move(part));
        }
        if (AutoSaveLog && !logFile_.empty()) FlushLocked();
    } catch (...) {
        // Logging never raises: a report about a failure must not become a failure.
    }
}

void TvdLogging::FlushLog() {
    std::lock_guard<std::mutex> g(lock_);
    try {
        FlushLocked();
    } catch (...) {
    }
}

void TvdLogging::FlushLocked() {
    if (logFile_.empty()) return;
    Platform& p = GetPlatform();
    std::string text;
    // A block always starts on a line of its own, also after a log whose last line was
    // cut off without its line end (a crash, or an editor).
    if (WriteLogCumulative) {
        std::string last = p.Files().ReadFileTail(logFile_, 1);
        if (!last.empty() && last != "\n") text = "\r\n";
    }
    for (const auto& line : pending_) text += line + "\r\n";
    try {
        if (WriteLogCumulative) {
            // Appending gives the same file as reading it and writing it back whole, and a
            // failed write can no longer destroy the entries already there.
            AppendCodePageText(p, logFile_, text);
        } else {
            p.Files().WriteAllBytes(logFile_, EncodeCodePageText(p, text));
        }
        pending_.clear();
    } catch (const Exception&) {
        // The entries stay pending and go out with the next flush that succeeds; a log
        // that can never be written must still not eat the memory.
        const size_t kMaxPendingLines = 20000;
        if (pending_.size() > kMaxPendingLines)
            pending_.erase(pending_.begin(), pending_.end() - static_cast<std::ptrdiff_t>(kMaxPendingLines));
    }
}

}  // namespace pv
