#pragma once
// A window's translation list: its components in a fixed order, each with the kind of
// text it has. Registering and translating walk the same list in the same order, so every
// text is applied under the key it was registered with.
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

}  // namespace pv
