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

// The picture of `size`: the one kept at that size, else the nearest larger one drawn
// down to it, else the largest drawn up, as the shell draws what it has. Nothing kept at
// all, or an empty picture (set to take the icon away), stands for "the shell has none".
std::optional<TBitmap32> AtSize(const std::map<int, TBitmap32>& sizes, int size) {
    if (sizes.empty()) return std::nullopt;
    auto it = sizes.lower_bound(size);
    const TBitmap32& picture = it != sizes.end() ? it->second : sizes.rbegin()->second;
    if (picture.Empty()) return std::nullopt;
    if (picture.Width == size && picture.Height == size) return picture;
    return Scaled(picture, size, size);
}

std::optional<TBitmap32> AtSize(const TBitmap32& picture, int size) { return AtSize({{picture.Width, picture}}, size); }

void Keep(std::map<int, TBitmap32>& sizes, const TBitmap32& icon) {
    if (icon.Empty()) sizes.clear();
    else sizes.erase(0);
    sizes[icon.Empty() ? 0 : icon.Width] = icon;
}

}  // namespace

std::optional<TBitmap32> SimShell::FileIcon(const std::string& path, int size) {
    IconQueries.push_back(path);
    IconRequests.push_back({path, size});
    if (path.empty() || size <= 0) return std::nullopt;
    const std::string key = LowerCase(files_.Absolute(path));
    if (noIcon_.count(key)) return std::nullopt;
    const bool folder = files_.DirectoryExists(path);
    if (!folder && !files_.FileExists(path)) return std::nullopt;
    if (auto it = fileIcons_.find(key); it != fileIcons_.end()) return AtSize(it->second, size);
    // A folder shows as a folder whatever its name looks like.
    if (folder) return AtSize(DefaultFolderIcon(), size);
    if (auto it = extensionIcons_.find(ExtensionKey(ExtractFileExt(key))); it != extensionIcons_.end())
        return AtSize(it->second, size);
    return AtSize(DefaultIcon, size);
}

TBitmap32 SimShell::IconFile(const std::string& path, int size) {
    return DecodeIco(files_.ReadAllBytes(path), size, size);
}

void SimShell::SetFileIcon(const std::string& path, const TBitmap32& icon) {
    Keep(fileIcons_[LowerCase(files_.Absolute(path))], icon);
}

void SimShell::SetExtensionIcon(const std::string& extension, const TBitmap32& icon) {
    Keep(extensionIcons_[ExtensionKey(extension)], icon);
}

void SimShell::SetNoIcon(const std::string& path, bool none) {
    std::string key = LowerCase(files_.Absolute(path));
    if (none) noIcon_.insert(key);
    else noIcon_.erase(key);
}

}  // namespace pv::sim
