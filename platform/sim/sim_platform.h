#pragma once
// The simulated desktop: a deterministic Platform for tests. Windows-style paths live in
// a sandbox folder on the real disk (C:\x\y is <root>/C/x/y, \\srv\share\x is
// <root>/UNC/srv/share/x), time is virtual, message dialogs answer from a script, and
// shell calls are recorded.
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <thread>
#include <unordered_map>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "util/strings.h"

namespace pv::sim {

class SimPlatform;

class SimFileSystem final : public IFileSystem {
public:
    explicit SimFileSystem(std::filesystem::path root);
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
    // Shares (\\server\share\...) and the drive letters listed in NetworkDrives.
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

    // The host path of a Windows-style path; letter case of existing parts follows the disk.
    std::filesystem::path HostPath(const std::string& path) const;
    // The absolute, normalised Windows-style form of a path.
    std::string Absolute(const std::string& path) const;
    // Nothing may be created, written, copied into or deleted below a read-only folder.
    void SetReadOnly(const std::string& folder, bool readOnly = true);
    // Listed as hidden (or a system file).
    void SetHidden(const std::string& path, bool hidden = true);
    // Opening this file for reading fails, as a file locked by another program would.
    void SetUnreadable(const std::string& file, bool unreadable = true);
    // Writing to this file fails (it may still be created).
    void SetUnwritable(const std::string& file, bool unwritable = true);
    std::set<char> NetworkDrives;  // upper-case letters of drives mapped to shares
    // Fault injection: asked before every change to the disk, with the operation
    // ("create", "copy", "move", "delete", "remove", "write", "append") and the path it
    // changes; true makes that change fail as the system's would.
    std::function<bool(const char* op, const std::string& path)> FaultHook;
    // Test conveniences that bypass the read-only rules.
    void PutFile(const std::string& path, std::string_view bytes);
    std::string GetFile(const std::string& path) const;  // empty when missing

private:
    static std::string IncludeBackslash(const std::string& p);
    bool Faulted(const char* op, const std::string& path);
    bool IsReadOnly(const std::string& path) const;
    bool Matches(const std::set<std::string>& set, const std::string& path) const;
    struct FolderIndex {
        std::filesystem::file_time_type Stamp;
        std::unordered_map<std::string, std::string> Names;  // lower-cased -> as on disk
    };
    const std::string* FindFolded(const std::filesystem::path& dir, const std::string& name) const;
    void Noted(const std::filesystem::path& entry, bool exists) const;
    mutable std::unordered_map<std::string, FolderIndex> index_;
    std::filesystem::path root_;
    std::string current_ = "C:\\";
    std::set<std::string> readOnly_, unreadable_, unwritable_, hidden_;  // lower-cased absolute paths
};

class SimSystemInfo final : public ISystemInfo {
public:
    SimSystemInfo();
    std::string ExecutablePath() override { return ExePath; }
    std::vector<std::string> CommandLineParams() override { return Params; }
    OsVersion Version() override { return Os; }
    std::string SystemFolder() override { return WindowsDir + "\\system32"; }
    std::string WindowsFolder() override { return WindowsDir; }
    uint32_t SysColor(int index) override;
    FontSpec MenuFont() override { return Menu; }
    FontSpec IconTitleFont() override { return IconTitle; }
    int ScreenPixelsPerInch() override { return PixelsPerInch; }
    int VertScrollBarWidth() override { return ScrollBarWidth; }
    std::vector<std::string> ScreenFontNames() override { return Fonts; }
    TRect WorkArea() override { return Work; }
    std::string ToCodePage(std::string_view utf8, bool* lossless) override;
    std::string FromCodePage(std::string_view bytes) override;
    bool IsMainThread() override;
    std::string FormatNativeDateTime(TDateTime t) override;
    std::string ExpandEnvironment(const std::string& text) override;

