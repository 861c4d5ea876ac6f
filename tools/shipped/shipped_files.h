#pragma once
// What an installation ships beside pivola.exe that the program's own code can make: the
// English language files, written from the texts every window registers, and the starter
// item store, written by the store's own writer. Both are made on a simulated desktop, so
// they always match the code they come from.
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "util/ini_document.h"
#include "util/strings.h"

namespace pv::shipped {

// One file of the program folder: its path below that folder (with "\") and its bytes.
struct TShippedFile {
    std::string Path;
    std::string Bytes;
};

// The base culture's documents by logical file name, as they stand once the frame has
// started and every window it knows has been opened.
std::map<std::string, IniDocument, TextLess> RegisteredEnglishTexts();

// A language file's bytes: byte order mark, the "MetaData" section first, CR LF lines.
std::string LanguageFileBytes(const IniDocument& doc);

// "trans\en-us\UTF8_program.ini" and its two siblings.
std::vector<TShippedFile> EnglishLanguageFiles();

// "shortcuts\shortcuts.txt" and the icon files beside it: a "System" heading with links
// that exist on every Windows, named through environment references.
std::vector<TShippedFile> StarterStore();

// Writes the files below `folder`, creating folders as needed; throws on failure.
void WriteFiles(const std::filesystem::path& folder, const std::vector<TShippedFile>& files);

}  // namespace pv::shipped
