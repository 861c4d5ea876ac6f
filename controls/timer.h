#pragma once
#include "controls/component.h"

namespace pv {

// A timer of the user-interface thread; its ticks come from the platform's clock.
class TTimer final : public TComponent {
public:
    explicit TTimer(TComponent* owner) : TComponent(owner) {}
    ~TTimer() override;
    PV_COMPONENT_CLASS(TTimer)

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned ms);
    void SetOnTimer(TNotifyEvent handler);
    // What a tick of the platform timer does; also the one way a test makes it tick.
    void Tick();

private:
    void Update();
    bool enabled_ = true;
    unsigned interval_ = 1000;
    uint64_t id_ = 0;
    TNotifyEvent onTimer_;
};

}  // namespace pv
