#pragma once
// Windows-style path texts as the user sees them: "\" separates, "C:" is a drive,
// "\\server\share" a network share. Nothing here touches the disk.
#include <string>
#include <string_view>

namespace pv {

std::string IncludeTrailingBackslash(std::string_view path);
std::string ExcludeTrailingBackslash(std::string_view path);
// Everything up to and including the last "\" (or ":" of a bare drive).
std::string ExtractFilePath(std::string_view path);
// ExtractFilePath without its trailing "\", except that a drive root keeps it ("C:\").
std::string ExtractFileDir(std::string_view path);
std::string ExtractFileName(std::string_view path);
// From the last "." of the part after the last "\"; empty when that part has none.
std::string ExtractFileExt(std::string_view path);
// The file name without its extension.
std::string ExtractFileBase(std::string_view path);
std::string ChangeFileExt(std::string_view path, std::string_view ext);
// "C:" or "\\server\share"; empty when the path has neither.
std::string ExtractFileDrive(std::string_view path);
bool HasDrivePart(std::string_view path);
// Resolves "..\" and ".\" segments in place, as the item store expects of relative paths.
std::string CanonicalizePath(std::string_view path);

}  // namespace pv
