#include "lang/language_assistant.h"

#include "lang/language_controller.h"

namespace pv {

void TvdlgLanguageAssistant::Register(const std::string& file, std::string_view prefix, const std::string& area,
                                      const std::string& key, const std::string& text) const {
    controller_.RegisterGuiText(file, std::string(prefix) + area, key, text);
}

std::string TvdlgLanguageAssistant::Lookup(const std::string& file, std::string_view prefix, const std::string& area,
                                           const std::string& key, const std::string& current) const {
    return controller_.GetGuiText(file, std::string(prefix) + area, key, current);
}

void TvdlgLanguageAssistant::RegisterShortCut(const std::string& file, std::string_view prefix,
                                              const std::string& area, const std::string& name,
                                              TShortCut current) const {
    Register(file, prefix, area, name + ".ShortCut", ShortCutToText(current));
}

TShortCut TvdlgLanguageAssistant::LookupShortCut(const std::string& file, std::string_view prefix,
                                                 const std::string& area, const std::string& name,
                                                 TShortCut current) const {
    std::string currentText = ShortCutToText(current);
    std::string text = Lookup(file, prefix, area, name + ".ShortCut", currentText);
    return text == currentText ? current : TextToShortCut(text);
}

}  // namespace pv
