#include "platform/win32/win32_common.h"
#include "platform/win32/win32_system.h"

#include <knownfolders.h>


#include <cmath>


namespace pv::win32 {

namespace {
FontSpec FromLogFont(const LOGFONTW& lf, int dpi) {
    FontSpec f;
    f.Name = Narrow(lf.lfFaceName);
    int h = lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight;
    f.Size = static_cast<int>(std::lround(h * 72.0 / (dpi > 0 ? dpi : 96)));
    f.Bold = lf.lfWeight >= FW_BOLD;
    f.Italic = lf.lfItalic != 0;
    f.Underline = lf.lfUnderline != 0;
    return f;
}

// Room for the longest path the system takes, far beyond MAX_PATH.
constexpr DWORD kLongPath = 32768;

// Code pages whose conversion takes neither WC_NO_BEST_FIT_CHARS nor a default-character
// report; UTF-8 among them, which a system may use as its 8-bit code page.
bool TakesNoBestFitFlag(UINT codePage) {
    switch (codePage) {
        case 42: case 50220: case 50221: case 50222: case 50225: case 50227: case 50229: case 65000: case CP_UTF8:
            return true;
    }
    return codePage >= 57002 && codePage <= 57011;
}
}  // namespace

std::string SystemFolderText(UINT(WINAPI* get)(LPWSTR, UINT)) {
    // A buffer too small makes the call answer the length it needs, with its null.
    std::wstring buf(MAX_PATH, L'\0');
    for (int tries = 0; tries < 3; ++tries) {
        UINT n = get(buf.data(), static_cast<UINT>(buf.size()));
        if (n == 0) return {};
        if (n < buf.size()) return Narrow(buf.data(), static_cast<int>(n));
        buf.assign(n, L'\0');
    }
    return {};
}

std::string PathOfIdList(PCIDLIST_ABSOLUTE pidl) {
    std::wstring buf(kLongPath, L'\0');
    if (!SHGetPathFromIDListEx(pidl, buf.data(), kLongPath, GPFIDL_DEFAULT)) return {};
    return Narrow(buf.c_str());
}

std::string ToCodePageOf(UINT codePage, std::string_view utf8, bool* lossless) {
    if (lossless) *lossless = true;
    if (utf8.empty()) return {};
    std::wstring w = Wide(utf8);
    BOOL usedDefault = FALSE;
    const bool plain = TakesNoBestFitFlag(codePage);
    const DWORD flags = plain ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL* used = plain ? nullptr : &usedDefault;
    int n = WideCharToMultiByte(codePage, flags, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, used);
    if (n <= 0) {
        if (lossless) *lossless = false;
        return {};
    }
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(codePage, flags, w.data(), static_cast<int>(w.size()), out.data(), n, nullptr, used);
    if (lossless && (usedDefault || FromCodePageOf(codePage, out) != Narrow(w))) *lossless = false;
    return out;
}

std::string FromCodePageOf(UINT codePage, std::string_view bytes) {
    if (bytes.empty()) return {};
    int n = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    if (n <= 0) return {};
    std::wstring w(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), w.data(), n);
    return Narrow(w);
}

Win32SystemInfo::Win32SystemInfo() : mainThread_(GetCurrentThreadId()) {}

std::string Win32SystemInfo::ExecutablePath() {
    std::wstring buf(MAX_PATH, L'\0');
    while (true) {
        DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
        if (n < buf.size()) {
            buf.resize(n);
            return Narrow(buf);
        }
        buf.resize(buf.size() * 2);
    }
}

std::vector<std::string> Win32SystemInfo::CommandLineParams() {
    std::vector<std::string> out;
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv) return out;
    for (int i = 1; i < argc; ++i) out.push_back(Narrow(argv[i]));
    LocalFree(argv);
    return out;
}

OsVersion Win32SystemInfo::Version() {
    OSVERSIONINFOW v{};
    v.dwOSVersionInfoSize = sizeof v;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExW(&v);
#pragma GCC diagnostic pop
    return OsVersion{v.dwPlatformId, v.dwMajorVersion, v.dwMinorVersion, v.dwBuildNumber, Narrow(v.szCSDVersion)};
}

std::string Win32SystemInfo::SystemFolder() { return SystemFolderText(GetSystemDirectoryW); }
std::string Win32SystemInfo::WindowsFolder() { return SystemFolderText(GetWindowsDirectoryW); }
uint32_t Win32SystemInfo::SysColor(int index) { return GetSysColor(index); }

