#include "lang/language_file.h"

#include "util/encoding.h"
#include "util/paths.h"
#include "util/strings.h"

namespace pv {

TvdlgTransMetaData ReadMetaDataSection(const IniDocument& doc) {
    TvdlgTransMetaData meta;
    for (const auto& f : kMetaDataFields) meta.*f.Field = doc.ReadString(kMetaDataSection, f.Key, "");
    return meta;
}

void WriteMetaDataSection(IniDocument& doc, const TvdlgTransMetaData& meta) {
    for (const auto& f : kMetaDataFields) doc.WriteString(kMetaDataSection, f.Key, meta.*f.Field);
}

std::string EncodeIniValue(std::string_view text) {
    std::string s = ReplaceAll(text, "&", "&amp;");
    s = ReplaceAll(s, "<", "&lt;");
    s = ReplaceAll(s, ">", "&gt;");
    s = ReplaceAll(s, "\r\n", "<NL>");
    s = ReplaceAll(s, "\r", "<#13>");
    s = ReplaceAll(s, "\n", "<#10>");
    s = ReplaceAll(s, std::string_view("\0", 1), "<#0>");
    if (!s.empty() && s[0] == '\t') s.replace(0, 1, "<#9>");
    else if (!s.empty() && s[0] == ' ') s.replace(0, 1, "<#32>");
    return s;
}

std::string DecodeIniValue(std::string_view value) {
    // Most stored values hold no escape at all; they come back without seven copies.
    if (value.find_first_of("<&") == std::string_view::npos) return std::string(value);
    std::string s = ReplaceAll(value, "<NL>", "\r\n");
    s = ReplaceAll(s, "<#13>", "\r");
    s = ReplaceAll(s, "<#10>", "\n");
    s = ReplaceAll(s, "<#9>", "\t");
    s = ReplaceAll(s, "<#32>", " ");
    s = ReplaceAll(s, "<#0>", std::string_view("\0", 1));
    s = ReplaceAll(s, "&amp;", "&");
    s = ReplaceAll(s, "&lt;", "<");
    s = ReplaceAll(s, "&gt;", ">");
    return s;
}

bool IsTranslatableKey(std::string_view section, std::string_view key) {
    constexpr std::string_view kValueSuffix = "__Value";
    if (SameText(section, kMetaDataSection)) return true;
    if (key.find("__") == std::string_view::npos) return true;
    return key.size() >= kValueSuffix.size() && SameText(key.substr(key.size() - kValueSuffix.size()), kValueSuffix);
}

TvdlgLanguageFilePaths LanguageFilePaths(std::string_view cultureFolder, std::string_view logicalName) {
    std::string folder = IncludeTrailingBackslash(cultureFolder);
    if (StartsWithText(logicalName, kUtf8FilePrefix)) return {folder + std::string(logicalName), {}};
    return {folder + std::string(kUtf8FilePrefix) + std::string(logicalName), folder + std::string(logicalName)};
}

IniDocument ParseUtf8LanguageFile(std::string_view bytes) {
    std::string_view text = StripUtf8Bom(bytes);
    // A valid file, the usual case, is parsed in place instead of through a copy.
    if (IsValidUtf8(text)) return IniDocument::Parse(text);
    return IniDocument::Parse(SanitizeUtf8(text));
}

IniDocument ParsePlainLanguageFile(std::string_view bytes, ISystemInfo& system) {
    return IniDocument::Parse(system.FromCodePage(bytes));
}

IniDocument LoadLanguageFile(Platform& platform, const std::string& path, TvdlgLanguageFileEncoding encoding) {
    std::string bytes = platform.Files().ReadAllBytes(path);
    if (encoding == TvdlgLanguageFileEncoding::Utf8) return ParseUtf8LanguageFile(bytes);
    return ParsePlainLanguageFile(bytes, platform.System());
}

}  // namespace pv
