#include "util/encoding.h"

namespace pv {

namespace {

// Decodes one code point at `i`; returns U+FFFD and advances one byte for a broken sequence.
char32_t DecodeOne(std::string_view s, size_t& i) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
        ++i;
        return c;
    }
    int len = 0;
    char32_t cp = 0, min = 0;
    if ((c & 0xE0) == 0xC0) { len = 2; cp = c & 0x1F; min = 0x80; }
    else if ((c & 0xF0) == 0xE0) { len = 3; cp = c & 0x0F; min = 0x800; }
    else if ((c & 0xF8) == 0xF0) { len = 4; cp = c & 0x07; min = 0x10000; }
    else { ++i; return 0xFFFD; }
    if (i + len > s.size()) { ++i; return 0xFFFD; }
    for (int k = 1; k < len; ++k) {
        unsigned char d = static_cast<unsigned char>(s[i + k]);
        if ((d & 0xC0) != 0x80) { ++i; return 0xFFFD; }
        cp = (cp << 6) | (d & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) { ++i; return 0xFFFD; }
    i += len;
    return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) out += static_cast<char>(cp);
    else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Windows-1252 positions 0x80..0x9F; 0 marks the five unassigned ones.
const char16_t kCp1252High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                  0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

std::u16string Utf8ToUtf16(std::string_view s) {
    std::u16string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        char32_t cp = DecodeOne(s, i);
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        char32_t c = s[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        AppendUtf8(out, c);
    }
    return out;
}

std::string SanitizeUtf8(std::string_view s) {
    if (IsValidUtf8(s)) return std::string(s);
    std::string out;
    out.reserve(s.size() + 8);
    for (size_t i = 0; i < s.size();) AppendUtf8(out, DecodeOne(s, i));
    return out;
}

bool IsValidUtf8(std::string_view s) {
    for (size_t i = 0; i < s.size();) {
        if (static_cast<unsigned char>(s[i]) < 0x80) {
            ++i;
            continue;
        }
        size_t before = i;
        char32_t cp = DecodeOne(s, i);
        if (cp == 0xFFFD && i == before + 1) return false;
    }
    return true;
}

bool HasUtf8Bom(std::string_view bytes) { return bytes.size() >= 3 && bytes.substr(0, 3) == kUtf8Bom; }
std::string_view StripUtf8Bom(std::string_view bytes) { return HasUtf8Bom(bytes) ? bytes.substr(3) : bytes; }

std::string Utf8ToCp1252(std::string_view s, bool* lossless) {
    if (lossless) *lossless = true;
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        size_t before = i;
        char32_t cp = DecodeOne(s, i);
        bool broken = cp == 0xFFFD && i == before + 1;
        if (!broken && (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))) {
            out += static_cast<char>(cp);
            continue;
        }
        int found = -1;
        for (int k = 0; k < 32 && !broken; ++k)
            if (kCp1252High[k] && kCp1252High[k] == cp) found = k;
        // The five unassigned positions read as the control characters of the same number,
        // so they are written back as those bytes.
        if (!broken && cp >= 0x80 && cp < 0xA0 && !kCp1252High[cp - 0x80]) found = static_cast<int>(cp - 0x80);
        if (found >= 0) {
            out += static_cast<char>(0x80 + found);
        } else {
            out += '?';
            if (lossless) *lossless = false;
        }
    }
    return out;
}

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (unsigned char c : bytes) {
        char32_t cp = c;
        if (c >= 0x80 && c < 0xA0) cp = kCp1252High[c - 0x80] ? kCp1252High[c - 0x80] : c;
        AppendUtf8(out, cp);
    }
    return out;
}

}  // namespace pv
