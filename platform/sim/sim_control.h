#pragma once
// The simulated desktop's native controls: each peer keeps a record of the state its
// model last pushed, registered under its handle, so that a test can look at any
// control's bounds, text and state, and act on it as the user would.
#include <algorithm>
#include <string>

#include "platform/sim/sim_platform.h"

namespace pv::sim {

struct SimControl {
    virtual ~SimControl() = default;
    IControlSink* Sink = nullptr;
    SimUserInterface* Ui = nullptr;
    NativeHandle Handle = 0;
    NativeHandle Parent = 0;  // 0 for a top-level window
    TRect Bounds;
    bool Visible = false;
    bool Enabled = true;
    std::string Text;
    FontSpec Font;
    std::string Tooltip;
    // The user moves the pointer onto the control.
    void UserPointAt() { Sink->PeerMouseEnter(); }
    // Whether the control has the keyboard focus now.
    bool Focused() const { return Ui && Ui->Focus == Handle; }
    // Moves the focus here and reports the entry, unless the focus is here already (as the
    // system does, also for the program's SetFocus).
    void TakeFocus();
    // The user clicks into the control or tabs to it; nothing happens on a hidden or
    // disabled one. False when nothing came.
    bool UserFocus();
};

// A child control's peer over its record: the common verbs done once.
template <typename Interface, typename Record>
class SimChildPeer : public Interface {
public:
    SimChildPeer(SimUserInterface& ui, IControlSink& sink, NativeHandle parent) : ui_(ui) {
        rec_.Sink = &sink;
        rec_.Ui = &ui;
        rec_.Handle = ui.NewHandle();
        rec_.Parent = parent;
        ui_.Controls[rec_.Handle] = &rec_;
    }
    ~SimChildPeer() override {
        ui_.Controls.erase(rec_.Handle);
        if (ui_.Focus == rec_.Handle) ui_.Focus = 0;
    }
    NativeHandle Handle() override { return rec_.Handle; }
    void SetBounds(const TRect& bounds) override { rec_.Bounds = bounds; }
    void SetVisible(bool visible) override { rec_.Visible = visible; }
    void SetEnabled(bool enabled) override { rec_.Enabled = enabled; }
    void SetText(const std::string& text) override { rec_.Text = text; }
    void SetFont(const FontSpec& font) override { rec_.Font = font; }
    void SetHint(const std::string& hint) override { rec_.Tooltip = hint; }
    void SetFocus() override { rec_.TakeFocus(); }

protected:
    SimUserInterface& ui_;
    Record rec_;
};

}  // namespace pv::sim
