// The simulated shell's icons: pictures a test sets per path and per extension, and icon
// files decoded from the sandbox by the same pure decoder on every platform.
#include "platform/sim/sim_platform.h"
#include "util/ico.h"
#include "util/paths.h"
#include "util/strings.h"

namespace pv::sim {

namespace {

// What the shell shows for a folder nobody gave an icon of its own: a yellow folder with
// a tab, transparent around it, so that composing it over a background shows.
TBitmap32 DefaultFolderIcon() {
    constexpr uint32_t kBody = 0xFFE8B830, kEdge = 0xFF9C7418;
    TBitmap32 b = TBitmap32::Create(16, 16);
    for (int y = 2; y < 14; ++y)
        for (int x = 1; x < 15; ++x) {
            bool tab = y < 4;
            if (tab && x > 6) continue;
            bool edge = y == 2 || y == 13 || x == 1 || x == 14 || (tab && x == 6) || (y == 4 && x > 6);
            b.SetPixel(x, y, edge ? kEdge : kBody);
        }
    return b;
}

std::string ExtensionKey(std::string_view extension) {
    if (!extension.empty() && extension.front() == '.') extension.remove_prefix(1);
    return LowerCase(extension);
}

std::optional<TBitmap32> Shown(const TBitmap32& icon) {
    // An empty picture stands for "the shell has none", so a test can take the default away.
    if (icon.Empty()) return std::nullopt;
    return icon;
}

}  // namespace

std::optional<TBitmap32> SimShell::FileSmallIcon(const std::string& path) {
    IconQueries.push_back(path);
    if (path.empty()) return std::nullopt;
    const std::string key = LowerCase(files_.Absolute(path));
    if (noIcon_.count(key)) return std::nullopt;
    const bool folder = files_.DirectoryExists(path);
    if (!folder && !files_.FileExists(path)) return std::nullopt;
    if (auto it = fileIcons_.find(key); it != fileIcons_.end()) return Shown(it->second);
    // A folder shows as a folder whatever its name looks like.
    if (folder) return DefaultFolderIcon();
    if (auto it = extensionIcons_.find(ExtensionKey(ExtractFileExt(key))); it != extensionIcons_.end())
        return Shown(it->second);
    return Shown(DefaultIcon);
}

TBitmap32 SimShell::LoadIconFile(const std::string& path) { return DecodeIco(files_.ReadAllBytes(path)); }

void SimShell::SetFileIcon(const std::string& path, const TBitmap32& icon) {
    fileIcons_[LowerCase(files_.Absolute(path))] = icon;
}

void SimShell::SetExtensionIcon(const std::string& extension, const TBitmap32& icon) {
    extensionIcons_[ExtensionKey(extension)] = icon;
}

void SimShell::SetNoIcon(const std::string& path, bool none) {
    std::string key = LowerCase(files_.Absolute(path));
    if (none) noIcon_.insert(key);
    else noIcon_.erase(key);
}

}  // namespace pv::sim
