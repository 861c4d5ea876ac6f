#include "controls/group_box.h"

#include "platform/platform.h"

namespace pv {

std::unique_ptr<IControlPeer> TGroupBox::MakePeer(NativeHandle parent) {
    return GetPlatform().UI().CreateGroupBoxPeer(*this, parent);
}

}  // namespace pv
