#pragma once
// A box that shows one picture at its top left.
#include "controls/control.h"
#include "util/bitmap.h"

namespace pv {

class TImage final : public TControl {
public:
    explicit TImage(TComponent* owner) : TControl(owner) {}
    PV_COMPONENT_CLASS(TImage)

    const TBitmap32& Picture() const { return picture_; }
    // An empty picture leaves the box empty.
    void SetPicture(const TBitmap32& picture);

protected:
    std::unique_ptr<IControlPeer> MakePeer(NativeHandle parent) override;
    void ReplayState() override;

private:
    TBitmap32 picture_;
};

}  // namespace pv
