#pragma once
// Action lists: each standard action's caption, hint and shortcut, in section
// "____Actions" + area. Actions of other kinds are skipped.
#include <string>
#include <string_view>

#include "lang/language_assistant.h"

namespace pv {

class TActionList;

inline constexpr std::string_view kActionsPrefix = "____Actions";

class TvdlgLanguageAssistantActions final : public TvdlgLanguageAssistant {
public:
    using TvdlgLanguageAssistant::TvdlgLanguageAssistant;

    void RegisterActions(const std::string& file, const std::string& area, const TActionList& actions) const;
    void TranslateActions(const std::string& file, const std::string& area, TActionList& actions) const;
};

}  // namespace pv
