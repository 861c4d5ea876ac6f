#pragma once
// The whole program on the simulated desktop: application, frame and main window, started
// as pivola.exe would be.
#include <memory>
#include <string>
#include <vector>

#include "app/front_form.h"
#include "app/shared_module.h"
#include "controls/application.h"
#include "controls/tree_view.h"
#include "tests/support/sim_test.h"

namespace pv::testing {

class AppTest : public SimTest {
protected:
    ~AppTest() override { Stop(); }
    void Start(std::vector<std::string> params = {}) {
        sim.SimSystem().Params = std::move(params);
        app = std::make_unique<TApplication>(sim);
        frame = TComponent::Create<TModuleShared>(app.get());
    }
    void Stop() {
        app.reset();
        frame = nullptr;
    }
    TFormFront* Front() const { return frame ? frame->FormFront() : nullptr; }
    // The data folder of a default start.
    const std::string kData = "C:\\Users\\Tester\\Documents\\Vendrik\\Pivola\\";
    const std::string kApp = "C:\\Program Files\\Pivola\\";
    std::unique_ptr<TApplication> app;
    TModuleShared* frame = nullptr;
};

}  // namespace pv::testing
