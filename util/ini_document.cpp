#include "util/ini_document.h"

#include <atomic>
#include <unordered_set>

namespace pv {

namespace {
std::atomic<uint64_t> lastRevision{0};
}  // namespace

void IniDocument::Touch() { revision_ = lastRevision.fetch_add(1, std::memory_order_relaxed) + 1; }

IniDocument::IniDocument() { Touch(); }
IniDocument::~IniDocument() = default;
IniDocument::IniDocument(IniDocument&& other) noexcept
    : sections_(std::move(other.sections_)), sectionIndex_(std::move(other.sectionIndex_)) {
    Touch();
    other.Clear();
}
IniDocument& IniDocument::operator=(IniDocument&& other) noexcept {
    if (this == &other) return *this;
    sections_ = std::move(other.sections_);
    sectionIndex_ = std::move(other.sectionIndex_);
    Touch();
    other.Clear();
    return *this;
}

IniDocument::IniDocument(const IniDocument& other) { *this = other; }

IniDocument& IniDocument::operator=(const IniDocument& other) {
    if (this == &other) return *this;
    Touch();
    sections_.clear();
    for (const auto& s : other.sections_) sections_.push_back(std::make_unique<Section>(*s));
    sectionIndex_ = other.sectionIndex_;
    return *this;
}

void IniDocument::Section::Reindex() {
    Index.clear();
    for (size_t i = 0; i < Lines.size(); ++i)
        if (Lines[i].HasKey) Index[Lines[i].Key] = i;
}

void IniDocument::RebuildSectionIndex() {
    sectionIndex_.clear();
    for (size_t i = 0; i < sections_.size(); ++i) sectionIndex_[sections_[i]->Name] = i;
}

IniDocument IniDocument::Parse(std::string_view text) { return Parse(text, ParseRules{}); }

IniDocument IniDocument::Parse(std::string_view text, const ParseRules& rules) {
    IniDocument doc;
    Section* current = nullptr;
    size_t start = 0;
    const size_t n = text.size();
    // Lines are cut in place instead of through SplitLines so that a large language file is
    // not copied twice.
    while (start <= n) {
        size_t end = start;
        while (end < n && text[end] != '\r' && text[end] != '\n') ++end;
        std::string_view raw = text.substr(start, end - start);
        if (end < n && text[end] == '\r' && end + 1 < n && text[end + 1] == '\n') ++end;
        start = end + 1;
        std::string line = Trim(raw);
        if (line.empty() || line[0] == ';') {
            if (end >= n) break;
            continue;
        }
        if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
            std::string name = Trim(std::string_view(line).substr(1, line.size() - 2));
            if (rules.MergeRepeatedSections) {
                if (Section* existing = doc.FindSection(name)) {
                    current = existing;
                    if (end >= n) break;
                    continue;
                }
            }
            auto sec = std::make_unique<Section>();
            sec->Name = name;
            current = sec.get();
            doc.sectionIndex_[sec->Name] = doc.sections_.size();
            doc.sections_.push_back(std::move(sec));
        } else if (current) {
            size_t eq = line.find('=');
            if (eq != std::string::npos) {
                Line l{Trim(std::string_view(line).substr(0, eq)), Trim(std::string_view(line).substr(eq + 1)), true};
                current->Index[l.Key] = current->Lines.size();
                current->Lines.push_back(std::move(l));
            } else if (rules.KeepUnkeyedLines) {
                current->Lines.push_back(Line{{}, line, false});
            }
        }
        if (end >= n) break;
    }
    return doc;
}

std::string IniDocument::ToText() const {
    std::string out;
    for (const auto& s : sections_) {
        out += '[';
        out += s->Name;
        out += "]\r\n";
        for (const auto& l : s->Lines) {
            if (l.HasKey) {
                out += l.Key;
                out += '=';
            }
            out += l.Value;
            out += "\r\n";
        }
        out += "\r\n";
    }
    return out;
}

IniDocument::Section* IniDocument::FindSection(std::string_view name) {
    auto it = sectionIndex_.find(name);
    return it == sectionIndex_.end() ? nullptr : sections_[it->second].get();
}
const IniDocument::Section* IniDocument::FindSection(std::string_view name) const {
    auto it = sectionIndex_.find(name);
    return it == sectionIndex_.end() ? nullptr : sections_[it->second].get();
}

bool IniDocument::HasSection(std::string_view section) const { return FindSection(section) != nullptr; }

bool IniDocument::HasKey(std::string_view section, std::string_view key) const { return Find(section, key) != nullptr; }

const std::string* IniDocument::Find(std::string_view section, std::string_view key) const {
    const Section* s = FindSection(section);
    if (!s) return nullptr;
    auto it = s->Index.find(key);
    return it == s->Index.end() ? nullptr : &s->Lines[it->second].Value;
}

std::string IniDocument::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
    const std::string* v = Find(section, key);
    return v ? *v : std::string(def);
}

void IniDocument::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    Touch();
    Section* s = FindSection(section);
    if (!s) {
        auto sec = std::make_unique<Section>();
        sec->Name = std::string(section);
        s = sec.get();
        sectionIndex_[sec->Name] = sections_.size();
        sections_.push_back(std::move(sec));
    }
    auto it = s->Index.find(key);
    if (it != s->Index.end()) {
        s->Lines[it->second].Value = std::string(value);
        return;
    }
    s->Index[std::string(key)] = s->Lines.size();
    s->Lines.push_back(Line{std::string(key), std::string(value), true});
}

void IniDocument::DeleteKey(std::string_view section, std::string_view key) {
    Section* s = FindSection(section);
    if (!s) return;
    bool removed = false;
    for (size_t i = s->Lines.size(); i > 0; --i)
        if (s->Lines[i - 1].HasKey && SameText(s->Lines[i - 1].Key, key)) {
            s->Lines.erase(s->Lines.begin() + static_cast<std::ptrdiff_t>(i - 1));
            removed = true;
        }
    if (removed) {
        s->Reindex();
        Touch();
    }
}

void IniDocument::EraseSection(std::string_view section) {
    bool removed = false;
    for (size_t i = sections_.size(); i > 0; --i)
        if (SameText(sections_[i - 1]->Name, section)) {
            sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(i - 1));
            removed = true;
        }
    if (removed) {
        RebuildSectionIndex();
        Touch();
    }
}

std::vector<std::string> IniDocument::Keys(std::string_view section) const {
    std::vector<std::string> keys;
    const Section* s = FindSection(section);
    if (!s) return keys;
    std::unordered_set<std::string, TextHash, TextEqual> seen;
    for (const auto& l : s->Lines)
        if (l.HasKey && seen.insert(l.Key).second) keys.push_back(l.Key);
    return keys;
}

std::vector<std::string> IniDocument::SectionNames() const {
    std::vector<std::string> names;
    std::unordered_set<std::string, TextHash, TextEqual> seen;
    for (const auto& s : sections_)
        if (seen.insert(s->Name).second) names.push_back(s->Name);
    return names;
}

void IniDocument::Clear() {
    sections_.clear();
    sectionIndex_.clear();
    Touch();
}

bool IniDocument::Empty() const { return sections_.empty(); }

}  // namespace pv
