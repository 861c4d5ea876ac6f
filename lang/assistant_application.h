#pragma once
// The application's reading direction, under the key "Application.BiDiMode" in section
// "____Application" + area, so that a culture written right to left turns every window.
#include <string>
#include <string_view>

#include "controls/application.h"
#include "lang/language_assistant.h"

namespace pv {

inline constexpr std::string_view kApplicationPrefix = "____Application";
inline constexpr std::string_view kBiDiModeKey = "Application.BiDiMode";

// "LeftToRight", "RightToLeft", "RightToLeftNoAlign", "RightToLeftReadingOnly"; empty for a
// value outside these four.
std::string BiDiModeName(TBiDiMode mode);
// The mode a name stands for, compared with regard to case; any other text, the empty one
// included, is left to right.
TBiDiMode BiDiModeFromName(std::string_view name);

class TvdlgLanguageAssistantApplication final : public TvdlgLanguageAssistant {
public:
    using TvdlgLanguageAssistant::TvdlgLanguageAssistant;

    // Registers the name of the application's current reading direction.
    void RegisterBiDiMode(const std::string& file, const std::string& area, const TApplication& app) const;
    // Sets the application's reading direction from the current culture (left to right
    // where the culture names none) and turns every window the application owns with it;
    // windows made later take the application's direction when they are built.
    void ApplyBiDiMode(const std::string& file, const std::string& area, TApplication& app) const;
};

}  // namespace pv
