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
    // A shortcut on a key without a text form (Ctrl+; say) reads as "" like a missing one;
    // a default no file can hold tells the two apart, so that a translated "" removes it.
    const std::string missing = currentText.empty() ? std::string("\x01") : currentText;
    std::string text = Lookup(file, prefix, area, name + ".ShortCut", missing);
    return text == missing ? current : TextToShortCut(text);
}

}  // namespace pv