    // The environment of the simulated user; names compare without regard to case.
    std::map<std::string, std::string, TextLess> Environment{
        {"SystemRoot", "C:\\Windows"},        {"windir", "C:\\Windows"},
        {"SystemDrive", "C:"},                 {"ProgramFiles", "C:\\Program Files"},
        {"USERPROFILE", "C:\\Users\\Tester"}, {"APPDATA", "C:\\Users\\Tester\\AppData\\Roaming"}};
    MemoryStatus Memory() override { return Mem; }

    // 4 GB of memory, a quarter of it free, and 8 TB of address space.
    MemoryStatus Mem{4ull << 30, 1ull << 30, 8ull << 40, 7ull << 40};
    std::string ExePath = "C:\\Program Files\\Pivola\\pivola.exe";
    std::vector<std::string> Params;
    OsVersion Os;
    std::string WindowsDir = "C:\\Windows";
    FontSpec Menu{"Segoe UI", 9};
    FontSpec IconTitle{"Segoe UI", 9};
    std::map<int, uint32_t> Colors;
    int PixelsPerInch = 96;
    std::vector<std::string> Fonts{"Arial", "Courier New", "Segoe UI", "Tahoma", "Times New Roman", "Verdana"};
    TRect Work{0, 0, 1280, 1000};
    int ScrollBarWidth = 17;

private:
    std::thread::id mainThread_;
};

class SimClock final : public IClock {
public:
    TDateTime Now() override;
    uint64_t TickCount() override { return ElapsedMs; }
    TDateTime Start = 0;  // set by SimPlatform
    uint64_t ElapsedMs = 0;
};

struct ShellCall {
    NativeHandle Owner = 0;
    std::string Verb, File, Params, Dir;
    int ShowCmd = 0;
};

class SimShell final : public IShell {
public:
    explicit SimShell(SimFileSystem& files) : files_(files) {}
    intptr_t Execute(NativeHandle owner, const std::string& verb, const std::string& file, const std::string& params,
                     const std::string& dir, int showCmd) override;
    std::string PersonalFolder() override { return Personal; }
    std::optional<TBitmap32> FileIcon(const std::string& path, int size) override;
    TBitmap32 IconFile(const std::string& path, int size) override;
    // Shortcuts answer from Shortcuts (by lower-cased absolute path); any other does not
    // resolve.
    std::optional<ShortcutInfo> ResolveShortcut(const std::string& path, NativeHandle owner) override;
    // Deletes the folder's contents through the simulated disk (so its faults apply) and
    // notes what went to the bin; RecycleRefused makes the shell refuse.
    bool RecycleFolderContents(const std::string& folder) override;

    std::map<std::string, ShortcutInfo> Shortcuts;
    void SetShortcut(const std::string& path, ShortcutInfo target);
    std::vector<std::string> Recycled;  // every file and folder moved to the bin, in order
    bool RecycleRefused = false;
    std::vector<ShellCall> Calls;
    intptr_t ExecuteResult = 42;
    std::string Personal = "C:\\Users\\Tester\\Documents";

