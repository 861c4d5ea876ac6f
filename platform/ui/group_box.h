#pragma once
// A group box: a container whose frame carries its text at the top left. Its children
// lie inside it and report to their own peers.
#include "platform/ui/control.h"

namespace pv {

// The frame and the text are all the box shows; it has no verbs beyond every control's.
class IGroupBoxPeer : public IControlPeer {};

}  // namespace pv
