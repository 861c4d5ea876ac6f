#include "lang/assistant_controls.h"

#include "controls/control.h"
#include "controls/page_control.h"

namespace pv {

void TvdlgLanguageAssistantControls::RegisterCaptionHint(const std::string& file, const std::string& area,
                                                         const TControl& control) const {
    RegisterCaption(file, area, control);
    RegisterHint(file, area, control);
}

void TvdlgLanguageAssistantControls::TranslateCaptionHint(const std::string& file, const std::string& area,
                                                          TControl& control) const {
    TranslateCaption(file, area, control);
    TranslateHint(file, area, control);
}

void TvdlgLanguageAssistantControls::RegisterCaption(const std::string& file, const std::string& area,
                                                     const TControl& control) const {
    Register(file, kControlsPrefix, area, control.Name() + ".Caption", control.Caption());
}

void TvdlgLanguageAssistantControls::TranslateCaption(const std::string& file, const std::string& area,
                                                      TControl& control) const {
    control.SetCaption(Lookup(file, kControlsPrefix, area, control.Name() + ".Caption", control.Caption()));
}

void TvdlgLanguageAssistantControls::RegisterHint(const std::string& file, const std::string& area,
                                                  const TControl& control) const {
    Register(file, kControlsPrefix, area, control.Name() + ".Hint", control.Hint());
}

void TvdlgLanguageAssistantControls::TranslateHint(const std::string& file, const std::string& area,
                                                   TControl& control) const {
    control.SetHint(Lookup(file, kControlsPrefix, area, control.Name() + ".Hint", control.Hint()));
}

void TvdlgLanguageAssistantControls::RegisterPages(const std::string& file, const std::string& area,
                                                   const TPageControl& pages) const {
    for (int i = 0; i < pages.PageCount(); ++i) RegisterCaption(file, area, *pages.Pages(i));
}

void TvdlgLanguageAssistantControls::TranslatePages(const std::string& file, const std::string& area,
                                                    TPageControl& pages) const {
    for (int i = 0; i < pages.PageCount(); ++i) TranslateCaption(file, area, *pages.Pages(i));
}

}  // namespace pv
