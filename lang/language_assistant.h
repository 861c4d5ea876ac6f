#pragma once
// The translation assistants sit between the language controller, which knows texts by
// file, section and key, and the windows, which know components. Each assistant offers
// pairs of operations: one registers a component's built-in texts as the base culture's,
// the other looks them up for the current culture and writes them back. The section is
// the assistant's kind prefix followed by the window's area ("____Controls__FrontMain");
// the key is the component's name, a dot and the property.
#include <string>
#include <string_view>

#include "controls/shortcuts.h"

namespace pv {

class TvdlgLanguageController;

class TvdlgLanguageAssistant {
public:
    // The controller is used, not owned; the composite that owns both keeps it alive.
    explicit TvdlgLanguageAssistant(TvdlgLanguageController& controller) : controller_(controller) {}
    TvdlgLanguageAssistant(const TvdlgLanguageAssistant&) = delete;
    TvdlgLanguageAssistant& operator=(const TvdlgLanguageAssistant&) = delete;

    TvdlgLanguageController& Controller() const { return controller_; }

protected:
    // Registers `text` under section prefix + area, key name + property.
    void Register(const std::string& file, std::string_view prefix, const std::string& area, const std::string& key,
                  const std::string& text) const;
    // The current culture's text for that key, `current` when no file lists it.
    std::string Lookup(const std::string& file, std::string_view prefix, const std::string& area,
                       const std::string& key, const std::string& current) const;
    // Shortcuts travel in their text form (empty for none) under name + ".ShortCut". A text
    // that does not convert gives no shortcut; an unchanged text keeps the shortcut as it
    // was, also one whose key has no text form.
    void RegisterShortCut(const std::string& file, std::string_view prefix, const std::string& area,
                          const std::string& name, TShortCut current) const;
    TShortCut LookupShortCut(const std::string& file, std::string_view prefix, const std::string& area,
                             const std::string& name, TShortCut current) const;

    TvdlgLanguageController& controller_;
};

// Texts of stored resources; this program registers none.
class TvdlgLanguageAssistantStoredResources final : public TvdlgLanguageAssistant {
public:
    using TvdlgLanguageAssistant::TvdlgLanguageAssistant;
};

// Column texts of the maker's string grids; this program translates none.
class TvdlgLanguageAssistantGridsVD final : public TvdlgLanguageAssistant {
public:
    using TvdlgLanguageAssistant::TvdlgLanguageAssistant;
};

}  // namespace pv
