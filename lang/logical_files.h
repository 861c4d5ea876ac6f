#pragma once
// The three logical language files and what each holds.
#include <string_view>

namespace pv {

// The program's own windows.
inline constexpr std::string_view kProgramLanguageFile = "UTF8_program.ini";
// The frame, the About and the update window.
inline constexpr std::string_view kSharedLanguageFile = "UTF8_shared.ini";
// Message-box words, find and replace prompts, file types.
inline constexpr std::string_view kGeneralLanguageFile = "UTF8_general.ini";

}  // namespace pv
