#include "tests/support/sim_test.h"

namespace pv::testing {

SimTest::SimTest() {
    sim.OnFailure = [](const std::string& what) { ADD_FAILURE() << "simulated desktop: " << what; };
}

void SimTest::TearDown() {
    EXPECT_EQ(sim.SimUI().UnansweredScripts(), 0u) << "a scripted dialog was never shown";
}

}  // namespace pv::testing
