#pragma once
// Walks built on the file-system service, shared by both backends.
#include <string>
#include <vector>

#include "platform/platform.h"

namespace pv {

struct TreeEntry {
    std::string RelativePath;  // below the listed folder, "\"-separated
    bool IsDirectory = false;
};

// Every file and folder below `folder`, parents before their contents. A folder that
// leads back to one it is already inside (a junction or link loop) is listed but not
// entered again.
std::vector<TreeEntry> ListRecursive(IFileSystem& files, const std::string& folder);

// Copies every file and folder below `from` to the same place below `to` (created when
// missing), overwriting files there. True when every one was copied.
bool CopyFolderTree(IFileSystem& files, const std::string& from, const std::string& to);
// Whether two folders hold the same folders and files with the same bytes.
bool SameFolderTree(IFileSystem& files, const std::string& a, const std::string& b);
// Deletes everything below `folder`, the folder itself stays; contents first, so that a
// folder is empty when it goes. True when nothing is left inside.
bool DeleteFolderContents(IFileSystem& files, const std::string& folder);

// The text of a file in the system's code page, as UTF-8; a text that starts with a UTF-8
// byte order mark is taken as UTF-8 instead (the program writes such a file when the code
// page cannot hold its text).
std::string ReadCodePageText(Platform& platform, const std::string& path);
// Writes UTF-8 text in the code page; when the code page cannot hold it, as UTF-8 with a
// byte order mark, so that nothing is destroyed.
void WriteCodePageText(Platform& platform, const std::string& path, std::string_view text);
// The same, but the file is replaced in one step: the text goes to a file beside it
// first, so that a write that breaks off leaves the old file or the new one, never half
// of one. Raises EFCreateError when the file cannot be written.
void ReplaceCodePageText(Platform& platform, const std::string& path, std::string_view text);
// The bytes WriteCodePageText would write.
std::string EncodeCodePageText(Platform& platform, std::string_view text);
std::string DecodeCodePageText(Platform& platform, std::string_view bytes);
// Appends UTF-8 text to a file kept in the code page. A file that already is UTF-8 (it
// starts with the byte order mark) gets UTF-8; a text the code page cannot hold turns
// the file into UTF-8 once, so that neither the new nor the earlier lines are destroyed.
void AppendCodePageText(Platform& platform, const std::string& path, std::string_view text);

}  // namespace pv
