#pragma once
// A progress bar: filled in proportion to Position of Max.
#include "controls/control.h"
#include "platform/ui/progress_bar.h"

namespace pv {

class TProgressBar final : public TControl {
public:
    explicit TProgressBar(TComponent* owner) : TControl(owner) {}
    PV_COMPONENT_CLASS(TProgressBar)
    int Max() const { return max_; }
    void SetMax(int max);
    int Position() const { return position_; }
    void SetPosition(int position);
    // The thin sunken edge around the bar, on by default.
    bool StaticEdge() const { return staticEdge_; }
    void SetStaticEdge(bool edge);

protected:
    std::unique_ptr<IControlPeer> MakePeer(NativeHandle parent) override;
    void ReplayState() override;

private:
    IProgressBarPeer* Peer() const { return static_cast<IProgressBarPeer*>(peer_.get()); }
    int max_ = 100;
    int position_ = 0;
    bool staticEdge_ = true;
};

}  // namespace pv
