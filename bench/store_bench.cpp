// How the item store's reload and save compare with only reading and writing the same
// bytes, measured in the same run on the simulated desktop, and how they grow with the
// size of the store. Prints one line per measure: "<measure> ratio <x.xx>".
#include <benchmark/benchmark.h>

#include <ctime>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/front_form.h"
#include "app/shared_module.h"
#include "controls/application.h"
#include "platform/sim/sim_platform.h"

using namespace pv;

namespace {

const std::string kData = "C:\\Users\\Tester\\Documents\\Vendrik\\Pivola\\";

struct Store {
    std::vector<std::pair<std::string, std::string>> files;  // level file and its bytes
};

// `links` links spread over `folders` folders below the root; `exes` of them executable
// links with existing targets; the others documents of `extensions` kinds.
Store MakeStore(sim::SimPlatform& sim, int links, int folders, int extensions, int exes) {
    Store s;
    std::string root = "^NorSep|\r\n";
    int perFolder = links / folders;
    int id = 0;
    for (int f = 0; f < folders; ++f) {
        std::string name = "Folder" + std::to_string(f);
        root += "^Folder|" + name + "\r\n";
        std::string level;
        for (int i = 0; i < perFolder; ++i, ++id) {
            if (id % (links / exes) == 0) {
                std::string target = "C:\\Programs\\p" + std::to_string(id) + ".exe";
                sim.SimFiles().PutFile(target, "");
                level += "^ExeLnk|" + target + "|-a|p" + std::to_string(id) + ".bmp|Program " + std::to_string(id) +
                         "|C:\\Work|*WindowMax\r\n";
            } else {
                std::string ext = "e" + std::to_string(id % extensions);
                level += "^UnkLnk|D:\\Docs\\d" + std::to_string(id) + "." + ext + "|" + ext + "|Document " +
                         std::to_string(id) + "|\r\n";
            }
        }
        s.files.push_back({kData + "shortcuts\\" + name + "\\shortcuts.txt", level});
    }
    s.files.push_back({kData + "shortcuts\\shortcuts.txt", root});
    for (const auto& [path, bytes] : s.files) sim.SimFiles().PutFile(path, bytes);
    return s;
}

// The processor time of this thread: the machine that runs the benchmarks is often busy
// with builds, and the measures are all work on files kept in memory, so the time the
// thread itself spends compares them far more steadily than the clock on the wall.
double ThreadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

double Seconds(const std::function<void()>& fn, int rounds) {
    double start = ThreadSeconds();
    for (int i = 0; i < rounds; ++i) fn();
    return (ThreadSeconds() - start) / rounds;
}

struct Measures {
    double reload, save, read, write;
};

Measures Measure(int links, int folders, int extensions, int exes, int rounds) {
    sim::SimPlatform sim;
    sim.OnFailure = [](const std::string&) {};
    Store store = MakeStore(sim, links, folders, extensions, exes);
    TApplication app(sim);
    auto* frame = TComponent::Create<TModuleShared>(&app);
    TFormFront* front = frame->FormFront();
    IFileSystem& files = sim.Files();
    Measures m{};
    m.reload = Seconds([&] { front->ReloadItems(); }, rounds);
    m.read = Seconds(
        [&] {
            for (const auto& [path, bytes] : store.files) benchmark::DoNotOptimize(files.ReadAllBytes(path));
        },
        rounds);
    auto host = sim.SimFiles().HostPath(kData + "shortcuts");
    m.save = Seconds(
        [&] {
            std::filesystem::remove_all(host);
            std::filesystem::create_directories(host);
            front->SaveItems();
        },
        rounds);
    m.write = Seconds(
        [&] {
            std::filesystem::remove_all(host);
            std::filesystem::create_directories(host);
            for (const auto& [path, bytes] : store.files) {
                files.ForceDirectories(path.substr(0, path.rfind('\\')));
                files.WriteAllBytes(path, bytes);
            }
            // The save also writes one icon bitmap per executable link.
            for (int i = 0; i < exes; ++i)
                files.WriteAllBytes(kData + "shortcuts\\Folder0\\icon" + std::to_string(i) + ".bmp",
                                    std::string(1078, 'x'));
        },
        rounds);
    return m;
}

// Seconds to save one folder of `links` links to one program: every link gets its own
// numbered icon file, which must not cost more for the thousandth than for the first.
double SameProgramSave(int links) {
    sim::SimPlatform sim;
    sim.OnFailure = [](const std::string&) {};
    sim.SimFiles().PutFile("C:\\Tools\\tool.exe", "");
    std::string level;
    for (int i = 0; i < links; ++i) level += "^ExeLnk|C:\\Tools\\tool.exe||tool.bmp|Tool " + std::to_string(i) + "||\r\n";
    sim.SimFiles().PutFile(kData + "shortcuts\\shortcuts.txt", "^Folder|Tools\r\n");
    sim.SimFiles().PutFile(kData + "shortcuts\\Tools\\shortcuts.txt", level);
    TApplication app(sim);
    auto* frame = TComponent::Create<TModuleShared>(&app);
    TFormFront* front = frame->FormFront();
    auto host = sim.SimFiles().HostPath(kData + "shortcuts");
    return Seconds(
        [&] {
            std::filesystem::remove_all(host);
            std::filesystem::create_directories(host);
            front->SaveItems();
        },
        3);
}

}  // namespace

int main() {
    // The sandbox goes to memory where the machine has it: the point is the store's own
    // cost, not the journal of the disk below the simulated desktop.
    if (std::filesystem::is_directory("/dev/shm")) setenv("TMPDIR", "/dev/shm", 1);
    Measures small = Measure(10000, 200, 50, 500, 3);
    Measures large = Measure(100000, 2000, 50, 5000, 1);
    std::fprintf(stderr, "10,000 links: reload %.3f s, read %.3f s, save %.3f s, write %.3f s\n", small.reload,
                 small.read, small.save, small.write);
    std::fprintf(stderr, "100,000 links: reload %.3f s, save %.3f s\n", large.reload, large.save);
    std::printf("reload ratio %.2f\n", small.reload / small.read);
    std::printf("save ratio %.2f\n", small.save / small.write);
    std::printf("reload-scaling ratio %.2f\n", large.reload / small.reload);
    std::printf("save-scaling ratio %.2f\n", large.save / small.save);
    double hundred = SameProgramSave(100), thousand = SameProgramSave(1000);
    std::fprintf(stderr, "one program: 100 links saved in %.3f s, 1,000 in %.3f s\n", hundred, thousand);
    std::printf("same-program save-scaling ratio %.2f\n", thousand / hundred);
    return 0;
}
