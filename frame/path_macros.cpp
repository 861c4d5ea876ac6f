#include "frame/path_macros.h"

namespace pv {

namespace {
// Scans from the last character toward the first; at each position the pairs are tried
// in order, a match is replaced and the same position is tried again from the first pair.
std::string Replace(const PathMacroList& list, const std::string& text, bool compress) {
    std::string s = text;
    size_t pos = s.size();
    size_t retries = 0;
    while (pos > 0) {
        size_t at = pos - 1;
        bool replaced = false;
        for (const auto& [macro, path] : list) {
            const std::string& sought = compress ? path : macro;
            const std::string& put = compress ? macro : path;
            // An empty text would match everywhere and never end the scan.
            if (sought.empty()) continue;
            if (s.compare(at, sought.size(), sought) == 0) {
                s.replace(at, sought.size(), put);
                replaced = true;
                break;
            }
        }
        // A replacement that begins with what is sought again would be tried without end;
        // a position is tried again at most once per pair.
        if (replaced && ++retries <= list.size()) continue;
        retries = 0;
        --pos;
    }
    return s;
}
}  // namespace

void AddPathMacro(PathMacroList& list, const std::string& macro, const std::string& path) {
    for (auto& pair : list)
        if (pair.first == macro) {
            pair.second = path;
            return;
        }
    list.emplace_back(macro, path);
}

std::string CompressPathMacros(const PathMacroList& list, const std::string& text) { return Replace(list, text, true); }
std::string ExpandPathMacros(const PathMacroList& list, const std::string& text) { return Replace(list, text, false); }

}  // namespace pv
