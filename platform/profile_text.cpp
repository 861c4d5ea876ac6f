#include "platform/profile_text.h"

#include <vector>

#include "util/strings.h"

namespace pv {

std::optional<std::string> ProfileRead(const std::string& text, const std::string& section, const std::string& key) {
    bool inSection = false;
    for (const auto& raw : SplitLines(text)) {
        std::string line = Trim(raw);
        if (line.size() >= 2 && line.front() == '[') {
            size_t close = line.find(']');
            inSection = close != std::string::npos && SameText(Trim(line.substr(1, close - 1)), section);
            continue;
        }
        if (!inSection) continue;
        size_t eq = line.find('=');
        if (eq == std::string::npos || !SameText(Trim(line.substr(0, eq)), key)) continue;
        std::string v = Trim(line.substr(eq + 1));
        if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) v = v.substr(1, v.size() - 2);
        return v;
    }
    return std::nullopt;
}

std::string ProfileWrite(const std::string& text, const std::string& section, const std::string& key,
                         const std::string& value) {
    std::vector<std::string> lines = SplitLines(text);
    int sectionLine = -1, lastInSection = -1, keyLine = -1;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string line = Trim(lines[i]);
        if (line.size() >= 2 && line.front() == '[') {
            if (sectionLine >= 0) break;
            size_t close = line.find(']');
            if (close != std::string::npos && SameText(Trim(line.substr(1, close - 1)), section)) {
                sectionLine = static_cast<int>(i);
                lastInSection = sectionLine;
            }
            continue;
        }
        if (sectionLine < 0) continue;
        if (!line.empty()) lastInSection = static_cast<int>(i);
        size_t eq = line.find('=');
        if (eq != std::string::npos && SameText(Trim(line.substr(0, eq)), key)) {
            keyLine = static_cast<int>(i);
            break;
        }
    }
    std::string entry = key + "=" + value;
    if (keyLine >= 0) {
        lines[keyLine] = entry;
    } else if (sectionLine >= 0) {
        lines.insert(lines.begin() + lastInSection + 1, entry);
    } else {
        lines.push_back("[" + section + "]");
        lines.push_back(entry);
    }
    std::string out;
    for (const auto& l : lines) out += l + "\r\n";
    return out;
}

}  // namespace pv
