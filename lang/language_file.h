#pragma once
// Language files: the INI files below the translation folder that hold every text the user
// sees, one folder per culture. This header owns what a single file means on its own: the
// escapes of a stored value, how the bytes of a file become an in-memory document, which
// keys a translator translates, how a logical file name maps onto paths, and the metadata
// record. Caching and fallback between cultures belong to TvdlgLanguageController.
#include <array>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "util/ini_document.h"

namespace pv {

// The ten values of a language file's "MetaData" section, in the order of the file.
struct TvdlgTransMetaData {
    std::string Lingua_ID;  // the culture code the file is for
    std::string Lingua_Desc;
    std::string Author_Name;
    std::string Author_Email;
    std::string Author_WebUrl;
    std::string Author_ThanksTo;
    std::string Author_Comments;
    std::string Document_LastUpdateDate;  // yyyy-mm-dd hh:mm:ss
    std::string Document_LastUpdateProgram;
    std::string Document_LastUpdateVersion;

    bool operator==(const TvdlgTransMetaData&) const = default;
};

inline constexpr std::string_view kMetaDataSection = "MetaData";

struct TvdlgMetaDataField {
    std::string_view Key;
    std::string TvdlgTransMetaData::*Field;
};
// Key names and record fields side by side, so that reading and writing keep one order.
inline constexpr std::array<TvdlgMetaDataField, 10> kMetaDataFields{{
    {"Lingua_ID", &TvdlgTransMetaData::Lingua_ID},
    {"Lingua_Desc", &TvdlgTransMetaData::Lingua_Desc},
    {"Author_Name", &TvdlgTransMetaData::Author_Name},
    {"Author_Email", &TvdlgTransMetaData::Author_Email},
    {"Author_WebUrl", &TvdlgTransMetaData::Author_WebUrl},
    {"Author_ThanksTo", &TvdlgTransMetaData::Author_ThanksTo},
    {"Author_Comments", &TvdlgTransMetaData::Author_Comments},
    {"Document_LastUpdateDate", &TvdlgTransMetaData::Document_LastUpdateDate},
    {"Document_LastUpdateProgram", &TvdlgTransMetaData::Document_LastUpdateProgram},
    {"Document_LastUpdateVersion", &TvdlgTransMetaData::Document_LastUpdateVersion},
}};

// Metadata values are stored as they are, without the value escapes.
TvdlgTransMetaData ReadMetaDataSection(const IniDocument& doc);
void WriteMetaDataSection(IniDocument& doc, const TvdlgTransMetaData& meta);

// Values are trimmed when a file is read, so line breaks, a leading blank, NUL and the
// escape characters themselves are stored escaped. The order of the replacements is part
// of the file format: existing files decode "&amp;lt;" to "<".
std::string EncodeIniValue(std::string_view text);
std::string DecodeIniValue(std::string_view value);

// Translators translate metadata, plain names and "__Value" keys; the other keys (the
// "__Template" names) are structure and keep the English value.
bool IsTranslatableKey(std::string_view section, std::string_view key);

inline constexpr std::string_view kUtf8FilePrefix = "UTF8_";

// The files a logical name stands for inside one culture folder. A name with the "UTF8_"
// prefix names its UTF-8 file only; a bare name names a UTF-8 variant with the prefix
// (preferred) and a plain 8-bit variant without it.
struct TvdlgLanguageFilePaths {
    std::string Utf8;
    std::string Plain;  // empty when the name has no plain variant
};
TvdlgLanguageFilePaths LanguageFilePaths(std::string_view cultureFolder, std::string_view logicalName);

// A UTF-8 file loses its byte order mark and has broken sequences replaced by U+FFFD;
// the content never makes a file fail to load.
IniDocument ParseUtf8LanguageFile(std::string_view bytes);
// A plain variant is in the system's 8-bit code page and is converted to UTF-8 first.
IniDocument ParsePlainLanguageFile(std::string_view bytes, ISystemInfo& system);

enum class TvdlgLanguageFileEncoding { Utf8, Plain };
// Raises EFOpenError when the file cannot be opened.
IniDocument LoadLanguageFile(Platform& platform, const std::string& path, TvdlgLanguageFileEncoding encoding);

}  // namespace pv