    // File icons: an existing file shows the icon set for its path, else the one set for
    // its extension (lower case, without the dot), else DefaultIcon; a file that does not
    // exist, or one listed in NoIcon, shows none. A path or an extension may be given
    // pictures of several sizes, each set by its own size; the shell answers a size with
    // the picture of that size, else the nearest larger (else the largest) drawn to it.
    // An empty picture takes every size away, so that the shell has none.
    void SetFileIcon(const std::string& path, const TBitmap32& icon);
    void SetExtensionIcon(const std::string& extension, const TBitmap32& icon);
    void SetNoIcon(const std::string& path, bool none = true);
    TBitmap32 DefaultIcon = TBitmap32::Create(16, 16, 0xFFC0C0C0);  // a plain light-grey square
    std::vector<std::string> IconQueries;  // every path asked for, in order
    struct IconRequest {
        std::string Path;
        int Size;
    };
    std::vector<IconRequest> IconRequests;  // every path with the size asked for, in order

private:
    using Sizes = std::map<int, TBitmap32>;  // by side length
    SimFileSystem& files_;
    std::map<std::string, Sizes> fileIcons_;       // lower-cased absolute path
    std::map<std::string, Sizes> extensionIcons_;  // lower-cased extension
    std::set<std::string> noIcon_;
};

class SimSound final : public ISound {
public:
    explicit SimSound(SimFileSystem& files) : files_(files) {}
    // A file that does not exist plays nothing.
    bool PlayFileAsync(const std::string& path) override;
    std::vector<std::string> Played;

private:
    SimFileSystem& files_;
};

class SimEventLoop final : public IEventLoop {
public:
    explicit SimEventLoop(SimClock& clock) : clock_(clock) {}
    void Post(std::function<void()> call) override;
    bool ProcessOne() override;
    bool WaitForWork() override { return !queue_.empty(); }
    void WakeUp() override {}
    uint64_t SetTimer(uint32_t intervalMs, std::function<void()> tick) override;
    void KillTimer(uint64_t id) override;
    void Sleep(uint32_t ms) override { Advance(ms); }

