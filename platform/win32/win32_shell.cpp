// The shell's file operations and shortcut objects: emptying a folder into the recycle
// bin, and resolving shortcut files.
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_system.h"

#include <mmsystem.h>
#include <shobjidl.h>

#include <cwchar>

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

namespace {

// A COM interface held for one operation and released on every way out.
template <typename T>
class ComRef {
public:
    ComRef() = default;
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ~ComRef() {
        if (p_) p_->Release();
    }
    T* operator->() const { return p_; }
    T** Out() { return &p_; }
    void** OutVoid() { return reinterpret_cast<void**>(&p_); }
    explicit operator bool() const { return p_ != nullptr; }

private:
    T* p_ = nullptr;
};

// A string that a call fills into a buffer of a given size; ends at the first null.
template <typename Fill>
std::wstring Filled(int size, Fill fill) {
    std::wstring text(static_cast<size_t>(size), L'\0');
    if (!fill(text.data(), size)) return {};
    text.resize(wcsnlen(text.c_str(), text.size()));
    return text;
}

// Room for the longest path the system takes, far beyond MAX_PATH.
constexpr int kLongPath = 32768;

// The installer's own target of an advertised shortcut: the path of the component it
// stands for, as long as that component is installed (here or at its source). Empty for
// any other shortcut, and wherever the installer's library or its functions are missing;
// the program does not depend on that library to start.
std::wstring InstallerTarget(const std::wstring& link) {
    using GetShortcutTarget = UINT(WINAPI*)(LPCWSTR, LPWSTR, LPWSTR, LPWSTR);
    using GetComponentPath = int(WINAPI*)(LPCWSTR, LPCWSTR, LPWSTR, LPDWORD);
    constexpr int kInstalledLocal = 3, kInstalledAtSource = 4, kMoreData = -3;
    constexpr int kCodeChars = 39;  // a GUID in braces with its null

    HMODULE msi = LoadLibraryW(L"msi.dll");
    if (!msi) return {};
    struct Unload {
        HMODULE Module;
        ~Unload() { FreeLibrary(Module); }
    } unload{msi};
    auto shortcutTarget = reinterpret_cast<GetShortcutTarget>(
        reinterpret_cast<void (*)()>(GetProcAddress(msi, "MsiGetShortcutTargetW")));
    auto componentPath = reinterpret_cast<GetComponentPath>(
        reinterpret_cast<void (*)()>(GetProcAddress(msi, "MsiGetComponentPathW")));
    if (!shortcutTarget || !componentPath) return {};

    wchar_t product[kCodeChars] = L"", feature[kCodeChars] = L"", component[kCodeChars] = L"";
    if (shortcutTarget(link.c_str(), product, feature, component) != ERROR_SUCCESS) return {};
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = static_cast<DWORD>(path.size());
    int state = componentPath(product, component, path.data(), &length);
    if (state == kMoreData) {
        path.assign(static_cast<size_t>(length) + 1, L'\0');
        length = static_cast<DWORD>(path.size());
        state = componentPath(product, component, path.data(), &length);
    }
    if (state != kInstalledLocal && state != kInstalledAtSource) return {};
    path.resize(wcsnlen(path.c_str(), path.size()));
    return path;
}

// The long form of a target; a shell namespace target ("::{...}") through the desktop
// folder. What cannot be turned into a path stays as it was.
std::wstring LongFormOf(const std::wstring& target, HWND owner) {
    std::wstring longer;
    if (target.find(L"::") != std::wstring::npos) {
        ComRef<IShellFolder> desktop;
        if (FAILED(SHGetDesktopFolder(desktop.Out()))) return target;
        PIDLIST_RELATIVE pidl = nullptr;
        std::wstring name = target;
        if (FAILED(desktop->ParseDisplayName(owner, nullptr, name.data(), nullptr, &pidl, nullptr)) || !pidl)
            return target;
        longer = Filled(MAX_PATH, [&](wchar_t* buffer, int) {
            return SHGetPathFromIDListW(reinterpret_cast<PCIDLIST_ABSOLUTE>(pidl), buffer) != FALSE;
        });
        CoTaskMemFree(pidl);
    } else {
        DWORD needed = GetLongPathNameW(target.c_str(), nullptr, 0);
        if (needed > 0)
            longer = Filled(static_cast<int>(needed), [&](wchar_t* buffer, int size) {
                return GetLongPathNameW(target.c_str(), buffer, static_cast<DWORD>(size)) > 0;
            });
    }
    return longer.empty() ? target : longer;
}

}  // namespace

std::optional<ShortcutInfo> Win32Shell::ResolveShortcut(const std::string& path, NativeHandle owner) {
    HWND window = reinterpret_cast<HWND>(owner);
    ComRef<IShellLinkW> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.OutVoid())))
        return std::nullopt;
    ComRef<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.OutVoid()))) return std::nullopt;
    const std::wstring linkPath = Wide(path);
    if (FAILED(file->Load(linkPath.c_str(), STGM_READ))) return std::nullopt;
    // Without user interface: a moved target is searched for quietly, never asked for.
    if (FAILED(link->Resolve(window, SLR_ANY_MATCH | SLR_NO_UI))) return std::nullopt;

    std::wstring target = InstallerTarget(linkPath);
    if (target.empty())
        target = Filled(kLongPath, [&](wchar_t* buffer, int size) {
            return SUCCEEDED(link->GetPath(buffer, size, nullptr, SLGP_SHORTPATH));
        });
    // A shortcut to something that is no file (a printer, a shell object) has no target
    // to link to; the shortcut itself is linked then.
    if (target.empty()) return std::nullopt;

    ShortcutInfo info;
    info.Target = Narrow(LongFormOf(target, window));
    info.Arguments = Narrow(Filled(kLongPath, [&](wchar_t* buffer, int size) {
        return SUCCEEDED(link->GetArguments(buffer, size));
    }));
    info.WorkingDir = Narrow(Filled(kLongPath, [&](wchar_t* buffer, int size) {
        return SUCCEEDED(link->GetWorkingDirectory(buffer, size));
    }));
    return info;
}

bool Win32Sound::PlayFileAsync(const std::string& path) {
    if (GetFileAttributesW(Wide(path).c_str()) == INVALID_FILE_ATTRIBUTES) return false;
    return PlaySoundW(Wide(path).c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT) != FALSE;
}

}  // namespace pv::win32
