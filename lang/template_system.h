#pragma once
// Template expansion: message texts name variables between two markers ("{AppDataPath}")
// so that product names, paths and dialog inputs are filled in when a text is shown and
// never written into a translation. The language controller holds the registered systems
// and variables; the expansion itself lives here so that it depends on nothing else.
#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "util/strings.h"

namespace pv {

// A named pair of markers.
struct TvdlgTemplateSystem {
    std::string StartMarker;
    std::string EndMarker;
};

// A named value. A provider, when set, supplies the text for a variable whose value is
// empty; it is called with the name as the text spelled it.
struct TvdlgTemplateVariable {
    using TProvider = std::function<std::string(const std::string& name)>;
    std::string Value;
    TProvider Provider;
};

using TvdlgTemplateSystems = std::map<std::string, TvdlgTemplateSystem, TextLess>;
using TvdlgTemplateVariables = std::map<std::string, TvdlgTemplateVariable, TextLess>;

inline constexpr std::string_view kTemplateSystemCurly = "__curly";
inline constexpr std::string_view kTemplateSystemSharp = "__sharp";
inline constexpr std::string_view kTemplateSystemDollar = "__dollar";

// Every replacement restarts the search at the start of the text, so a variable whose
// value holds its own token (or tokens that lead back to it) would expand for ever. These
// bounds end such an expansion and leave the text as it stood after the last replacement
// that fitted.
struct TvdlgTemplateLimits {
    // Replacements beyond one per start marker of the original text.
    size_t ExtraRounds = 1000;
    // The result never grows beyond this, or beyond the original length when that is longer.
    size_t MaxLength = size_t{1} << 20;
};

// Fills in the variables of `text`: the first start marker and the first end marker after
// it delimit a name; every occurrence of that token, in any letter case, becomes the
// variable's value, its provider's result, or the bare name; then the search starts over.
std::string ExpandTemplateText(const TvdlgTemplateSystem& system, const TvdlgTemplateVariables& variables,
                               std::string_view text, const TvdlgTemplateLimits& limits = {});

}  // namespace pv
