#include "platform/sim/sim_platform.h"

#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <system_error>

#include "platform/profile_text.h"
#include "util/encoding.h"
#include "util/exception.h"
#include "util/paths.h"
#include "util/strings.h"

namespace fs = std::filesystem;

namespace pv::sim {

namespace {

std::vector<std::string> Components(const std::string& abs) {
    std::vector<std::string> parts;
    std::string cur;
    for (char c : abs) {
        if (c == '\\' || c == '/') {
            if (!cur.empty()) parts.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.empty()) parts.push_back(cur);
    return parts;
}

// Windows ignores trailing dots and blanks of a name; the simulated disk does the same so
// that "Tools " and "Tools" are one folder.
std::string NormalizeName(std::string name) {
    while (!name.empty() && (name.back() == '.' || name.back() == ' ') && name != "." && name != "..") name.pop_back();
    return name;
}

}  // namespace

SimFileSystem::SimFileSystem(fs::path root) : root_(std::move(root)) {}

std::string SimFileSystem::Absolute(const std::string& path) const {
    std::string p = path;
    for (char& c : p)
        if (c == '/') c = '\\';
    std::string prefix;  // "C:" or "\\srv\share"
    std::string rest;
    if (StartsWith(p, "\\\\")) {
        prefix = "\\\\";
        rest = p.substr(2);
    } else if (p.size() >= 2 && p[1] == ':') {
        prefix = std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(p[0])))) + ":";
        rest = p.substr(2);
        if (rest.empty() || rest[0] != '\\') rest = "\\" + rest;
    } else if (StartsWith(p, "\\")) {
        // A rooted path means the root of the current drive, or of the current share.
        std::string share = ExtractFileDrive(current_);
        if (StartsWith(share, "\\\\")) return Absolute(share + p);
        prefix = current_.substr(0, 2);
        rest = p;
    } else {
        return Absolute(IncludeBackslash(current_) + p);
    }
    std::vector<std::string> out;
    for (auto& c : Components(rest)) {
        std::string n = NormalizeName(c);
        if (n == "." || n.empty()) continue;
        if (n == "..") {
            if (!out.empty() && !(prefix == "\\\\" && out.size() <= 2)) out.pop_back();
            continue;
        }
        out.push_back(n);
    }
    std::string abs = prefix == "\\\\" ? "\\\\" : prefix + "\\";
    for (size_t i = 0; i < out.size(); ++i) abs += (i ? "\\" : "") + out[i];
    return abs;
}

fs::path SimFileSystem::HostPath(const std::string& path) const {
    std::string abs = Absolute(path);
    fs::path host = root_;
    std::vector<std::string> parts;
    if (StartsWith(abs, "\\\\")) {
        host /= "UNC";
        parts = Components(abs.substr(2));
    } else {
        host /= abs.substr(0, 1);
        parts = Components(abs.substr(2));
    }
    // Mostly every name is spelt as on the disk: one look at the whole path then answers
    // for every folder on the way, instead of one look and one path object per folder.
    {
        std::string whole = host.string();
        for (size_t i = 0; i + 1 < parts.size(); ++i) (whole += '/') += parts[i];
        size_t folderEnd = whole.size();
        if (!parts.empty()) (whole += '/') += parts.back();
        std::error_code ec;
        if (fs::exists(fs::symlink_status(whole, ec))) return fs::path(std::move(whole));
        // A name asked for in a folder spelt as on the disk (a file that is not there, or
        // one in other letters): only the last name needs the folder's index.
        if (!parts.empty()) {
            fs::path folder(whole.substr(0, folderEnd));
            if (fs::is_directory(fs::symlink_status(folder, ec))) {
                const std::string* real = FindFolded(folder, parts.back());
                return folder / (real ? *real : parts.back());
            }
        }
    }
    for (const auto& part : parts) {
        fs::path exact = host / part;
        std::error_code ec;
        if (!fs::exists(fs::symlink_status(exact, ec))) {
            if (const std::string* real = FindFolded(host, part)) exact = host / *real;
        }
        host = exact;
    }
    return host;
}

