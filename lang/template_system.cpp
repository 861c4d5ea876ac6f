#include "lang/template_system.h"

#include <algorithm>

namespace pv {

namespace {

size_t CountOccurrences(std::string_view text, std::string_view part) {
    size_t n = 0;
    for (size_t pos = text.find(part); pos != std::string_view::npos; pos = text.find(part, pos + part.size())) ++n;
    return n;
}

std::string Replacement(const TvdlgTemplateVariables& variables, const std::string& name) {
    auto it = variables.find(name);
    if (it == variables.end()) return name;
    const TvdlgTemplateVariable& var = it->second;
    if (!var.Value.empty()) return var.Value;
    if (var.Provider) return var.Provider(name);
    return name;
}

}  // namespace

std::string ExpandTemplateText(const TvdlgTemplateSystem& system, const TvdlgTemplateVariables& variables,
                               std::string_view text, const TvdlgTemplateLimits& limits) {
    std::string result(text);
    const std::string& start = system.StartMarker;
    const std::string& end = system.EndMarker;
    // An empty marker is found everywhere and would never let the search end.
    if (start.empty() || end.empty()) return result;

    // Each original token needs at most one round; only tokens brought in by replacements
    // can keep the loop going, and those are what the extra rounds allow for.
    const size_t maxRounds = CountOccurrences(text, start) + limits.ExtraRounds;
    const size_t maxLength = std::max(limits.MaxLength, text.size());
    for (size_t round = 0; round < maxRounds; ++round) {
        size_t open = result.find(start);
        if (open == std::string::npos) break;
        size_t nameStart = open + start.size();
        size_t close = result.find(end, nameStart);
        if (close == std::string::npos) break;
        std::string name = result.substr(nameStart, close - nameStart);
        std::string expanded = ReplaceAllText(result, start + name + end, Replacement(variables, name));
        if (expanded.size() > maxLength) break;
        result = std::move(expanded);
    }
    return result;
}

}  // namespace pv
