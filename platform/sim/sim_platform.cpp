#include "platform/sim/sim_platform.h"
#include "platform/sim/sim_desktop.h"

#include <atomic>
#include <cstdlib>
#include <stdexcept>
#include <unistd.h>

namespace pv::sim {

namespace {
std::filesystem::path MakeSandbox() {
    std::filesystem::path base = std::filesystem::temp_directory_path();
    std::string pattern = (base / "pivola-sim-XXXXXX").string();
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    if (!mkdtemp(buf.data())) throw std::runtime_error("cannot create the simulated desktop's sandbox");
    return std::filesystem::path(buf.data());
}
}  // namespace

SimPlatform::SimPlatform()
    : root_(MakeSandbox()), files_(root_), loop_(clock_), ui_(*this) {
    // A fixed start, so that logs and dates are the same in every run.
    clock_.Start = EncodeDateTime({2026, 12, 10, 10, 0, 0, 0});
    // A desktop as freshly installed: the system, the program and the user's documents.
    for (const char* folder : {"C:\\Windows\\system32", "C:\\Program Files\\Pivola", "C:\\Users\\Tester\\Documents"})
        files_.ForceDirectories(folder);
}

SimPlatform::~SimPlatform() {
    std::error_code ec;
    if (!std::getenv("PIVOLA_KEEP_SANDBOX")) std::filesystem::remove_all(root_, ec);
}

void SimPlatform::Fail(const std::string& what) {
    if (OnFailure) OnFailure(what);
    else throw std::logic_error(what);
}

}  // namespace pv::sim
