#pragma once
#include <atomic>
#include <deque>
#include <functional>
#include <map>
#include <mutex>

#include "platform/win32/win32_common.h"
#include "platform/platform.h"

namespace pv::win32 {

// The user-interface thread's message loop. Queued calls and timers are delivered
// through one hidden message-only window.
class Win32EventLoop final : public IEventLoop {
public:
    Win32EventLoop();
    ~Win32EventLoop() override;
    void Post(std::function<void()> call) override;
    bool ProcessOne() override;
    bool WaitForWork() override;
    void WakeUp() override;
    uint64_t SetTimer(uint32_t intervalMs, std::function<void()> tick) override;
    void KillTimer(uint64_t id) override;
    void Sleep(uint32_t ms) override;

    // For the window procedure of the hidden window.
    void RunOneCall();
    void RunTimer(uint64_t id);
    // Runs the calls waiting since a post of theirs was refused.
    void RunUnpostedCalls();

private:
    void* window_ = nullptr;  // HWND
    std::mutex lock_;
    std::deque<std::function<void()>> calls_;
    std::map<uint64_t, std::function<void()>> timers_;
    uint64_t nextTimer_ = 1;
    std::atomic<bool> unposted_{false};
};

// How a queued call's message is posted; tests put in a post that fails.
extern BOOL(WINAPI* loopPostMessage)(HWND, UINT, WPARAM, LPARAM);

}  // namespace pv::win32
