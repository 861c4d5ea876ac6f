#pragma once
// Menu items: caption, hint and shortcut, in section "____Menus" + area.
#include <string>
#include <string_view>

#include "lang/language_assistant.h"

namespace pv {

class TMenuItem;

inline constexpr std::string_view kMenusPrefix = "____Menus";

class TvdlgLanguageAssistantMenus final : public TvdlgLanguageAssistant {
public:
    using TvdlgLanguageAssistant::TvdlgLanguageAssistant;

    // A separator ("-") has nothing to translate and is not registered. The shortcut is
    // registered in its text form, empty for none.
    void RegisterMenuItem(const std::string& file, const std::string& area, const TMenuItem& item) const;
    // Handles whatever item it is given; a shortcut text that does not convert leaves the
    // item without a shortcut.
    void TranslateMenuItem(const std::string& file, const std::string& area, TMenuItem& item) const;
};

}  // namespace pv
