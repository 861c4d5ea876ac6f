// Simulated top-level windows and the frame's message windows.
#include "platform/sim/sim_form.h"

namespace pv::sim {

namespace {

class SimMessageWindow final : public IMessageWindow {
public:
    SimMessageWindow(SimEventLoop& loop, MessageProc proc, NativeHandle handle)
        : loop_(loop), proc_(std::make_shared<MessageProc>(std::move(proc))), handle_(handle) {}
    ~SimMessageWindow() override { *proc_ = nullptr; }
    NativeHandle Handle() override { return handle_; }
    void Post(uint32_t msg, uintptr_t wParam, intptr_t lParam) override {
        // A message posted to a window destroyed before the loop reaches it is dropped.
        loop_.Post([proc = proc_, msg, wParam, lParam] {
            intptr_t result = 0;
            // A copy runs, so that a handler which destroys its own window keeps its state.
            if (MessageProc call = *proc) call(msg, wParam, lParam, result);
        });
    }

private:
    SimEventLoop& loop_;
    std::shared_ptr<MessageProc> proc_;
    NativeHandle handle_;
};

class SimFormPeer final : public IFormPeer {
public:
    SimFormPeer(SimUserInterface& ui, IFormSink& sink, const FormParams& params) : ui_(ui) {
        form_.Sink = &sink;
        form_.Ui = &ui;
        form_.FormSink = &sink;
        form_.Handle = ui.NewHandle();
        form_.Params = params;
        form_.Text = params.Caption;
        form_.Placement.Normal = params.Bounds;
        form_.Bounds = params.Bounds;
        ui_.Register(&form_);
    }
    ~SimFormPeer() override {
        ui_.Unregister(&form_);
        if (ui_.Focus == form_.Handle) ui_.Focus = 0;
    }
    NativeHandle Handle() override { return form_.Handle; }
    void SetText(const std::string& caption) override { form_.Text = caption; }
    void SetHint(const std::string&) override {}
    void SetEnabled(bool enabled) override { form_.Enabled = enabled; }
    void SetVisible(bool visible) override { form_.Visible = visible; }
    void SetBounds(const TRect& bounds) override {
        if (form_.Placement.State != WindowState::Normal) {
            form_.Placement.Normal = bounds;
            return;
        }
        // The system keeps a window at least as large as its minimum track size.
        TRect b = bounds;
        b.Right = b.Left + std::max(b.Width(), form_.MinTrackSize.cx);
        b.Bottom = b.Top + std::max(b.Height(), form_.MinTrackSize.cy);
        form_.Placement.Normal = b;
        form_.Bounds = b;
        form_.FormSink->PeerPlacementChanged(form_.Placement, form_.Visible, form_.ClientSize());
    }
    void SetWindowState(WindowState state) override { form_.Placement.State = state; }
    WindowPlacement GetPlacement() override { return form_.Placement; }
    TSize ClientSize() override { return form_.ClientSize(); }
    TSize WindowSizeFor(TSize client) override { return {client.cx + kSimFrameWidth, client.cy + kSimFrameHeight}; }
    void SetMinTrackSize(TSize size) override { form_.MinTrackSize = size; }
    void SetCloseEnabled(bool enabled) override { form_.CloseEnabled = enabled; }
    void SetRightToLeft(bool rtl) override { form_.RightToLeft = rtl; }
    void SetFont(const FontSpec& font) override { form_.Font = font; }
    void BringToFront() override { ++form_.BroughtToFront; }
    int Dpi() override { return form_.MonitorDpi > 0 ? form_.MonitorDpi : ui_.Owner().SimSystem().PixelsPerInch; }
    // Every simulated monitor has the desktop's work area.
    TRect WorkArea() override { return ui_.Owner().SimSystem().Work; }
    void SetFocus() override { form_.TakeFocus(); }

private:
    SimUserInterface& ui_;
    SimForm form_;
};

}  // namespace

void SimForm::UserSetPlacement(const WindowPlacement& p) {
    Placement = p;
    Bounds = p.Normal;
    FormSink->PeerPlacementChanged(p, Visible, ClientSize());
}

void SimForm::UserMoveToDpi(int dpi, const TRect& suggested) {
    MonitorDpi = dpi;
    FormSink->PeerDpiChanged(dpi, suggested);
}

void SimForm::UserResize(int width, int height) {
    WindowPlacement p = Placement;
    p.Normal.Right = p.Normal.Left + std::max(width, MinTrackSize.cx);
    p.Normal.Bottom = p.Normal.Top + std::max(height, MinTrackSize.cy);
    UserSetPlacement(p);
}

std::unique_ptr<IMessageWindow> SimUserInterface::CreateMessageWindow(MessageProc proc) {
    return std::make_unique<SimMessageWindow>(owner_.SimLoop(), std::move(proc), NewHandle());
}

std::unique_ptr<IFormPeer> SimUserInterface::CreateFormPeer(IFormSink& sink, const FormParams& params) {
    return std::make_unique<SimFormPeer>(*this, sink, params);
}

std::vector<SimForm*> SimUserInterface::Forms() const { return forms_; }

SimForm* SimUserInterface::FindForm(const std::string& className) const {
    for (auto* f : forms_)
        if (f->Params.ClassName == className) return f;
    return nullptr;
}

void SimUserInterface::Register(SimForm* f) {
    forms_.push_back(f);
    Controls[f->Handle] = f;
}

void SimUserInterface::Unregister(SimForm* f) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), f), forms_.end());
    Controls.erase(f->Handle);
}

}  // namespace pv::sim