// Names that differ from an existing entry only in letter case name that entry, as on
// Windows. Each folder's names are indexed once and kept up to date by this file
// system's own changes, so that a folder with thousands of entries is not read again
// for every lookup; a change made past it (a test working on the disk directly) shows
// in the folder's modification time and rebuilds the index.
const std::string* SimFileSystem::FindFolded(const fs::path& dir, const std::string& name) const {
    std::error_code ec;
    auto stamp = fs::last_write_time(dir, ec);
    if (ec) return nullptr;
    std::string key = dir.string();
    auto it = index_.find(key);
    if (it == index_.end() || it->second.Stamp != stamp) {
        FolderIndex fresh;
        fresh.Stamp = stamp;
        for (const auto& e : fs::directory_iterator(dir, ec)) {
            std::string n = e.path().filename().string();
            fresh.Names.emplace(LowerCase(n), n);
        }
        it = index_.insert_or_assign(key, std::move(fresh)).first;
    }
    auto hit = it->second.Names.find(LowerCase(name));
    return hit == it->second.Names.end() ? nullptr : &hit->second;
}

void SimFileSystem::Noted(const fs::path& entry, bool exists) const {
    auto it = index_.find(entry.parent_path().string());
    if (it == index_.end()) return;
    std::error_code ec;
    std::string name = entry.filename().string();
    if (exists) it->second.Names.insert_or_assign(LowerCase(name), name);
    else it->second.Names.erase(LowerCase(name));
    it->second.Stamp = fs::last_write_time(entry.parent_path(), ec);
}

std::string SimFileSystem::IncludeBackslash(const std::string& p) { return p.empty() || p.back() == '\\' ? p : p + "\\"; }

bool SimFileSystem::Matches(const std::set<std::string>& set, const std::string& path) const {
    std::string abs = LowerCase(Absolute(path));
    for (const auto& p : set) {
        if (abs == p) return true;
        if (abs.size() > p.size() && StartsWith(abs, p) && (p.back() == '\\' || abs[p.size()] == '\\')) return true;
    }
    return false;
}

bool SimFileSystem::IsReadOnly(const std::string& path) const { return Matches(readOnly_, path); }

void SimFileSystem::SetReadOnly(const std::string& folder, bool readOnly) {
    std::string key = LowerCase(Absolute(folder));
    if (readOnly) readOnly_.insert(key); else readOnly_.erase(key);
}
void SimFileSystem::SetHidden(const std::string& path, bool hidden) {
    std::string key = LowerCase(Absolute(path));
    if (hidden) hidden_.insert(key);
    else hidden_.erase(key);
}

void SimFileSystem::SetUnreadable(const std::string& file, bool unreadable) {
    std::string key = LowerCase(Absolute(file));
    if (unreadable) unreadable_.insert(key); else unreadable_.erase(key);
}
void SimFileSystem::SetUnwritable(const std::string& file, bool unwritable) {
    std::string key = LowerCase(Absolute(file));
    if (unwritable) unwritable_.insert(key); else unwritable_.erase(key);
}

bool SimFileSystem::FileExists(const std::string& path) {
    if (path.empty()) return false;
    std::error_code ec;
    return fs::is_regular_file(HostPath(path), ec);
}

bool SimFileSystem::DirectoryExists(const std::string& path) {
    if (path.empty()) return false;
    std::error_code ec;
    return fs::is_directory(HostPath(path), ec);
}

bool SimFileSystem::Faulted(const char* op, const std::string& path) { return FaultHook && FaultHook(op, path); }

bool SimFileSystem::CreateDir(const std::string& path) {
    if (path.empty() || IsReadOnly(path) || Faulted("create", path)) return false;
    std::error_code ec;
    fs::path host = HostPath(path);
    if (fs::exists(host, ec) || !fs::is_directory(host.parent_path(), ec)) return false;
    bool made = fs::create_directory(host, ec);
    if (made) Noted(host, true);
    return made;
}

bool SimFileSystem::ForceDirectories(const std::string& path) {
    if (path.empty()) return false;
    std::string abs = Absolute(path);
    if (DirectoryExists(abs)) return true;
    std::string parent = abs.substr(0, abs.find_last_of('\\'));
    bool isRoot = parent.size() <= 2 || (StartsWith(abs, "\\\\") && std::count(abs.begin(), abs.end(), '\\') <= 3);
    if (!isRoot && !ForceDirectories(parent)) return false;
    if (isRoot) {
        std::error_code ec;
        fs::create_directories(HostPath(parent.size() <= 2 ? parent + "\\" : parent), ec);
    }
    return CreateDir(abs) || DirectoryExists(abs);
}

