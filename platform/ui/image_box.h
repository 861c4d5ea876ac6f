#pragma once
// A box that shows one picture.
#include "platform/ui/control.h"
#include "util/bitmap.h"

namespace pv {

class IImageBoxPeer : public IControlPeer {
public:
    // Drawn at the box's top left, blended by its alpha; an empty picture shows nothing.
    virtual void SetPicture(const TBitmap32& picture) = 0;
};

}  // namespace pv
