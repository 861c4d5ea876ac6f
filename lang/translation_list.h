#pragma once
// A window's translation list: its components in a fixed order, each with the kind of
// text it has. Registering and translating walk the same list in the same order, so every
// text is applied under the key it was registered with.
#include <span>
#include <string>
#include <vector>

namespace pv {

class TComponent;
class TvdlgLanguageCompositeAllEx;

enum class TextKind { CaptionHint, Caption, Hint, AutoHintDef, MenuItem, Pages, Actions };

struct TranslationEntry {
    TextKind Kind;
    TComponent* Component;
};

// Registers (the English texts) or translates every entry of the list in the area of the
// language file.
void WalkTranslationList(TvdlgLanguageCompositeAllEx& lang, const std::string& file, const std::string& area,
                         const std::vector<TranslationEntry>& list, bool registering);

// A window's mixed texts: messages and lines it builds itself rather than a component's
// caption, kept in the window's own section of a language file.
struct MixedTextEntry {
    const char* Key;
    const char* Text;
    bool Curly = false;  // filled in from the template variables ({Name})
};

void RegisterMixedTexts(TvdlgLanguageCompositeAllEx& lang, const std::string& file, const std::string& section,
                        std::span<const MixedTextEntry> texts);
// The translation of the key, or its built-in English text where there is no language
// or the lookup fails; `templated` fills in the template variables.
std::string LookUpMixedText(TvdlgLanguageCompositeAllEx* lang, const std::string& file, const std::string& section,
                            std::span<const MixedTextEntry> texts, const std::string& key, bool templated);

}  // namespace pv
