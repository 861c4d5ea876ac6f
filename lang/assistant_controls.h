#pragma once
// Standard controls and windows: caption (a window's title) and hint, in section
// "____Controls" + area.
#include <string>
#include <string_view>

#include "lang/language_assistant.h"

namespace pv {

class TControl;
class TPageControl;

inline constexpr std::string_view kControlsPrefix = "____Controls";

class TvdlgLanguageAssistantControls final : public TvdlgLanguageAssistant {
public:
    using TvdlgLanguageAssistant::TvdlgLanguageAssistant;

    // Buttons, radio buttons, check boxes, panels, group boxes, the window itself.
    void RegisterCaptionHint(const std::string& file, const std::string& area, const TControl& control) const;
    void TranslateCaptionHint(const std::string& file, const std::string& area, TControl& control) const;
    // Labels and other controls whose hint is not translated.
    void RegisterCaption(const std::string& file, const std::string& area, const TControl& control) const;
    void TranslateCaption(const std::string& file, const std::string& area, TControl& control) const;
    // The maker's edit fields.
    void RegisterHint(const std::string& file, const std::string& area, const TControl& control) const;
    void TranslateHint(const std::string& file, const std::string& area, TControl& control) const;
    // Each page's caption, first to last.
    void RegisterPages(const std::string& file, const std::string& area, const TPageControl& pages) const;
    void TranslatePages(const std::string& file, const std::string& area, TPageControl& pages) const;
};

}  // namespace pv
