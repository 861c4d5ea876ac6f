#pragma once
// The program folder never stands literally in the options file: it is written as a
// macro and put back on reading, so the file keeps working when the installation moves.
#include <string>
#include <utility>
#include <vector>

namespace pv {

using PathMacroList = std::vector<std::pair<std::string, std::string>>;  // (macro, path)

// Adds a pair, or replaces the path of a macro already in the list.
void AddPathMacro(PathMacroList& list, const std::string& macro, const std::string& path);
// Every occurrence of a pair's path becomes its macro.
std::string CompressPathMacros(const PathMacroList& list, const std::string& text);
// Every occurrence of a pair's macro becomes its path.
std::string ExpandPathMacros(const PathMacroList& list, const std::string& text);

}  // namespace pv
