// The item store over any records, through the whole program on the simulated desktop:
// the records are loaded at start, saved, reloaded from what was saved and saved again, and
// the two saves leave the same files. The input holds up to three levels, parted by NUL
// bytes: the store's own level, the level of its folder "A" and that of "A\B".
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "app/front_form.h"
#include "app/shared_module.h"
#include "controls/application.h"
#include "platform/sim/sim_platform.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

const std::string kStore = "C:\\Users\\Tester\\Documents\\Vendrik\\Pivola\\shortcuts\\";

using Snapshot = std::map<std::string, std::string>;

Snapshot FilesBelow(const std::filesystem::path& root) {
    Snapshot out;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        std::string rel = std::filesystem::relative(entry.path(), root).generic_string();
        if (entry.is_directory()) {
            out[rel + "/"] = "";
        } else {
            std::ifstream in(entry.path(), std::ios::binary);
            out[rel] = std::string(std::istreambuf_iterator<char>(in), {});
        }
    }
    return out;
}

// Empties the store folder, as the manager's save does before it writes the tree.
Snapshot SaveAll(pv::sim::SimPlatform& sim, pv::TFormFront& front) {
    std::filesystem::path host = sim.SimFiles().HostPath(kStore);
    std::filesystem::remove_all(host);
    std::filesystem::create_directories(host);
    front.SaveItems();
    return FilesBelow(host);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    static const char* const kLevels[] = {"", "A\\", "A\\B\\"};
    pv::sim::SimPlatform sim;
    sim.OnFailure = [](const std::string& what) {
        std::fprintf(stderr, "simulated desktop: %s\n", what.c_str());
        std::abort();
    };
    for (const char* level : kLevels) {
        size_t cut = input.find('\0');
        sim.Files().ForceDirectories(kStore + level);
        sim.SimFiles().PutFile(kStore + level + "shortcuts.txt", std::string(input.substr(0, cut)));
        if (cut == std::string_view::npos) break;
        input.remove_prefix(cut + 1);
    }
    // Targets that some records may name, so that both kinds of link are met.
    sim.SimFiles().PutFile("C:\\a\\b.exe", "exe");
    sim.Files().ForceDirectories("C:\\docs");

    auto app = std::make_unique<pv::TApplication>(sim);
    auto* frame = pv::TComponent::Create<pv::TModuleShared>(app.get());
    pv::TFormFront* front = frame->FormFront();
    FUZZ_CHECK(front);
    Snapshot first = SaveAll(sim, *front);
    front->ReloadItems();
    Snapshot second = SaveAll(sim, *front);
    if (first != second) {
        for (const auto& [name, bytes] : first)
            if (!second.count(name) || second[name] != bytes) {
                std::fprintf(stderr, "differs: %s\n", name.c_str());
                if (const char* keep = std::getenv("PIVOLA_FUZZ_KEEP")) {
                    std::ofstream(std::string(keep) + "/first-" + name.substr(name.rfind('/') + 1), std::ios::binary) << bytes;
                    std::ofstream(std::string(keep) + "/second-" + name.substr(name.rfind('/') + 1), std::ios::binary) << second[name];
                }
            }
        for (const auto& [name, bytes] : second)
            if (!first.count(name)) std::fprintf(stderr, "only in the second save: %s\n", name.c_str());
    }
    FUZZ_CHECK(first == second);
    app.reset();
    return 0;
}
