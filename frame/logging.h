#pragma once
// The program log: a plain text file that only grows, one block per entry. Any thread
// may write; a lock keeps each block whole.
#include <exception>
#include <mutex>
#include <string>
#include <vector>

#include "controls/component.h"

namespace pv {

class TvdLogging final : public TComponent {
public:
    explicit TvdLogging(TComponent* owner);
    PV_COMPONENT_CLASS(TvdLogging)

    bool AutoSaveLog = true;
    bool WriteLogCumulative = true;
    const std::string& LogFile() const { return logFile_; }
    void SetLogFile(const std::string& path);
    std::vector<std::string> LogStrings() const;
    void SetLogStrings(const std::vector<std::string>& lines);

    // Appends one block; never raises. `exception` may be null, the texts empty.
    void WriteEntry(const TComponent* sender, const std::exception* exception, const std::string& identifier,
                    const std::string& message);
    // Sender given only by its class (a non-component object).
    void WriteEntry(const std::string& senderClass, const std::exception* exception, const std::string& identifier,
                    const std::string& message);
    void FlushLog();

private:
    void Append(const std::string* senderClass, const std::string* senderName, const std::exception* exception,
                const std::string& identifier, const std::string& message);
    void FlushLocked();

    mutable std::mutex lock_;
    std::string logFile_;
    std::vector<std::string> pending_;
};

}  // namespace pv
