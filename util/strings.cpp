#include "util/strings.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace pv {

namespace {

bool IsBlank(unsigned char c) { return c <= 32; }

// Folds one code point of ASCII or Latin-1 to lower or upper case.
char32_t FoldLower(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    return c;
}
char32_t FoldUpper(char32_t c) {
    if (c >= 'a' && c <= 'z') return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
    return c;
}

// Latin-1 letters are two-byte sequences C3 80..C3 9E / C3 A0..C3 BE; everything else
// passes through unchanged, so invalid UTF-8 never breaks the folding.
template <typename Fold>
std::string MapCase(std::string_view s, Fold fold) {
    std::string out(s);
    for (size_t i = 0; i < out.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(out[i]);
        if (c < 0x80) {
            out[i] = static_cast<char>(fold(c));
        } else if (c == 0xC3 && i + 1 < out.size()) {
            unsigned char d = static_cast<unsigned char>(out[i + 1]);
            if (d >= 0x80 && d <= 0xBF) {
                char32_t cp = 0xC0 + (d - 0x80);
                cp = fold(cp);
                out[i + 1] = static_cast<char>(0x80 + (cp - 0xC0));
                ++i;
            }
        }
    }
    return out;
}

// Reads one folded unit for comparison: ASCII bytes and Latin-1 pairs fold, other bytes
// compare as they are.
char32_t NextFolded(std::string_view s, size_t& i) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    if (c == 0xC3 && i + 1 < s.size()) {
        unsigned char d = static_cast<unsigned char>(s[i + 1]);
        if (d >= 0x80 && d <= 0xBF) {
            i += 2;
            return FoldLower(0xC0 + (d - 0x80)) + 0x100000;  // keep apart from single bytes
        }
    }
    ++i;
    return c < 0x80 ? FoldLower(c) : c;
}

}  // namespace

std::string Trim(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && IsBlank(static_cast<unsigned char>(s[b]))) ++b;
    while (e > b && IsBlank(static_cast<unsigned char>(s[e - 1]))) --e;
    return std::string(s.substr(b, e - b));
}
std::string TrimLeft(std::string_view s) {
    size_t b = 0;
    while (b < s.size() && IsBlank(static_cast<unsigned char>(s[b]))) ++b;
    return std::string(s.substr(b));
}
std::string TrimRight(std::string_view s) {
    size_t e = s.size();
    while (e > 0 && IsBlank(static_cast<unsigned char>(s[e - 1]))) --e;
    return std::string(s.substr(0, e));
}

std::string LowerCase(std::string_view s) { return MapCase(s, FoldLower); }
std::string UpperCase(std::string_view s) { return MapCase(s, FoldUpper); }

int CompareText(std::string_view a, std::string_view b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        char32_t x = NextFolded(a, i), y = NextFolded(b, j);
        if (x != y) return x < y ? -1 : 1;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return 0;
}
bool SameText(std::string_view a, std::string_view b) {
    return CompareText(a, b) == 0;
}

bool StartsWith(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }
bool EndsWith(std::string_view s, std::string_view x) {
    return s.size() >= x.size() && s.substr(s.size() - x.size()) == x;
}
bool StartsWithText(std::string_view s, std::string_view p) {
    return s.size() >= p.size() && SameText(s.substr(0, p.size()), p);
}
bool Contains(std::string_view s, std::string_view part) { return s.find(part) != std::string_view::npos; }

size_t FindText(std::string_view s, std::string_view part, size_t from) {
    if (part.empty()) return from <= s.size() ? from : std::string_view::npos;
    // Case folding keeps byte lengths for ASCII and Latin-1, so lowered copies align.
    std::string ls = LowerCase(s), lp = LowerCase(part);
    return ls.find(lp, from);
}

std::string ReplaceAll(std::string_view s, std::string_view from, std::string_view to) {
    if (from.empty()) return std::string(s);
    std::string out;
    out.reserve(s.size());
    size_t pos = 0;
    while (true) {
        size_t hit = s.find(from, pos);
        if (hit == std::string_view::npos) break;
        out.append(s.substr(pos, hit - pos));
        out.append(to);
        pos = hit + from.size();
    }
    out.append(s.substr(pos));
    return out;
}

std::string ReplaceAllText(std::string_view s, std::string_view from, std::string_view to) {
    if (from.empty()) return std::string(s);
    std::string ls = LowerCase(s), lf = LowerCase(from);
    std::string out;
    size_t pos = 0;
    while (true) {
        size_t hit = ls.find(lf, pos);
        if (hit == std::string::npos) break;
        out.append(s.substr(pos, hit - pos));
        out.append(to);
        pos = hit + from.size();
    }
    out.append(s.substr(pos));
    return out;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0, i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

std::vector<std::string> Split(std::string_view s, char sep) {
    std::vector<std::string> out;
    size_t start = 0;
    while (true) {
        size_t hit = s.find(sep, start);
        if (hit == std::string_view::npos) {
            out.emplace_back(s.substr(start));
            return out;
        }
        out.emplace_back(s.substr(start, hit - start));
        start = hit + 1;
    }
}

std::string Join(const std::vector<std::string>& parts, std::string_view sep) {
    std::string out;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i) out.append(sep);
        out.append(parts[i]);
    }
    return out;
}

std::string IntToStr(int64_t v) { return std::to_string(v); }

std::optional<int64_t> TryStrToInt64(std::string_view s) {
    std::string t = Trim(s);
    std::string_view v = t;
    bool neg = false;
    if (!v.empty() && (v[0] == '-' || v[0] == '+')) {
        neg = v[0] == '-';
        v.remove_prefix(1);
    }
    int base = 10;
    if (v.size() > 2 && v[0] == '0' && (v[1] == 'x' || v[1] == 'X')) {
        base = 16;
        v.remove_prefix(2);
    } else if (v.size() > 1 && v[0] == '$') {
        base = 16;
        v.remove_prefix(1);
    }
    if (v.empty()) return std::nullopt;
    uint64_t mag = 0;
    auto [p, ec] = std::from_chars(v.data(), v.data() + v.size(), mag, base);
    if (ec != std::errc() || p != v.data() + v.size()) return std::nullopt;
    if (base == 16 && !neg) {
        // Hexadecimal texts may spell a negative 32- or 64-bit value ($FFFFFFFF).
        return static_cast<int64_t>(mag);
    }
    if (mag > static_cast<uint64_t>(std::numeric_limits<int64_t>::max()) + (neg ? 1 : 0))
        return std::nullopt;
    return neg ? static_cast<int64_t>(0 - mag) : static_cast<int64_t>(mag);
}

std::optional<int32_t> TryStrToInt(std::string_view s) {
    auto v = TryStrToInt64(s);
    if (!v) return std::nullopt;
    std::string t = Trim(s);
    bool hex = t.find_first_of("xX$") != std::string::npos;
    if (hex && *v >= 0 && *v <= 0xFFFFFFFFLL) return static_cast<int32_t>(static_cast<uint32_t>(*v));
    if (*v < std::numeric_limits<int32_t>::min() || *v > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(*v);
}

std::string KeepAlphaNumeric(std::string_view s) {
    std::string out;
    for (char c : s)
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) out += c;
    return out;
}

}  // namespace pv

namespace pv {
size_t TextHash::operator()(std::string_view s) const {
    size_t h = 1469598103934665603ull;
    for (size_t i = 0; i < s.size();) {
        char32_t c = NextFolded(s, i);
        h = (h ^ static_cast<size_t>(c)) * 1099511628211ull;
    }
    return h;
}
}  // namespace pv
