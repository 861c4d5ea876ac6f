// The desktop other programs share: named mutexes, top-level windows, messages between
// programs and global atoms.
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_system.h"

namespace pv::win32 {

namespace {

// How long a send waits for a program that is busy but not hung.
constexpr UINT kSendTimeoutMs = 5000;
// The longest name an atom can have; the system fills such a buffer without a closing
// zero, so the length it answers is the only end of the name.
constexpr int kAtomNameBuffer = 255;
// Messages the instance window hands to its sink: WM_USER + 1 to WM_USER + 3.
constexpr UINT kFirstInstanceMessage = WM_USER + 1;
constexpr UINT kLastInstanceMessage = WM_USER + 3;

class Win32NamedMutex final : public INamedMutex {
public:
    explicit Win32NamedMutex(HANDLE handle) : handle_(handle) {}
    ~Win32NamedMutex() override {
        ReleaseMutex(handle_);
        CloseHandle(handle_);
    }

private:
    HANDLE handle_;
};

// A hidden top-level window (not a message-only one, which EnumWindows never lists), so
// that later copies of the program find it by class and title.
class Win32InstanceWindow final : public IInstanceWindow {
public:
    Win32InstanceWindow(const std::wstring& className, const std::wstring& title, IInstanceWindowSink& sink)
        : sink_(sink) {
        RegisterWindowClass(className.c_str(), Proc);
        hwnd_ = CreateWindowExW(0, className.c_str(), title.c_str(), WS_POPUP | WS_DISABLED, -1, -1, 0, 0, nullptr,
                                nullptr, ModuleInstance(), this);
    }
    ~Win32InstanceWindow() override {
        if (!hwnd_) return;
        // Messages that arrive while the window goes no longer reach the sink.
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
    bool Created() const { return hwnd_ != nullptr; }
    NativeHandle Handle() override { return reinterpret_cast<NativeHandle>(hwnd_); }

    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        auto* self = BoundObject<Win32InstanceWindow>(hwnd, msg, lp);
        if (self && msg >= kFirstInstanceMessage && msg <= kLastInstanceMessage)
            return GuardedCall([&] { return static_cast<LRESULT>(self->sink_.PeerInstanceMessage(msg, wp, lp)); });
        return DefWindowProcW(hwnd, msg, wp, lp);
    }

private:
    IInstanceWindowSink& sink_;
    HWND hwnd_ = nullptr;
};

std::string WindowClassName(HWND hwnd) {
    wchar_t name[256];
    int n = GetClassNameW(hwnd, name, 256);
    return n > 0 ? Narrow(name, n) : std::string();
}

std::string WindowTitle(HWND hwnd) {
    int length = GetWindowTextLengthW(hwnd);
    if (length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    int n = GetWindowTextW(hwnd, text.data(), length + 1);
    return Narrow(text.c_str(), n > 0 ? n : 0);
}

}  // namespace

std::unique_ptr<INamedMutex> Win32Desktop::TakeNamedMutex(const std::string& name) {
    std::wstring wide = Wide(name);
    if (HANDLE other = OpenMutexW(MUTEX_ALL_ACCESS, FALSE, wide.c_str())) {
        // Another copy holds it; this one keeps nothing.
        CloseHandle(other);
        return nullptr;
    }
    HANDLE created = CreateMutexW(nullptr, TRUE, wide.c_str());
    if (!created) return nullptr;
    return std::make_unique<Win32NamedMutex>(created);
}

std::unique_ptr<IInstanceWindow> Win32Desktop::CreateInstanceWindow(const std::string& className,
                                                                    const std::string& title,
                                                                    IInstanceWindowSink& sink) {
    auto window = std::make_unique<Win32InstanceWindow>(Wide(className), Wide(title), sink);
    if (!window->Created()) return nullptr;
    return window;
}

std::vector<DesktopWindow> Win32Desktop::TopLevelWindows() {
    std::vector<DesktopWindow> windows;
    EnumWindows(
        [](HWND hwnd, LPARAM lp) -> BOOL {
            auto* list = reinterpret_cast<std::vector<DesktopWindow>*>(lp);
            list->push_back({reinterpret_cast<NativeHandle>(hwnd), WindowClassName(hwnd), WindowTitle(hwnd)});
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

intptr_t Win32Desktop::SendMessageTo(NativeHandle window, uint32_t msg, uintptr_t wParam, intptr_t lParam) {
    DWORD_PTR answer = 0;
    // A hung program, a window gone meanwhile or a wait that runs out all answer 0, so
    // that a copy that cannot answer never holds this one up.
    if (!SendMessageTimeoutW(reinterpret_cast<HWND>(window), msg, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_NORMAL,
                             kSendTimeoutMs, &answer))
        return 0;
    return static_cast<intptr_t>(answer);
}

uint16_t Win32Desktop::AddGlobalAtom(const std::string& name) { return GlobalAddAtomW(Wide(name).c_str()); }

std::string Win32Desktop::GlobalAtomName(uint16_t atom) {
    wchar_t name[kAtomNameBuffer];
    UINT n = GlobalGetAtomNameW(atom, name, kAtomNameBuffer);
    return Narrow(name, static_cast<int>(n));
}

void Win32Desktop::DeleteGlobalAtom(uint16_t atom) { GlobalDeleteAtom(atom); }

}  // namespace pv::win32
