#pragma once
// Every test that needs a desktop owns a fresh simulated one; a dialog that the test did
// not script, or a script left unanswered, fails the test.
#include <gtest/gtest.h>

#include <string>

#include "platform/sim/sim_platform.h"

namespace pv::testing {

class SimTest : public ::testing::Test {
protected:
    SimTest();
    void TearDown() override;

    // Shortcuts to the sandbox.
    void Put(const std::string& path, const std::string& bytes) { sim.SimFiles().PutFile(path, bytes); }
    std::string Get(const std::string& path) { return sim.SimFiles().GetFile(path); }
    bool Exists(const std::string& path) { return sim.Files().FileExists(path); }
    bool DirExists(const std::string& path) { return sim.Files().DirectoryExists(path); }

    sim::SimPlatform sim;
};

}  // namespace pv::testing