    // Moves virtual time forward, firing due timers in time order and running the calls
    // they post.
    void Advance(uint64_t ms);
    size_t Pending() const { return queue_.size(); }
    size_t ActiveTimers() const { return timers_.size(); }

private:
    struct Timer {
        uint32_t Interval;
        uint64_t Due;
        std::function<void()> Tick;
    };
    SimClock& clock_;
    std::deque<std::function<void()>> queue_;
    std::map<uint64_t, Timer> timers_;
    uint64_t nextTimer_ = 1;
};

// An in-memory registry. Keys compare without regard to case, as the system's do.
class SimRegistry final : public IRegistry {
public:
    std::optional<std::string> ReadString(RegistryRoot root, const std::string& key, const std::string& value) override;
    void WriteString(RegistryRoot root, const std::string& key, const std::string& value,
                     const std::string& data) override;
    bool DeleteValue(RegistryRoot root, const std::string& key, const std::string& value) override;
    // Writes below this key fail, as under a key the user may not change.
    void SetReadOnly(RegistryRoot root, const std::string& key, bool readOnly = true);
    bool HasValue(RegistryRoot root, const std::string& key, const std::string& value) const;

private:
    static std::string KeyOf(RegistryRoot root, const std::string& key);
    std::map<std::string, std::map<std::string, std::string>> keys_;  // lower-cased key -> lower-cased value -> data
    std::set<std::string> readOnly_;
};

struct SimControl;
struct SimForm;
struct SimTrayIcon;
struct SimHotKey;
struct SimImageList;

struct DialogScript {
    std::string TextContains;  // empty matches any text
    int Answer = ModalResult::None;
};

// The family headers (sim_form.h, sim_tree_view.h, ...) hold the records of the native
// controls, which tests look at and act on.
class SimUserInterface final : public IUserInterface {
public:
    explicit SimUserInterface(SimPlatform& owner) : owner_(owner) {}
    ~SimUserInterface() override;
    SimPlatform& Owner() const { return owner_; }
    std::unique_ptr<IMessageWindow> CreateMessageWindow(MessageProc proc) override;
    std::unique_ptr<IFormPeer> CreateFormPeer(IFormSink& sink, const FormParams& params) override;
    std::unique_ptr<ITreeViewPeer> CreateTreeViewPeer(ITreeViewSink& sink, NativeHandle parent) override;
    std::unique_ptr<IButtonPeer> CreateButtonPeer(IButtonSink& sink, const ButtonParams& params,
                                                  NativeHandle parent) override;
    std::unique_ptr<IEditPeer> CreateEditPeer(IEditSink& sink, const EditParams& params, NativeHandle parent) override;
    std::unique_ptr<IComboBoxPeer> CreateComboBoxPeer(IComboBoxSink& sink, const ComboBoxParams& params,
                                                      NativeHandle parent) override;
    std::unique_ptr<ILabelPeer> CreateLabelPeer(IControlSink& sink, NativeHandle parent) override;
    std::unique_ptr<IPanelPeer> CreatePanelPeer(IControlSink& sink, NativeHandle parent) override;
    std::unique_ptr<IScrollBoxPeer> CreateScrollBoxPeer(IScrollBoxSink& sink, NativeHandle parent) override;
    std::unique_ptr<ISplitterPeer> CreateSplitterPeer(ISplitterSink& sink, NativeHandle parent) override;
    std::unique_ptr<IImageBoxPeer> CreateImageBoxPeer(IControlSink& sink, NativeHandle parent) override;
    std::unique_ptr<IStatusBarPeer> CreateStatusBarPeer(IControlSink& sink, NativeHandle parent) override;
    std::unique_ptr<IPageControlPeer> CreatePageControlPeer(IPageControlSink& sink, NativeHandle parent) override;
    std::unique_ptr<IGroupBoxPeer> CreateGroupBoxPeer(IControlSink& sink, NativeHandle parent) override;
    std::unique_ptr<IHotKeyEditPeer> CreateHotKeyEditPeer(IHotKeyEditSink& sink, NativeHandle parent) override;
    std::unique_ptr<IProgressBarPeer> CreateProgressBarPeer(IControlSink& sink, NativeHandle parent) override;
    std::unique_ptr<ISpinEditPeer> CreateSpinEditPeer(ISpinEditSink& sink, NativeHandle parent) override;
    std::unique_ptr<IToolBarPeer> CreateToolBarPeer(IToolBarSink& sink, NativeHandle parent) override;
    std::unique_ptr<IWebBrowserPeer> CreateWebBrowserPeer(IWebBrowserSink& sink, NativeHandle parent) override;
    std::unique_ptr<IRichEditPeer> CreateRichEditPeer(IRichEditSink& sink, const RichEditParams& params,
                                                      NativeHandle parent) override;
    std::unique_ptr<ITabSetPeer> CreateTabSetPeer(ITabSetSink& sink, NativeHandle parent) override;
    std::unique_ptr<IStringGridPeer> CreateStringGridPeer(IStringGridSink& sink, NativeHandle parent) override;
    std::unique_ptr<IFindDialogPeer> ShowFindDialog(IFindDialogSink& sink, const FindDialogParams& params) override;
    // The find or replace dialog open now (sim_find_dialog.h); nullptr for none.
    struct SimFindDialog* FindDialog = nullptr;
    // The text on the clipboard; the rich edits cut, copy and paste through it.
    std::string Clipboard;
    // Whether the desktop has a browser engine; without one no browser peer is made.
    bool BrowserEngine = true;
    // A browser loads every address it is asked for in this much virtual time (navigate
    // and document complete, top level); below 0 it never finishes on its own.
    int BrowserLoadsInMs = -1;
    std::unique_ptr<IRealisedMenu> RealiseMenu(std::vector<MenuEntryView> entries) override;
    using IUserInterface::TrackPopupMenu;
    uint32_t TrackPopupMenu(IRealisedMenu& menu, TPoint at, NativeHandle owner, IMenuSink& sink) override;
    std::unique_ptr<IImageListPeer> CreateImageListPeer(int width, int height) override;
    std::unique_ptr<IBitmapCanvas> CreateBitmapCanvas(int width, int height, TColor fill) override;
    std::unique_ptr<ITrayIconPeer> CreateTrayIconPeer(ITrayIconSink& sink) override;
    std::unique_ptr<IHotKeyPeer> CreateHotKeyPeer(IHotKeySink& sink) override;
    int ShowMessageDialog(const MessageDialogRequest& request) override;
    bool ShowOpenFileDialog(const OpenFileRequest& request, std::string& file) override;
    bool BrowseForFolder(const FolderBrowseRequest& request, std::string& folder) override;
    bool ShowSaveFileDialog(const SaveFileRequest& request, std::string& file) override;
    PrintResult PrintTable(const PrintRequest& request) override;
    // Scripts the next save-file dialog (an empty answer cancels it) and whether the next
    // print dialog is confirmed.
    void ExpectSaveFileDialog(std::string answer) { saveScripts_.push_back(std::move(answer)); }
    void ExpectPrintDialog(bool confirm) { printScripts_.push_back(confirm); }
    std::vector<SaveFileRequest> SaveFileDialogs;
    std::vector<PrintRequest> Printed;  // every confirmed print, in order
    bool GetCursorPos(TPoint& pos) override;
    // Every simulated monitor shows at the desktop's PixelsPerInch.
    int DpiAt(TPoint) override;
    void SetForegroundWindow(NativeHandle window) override { Foreground.push_back(window); }
    void PostNullMessage(NativeHandle window) override { NullMessages.push_back(window); }
    bool DisableWindowsGhosting() override;
    void SetApplicationTitle(const std::string& title) override { AppTitle = title; }
    void RestoreApplication() override { ++Restores; }
    void SetRightToLeft(bool rtl) override { RightToLeft = rtl; }
    void SetWaitCursor(bool wait) override {
        WaitCursor = wait;
        if (wait) ++WaitCursorShown;
    }
    bool WaitCursor = false;
    int WaitCursorShown = 0;

