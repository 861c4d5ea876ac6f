#pragma once
// The options every program of this frame carries: language, window persistence and the
// update check. The program's own record derives from it.
#include <string>

#include "util/datetime.h"

namespace pv {

class Platform;

class TvdSharedProgramOptions {
public:
    // All defaults; the browser paths are detected at once (read-only registry access).
    explicit TvdSharedProgramOptions(Platform& platform);
    virtual ~TvdSharedProgramOptions() = default;
    TvdSharedProgramOptions(const TvdSharedProgramOptions&) = delete;
    TvdSharedProgramOptions& operator=(const TvdSharedProgramOptions&) = delete;

    // Pushes the options into the running program; nothing in the generic part.
    virtual void ApplyOptions() {}

    std::string LanguageCulture = "en-us";
    bool SaveWindowsSetup = true;
    bool SaveToolBarsSetup = true;
    bool SaveMiscSetup = true;
    int CheckUpdatesInterval = 60;  // days; negative turns the automatic check off
    TDateTime CheckUpdatesLast = 0;
    bool CheckUpdatesCritErrRes = false;
    std::string FirefoxPath;
    std::string OperaPath;
    std::string InternetExplorerPath;

protected:
    Platform& platform_;
};

}  // namespace pv
