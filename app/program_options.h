#pragma once
// The program's options: the generic ones plus the menu font, start with Windows and the
// hot key.
#include <string>

#include "frame/shared_options.h"

namespace pv {

class TProgramOptions final : public TvdSharedProgramOptions {
public:
    explicit TProgramOptions(Platform& platform) : TvdSharedProgramOptions(platform) {}
    // Pushes the hot key and the menu font into the running program.
    void ApplyOptions() override;

    bool OverrideStandardFont = false;
    int OverrideStandardFontSize = 10;
    std::string OverrideStandardFontName = "Verdana";
    bool OverrideStandardFontBold = false;
    bool AlwaysShowInTray = true;
    bool AlwaysShowInTask = true;
    std::string ProgramPopupShortCut = "CTRL+L";
};

}  // namespace pv
