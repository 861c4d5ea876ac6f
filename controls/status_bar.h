#pragma once
#include <functional>
#include <string>
#include <vector>

#include "controls/control.h"
#include "platform/ui/status_bar.h"

namespace pv {

class TApplicationEvents;
class TTimer;

// The maker's status bar: one simple panel that shows the long hint of the control under
// the pointer (in the bar's own window), and its default line when no hint applies or
// HintTimeout milliseconds after the last hint came. With panels, that line is the first
// panel's; a panel marked as drawn by the window is left to OnDrawPanel.
class TvdStatusBar final : public TWinControl, public IStatusBarSink {
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
    const std::vector<StatusPanelSpec>& Panels() const { return panels_; }
    // Widths in pixels from the left; the last panel reaches the right edge.
    void SetPanels(const std::vector<StatusPanelSpec>& panels);
    // The bar draws a panel the window draws: `rect` is where it lies in the bar.
    std::function<void(TvdStatusBar* sender, int index, const TRect& rect)> OnDrawPanel;
    // Draws the panels anew, so that the drawn ones are reported again.
    void Invalidate();

protected:
    void AfterConstruction() override;
    std::unique_ptr<IControlPeer> MakePeer(NativeHandle parent) override;
    void ReplayState() override;

private:
    void ApplicationHint();
    void PeerDrawPanel(int index, const TRect& rect) override;
    std::vector<StatusPanelSpec> panels_;
    std::string autoHintDef_;
    bool sizeGrip_ = true;
    TApplicationEvents* hints_ = nullptr;
    TTimer* fallBack_ = nullptr;
};

}  // namespace pv
