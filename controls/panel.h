#pragma once
#include "controls/control.h"
#include "platform/ui/panel.h"

namespace pv {

// A panel: a container. As a header strip it shows its caption on the strip that tops a
// panel of the side column; as a caption heading it shows it like an active window's
// caption. A bordered panel lays its children out inside a thin sunken edge.
class TPanel final : public TWinControl {
public:
    explicit TPanel(TComponent* owner) : TWinControl(owner) {}
    PV_COMPONENT_CLASS(TPanel)
    PanelFace Face() const { return face_; }
    void SetFace(PanelFace face);
    bool HeaderStrip() const { return face_ == PanelFace::HeaderStrip; }
    void SetHeaderStrip(bool header) { SetFace(header ? PanelFace::HeaderStrip : PanelFace::Plain); }
    bool Border() const { return border_; }
    void SetBorder(bool border);
    TRect ClientRect() const override;

protected:
    std::unique_ptr<IControlPeer> MakePeer(NativeHandle parent) override;
    void ReplayState() override;

private:
    IPanelPeer* PanelPeer() const { return static_cast<IPanelPeer*>(peer_.get()); }
    PanelFace face_ = PanelFace::Plain;
    bool border_ = false;
};

}  // namespace pv