bool SimFileSystem::CopyFile(const std::string& from, const std::string& to, bool failIfExists) {
    if (!FileExists(from) || Matches(unreadable_, from) || IsReadOnly(to) || Matches(unwritable_, to)) return false;
    if (Faulted("copy", to)) return false;
    if (DirectoryExists(to)) return false;
    if (failIfExists && FileExists(to)) return false;
    std::error_code ec;
    fs::path dst = HostPath(to);
    if (!fs::is_directory(dst.parent_path(), ec)) return false;
    bool copied = fs::copy_file(HostPath(from), dst, fs::copy_options::overwrite_existing, ec);
    if (copied) Noted(dst, true);
    return copied;
}

bool SimFileSystem::MoveFile(const std::string& from, const std::string& to, bool replace) {
    if (IsReadOnly(from) || IsReadOnly(to) || Faulted("move", to)) return false;
    std::error_code ec;
    fs::path src = HostPath(from), dst = HostPath(to);
    if (!fs::exists(src, ec) || !fs::is_directory(dst.parent_path(), ec)) return false;
    if (fs::exists(dst, ec) && (!replace || fs::is_directory(dst, ec))) return false;
    fs::rename(src, dst, ec);
    if (ec) return false;
    Noted(src, false);
    Noted(dst, true);
    return true;
}

bool SimFileSystem::DeleteFile(const std::string& path) {
    if (!FileExists(path) || IsReadOnly(path) || Faulted("delete", path)) return false;
    std::error_code ec;
    fs::path host = HostPath(path);
    bool removed = fs::remove(host, ec);
    if (removed) Noted(host, false);
    return removed;
}

bool SimFileSystem::RemoveDir(const std::string& path) {
    if (!DirectoryExists(path) || IsReadOnly(path) || Faulted("remove", path)) return false;
    std::error_code ec;
    fs::path host = HostPath(path);
    bool removed = fs::remove(host, ec);  // fails on a folder that is not empty
    if (removed) Noted(host, false);
    return removed;
}

std::vector<DirEntry> SimFileSystem::ListDir(const std::string& path) {
    std::vector<DirEntry> out;
    std::error_code ec;
    fs::path host = HostPath(path);
    if (!fs::is_directory(host, ec)) return out;
    const std::string folder = LowerCase(IncludeBackslash(Absolute(path)));
    for (const auto& e : fs::directory_iterator(host, ec)) {
        std::error_code ec2;
        std::string name = e.path().filename().string();
        bool hidden = !hidden_.empty() && hidden_.count(folder + LowerCase(name)) > 0;
        out.push_back({name, e.is_directory(ec2), hidden});
    }
    std::sort(out.begin(), out.end(), [](const DirEntry& a, const DirEntry& b) { return CompareText(a.Name, b.Name) < 0; });
    return out;
}

std::string SimFileSystem::DirectoryIdentity(const std::string& path) {
    // The device and node of the folder the links lead to, as the system's own file
    // identity is: one look, where resolving the whole path would read every link on it.
    struct stat info {};
    if (::stat(HostPath(path).c_str(), &info) != 0) return std::string();
    return std::to_string(info.st_dev) + ":" + std::to_string(info.st_ino);
}

