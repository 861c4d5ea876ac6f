#include "platform/sim/sim_platform.h"

namespace pv::sim {

void SimEventLoop::Post(std::function<void()> call) { queue_.push_back(std::move(call)); }

bool SimEventLoop::ProcessOne() {
    if (queue_.empty()) return false;
    auto call = std::move(queue_.front());
    queue_.pop_front();
    call();
    return true;
}

uint64_t SimEventLoop::SetTimer(uint32_t intervalMs, std::function<void()> tick) {
    uint64_t id = nextTimer_++;
    timers_[id] = Timer{intervalMs == 0 ? 1u : intervalMs, clock_.ElapsedMs + (intervalMs == 0 ? 1u : intervalMs),
                        std::move(tick)};
    return id;
}

void SimEventLoop::KillTimer(uint64_t id) { timers_.erase(id); }

void SimEventLoop::Advance(uint64_t ms) {
    const uint64_t end = clock_.ElapsedMs + ms;
    while (true) {
        // The earliest due timer fires next; ties go to the timer set first.
        uint64_t bestId = 0, bestDue = 0;
        for (const auto& [id, t] : timers_)
            if (t.Due <= end && (bestId == 0 || t.Due < bestDue)) {
                bestId = id;
                bestDue = t.Due;
            }
        if (bestId == 0) break;
        clock_.ElapsedMs = bestDue;
        Timer& t = timers_[bestId];
        t.Due += t.Interval;
        auto tick = t.Tick;  // the tick may kill its own timer
        tick();
        while (ProcessOne()) {
        }
    }
    clock_.ElapsedMs = end;
    while (ProcessOne()) {
    }
}

}  // namespace pv::sim
