#pragma once
// The maker's own controls, in section "____ControlsVD" + area: the status bar's default
// hint line.
#include <string>
#include <string_view>

#include "lang/language_assistant.h"

namespace pv {

class TvdStatusBar;

inline constexpr std::string_view kControlsVDPrefix = "____ControlsVD";

class TvdlgLanguageAssistantControlsVD final : public TvdlgLanguageAssistant {
public:
    using TvdlgLanguageAssistant::TvdlgLanguageAssistant;

    void RegisterAutoHintDef(const std::string& file, const std::string& area, const TvdStatusBar& bar) const;
    void TranslateAutoHintDef(const std::string& file, const std::string& area, TvdStatusBar& bar) const;
};

}  // namespace pv
