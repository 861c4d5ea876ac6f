#include <cstdio>

#include "platform/sim/sim_platform.h"

#include "util/strings.h"
#include "util/encoding.h"

namespace pv::sim {

SimSystemInfo::SimSystemInfo() : mainThread_(std::this_thread::get_id()) {
    // Distinct values per use, so that a painter test can tell every colour apart.
    Colors = {
        {SysColorIndex::InactiveCaption, 0x00DBCDBF},
        {SysColorIndex::Menu, 0x00F0F0F0},
        {SysColorIndex::Window, 0x00FFFFFF},
        {SysColorIndex::MenuText, 0x00000000},
        {SysColorIndex::WindowText, 0x00000000},
        {SysColorIndex::Highlight, 0x00FF9933},
        {SysColorIndex::HighlightText, 0x00FFFFFE},
        {SysColorIndex::BtnFace, 0x00F0F0F0},
        {SysColorIndex::BtnShadow, 0x00A0A0A0},
        {SysColorIndex::InactiveCaptionText, 0x00544E43},
        {SysColorIndex::BtnHighlight, 0x00FFFFFD},
    };
}

uint32_t SimSystemInfo::SysColor(int index) {
    auto it = Colors.find(index);
    return it == Colors.end() ? 0x00808080 : it->second;
}

std::string SimSystemInfo::ToCodePage(std::string_view utf8, bool* lossless) { return Utf8ToCp1252(utf8, lossless); }
std::string SimSystemInfo::FromCodePage(std::string_view bytes) { return Cp1252ToUtf8(bytes); }
bool SimSystemInfo::IsMainThread() { return std::this_thread::get_id() == mainThread_; }

std::string SimSystemInfo::ExpandEnvironment(const std::string& text) {
    std::string out;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t open = text.find('%', pos);
        size_t close = open == std::string::npos ? open : text.find('%', open + 1);
        if (close == std::string::npos) break;
        auto it = Environment.find(text.substr(open + 1, close - open - 1));
        if (it == Environment.end()) {
            // An unknown name keeps its first "%"; the second may open the next reference.
            out += text.substr(pos, close - pos);
            pos = close;
            continue;
        }
        out += text.substr(pos, open - pos) + it->second;
        pos = close + 1;
    }
    return out + text.substr(pos);
}

std::string SimSystemInfo::FormatNativeDateTime(TDateTime t) {
    DateTimeParts p = DecodeDateTime(t);
    char buf[48];
    std::snprintf(buf, sizeof buf, "%d/%d/%04d %d:%02d:%02d %s", p.Month, p.Day, p.Year,
                  p.Hour % 12 == 0 ? 12 : p.Hour % 12, p.Minute, p.Second, p.Hour < 12 ? "AM" : "PM");
    return buf;
}

TDateTime SimClock::Now() { return Start + static_cast<double>(ElapsedMs) / 86400000.0; }

intptr_t SimShell::Execute(NativeHandle owner, const std::string& verb, const std::string& file,
                           const std::string& params, const std::string& dir, int showCmd) {
    Calls.push_back({owner, verb, file, params, dir, showCmd});
    return ExecuteResult;
}

void SimShell::SetShortcut(const std::string& path, ShortcutInfo target) {
    Shortcuts[LowerCase(files_.Absolute(path))] = std::move(target);
}

std::optional<ShortcutInfo> SimShell::ResolveShortcut(const std::string& path, NativeHandle) {
    auto it = Shortcuts.find(LowerCase(files_.Absolute(path)));
    if (it == Shortcuts.end() || !files_.FileExists(path)) return std::nullopt;
    return it->second;
}

bool SimShell::RecycleFolderContents(const std::string& folder) {
    if (RecycleRefused) return false;
    // Depth first, as the shell's delete goes: a folder after everything inside it.
    std::function<bool(const std::string&)> recycle = [&](const std::string& dir) {
        bool all = true;
        for (const DirEntry& e : files_.ListDir(dir)) {
            std::string path = dir + "\\" + e.Name;
            bool gone = e.IsDirectory ? recycle(path) && files_.RemoveDir(path) : files_.DeleteFile(path);
            if (gone) Recycled.push_back(path);
            all = all && gone;
        }
        return all;
    };
    return recycle(files_.Absolute(folder));
}

bool SimSound::PlayFileAsync(const std::string& path) {
    if (!files_.FileExists(path)) return false;
    Played.push_back(path);
    return true;
}

}  // namespace pv::sim
