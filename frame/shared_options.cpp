#include "frame/shared_options.h"

#include "platform/platform.h"

namespace pv {

namespace {
// A browser's executable as the registry names it, kept only when the file exists; any
// failure leaves it empty.
std::string Existing(Platform& p, const std::optional<std::string>& path) {
    if (!path || path->empty()) return {};
    std::string exe = *path;
    if (exe.size() >= 2 && exe.front() == '"') {
        size_t close = exe.find('"', 1);
        if (close != std::string::npos) exe = exe.substr(1, close - 1);
    }
    return p.Files().FileExists(exe) ? exe : std::string();
}

std::string DetectFirefox(Platform& p, RegistryRoot root) {
    const std::string key = "Software\\Mozilla\\Mozilla Firefox";
    auto version = p.Registry().ReadString(root, key, "CurrentVersion");
    if (!version || version->empty()) return {};
    return Existing(p, p.Registry().ReadString(root, key + "\\" + *version + "\\Main", "PathToExe"));
}
}  // namespace

TvdSharedProgramOptions::TvdSharedProgramOptions(Platform& platform) : platform_(platform) {
    CheckUpdatesLast = platform.Clock().Now();
    FirefoxPath = DetectFirefox(platform, RegistryRoot::CurrentUser);
    if (FirefoxPath.empty()) FirefoxPath = DetectFirefox(platform, RegistryRoot::LocalMachine);
    OperaPath = Existing(platform, platform.Registry().ReadString(RegistryRoot::CurrentUser, "Software\\Opera Software",
                                                                   "Last CommandLine"));
    InternetExplorerPath =
        Existing(platform, platform.Registry().ReadString(
                               RegistryRoot::LocalMachine,
                               "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\IEXPLORE.EXE", ""));
}

}  // namespace pv
