#pragma once
// A bar the user drags to resize the control aligned beside it (before it in the same
// parent, on the side the splitter is aligned to). Neither that control nor the rest of
// the parent becomes narrower than MinSize.
#include "controls/control.h"
#include "platform/ui/splitter.h"

namespace pv {

class TSplitter final : public TControl, private ISplitterSink {
public:
    explicit TSplitter(TComponent* owner) : TControl(owner) {}
    PV_COMPONENT_CLASS(TSplitter)

    int MinSize = 30;
    // The control the bar resizes; nullptr when none lies beside it.
    TControl* ResizedControl() const;
    // Moves the bar by `offset` pixels from where the drag began.
    void DragTo(int offset);
    void BeginDrag();
    TNotifyEvent OnMoved;

protected:
    std::unique_ptr<IControlPeer> MakePeer(NativeHandle parent) override;
    void ReplayState() override;

private:
    void PeerDragStart() override;
    void PeerDragTo(int offset) override;
    bool Vertical() const { return align_ == TAlign::Left || align_ == TAlign::Right; }
    int startSize_ = -1;
};

}  // namespace pv
