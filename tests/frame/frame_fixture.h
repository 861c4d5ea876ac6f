#pragma once
// A frame of the generic kind on the simulated desktop, with a bare main window, so the
// start-up, the folders and the error report are tested without the program's windows.
#include <memory>
#include <string>
#include <vector>

#include "controls/application.h"
#include "frame/form_base.h"
#include "frame/generic_frame.h"
#include "tests/support/sim_test.h"
#include "platform/sim/sim_form.h"
#include "util/exception.h"

namespace pv::testing {

class TestMainForm : public TvdFormFrontBase {
public:
    explicit TestMainForm(TComponent* owner) : TvdFormFrontBase(owner) { SetName("TestMainForm"); }
    PV_COMPONENT_CLASS(TestMainForm)
    int DeferredStarts = 0;
    int Refreshes = 0;
    void FormDeferredStart() override { ++DeferredStarts; }
    void RefreshForm() override { ++Refreshes; }

protected:
    void BeforeDestruction() override {
        if (Shared) {
            Shared->SaveFormPlacement(this);
            Shared->SaveFormSettings(this);
            Shared->FormDestroyed(this);
        }
        TvdFormFrontBase::BeforeDestruction();
    }
};

// A secondary window that frees itself when closed, like the program's dialogs.
class TestSecondaryForm : public TvdFormGenericStructEx {
public:
    explicit TestSecondaryForm(TComponent* owner) : TvdFormGenericStructEx(owner) {}
    PV_COMPONENT_CLASS(TestSecondaryForm)

protected:
    void LoadLayout() override {
        OnClose = [](TComponent*, TCloseAction& a) { a = TCloseAction::Free; };
    }
    void BeforeDestruction() override {
        if (Shared) Shared->FormDestroyed(this);
        TvdFormGenericStructEx::BeforeDestruction();
    }
};

class TestFrame : public TvdDataModuleGenericStruct {
public:
    explicit TestFrame(TComponent* owner) : TvdDataModuleGenericStruct(owner) {}
    TForm* MainSlot = nullptr;
    TForm* AboutSlot = nullptr;
    TForm* UpdatesSlot = nullptr;
    TForm* ExtraSlot = nullptr;
    bool FailInStartFrame = false;
    std::vector<TForm**> GetExtraFrameForms() override { return {&ExtraSlot}; }
    void StartFrame() override {
        if (FailInStartFrame) throw EFOpenError("start failed");
        TvdDataModuleGenericStruct::StartFrame();
    }

protected:
    void AssignFormSlots() override {
        MainFormRef = &MainSlot;
        AboutFormRef = &AboutSlot;
        CheckUpdatesFormRef = &UpdatesSlot;
        MainFormClass = {"TestMainForm", [](TComponent* o) -> TForm* { return TComponent::Create<TestMainForm>(o); }};
        CheckUpdatesFormClass = {"TestSecondaryForm",
                                 [](TComponent* o) -> TForm* { return TComponent::Create<TestSecondaryForm>(o); }};
        AboutFormClass = CheckUpdatesFormClass;
    }
};

class FrameTest : public SimTest {
protected:
    ~FrameTest() override { Stop(); }
    // Creates the application and the frame; the start-up runs inside.
    TestFrame* Start(std::vector<std::string> params = {}) {
        sim.SimSystem().Params = std::move(params);
        app = std::make_unique<TApplication>(sim);
        frame = TComponent::Create<TestFrame>(app.get());
        return frame;
    }
    void Stop() {
        app.reset();
        frame = nullptr;
    }
    TestMainForm* Main() const { return frame ? dynamic_cast<TestMainForm*>(frame->MainSlot) : nullptr; }
    std::unique_ptr<TApplication> app;
    TestFrame* frame = nullptr;
};

}  // namespace pv::testing
