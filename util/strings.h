#pragma once
// Text helpers for UTF-8 strings. Case-insensitive operations fold ASCII and the
// Latin-1 letters, which covers the names the program compares (INI sections and keys,
// file names, shortcut key names).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pv {

// Removes leading and trailing characters with codes up to 32.
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);

std::string LowerCase(std::string_view s);
std::string UpperCase(std::string_view s);
bool SameText(std::string_view a, std::string_view b);
// Three-way comparison without regard to case (for sorted maps).
int CompareText(std::string_view a, std::string_view b);
struct TextLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const { return CompareText(a, b) < 0; }
};

bool StartsWith(std::string_view s, std::string_view prefix);
bool EndsWith(std::string_view s, std::string_view suffix);
bool StartsWithText(std::string_view s, std::string_view prefix);  // without regard to case
bool Contains(std::string_view s, std::string_view part);
// Position of `part` in `s` at or after `from`, compared without regard to case.
size_t FindText(std::string_view s, std::string_view part, size_t from = 0);

std::string ReplaceAll(std::string_view s, std::string_view from, std::string_view to);
std::string ReplaceAllText(std::string_view s, std::string_view from, std::string_view to);

// Splits at CR LF, CR or LF. A final line break does not start another line.
std::vector<std::string> SplitLines(std::string_view text);
// Splits at every occurrence of `sep`; empty fields stay.
std::vector<std::string> Split(std::string_view s, char sep);
std::string Join(const std::vector<std::string>& parts, std::string_view sep);

std::string IntToStr(int64_t v);
// Decimal, or hexadecimal after "0x"/"0X" or "$"; optional sign; surrounding blanks allowed.
std::optional<int64_t> TryStrToInt64(std::string_view s);
std::optional<int32_t> TryStrToInt(std::string_view s);

// Letters A-Z, a-z and digits 0-9 only.
std::string KeepAlphaNumeric(std::string_view s);

}  // namespace pv

namespace pv {
// Hashing and equality that ignore case the same way as SameText, for hash maps keyed by
// INI names.
struct TextHash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const;
};
struct TextEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const { return CompareText(a, b) == 0; }
};
}  // namespace pv
