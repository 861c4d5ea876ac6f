#pragma once
#include "platform/win32/win32_common.h"
#include "platform/platform.h"

namespace pv::win32 {

// A folder the system fills into a buffer (GetSystemDirectoryW, GetWindowsDirectoryW),
// however long; empty when the call fails.
std::string SystemFolderText(UINT(WINAPI* get)(LPWSTR, UINT));
// The file-system path of a shell item, however long; empty for an item without one.
std::string PathOfIdList(PCIDLIST_ABSOLUTE pidl);
// UTF-8 to and from a given 8-bit code page (the system's is CP_ACP). `lossless` is
// cleared when a character had no place in the code page.
std::string ToCodePageOf(UINT codePage, std::string_view utf8, bool* lossless);
std::string FromCodePageOf(UINT codePage, std::string_view bytes);

class Win32SystemInfo final : public ISystemInfo {
public:
    Win32SystemInfo();
    std::string ExecutablePath() override;
    std::vector<std::string> CommandLineParams() override;
    OsVersion Version() override;
    std::string SystemFolder() override;
    std::string WindowsFolder() override;
    uint32_t SysColor(int index) override;
    FontSpec MenuFont() override;
    FontSpec IconTitleFont() override;
    int ScreenPixelsPerInch() override;
    int VertScrollBarWidth() override { return GetSystemMetrics(SM_CXVSCROLL); }
    std::vector<std::string> ScreenFontNames() override;
    TRect WorkArea() override;
    std::string ToCodePage(std::string_view utf8, bool* lossless) override;
    std::string FromCodePage(std::string_view bytes) override;
    bool IsMainThread() override;
    std::string FormatNativeDateTime(TDateTime t) override;
    std::string ExpandEnvironment(const std::string& text) override;
    MemoryStatus Memory() override;

private:
    unsigned long mainThread_;
};

class Win32Clock final : public IClock {
public:
    TDateTime Now() override;
    uint64_t TickCount() override;
};

class Win32Shell final : public IShell {
public:
    intptr_t Execute(NativeHandle owner, const std::string& verb, const std::string& file, const std::string& params,
                     const std::string& dir, int showCmd) override;
    std::string PersonalFolder() override;
    std::optional<TBitmap32> FileIcon(const std::string& path, int size) override;
    TBitmap32 IconFile(const std::string& path, int size) override;
    std::optional<ShortcutInfo> ResolveShortcut(const std::string& path, NativeHandle owner) override;
    bool RecycleFolderContents(const std::string& folder) override;
};

class Win32Desktop final : public IDesktop {
public:
    std::unique_ptr<INamedMutex> TakeNamedMutex(const std::string& name) override;
    std::unique_ptr<IInstanceWindow> CreateInstanceWindow(const std::string& className, const std::string& title,
                                                         IInstanceWindowSink& sink) override;
    std::vector<DesktopWindow> TopLevelWindows() override;
    intptr_t SendMessageTo(NativeHandle window, uint32_t msg, uintptr_t wParam, intptr_t lParam) override;
    uint16_t AddGlobalAtom(const std::string& name) override;
    std::string GlobalAtomName(uint16_t atom) override;
    void DeleteGlobalAtom(uint16_t atom) override;
};

class Win32Sound final : public ISound {
public:
    bool PlayFileAsync(const std::string& path) override;
};

class Win32Registry final : public IRegistry {
public:
    std::optional<std::string> ReadString(RegistryRoot root, const std::string& key, const std::string& value) override;
    void WriteString(RegistryRoot root, const std::string& key, const std::string& value,
                     const std::string& data) override;
    bool DeleteValue(RegistryRoot root, const std::string& key, const std::string& value) override;
};

}  // namespace pv::win32