std::string SimFileSystem::ReadAllBytes(const std::string& path) {
    if (!FileExists(path) || Matches(unreadable_, path))
        throw EFOpenError("Cannot open file \"" + Absolute(path) + "\". The system cannot open the file.");
    std::ifstream in(HostPath(path), std::ios::binary);
    if (!in) throw EFOpenError("Cannot open file \"" + Absolute(path) + "\".");
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string SimFileSystem::ReadFileHead(const std::string& path, size_t maxBytes) {
    if (!FileExists(path) || Matches(unreadable_, path)) return {};
    std::ifstream in(HostPath(path), std::ios::binary);
    std::string head(maxBytes, '\0');
    in.read(head.data(), static_cast<std::streamsize>(maxBytes));
    head.resize(static_cast<size_t>(in.gcount()));
    return head;
}

std::string SimFileSystem::ReadFileTail(const std::string& path, size_t maxBytes) {
    if (!FileExists(path) || Matches(unreadable_, path)) return {};
    std::ifstream in(HostPath(path), std::ios::binary | std::ios::ate);
    std::streamoff size = in.tellg();
    if (size < 0) return {};
    std::streamoff from = size > static_cast<std::streamoff>(maxBytes) ? size - static_cast<std::streamoff>(maxBytes) : 0;
    in.seekg(from);
    std::string tail(static_cast<size_t>(size - from), '\0');
    in.read(tail.data(), static_cast<std::streamsize>(tail.size()));
    tail.resize(static_cast<size_t>(in.gcount()));
    return tail;
}

void SimFileSystem::WriteAllBytes(const std::string& path, std::string_view bytes) {
    std::error_code ec;
    fs::path host = HostPath(path);
    if (IsReadOnly(path) || !fs::is_directory(host.parent_path(), ec) || fs::is_directory(host, ec))
        throw EFCreateError("Cannot create file \"" + Absolute(path) + "\". Access is denied.");
    if (Matches(unwritable_, path) || Faulted("write", path)) throw EWriteError("Stream write error");
    std::ofstream out(host, std::ios::binary | std::ios::trunc);
    if (!out) throw EFCreateError("Cannot create file \"" + Absolute(path) + "\".");
    Noted(host, true);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw EWriteError("Stream write error");
}

void SimFileSystem::AppendAllBytes(const std::string& path, std::string_view bytes) {
    std::error_code ec;
    fs::path host = HostPath(path);
    if (IsReadOnly(path) || !fs::is_directory(host.parent_path(), ec) || fs::is_directory(host, ec))
        throw EFCreateError("Cannot create file \"" + Absolute(path) + "\". Access is denied.");
    if (Matches(unwritable_, path) || Faulted("append", path)) throw EWriteError("Stream write error");
    std::ofstream out(host, std::ios::binary | std::ios::app);
    if (!out) throw EFCreateError("Cannot create file \"" + Absolute(path) + "\".");
    Noted(host, true);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw EWriteError("Stream write error");
}

std::string SimFileSystem::GetCurrentDir() {
    std::string c = current_;
    if (c.size() > 3 && c.back() == '\\') c.pop_back();
    return c;
}

bool SimFileSystem::SetCurrentDir(const std::string& path) {
    if (!DirectoryExists(path)) return false;
    current_ = Absolute(path);
    return true;
}

std::string SimFileSystem::GetProfileString(const std::string& file, const std::string& section,
                                            const std::string& key, const std::string& def) {
    if (!FileExists(file) || Matches(unreadable_, file)) return def;
    std::string bytes = ReadAllBytes(file);
    std::string text = HasUtf8Bom(bytes) ? bytes.substr(kUtf8Bom.size()) : Cp1252ToUtf8(bytes);
    return ProfileRead(text, section, key).value_or(def);
}

bool SimFileSystem::WriteProfileString(const std::string& file, const std::string& section, const std::string& key,
                                       const std::string& value) {
    try {
        std::string bytes = FileExists(file) ? ReadAllBytes(file) : std::string();
        if (HasUtf8Bom(bytes)) {
            std::string text = ProfileWrite(bytes.substr(kUtf8Bom.size()), section, key, value);
            WriteAllBytes(file, std::string(kUtf8Bom) + text);
        } else {
            WriteAllBytes(file, Utf8ToCp1252(ProfileWrite(Cp1252ToUtf8(bytes), section, key, value)));
        }
        return true;
    } catch (const Exception&) {
        return false;
    }
}

void SimFileSystem::PutFile(const std::string& path, std::string_view bytes) {
    fs::path host = HostPath(path);
    fs::create_directories(host.parent_path());
    index_.clear();
    std::ofstream out(host, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string SimFileSystem::GetFile(const std::string& path) const {
    std::ifstream in(HostPath(path), std::ios::binary);
    if (!in) return {};
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool SimFileSystem::IsNetworkPath(const std::string& path) {
    if (path.size() >= 2 && (path[0] == '\\' || path[0] == '/') && (path[1] == '\\' || path[1] == '/')) return true;
    if (path.size() >= 2 && path[1] == ':') return NetworkDrives.count(static_cast<char>(std::toupper(path[0]))) > 0;
    return false;
}

}  // namespace pv::sim
