#pragma once
// Conversions between the program's UTF-8 texts and the encodings of the files it reads:
// UTF-16 (the Windows API), Windows-1252 (the code page of the simulated desktop) and
// UTF-8 files with or without a byte order mark.
#include <string>
#include <string_view>

namespace pv {

// Decodes UTF-8; every invalid sequence becomes U+FFFD, so the result is always valid.
std::u16string Utf8ToUtf16(std::string_view s);
std::string Utf16ToUtf8(std::u16string_view s);
// The same text with every invalid UTF-8 sequence replaced by U+FFFD.
std::string SanitizeUtf8(std::string_view s);
bool IsValidUtf8(std::string_view s);

bool HasUtf8Bom(std::string_view bytes);
// Drops a leading byte order mark (only when the text is at least three bytes long).
std::string_view StripUtf8Bom(std::string_view bytes);
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Windows-1252. `lossless` is cleared when a character had no place in the code page and
// became "?".
std::string Utf8ToCp1252(std::string_view s, bool* lossless = nullptr);
std::string Cp1252ToUtf8(std::string_view bytes);

}  // namespace pv
