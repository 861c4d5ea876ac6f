#pragma once
// The seam to the operating system. Every service the program needs is an abstract
// interface here; platform/win32/ implements them with the real Win32 API and
// platform/sim/ with a deterministic simulated desktop for tests. The program is handed
// one Platform at entry and never creates a backend itself.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/types.h"
#include "platform/ui.h"
#include "util/bitmap.h"
#include "util/datetime.h"

namespace pv {

struct DirEntry {
    std::string Name;
    bool IsDirectory = false;
    bool Hidden = false;  // hidden or a system file
};

// Files and folders, with Windows-style UTF-8 paths.
class IFileSystem {
public:
    virtual ~IFileSystem() = default;
    virtual bool FileExists(const std::string& path) = 0;  // an existing file, not a folder
    virtual bool DirectoryExists(const std::string& path) = 0;
    virtual bool CreateDir(const std::string& path) = 0;  // one level; false when it fails
    virtual bool ForceDirectories(const std::string& path) = 0;  // with all missing parents
    virtual bool CopyFile(const std::string& from, const std::string& to, bool failIfExists) = 0;
    // Renames; with `replace` an existing target is replaced in one step.
    virtual bool MoveFile(const std::string& from, const std::string& to, bool replace) = 0;
    virtual bool DeleteFile(const std::string& path) = 0;
    virtual bool RemoveDir(const std::string& path) = 0;  // an empty folder
    // One level, without "." and "..", in the order the system gives.
    virtual std::vector<DirEntry> ListDir(const std::string& path) = 0;
    // Identity of a folder with links and junctions resolved, so that a walk can notice
    // that it came back to a folder it is already inside. Empty when unknown.
    virtual std::string DirectoryIdentity(const std::string& path) = 0;
    // Whether the path lies on another machine (a share, or a drive mapped to one), where
    // a look at it may wait as long as the network does. Answers without touching it.
    virtual bool IsNetworkPath(const std::string& path) = 0;
    // Raise EFOpenError when the file cannot be opened for reading.
    virtual std::string ReadAllBytes(const std::string& path) = 0;
    // At most the first `maxBytes` bytes; empty when the file cannot be read.
    virtual std::string ReadFileHead(const std::string& path, size_t maxBytes) = 0;
    // At most the last `maxBytes` bytes; empty when the file cannot be read.
    virtual std::string ReadFileTail(const std::string& path, size_t maxBytes) = 0;
    // Create or truncate and write; raise EFCreateError / EWriteError.
    virtual void WriteAllBytes(const std::string& path, std::string_view bytes) = 0;
    // Append, creating the file when missing; raise EFCreateError / EWriteError.
    virtual void AppendAllBytes(const std::string& path, std::string_view bytes) = 0;
    virtual std::string GetCurrentDir() = 0;
    virtual bool SetCurrentDir(const std::string& path) = 0;
    // Private-profile INI access, as settings files of installers are read and written.
    virtual std::string GetProfileString(const std::string& file, const std::string& section,
                                         const std::string& key, const std::string& def) = 0;
    virtual bool WriteProfileString(const std::string& file, const std::string& section,
                                    const std::string& key, const std::string& value) = 0;
};

// The computer's memory, in bytes.
struct MemoryStatus {
    uint64_t TotalPhys = 0;
    uint64_t AvailPhys = 0;
    uint64_t TotalVirtual = 0;
    uint64_t AvailVirtual = 0;
};

// Facts about the running system and process.
class ISystemInfo {
public:
    virtual ~ISystemInfo() = default;
    virtual std::string ExecutablePath() = 0;
    virtual std::vector<std::string> CommandLineParams() = 0;  // without the program itself
    virtual OsVersion Version() = 0;
    virtual std::string SystemFolder() = 0;
    virtual std::string WindowsFolder() = 0;
    virtual uint32_t SysColor(int index) = 0;  // 0x00BBGGRR, indexes as COLOR_MENU etc.
    virtual FontSpec MenuFont() = 0;
    virtual FontSpec IconTitleFont() = 0;
    virtual int ScreenPixelsPerInch() = 0;
    // The width of a vertical scroll bar, in pixels.
    virtual int VertScrollBarWidth() = 0;
    // The names of the screen fonts installed, in the system's order, each once.
    virtual std::vector<std::string> ScreenFontNames() = 0;
    // The part of the primary screen that windows may use (without the taskbar).
    virtual TRect WorkArea() = 0;
    // The 8-bit code page in which item lists, options and the log are stored. `lossless`
    // is cleared when a character had no place in it.
    virtual std::string ToCodePage(std::string_view utf8, bool* lossless = nullptr) = 0;
    virtual std::string FromCodePage(std::string_view bytes) = 0;
    virtual bool IsMainThread() = 0;
    // The system's short date and long time format.
    virtual std::string FormatNativeDateTime(TDateTime t) = 0;
    // The text with every "%NAME%" of a defined environment variable replaced by its
    // value; references to undefined names stay as they stand, as the shell leaves them.
    virtual std::string ExpandEnvironment(const std::string& text) = 0;
    virtual MemoryStatus Memory() = 0;
};

class IClock {
public:
    virtual ~IClock() = default;
    virtual TDateTime Now() = 0;  // local date and time
    virtual uint64_t TickCount() = 0;  // milliseconds since an arbitrary start
};

struct ShortcutInfo {
    std::string Target;
    std::string Arguments;
    std::string WorkingDir;
};

class IShell {
public:
    virtual ~IShell() = default;
    // Returns the shell's value: above 32 on success.
    virtual intptr_t Execute(NativeHandle owner, const std::string& verb, const std::string& file,
                             const std::string& params, const std::string& dir, int showCmd) = 0;
    // The user's personal documents folder; empty when the system cannot give it.
    virtual std::string PersonalFolder() = 0;
    // The icon the shell shows for a file at `size` x `size` pixels, as 32-bit pixels with
    // alpha: at 16 its small icon, at another size the picture the shell keeps for that
    // size (or the nearest larger one, drawn down to it), never the small one blown up.
    // Empty when the shell gives none (for instance for a file that does not exist).
    virtual std::optional<TBitmap32> FileIcon(const std::string& path, int size) = 0;
    std::optional<TBitmap32> FileSmallIcon(const std::string& path) { return FileIcon(path, 16); }
    // The picture of an icon file at `size` x `size`, from the image the file holds nearest
    // to that size; raises EInvalidGraphic when the file cannot be decoded and EFOpenError
    // when it cannot be read.
    virtual TBitmap32 IconFile(const std::string& path, int size) = 0;
    TBitmap32 LoadIconFile(const std::string& path) { return IconFile(path, 16); }
    // A shell shortcut (".lnk") resolved: its target in the long form of its path (an
    // installer-advertised shortcut through the installer), its arguments and working
    // folder; nothing when it does not resolve. `owner` parents any window the shell shows.
    virtual std::optional<ShortcutInfo> ResolveShortcut(const std::string& path, NativeHandle owner) = 0;
    // Moves everything inside the folder to the recycle bin, without asking and without a
    // progress window; the folder itself stays. False when the shell could not.
    virtual bool RecycleFolderContents(const std::string& folder) = 0;
};

class ISound {
public:
    virtual ~ISound() = default;
    // Starts playing a sound file and returns at once; false when it cannot be played.
    virtual bool PlayFileAsync(const std::string& path) = 0;
};

// The one message loop of the user-interface thread.
class IEventLoop {
public:
    virtual ~IEventLoop() = default;
    // A call that runs once the loop runs; never inside Post itself.
    virtual void Post(std::function<void()> call) = 0;
    // Dispatches one pending message or call; false when nothing was pending.
    virtual bool ProcessOne() = 0;
    // Waits until something is pending. The simulated desktop never waits: it answers
    // false when nothing is pending, which ends a running loop until a test acts again.
    virtual bool WaitForWork() = 0;
    // Makes a waiting loop return, so that it notices a request to terminate.
    virtual void WakeUp() = 0;
    virtual uint64_t SetTimer(uint32_t intervalMs, std::function<void()> tick) = 0;
    virtual void KillTimer(uint64_t id) = 0;
    // Blocks the thread for a while without dispatching anything. The simulated desktop
    // moves its virtual time forward instead, firing the timers that fall due.
    virtual void Sleep(uint32_t ms) = 0;
};

enum class RegistryRoot { CurrentUser, LocalMachine };

// The system registry: strings only, which is all the program keeps there.
class IRegistry {
public:
    virtual ~IRegistry() = default;
    // Read-only access; empty when the key or the value is missing or unreadable.
    virtual std::optional<std::string> ReadString(RegistryRoot root, const std::string& key,
                                                  const std::string& value) = 0;
    // Creates the key when missing; raises ERegistryException when it cannot.
    virtual void WriteString(RegistryRoot root, const std::string& key, const std::string& value,
                             const std::string& data) = 0;
    // False when the value or the key is missing or cannot be changed.
    virtual bool DeleteValue(RegistryRoot root, const std::string& key, const std::string& value) = 0;
};

// A named system mutex held by this copy of the program for as long as the object lives.
class INamedMutex {
public:
    virtual ~INamedMutex() = default;
};

// What a window that other copies of the program can find answers to their messages.
class IInstanceWindowSink {
public:
    virtual ~IInstanceWindowSink() = default;
    virtual intptr_t PeerInstanceMessage(uint32_t msg, uintptr_t wParam, intptr_t lParam) = 0;
};

class IInstanceWindow {
public:
    virtual ~IInstanceWindow() = default;
    virtual NativeHandle Handle() = 0;
};

struct DesktopWindow {
    NativeHandle Handle = 0;
    std::string ClassName;
    std::string Title;
};

// The user's desktop as other programs share it: named mutexes, the top-level windows of
// every program, messages sent between programs, and global atoms.
class IDesktop {
public:
    virtual ~IDesktop() = default;
    // Opens the named mutex; when that succeeds another copy holds it and nothing is kept.
    // Otherwise creates it, owned, for as long as the answer lives. nullptr when another
    // copy holds it or it cannot be created.
    virtual std::unique_ptr<INamedMutex> TakeNamedMutex(const std::string& name) = 0;
    // A hidden top-level window of that class and title that other programs can find.
    virtual std::unique_ptr<IInstanceWindow> CreateInstanceWindow(const std::string& className,
                                                                 const std::string& title,
                                                                 IInstanceWindowSink& sink) = 0;
    // Every top-level window of every program, in the system's order.
    virtual std::vector<DesktopWindow> TopLevelWindows() = 0;
    // Sends a message and waits for the answer; 0 when the window does not answer.
    virtual intptr_t SendMessageTo(NativeHandle window, uint32_t msg, uintptr_t wParam, intptr_t lParam) = 0;
    // Global atoms: 0 when it cannot be added; an empty name for an unknown atom.
    virtual uint16_t AddGlobalAtom(const std::string& name) = 0;
    virtual std::string GlobalAtomName(uint16_t atom) = 0;
    virtual void DeleteGlobalAtom(uint16_t atom) = 0;
};

class Platform {
public:
    virtual ~Platform() = default;
    virtual IFileSystem& Files() = 0;
    virtual ISystemInfo& System() = 0;
    virtual IClock& Clock() = 0;
    virtual IShell& Shell() = 0;
    virtual IEventLoop& Loop() = 0;
    virtual IUserInterface& UI() = 0;
    virtual IRegistry& Registry() = 0;
    virtual ISound& Sound() = 0;
    virtual IDesktop& Desktop() = 0;
};

}  // namespace pv
