#pragma once
#include "platform/platform.h"

namespace pv::win32 {

class Win32FileSystem final : public IFileSystem {
public:
    bool FileExists(const std::string& path) override;
    bool DirectoryExists(const std::string& path) override;
    bool CreateDir(const std::string& path) override;
    bool ForceDirectories(const std::string& path) override;
    bool CopyFile(const std::string& from, const std::string& to, bool failIfExists) override;
    bool MoveFile(const std::string& from, const std::string& to, bool replace) override;
    bool DeleteFile(const std::string& path) override;
    bool RemoveDir(const std::string& path) override;
    std::vector<DirEntry> ListDir(const std::string& path) override;
    std::string DirectoryIdentity(const std::string& path) override;
    bool IsNetworkPath(const std::string& path) override;
    std::string ReadAllBytes(const std::string& path) override;
    std::string ReadFileHead(const std::string& path, size_t maxBytes) override;
    std::string ReadFileTail(const std::string& path, size_t maxBytes) override;
    void WriteAllBytes(const std::string& path, std::string_view bytes) override;
    void AppendAllBytes(const std::string& path, std::string_view bytes) override;
    std::string GetCurrentDir() override;
    bool SetCurrentDir(const std::string& path) override;
    std::string GetProfileString(const std::string& file, const std::string& section, const std::string& key,
                                 const std::string& def) override;
    bool WriteProfileString(const std::string& file, const std::string& section, const std::string& key,
                            const std::string& value) override;

private:
    bool IsUtf8Profile(const std::string& file);
};

}  // namespace pv::win32