    // Every native window alive now, by handle (each peer enters and leaves itself).
    std::map<NativeHandle, SimControl*> Controls;
    // The control with the keyboard focus; 0 for none.
    NativeHandle Focus = 0;
    // The record behind a handle, as the family's record type; nullptr when there is no
    // such window or it is of another family.
    template <typename Record>
    Record* Control(NativeHandle handle) const {
        auto it = Controls.find(handle);
        return it == Controls.end() ? nullptr : dynamic_cast<Record*>(it->second);
    }

    // The notification area refuses icons until this much virtual time has passed.
    uint64_t TrayRefusesUntilMs = 0;
    // The icons in the notification area now.
    std::vector<SimTrayIcon*> TrayIcons;
    // The shell restarts: every icon is dropped and the taskbar-created message goes out.
    void RestartTaskbar();
    // Hot keys other programs hold; registering one of them fails.
    std::set<std::pair<uint32_t, uint32_t>> TakenHotKeys;
    std::vector<SimHotKey*> HotKeys;
    // The user presses a key combination anywhere; true when a hot key took it.
    bool PressHotKey(uint32_t virtualKey, uint32_t modifiers);
    uint64_t NowMs() const;
    // Menus: every menu shown, and the entry the user will choose in the next one, named
    // by the captions from the top level down (accelerator marks ignored). Without a
    // script the menu is dismissed.
    struct ShownMenu {
        std::vector<MenuEntryView> Entries;
        TPoint At;
        NativeHandle Owner = 0;
        uint32_t Chosen = 0;
        // Owner-drawn entries as the system measured and drew them while the menu was
        // open, in the levels the user opened: the top level and the submenus on the
        // scripted path. Every such entry is drawn once unselected, into a picture of its
        // measured size; the entries on the scripted path are then drawn again selected,
        // as the user moves onto them. Empty while the desktop has no canvases.
        struct Drawing {
            uint32_t Id = 0;
            bool Selected = false;
            TBitmap32 Picture;
        };
        std::map<uint32_t, TSize> Measured;
        std::vector<Drawing> Drawings;
    };
    void ChooseMenuEntry(std::vector<std::string> captionPath);
    std::vector<ShownMenu> Menus;
    // How many native menus were built from a view: a menu shown again unchanged is not.
    int MenusRealised = 0;

