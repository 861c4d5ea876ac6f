// The shell's file operations and shortcut objects: emptying a folder into the recycle
// bin, and resolving shortcut files.
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_system.h"

#include <mmsystem.h>

namespace pv::win32 {

bool Win32Shell::RecycleFolderContents(const std::string& folder) {
    std::wstring from = Wide(folder);
    if (!from.empty() && from.back() != L'\\') from += L'\\';
    from += L"*.*";
    from.push_back(L'\0');  // the list of sources ends with an empty one
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT;
    return SHFileOperationW(&op) == 0 && !op.fAnyOperationsAborted;
}

std::optional<ShortcutInfo> Win32Shell::ResolveShortcut(const std::string&, NativeHandle) { return std::nullopt; }

bool Win32Sound::PlayFileAsync(const std::string& path) {
    if (GetFileAttributesW(Wide(path).c_str()) == INVALID_FILE_ATTRIBUTES) return false;
    return PlaySoundW(Wide(path).c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT) != FALSE;
}

}  // namespace pv::win32
