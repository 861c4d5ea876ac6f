#pragma once
// The rules of private-profile files ("key=value" under "[section]"), for the files the
// system's own profile calls cannot read: those written as UTF-8 with a byte order mark.
// The text here is the file's content without the mark.
#include <optional>
#include <string>

namespace pv {

// A value the way the system reads it: sections and keys without regard to case, the
// value trimmed and freed of one pair of enclosing quotes; nothing when it is missing.
std::optional<std::string> ProfileRead(const std::string& text, const std::string& section, const std::string& key);

// The text with one value written into it, changing nothing else of the file.
std::string ProfileWrite(const std::string& text, const std::string& section, const std::string& key,
                         const std::string& value);

}  // namespace pv
