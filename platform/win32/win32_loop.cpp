#include "platform/win32/win32_common.h"
#include "platform/win32/win32_loop.h"


namespace pv::win32 {

BOOL(WINAPI* loopPostMessage)(HWND, UINT, WPARAM, LPARAM) = PostMessageW;

namespace {

// The shortcut a key makes with the modifiers held now: only a key with Ctrl or Alt, or a
// function key, counts; 0 for the others, which go to the control as they are.
uint32_t KeyShortCut(WPARAM key) {
    const bool ctrl = GetKeyState(VK_CONTROL) < 0, alt = GetKeyState(VK_MENU) < 0, shift = GetKeyState(VK_SHIFT) < 0;
    const bool function = key >= VK_F1 && key <= VK_F24;
    if (!ctrl && !alt && !function) return 0;
    if (key == VK_CONTROL || key == VK_MENU || key == VK_SHIFT) return 0;
    uint32_t shortcut = static_cast<uint32_t>(key & 0xFF);
    if (shift) shortcut |= 0x2000;
    if (ctrl) shortcut |= 0x4000;
    if (alt) shortcut |= 0x8000;
    return shortcut;
}

constexpr UINT kRunCall = WM_APP + 1;
// Above every timer the loop hands out: runs the calls whose message the queue refused.
constexpr UINT_PTR kUnpostedTimer = 0x7FFFFFF0;
constexpr UINT kUnpostedRetryMs = 10;
const wchar_t* kLoopClass = L"PivolaLoopWindow";

LRESULT CALLBACK LoopProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* loop = BoundObject<Win32EventLoop>(hwnd, msg, lp);
    if (loop) {
        switch (msg) {
            case kRunCall: return GuardedCall([&] { loop->RunOneCall(); return LRESULT(0); });
            case WM_TIMER:
                if (wp == kUnpostedTimer) {
                    KillTimer(hwnd, kUnpostedTimer);
                    return GuardedCall([&] { loop->RunUnpostedCalls(); return LRESULT(0); });
                }
                return GuardedCall([&] { loop->RunTimer(wp); return LRESULT(0); });
        }
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}
}  // namespace

Win32EventLoop::Win32EventLoop() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = LoopProc;
    wc.hInstance = ModuleInstance();
    wc.lpszClassName = kLoopClass;
    RegisterClassW(&wc);
    window_ = CreateWindowExW(0, kLoopClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, ModuleInstance(), this);
}

Win32EventLoop::~Win32EventLoop() {
    if (window_) DestroyWindow(static_cast<HWND>(window_));
}

void Win32EventLoop::Post(std::function<void()> call) {
    {
        std::lock_guard<std::mutex> g(lock_);
        calls_.push_back(std::move(call));
    }
    if (!loopPostMessage(static_cast<HWND>(window_), kRunCall, 0, 0)) {
        // The queue refused the message (it is full): the call must not wait for the next
        // one. A timer's message is made when the queue is read, so it still comes, also
        // in a modal loop; from another thread, where no timer can be set, the loop runs
        // such calls after the next message it handles.
        unposted_ = true;
        ::SetTimer(static_cast<HWND>(window_), kUnpostedTimer, kUnpostedRetryMs, nullptr);
    }
}

void Win32EventLoop::RunUnpostedCalls() {
    if (!unposted_.exchange(false)) return;
    size_t waiting;
    {
        std::lock_guard<std::mutex> g(lock_);
        waiting = calls_.size();
    }
    // Calls queued before the refused one are run with it, in their order; their own
    // messages later find nothing left to do.
    for (size_t i = 0; i < waiting; ++i) RunOneCall();
}

void Win32EventLoop::RunOneCall() {
    std::function<void()> call;
    {
        std::lock_guard<std::mutex> g(lock_);
        if (calls_.empty()) return;
        call = std::move(calls_.front());
        calls_.pop_front();
    }
    call();
}

bool Win32EventLoop::ProcessOne() {
    MSG msg;
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
    if (msg.message != WM_QUIT) {
        // The dialog manager gives the model's windows Tab, the arrow keys among a group,
        // Alt with a button's accelerator and Escape.
        HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
        if ((msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) && IsFormWindow(root) &&
            FormShortCut(root, KeyShortCut(msg.wParam))) {
            RaiseParkedException();
            return true;
        }
        if (!((IsFormWindow(root) || IsModelessDialog(root)) && IsDialogMessageW(root, &msg))) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    RaiseParkedException();
    if (unposted_) {
        RunUnpostedCalls();
        RaiseParkedException();
    }
    return true;
}

bool Win32EventLoop::WaitForWork() {
    WaitMessage();
    return true;
}

void Win32EventLoop::WakeUp() { PostMessageW(static_cast<HWND>(window_), WM_NULL, 0, 0); }

uint64_t Win32EventLoop::SetTimer(uint32_t intervalMs, std::function<void()> tick) {
    uint64_t id = nextTimer_++;
    timers_[id] = std::move(tick);
    ::SetTimer(static_cast<HWND>(window_), static_cast<UINT_PTR>(id), intervalMs, nullptr);
    return id;
}

void Win32EventLoop::Sleep(uint32_t ms) { ::Sleep(ms); }

void Win32EventLoop::KillTimer(uint64_t id) {
    ::KillTimer(static_cast<HWND>(window_), static_cast<UINT_PTR>(id));
    timers_.erase(id);
}

void Win32EventLoop::RunTimer(uint64_t id) {
    auto it = timers_.find(id);
    if (it == timers_.end()) return;
    auto tick = it->second;  // the tick may kill its own timer
    tick();
}

}  // namespace pv::win32