FontSpec Win32SystemInfo::MenuFont() {
    NONCLIENTMETRICSW m{};
    m.cbSize = sizeof m;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof m, &m, 0)) return FontSpec{};
    return FromLogFont(m.lfMenuFont, ScreenPixelsPerInch());
}

FontSpec Win32SystemInfo::IconTitleFont() {
    LOGFONTW lf{};
    if (!SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof lf, &lf, 0)) return FontSpec{};
    return FromLogFont(lf, ScreenPixelsPerInch());
}

int Win32SystemInfo::ScreenPixelsPerInch() {
    HDC dc = GetDC(nullptr);
    int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
    if (dc) ReleaseDC(nullptr, dc);
    return dpi > 0 ? dpi : 96;
}

std::string Win32SystemInfo::ToCodePage(std::string_view utf8, bool* lossless) {
    return ToCodePageOf(CP_ACP, utf8, lossless);
}

std::string Win32SystemInfo::FromCodePage(std::string_view bytes) { return FromCodePageOf(CP_ACP, bytes); }

bool Win32SystemInfo::IsMainThread() { return GetCurrentThreadId() == mainThread_; }

std::string Win32SystemInfo::ExpandEnvironment(const std::string& text) {
    if (text.find('%') == std::string::npos) return text;
    std::wstring source = Wide(text);
    DWORD size = ExpandEnvironmentStringsW(source.c_str(), nullptr, 0);
    if (size == 0) return text;
    std::wstring buf(size, L'\0');
    DWORD written = ExpandEnvironmentStringsW(source.c_str(), buf.data(), size);
    if (written == 0 || written > size) return text;
    buf.resize(written - 1);
    return Narrow(buf);
}

MemoryStatus Win32SystemInfo::Memory() {
    MEMORYSTATUSEX m{};
    m.dwLength = sizeof m;
    if (!GlobalMemoryStatusEx(&m)) return {};
    return {m.ullTotalPhys, m.ullAvailPhys, m.ullTotalVirtual, m.ullAvailVirtual};
}

std::string Win32SystemInfo::FormatNativeDateTime(TDateTime t) {
    DateTimeParts p = DecodeDateTime(t);
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(p.Year);
    st.wMonth = static_cast<WORD>(p.Month);
    st.wDay = static_cast<WORD>(p.Day);
    st.wHour = static_cast<WORD>(p.Hour);
    st.wMinute = static_cast<WORD>(p.Minute);
    st.wSecond = static_cast<WORD>(p.Second);
    wchar_t date[128] = L"", time[128] = L"";
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, date, 128);
    GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &st, nullptr, time, 128);
    return Narrow(date) + " " + Narrow(time);
}

TDateTime Win32Clock::Now() {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return EncodeDateTime({st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds});
}

uint64_t Win32Clock::TickCount() { return GetTickCount64(); }

intptr_t Win32Shell::Execute(NativeHandle owner, const std::string& verb, const std::string& file,
                             const std::string& params, const std::string& dir, int showCmd) {
    std::wstring v = Wide(verb), f = Wide(file), p = Wide(params), d = Wide(dir);
    // A failed start shows nothing: the shell's own error boxes ("cannot find", "open with")
    // are turned off, and the caller gets the same result codes as from the plain call.
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.hwnd = reinterpret_cast<HWND>(owner);
    info.lpVerb = v.empty() ? nullptr : v.c_str();
    info.lpFile = f.c_str();
    info.lpParameters = p.c_str();
    info.lpDirectory = d.empty() ? nullptr : d.c_str();
    info.nShow = showCmd;
    if (!ShellExecuteExW(&info) && reinterpret_cast<intptr_t>(info.hInstApp) > 32) {
        // Some failures leave the old-style code unset; keep them failures.
        DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? static_cast<intptr_t>(error)
                                                                              : SE_ERR_ACCESSDENIED;
    }
    return reinterpret_cast<intptr_t>(info.hInstApp);
}

std::string Win32Shell::PersonalFolder() {
    // Both ways answer a path of any length; a documents folder beyond MAX_PATH must not
    // come back empty, or the data folder would be taken relative to the working folder.
    PWSTR known = nullptr;
    HRESULT hr = SHGetKnownFolderPath(FOLDERID_Documents, 0, nullptr, &known);
    std::string path = SUCCEEDED(hr) && known ? Narrow(known) : std::string();
    CoTaskMemFree(known);
    if (!path.empty()) return path;
    LPITEMIDLIST pidl = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_PERSONAL, &pidl)) || !pidl) return {};
    path = PathOfIdList(pidl);
    CoTaskMemFree(pidl);
    return path;
}

}  // namespace pv::win32