    // Scripts the answer of the next message dialog whose text contains `textContains`.
    void ExpectMessageDialog(std::string textContains, int answer);
    // Scripts what the user chooses in the next open-file dialog or folder browser; an
    // empty answer cancels it.
    void ExpectOpenFileDialog(std::string answer);
    void ExpectFolderDialog(std::string answer);
    // Dialog and menu scripts that no dialog or menu has used.
    size_t UnansweredScripts() const {
        return scripts_.size() + menuScripts_.size() + fileScripts_.size() + folderScripts_.size() +
               saveScripts_.size() + printScripts_.size();
    }
    std::vector<MessageDialogRequest> Dialogs;  // every dialog shown, in order
    std::vector<OpenFileRequest> OpenFileDialogs;
    std::vector<FolderBrowseRequest> FolderDialogs;

    // The native image lists alive now (each peer enters and leaves itself), so tests
    // can compare them with their models.
    std::map<NativeHandle, const SimImageList*> ImageLists;

    // Windows alive now, in creation order.
    std::vector<SimForm*> Forms() const;
    SimForm* FindForm(const std::string& className) const;
    void Register(SimForm* f);
    void Unregister(SimForm* f);

    bool CursorAvailable = true;
    TPoint Cursor{400, 300};
    std::vector<NativeHandle> Foreground;
    std::vector<NativeHandle> NullMessages;
    bool GhostingAvailable = true;
    bool GhostingDisabled = false;
    std::string AppTitle;
    int Restores = 0;
    bool RightToLeft = false;
    NativeHandle NewHandle() { return nextHandle_++; }

private:
    SimPlatform& owner_;
    std::deque<DialogScript> scripts_;
    std::deque<std::vector<std::string>> menuScripts_;
    std::deque<std::string> fileScripts_, folderScripts_, saveScripts_;
    std::deque<bool> printScripts_;
    std::vector<SimForm*> forms_;
    NativeHandle nextHandle_ = 0x1000;
};

class SimDesktop;

class SimPlatform final : public Platform {
public:
    // A fresh sandbox below the system's temporary folder, removed again at destruction.
    SimPlatform();
    ~SimPlatform() override;
    IFileSystem& Files() override { return files_; }
    ISystemInfo& System() override { return system_; }
    IClock& Clock() override { return clock_; }
    IShell& Shell() override { return shell_; }
    IEventLoop& Loop() override { return loop_; }
    IUserInterface& UI() override { return ui_; }
    IRegistry& Registry() override { return registry_; }
    ISound& Sound() override { return sound_; }
    IDesktop& Desktop() override;
    // The shared desktop: other programs' windows, mutexes and atoms (sim_desktop.h).
    SimDesktop& SimDesktopObjects();
    SimSound& SimSounds() { return sound_; }

    SimFileSystem& SimFiles() { return files_; }
    SimSystemInfo& SimSystem() { return system_; }
    SimClock& SimTime() { return clock_; }
    SimShell& SimShellCalls() { return shell_; }
    SimEventLoop& SimLoop() { return loop_; }
    SimUserInterface& SimUI() { return ui_; }
    SimRegistry& SimReg() { return registry_; }
    const std::filesystem::path& Root() const { return root_; }

    void Advance(uint64_t ms) { loop_.Advance(ms); }
    // Called for every breach of the script: an unscripted dialog, for instance. Tests
    // turn it into a test failure.
    std::function<void(const std::string&)> OnFailure;
    void Fail(const std::string& what);

private:
    std::filesystem::path root_;
    SimFileSystem files_;
    SimSystemInfo system_;
    SimClock clock_;
    SimShell shell_{files_};
    SimEventLoop loop_;
    SimUserInterface ui_;
    SimRegistry registry_;
    SimSound sound_{files_};
    std::unique_ptr<SimDesktop> desktop_;
};

}  // namespace pv::sim
