#pragma once
#include <string>

#include "controls/control.h"

namespace pv {

// The maker's status bar: one simple panel that shows the long hint of the control under
// the pointer, and its default line when no hint applies.
class TvdStatusBar final : public TWinControl {
public:
    explicit TvdStatusBar(TComponent* owner) : TWinControl(owner) {}
    PV_COMPONENT_CLASS(TvdStatusBar)

    const std::string& SimpleText() const { return simpleText_; }
    void SetSimpleText(const std::string& text) { simpleText_ = text; }
    // The line shown when no hint applies; setting it shows it while the bar shows the old
    // default, so a translated default replaces the English one on screen at once.
    const std::string& AutoHintDef() const { return autoHintDef_; }
    void SetAutoHintDef(const std::string& text);

private:
    std::string simpleText_;
    std::string autoHintDef_;
};

}  // namespace pv
