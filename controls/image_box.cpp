#include "controls/image_box.h"

#include "platform/platform.h"

namespace pv {

std::unique_ptr<IControlPeer> TImage::MakePeer(NativeHandle parent) {
    return GetPlatform().UI().CreateImageBoxPeer(*this, parent);
}

void TImage::ReplayState() { static_cast<IImageBoxPeer*>(peer_.get())->SetPicture(picture_); }

void TImage::SetPicture(const TBitmap32& picture) {
    picture_ = picture;
    if (peer_) static_cast<IImageBoxPeer*>(peer_.get())->SetPicture(picture_);
}

}  // namespace pv
