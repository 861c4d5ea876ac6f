#pragma once
// A container that scrolls its children vertically: they are laid out as if the box were
// as tall as they need, shifted up by the scroll position; a scroll bar shows (and takes
// its width from the children) while they need more height than the box has.
#include "controls/control.h"
#include "platform/ui/scroll_box.h"

namespace pv {

class TScrollBox final : public TWinControl, private IScrollBoxSink {
public:
    explicit TScrollBox(TComponent* owner) : TWinControl(owner) {}
    PV_COMPONENT_CLASS(TScrollBox)

    TRect ClientRect() const override;
    void Realign() override;
    // How far the content is scrolled up; kept within the content.
    int VertScrollPos() const { return position_; }
    void SetVertScrollPos(int position);
    // The height the children need, and whether the bar shows.
    int ContentHeight() const { return content_; }
    bool VertScrollBarVisible() const { return barVisible_; }

protected:
    std::unique_ptr<IControlPeer> MakePeer(NativeHandle parent) override;
    void ReplayState() override;

private:
    void PeerVertScroll(int position) override;
    void PushScroll();
    int position_ = 0;
    int content_ = 0;
    bool barVisible_ = false;
};

}  // namespace pv
