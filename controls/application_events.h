#pragma once
// An application-event hook: a component that receives the application's events. Several
// hooks may exist (the frame's and the main window's); each gets every event.
#include "controls/application.h"

namespace pv {

class TApplicationEvents final : public TComponent {
public:
    explicit TApplicationEvents(TComponent* owner);
    ~TApplicationEvents() override;
    PV_COMPONENT_CLASS(TApplicationEvents)

    TExceptionEvent OnException;
    TNotifyEvent OnIdle;
    TNotifyEvent OnHint;
    TNotifyEvent OnMinimize;
    TNotifyEvent OnRestore;
};

}  // namespace pv
