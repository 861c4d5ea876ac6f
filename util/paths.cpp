#include "util/paths.h"

namespace pv {

namespace {
bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

size_t LastDelimiter(std::string_view path) {
    for (size_t i = path.size(); i > 0; --i) {
        char c = path[i - 1];
        if (c == '\\' || c == ':') return i - 1;
    }
    return std::string_view::npos;
}
}  // namespace

std::string IncludeTrailingBackslash(std::string_view path) {
    std::string p(path);
    if (p.empty() || p.back() != '\\') p += '\\';
    return p;
}

std::string ExcludeTrailingBackslash(std::string_view path) {
    std::string p(path);
    if (!p.empty() && p.back() == '\\') p.pop_back();
    return p;
}

std::string ExtractFilePath(std::string_view path) {
    size_t d = LastDelimiter(path);
    return d == std::string_view::npos ? std::string() : std::string(path.substr(0, d + 1));
}

std::string ExtractFileDir(std::string_view path) {
    size_t d = LastDelimiter(path);
    if (d == std::string_view::npos) return {};
    if (d > 0 && path[d] == '\\' && path[d - 1] != ':' && path[d - 1] != '\\') return std::string(path.substr(0, d));
    return std::string(path.substr(0, d + 1));
}

std::string ExtractFileName(std::string_view path) {
    size_t d = LastDelimiter(path);
    return std::string(d == std::string_view::npos ? path : path.substr(d + 1));
}

std::string ExtractFileExt(std::string_view path) {
    std::string name = ExtractFileName(path);
    size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string ExtractFileBase(std::string_view path) {
    std::string name = ExtractFileName(path);
    size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string ChangeFileExt(std::string_view path, std::string_view ext) {
    std::string p(path);
    std::string cur = ExtractFileExt(p);
    p.resize(p.size() - cur.size());
    p.append(ext);
    return p;
}

std::string ExtractFileDrive(std::string_view path) {
    if (path.size() >= 2 && path[1] == ':' && IsDriveLetter(path[0])) return std::string(path.substr(0, 2));
    if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
        size_t server = path.find('\\', 2);
        if (server == std::string_view::npos || server == 2) return {};
        size_t share = path.find('\\', server + 1);
        if (share == server + 1 || server + 1 == path.size()) return {};
        return std::string(path.substr(0, share == std::string_view::npos ? path.size() : share));
    }
    return {};
}

bool HasDrivePart(std::string_view path) { return !ExtractFileDrive(path).empty(); }

std::string CanonicalizePath(std::string_view path) {
    std::string s(path);
    // "..\" removes the segment before it; a leading one with nothing before it is dropped.
    size_t pos = 0;
    while (true) {
        size_t hit = s.find("..\\", pos);
        if (hit == std::string::npos) break;
        if (hit != 0 && s[hit - 1] != '\\') {
            pos = hit + 3;
            continue;
        }
        std::string before = s.substr(0, hit);
        if (!before.empty()) before.pop_back();
        size_t back = before.rfind('\\');
        std::string after = s.substr(hit + 3);
        if (back != std::string::npos) {
            s = before.substr(0, back + 1) + after;
            pos = back + 1;
        } else {
            s = after;
            pos = 0;
        }
    }
    pos = 0;
    while (true) {
        size_t hit = s.find(".\\", pos);
        if (hit == std::string::npos) break;
        if (hit == 0 || s[hit - 1] == '\\') {
            s.erase(hit, 2);
            pos = hit;
        } else {
            pos = hit + 2;
        }
    }
    return s;
}

}  // namespace pv
