#pragma once
#include <string>

#include "controls/control.h"

namespace pv {

class TApplicationEvents;
class TTimer;

// The maker's status bar: one simple panel that shows the long hint of the control under
// the pointer (in the bar's own window), and its default line when no hint applies or
// HintTimeout milliseconds after the last hint came.
class TvdStatusBar final : public TWinControl {
public:
    explicit TvdStatusBar(TComponent* owner);
    PV_COMPONENT_CLASS(TvdStatusBar)

    const std::string& SimpleText() const { return caption_; }
    void SetSimpleText(const std::string& text) { SetCaption(text); }
    // The line shown when no hint applies; setting it shows it while the bar shows the old
    // default, so a translated default replaces the English one on screen at once.
    const std::string& AutoHintDef() const { return autoHintDef_; }
    void SetAutoHintDef(const std::string& text);
    unsigned HintTimeout = 7500;
    bool SizeGrip() const { return sizeGrip_; }
    void SetSizeGrip(bool grip);

protected:
    void AfterConstruction() override;
    std::unique_ptr<IControlPeer> MakePeer(NativeHandle parent) override;
    void ReplayState() override;

private:
    void ApplicationHint();
    std::string autoHintDef_;
    bool sizeGrip_ = true;
    TApplicationEvents* hints_ = nullptr;
    TTimer* fallBack_ = nullptr;
};

}  // namespace pv
