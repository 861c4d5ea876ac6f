#include "platform/win32/win32_common.h"
#include "platform/win32/win32_system.h"
#include "util/exception.h"

namespace pv::win32 {

namespace {
HKEY RootOf(RegistryRoot root) { return root == RegistryRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE; }

struct Key {
    HKEY h = nullptr;
    ~Key() {
        if (h) RegCloseKey(h);
    }
};
}  // namespace

std::optional<std::string> Win32Registry::ReadString(RegistryRoot root, const std::string& key,
                                                     const std::string& value) {
    Key k;
    if (RegOpenKeyExW(RootOf(root), Wide(key).c_str(), 0, KEY_READ, &k.h) != ERROR_SUCCESS) return std::nullopt;
    std::wstring name = Wide(value);
    DWORD type = 0, size = 0;
    if (RegQueryValueExW(k.h, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
    std::wstring data(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
    if (RegQueryValueExW(k.h, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    data.resize(wcsnlen(data.c_str(), data.size()));
    return Narrow(data);
}

void Win32Registry::WriteString(RegistryRoot root, const std::string& key, const std::string& value,
                                const std::string& data) {
    Key k;
    LONG rc = RegCreateKeyExW(RootOf(root), Wide(key).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k.h, nullptr);
    if (rc != ERROR_SUCCESS) throw ERegistryException("Failed to create key " + key + ": " + LastErrorText(rc));
    std::wstring w = Wide(data);
    rc = RegSetValueExW(k.h, Wide(value).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(w.c_str()),
                        static_cast<DWORD>((w.size() + 1) * sizeof(wchar_t)));
    if (rc != ERROR_SUCCESS) throw ERegistryException("Failed to set data for '" + value + "': " + LastErrorText(rc));
}

bool Win32Registry::DeleteValue(RegistryRoot root, const std::string& key, const std::string& value) {
    Key k;
    if (RegOpenKeyExW(RootOf(root), Wide(key).c_str(), 0, KEY_SET_VALUE, &k.h) != ERROR_SUCCESS) return false;
    return RegDeleteValueW(k.h, Wide(value).c_str()) == ERROR_SUCCESS;
}

}  // namespace pv::win32
