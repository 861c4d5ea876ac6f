#include "platform/win32/win32_common.h"
#include "platform/win32/win32_files.h"

#include <algorithm>

#include "platform/profile_text.h"
#include "util/encoding.h"
#include "util/exception.h"
#include "util/paths.h"

namespace pv::win32 {

namespace {
DWORD Attributes(const std::string& path) {
    if (path.empty()) return INVALID_FILE_ATTRIBUTES;
    return GetFileAttributesW(Wide(path).c_str());
}

class Handle {
public:
    explicit Handle(HANDLE h) : h_(h) {}
    ~Handle() {
        if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return h_; }
    bool ok() const { return h_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE h_;
};

void WriteAll(HANDLE h, std::string_view bytes, const std::string& path) {
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(h, bytes.data() + done, chunk, &written, nullptr) || written == 0)
            throw EWriteError("Stream write error: " + path + ". " + LastErrorText());
        done += written;
    }
}
}  // namespace

bool Win32FileSystem::FileExists(const std::string& path) {
    DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::DirectoryExists(const std::string& path) {
    DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::CreateDir(const std::string& path) {
    return !path.empty() && CreateDirectoryW(Wide(ExcludeTrailingBackslash(path)).c_str(), nullptr);
}

bool Win32FileSystem::ForceDirectories(const std::string& path) {
    std::string p = ExcludeTrailingBackslash(path);
    if (p.empty()) return false;
    if (DirectoryExists(p)) return true;
    if (p.size() == 2 && p[1] == ':') return DirectoryExists(p + "\\");
    std::string parent = ExtractFileDir(p);
    if (!parent.empty() && parent != p && !DirectoryExists(parent) && !ForceDirectories(parent)) return false;
    return CreateDir(p) || DirectoryExists(p);
}

bool Win32FileSystem::CopyFile(const std::string& from, const std::string& to, bool failIfExists) {
    return CopyFileW(Wide(from).c_str(), Wide(to).c_str(), failIfExists ? TRUE : FALSE);
}

bool Win32FileSystem::MoveFile(const std::string& from, const std::string& to, bool replace) {
    DWORD flags = MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
    return MoveFileExW(Wide(from).c_str(), Wide(to).c_str(), flags);
}

bool Win32FileSystem::DeleteFile(const std::string& path) { return DeleteFileW(Wide(path).c_str()); }

bool Win32FileSystem::RemoveDir(const std::string& path) {
    return RemoveDirectoryW(Wide(ExcludeTrailingBackslash(path)).c_str());
}

std::vector<DirEntry> Win32FileSystem::ListDir(const std::string& path) {
    std::vector<DirEntry> out;
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW(Wide(IncludeTrailingBackslash(path) + "*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return out;
    do {
        std::string name = Narrow(fd.cFileName);
        if (name == "." || name == "..") continue;
        out.push_back({name, (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                       (fd.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0});
    } while (FindNextFileW(h, &fd));
    FindClose(h);
    return out;
}

bool Win32FileSystem::IsNetworkPath(const std::string& path) {
    auto slash = [](char c) { return c == '\\' || c == '/'; };
    if (path.size() >= 2 && slash(path[0]) && slash(path[1])) return true;
    if (path.size() >= 2 && path[1] == ':') {
        // The drive's type comes from the system's table of drives, not from the drive.
        wchar_t root[4] = {static_cast<wchar_t>(path[0]), L':', L'\\', 0};
        return GetDriveTypeW(root) == DRIVE_REMOTE;
    }
    return false;
}

std::string Win32FileSystem::DirectoryIdentity(const std::string& path) {
    Handle h(CreateFileW(Wide(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!h.ok()) return {};
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(h.get(), &info)) return {};
    return std::to_string(info.dwVolumeSerialNumber) + ":" + std::to_string(info.nFileIndexHigh) + ":" +
           std::to_string(info.nFileIndexLow);
}

std::string Win32FileSystem::ReadAllBytes(const std::string& path) {
    Handle h(CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!h.ok()) throw EFOpenError("Cannot open file \"" + path + "\". " + LastErrorText());
    LARGE_INTEGER size;
    if (!GetFileSizeEx(h.get(), &size)) throw EReadError("Stream read error: " + path);
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
        if (!ReadFile(h.get(), bytes.data() + done, chunk, &got, nullptr)) throw EReadError("Stream read error: " + path);
        if (got == 0) break;
        done += got;
    }
    bytes.resize(done);
    return bytes;
}

std::string Win32FileSystem::ReadFileHead(const std::string& path, size_t maxBytes) {
    Handle h(CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!h.ok()) return {};
    std::string head(maxBytes, '\0');
    DWORD got = 0;
    if (!ReadFile(h.get(), head.data(), static_cast<DWORD>(maxBytes), &got, nullptr)) return {};
    head.resize(got);
    return head;
}

std::string Win32FileSystem::ReadFileTail(const std::string& path, size_t maxBytes) {
    Handle h(CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!h.ok()) return {};
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(h.get(), &size)) return {};
    LONGLONG take = std::min<LONGLONG>(size.QuadPart, static_cast<LONGLONG>(maxBytes));
    LARGE_INTEGER from{};
    from.QuadPart = size.QuadPart - take;
    if (!SetFilePointerEx(h.get(), from, nullptr, FILE_BEGIN)) return {};
    std::string tail(static_cast<size_t>(take), '\0');
    DWORD got = 0;
    if (!ReadFile(h.get(), tail.data(), static_cast<DWORD>(take), &got, nullptr)) return {};
    tail.resize(got);
    return tail;
}

void Win32FileSystem::WriteAllBytes(const std::string& path, std::string_view bytes) {
    Handle h(CreateFileW(Wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!h.ok()) throw EFCreateError("Cannot create file \"" + path + "\". " + LastErrorText());
    WriteAll(h.get(), bytes, path);
}

void Win32FileSystem::AppendAllBytes(const std::string& path, std::string_view bytes) {
    Handle h(CreateFileW(Wide(path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!h.ok()) throw EFCreateError("Cannot create file \"" + path + "\". " + LastErrorText());
    WriteAll(h.get(), bytes, path);
}

std::string Win32FileSystem::GetCurrentDir() {
    DWORD n = GetCurrentDirectoryW(0, nullptr);
    std::wstring buf(n, L'\0');
    n = GetCurrentDirectoryW(n, buf.data());
    buf.resize(n);
    return Narrow(buf);
}

bool Win32FileSystem::SetCurrentDir(const std::string& path) { return SetCurrentDirectoryW(Wide(path).c_str()); }

// The system's profile calls read a UTF-8 byte order mark as part of the first line, so they
// never find the first section of such a file; files with the mark are read and written by
// the same rules here instead. Other files stay with the system, encodings and all.
bool Win32FileSystem::IsUtf8Profile(const std::string& file) { return HasUtf8Bom(ReadFileHead(file, 3)); }

std::string Win32FileSystem::GetProfileString(const std::string& file, const std::string& section,
                                              const std::string& key, const std::string& def) {
    if (IsUtf8Profile(file)) {
        try {
            return ProfileRead(ReadAllBytes(file).substr(kUtf8Bom.size()), section, key).value_or(def);
        } catch (const Exception&) {
            return def;
        }
    }
    std::wstring wf = Wide(file), ws = Wide(section), wk = Wide(key), wd = Wide(def);
    std::wstring buf(512, L'\0');
    while (true) {
        DWORD n = GetPrivateProfileStringW(ws.c_str(), wk.c_str(), wd.c_str(), buf.data(), static_cast<DWORD>(buf.size()),
                                           wf.c_str());
        if (n < buf.size() - 1 || buf.size() > (1u << 20)) {
            buf.resize(n);
            return Narrow(buf);
        }
        buf.resize(buf.size() * 2);
    }
}

bool Win32FileSystem::WriteProfileString(const std::string& file, const std::string& section, const std::string& key,
                                         const std::string& value) {
    if (IsUtf8Profile(file)) {
        try {
            std::string text = ProfileWrite(ReadAllBytes(file).substr(kUtf8Bom.size()), section, key, value);
            WriteAllBytes(file, std::string(kUtf8Bom) + text);
            return true;
        } catch (const Exception&) {
            return false;
        }
    }
    return WritePrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(), Wide(value).c_str(),
                                      Wide(file).c_str());
}

}  // namespace pv::win32
