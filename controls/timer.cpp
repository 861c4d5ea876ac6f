#include "controls/timer.h"

#include "controls/application.h"

namespace pv {

TTimer::~TTimer() {
    if (id_ && Application()) GetPlatform().Loop().KillTimer(id_);
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    Update();
}

void TTimer::SetInterval(unsigned ms) {
    if (interval_ == ms) return;
    interval_ = ms;
    Update();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
    onTimer_ = std::move(handler);
    Update();
}

void TTimer::Update() {
    auto& loop = GetPlatform().Loop();
    if (id_) {
        loop.KillTimer(id_);
        id_ = 0;
    }
    // Like the toolkit's timer, it only runs with a handler and a non-zero interval.
    if (enabled_ && interval_ > 0 && onTimer_) {
        std::weak_ptr<void> alive = AliveToken();
        id_ = loop.SetTimer(interval_, [this, alive] {
            if (!alive.expired()) Tick();
        });
    }
}

void TTimer::Tick() {
    if (onTimer_) Application()->Guard(this, [&] { onTimer_(this); });
}

}  // namespace pv
