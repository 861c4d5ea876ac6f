#include "platform/file_tools.h"

#include <set>

#include "util/encoding.h"
#include "util/exception.h"
#include "util/paths.h"
#include "util/strings.h"

namespace pv {

namespace {
void Walk(IFileSystem& files, const std::string& folder, const std::string& rel, std::set<std::string>& open,
          std::vector<TreeEntry>& out) {
    std::string id = files.DirectoryIdentity(folder);
    if (!id.empty() && !open.insert(id).second) return;
    for (const auto& e : files.ListDir(folder)) {
        std::string childRel = rel.empty() ? e.Name : rel + "\\" + e.Name;
        out.push_back({childRel, e.IsDirectory});
        if (e.IsDirectory) Walk(files, IncludeTrailingBackslash(folder) + e.Name, childRel, open, out);
    }
    if (!id.empty()) open.erase(id);
}
}  // namespace

std::vector<TreeEntry> ListRecursive(IFileSystem& files, const std::string& folder) {
    std::vector<TreeEntry> out;
    std::set<std::string> open;
    if (files.DirectoryExists(folder)) Walk(files, ExcludeTrailingBackslash(folder), "", open, out);
    return out;
}

bool CopyFolderTree(IFileSystem& files, const std::string& from, const std::string& to) {
    std::string target = ExcludeTrailingBackslash(to);
    bool all = files.DirectoryExists(target) || files.ForceDirectories(target);
    std::string source = ExcludeTrailingBackslash(from);
    for (const TreeEntry& e : ListRecursive(files, source)) {
        std::string dst = target + "\\" + e.RelativePath;
        if (e.IsDirectory) all = (files.DirectoryExists(dst) || files.CreateDir(dst)) && all;
        else all = files.CopyFile(source + "\\" + e.RelativePath, dst, false) && all;
    }
    return all;
}

bool SameFolderTree(IFileSystem& files, const std::string& a, const std::string& b) {
    if (!files.DirectoryExists(a) || !files.DirectoryExists(b)) return false;
    std::vector<TreeEntry> left = ListRecursive(files, a), right = ListRecursive(files, b);
    if (left.size() != right.size()) return false;
    std::set<std::string> names;
    for (const TreeEntry& e : right) names.insert(LowerCase(e.RelativePath) + (e.IsDirectory ? "\\" : ""));
    std::string rootA = ExcludeTrailingBackslash(a) + "\\", rootB = ExcludeTrailingBackslash(b) + "\\";
    for (const TreeEntry& e : left) {
        if (!names.count(LowerCase(e.RelativePath) + (e.IsDirectory ? "\\" : ""))) return false;
        if (e.IsDirectory) continue;
        try {
            if (files.ReadAllBytes(rootA + e.RelativePath) != files.ReadAllBytes(rootB + e.RelativePath)) return false;
        } catch (const Exception&) {
            return false;
        }
    }
    return true;
}

bool DeleteFolderContents(IFileSystem& files, const std::string& folder) {
    std::string root = ExcludeTrailingBackslash(folder) + "\\";
    std::vector<TreeEntry> entries = ListRecursive(files, folder);
    // Parents are listed before their contents: backwards, a folder comes after them.
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        std::string path = root + it->RelativePath;
        if (it->IsDirectory) files.RemoveDir(path);
        else files.DeleteFile(path);
    }
    return ListRecursive(files, folder).empty();
}

std::string DecodeCodePageText(Platform& platform, std::string_view bytes) {
    if (HasUtf8Bom(bytes)) return SanitizeUtf8(StripUtf8Bom(bytes));
    return platform.System().FromCodePage(bytes);
}

std::string EncodeCodePageText(Platform& platform, std::string_view text) {
    bool lossless = true;
    std::string bytes = platform.System().ToCodePage(text, &lossless);
    // Code-page bytes that begin like a byte order mark would be read back as UTF-8.
    if (lossless && !HasUtf8Bom(bytes)) return bytes;
    std::string utf8(kUtf8Bom);
    utf8.append(text);
    return utf8;
}

std::string ReadCodePageText(Platform& platform, const std::string& path) {
    return DecodeCodePageText(platform, platform.Files().ReadAllBytes(path));
}

void AppendCodePageText(Platform& platform, const std::string& path, std::string_view text) {
    IFileSystem& files = platform.Files();
    bool exists = files.FileExists(path);
    std::string head = exists ? files.ReadFileHead(path, 3) : std::string();
    if (HasUtf8Bom(head)) {
        files.AppendAllBytes(path, text);
        return;
    }
    bool lossless = true;
    std::string bytes = platform.System().ToCodePage(text, &lossless);
    if (lossless && !HasUtf8Bom(head + bytes.substr(0, 3))) {
        files.AppendAllBytes(path, bytes);
        return;
    }
    std::string whole(kUtf8Bom);
    if (exists) whole += platform.System().FromCodePage(files.ReadAllBytes(path));
    whole.append(text);
    files.WriteAllBytes(path, whole);
}

void WriteCodePageText(Platform& platform, const std::string& path, std::string_view text) {
    platform.Files().WriteAllBytes(path, EncodeCodePageText(platform, text));
}

void ReplaceCodePageText(Platform& platform, const std::string& path, std::string_view text) {
    std::string fresh = path + ".new";
    WriteCodePageText(platform, fresh, text);
    if (!platform.Files().MoveFile(fresh, path, true)) {
        platform.Files().DeleteFile(fresh);
        throw EFCreateError("Cannot create file \"" + path + "\".");
    }
}

}  // namespace pv
