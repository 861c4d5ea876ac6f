#include "controls/application_events.h"

namespace pv {

TApplicationEvents::TApplicationEvents(TComponent* owner) : TComponent(owner) {
    if (Application()) Application()->AddEventHook(this);
}

TApplicationEvents::~TApplicationEvents() {
    if (Application()) Application()->RemoveEventHook(this);
}

}  // namespace pv
