#pragma once
// An INI document held in memory: ordered sections of ordered lines. Names compare
// without regard to case; with a section or key given twice, the last one counts, and a
// write replaces that line in place. Lookups are hashed, so large language files answer
// in constant time.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "util/strings.h"

namespace pv {

class IniDocument {
public:
    struct ParseRules {
        // Lines inside a section that hold no "=" are kept (and written back) when set.
        bool KeepUnkeyedLines = true;
        // A section header given again (in any letter case) continues the section instead
        // of starting one that hides it, so that no key is lost; a later key still wins.
        bool MergeRepeatedSections = false;
    };

    IniDocument();
    IniDocument(const IniDocument& other);
    IniDocument& operator=(const IniDocument& other);
    IniDocument(IniDocument&&) noexcept;
    IniDocument& operator=(IniDocument&&) noexcept;
    ~IniDocument();

    static IniDocument Parse(std::string_view text);
    static IniDocument Parse(std::string_view text, const ParseRules& rules);
    // Each section as its header, its lines and one empty line, with CR LF line ends.
    std::string ToText() const;

    bool HasSection(std::string_view section) const;
    bool HasKey(std::string_view section, std::string_view key) const;
    // The value of the last occurrence of the key in the last occurrence of the section.
    const std::string* Find(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void DeleteKey(std::string_view section, std::string_view key);
    void EraseSection(std::string_view section);
    // Keys of the section in file order (duplicates listed once, at their first place).
    std::vector<std::string> Keys(std::string_view section) const;
    std::vector<std::string> SectionNames() const;
    void Clear();
    bool Empty() const;
    // Changes with every change of the content, and no two documents ever share one, so
    // that a reader may keep what it found for as long as the revision stands.
    uint64_t Revision() const { return revision_; }

private:
    struct Line {
        std::string Key;    // empty with HasKey false: a line kept as it stood
        std::string Value;  // or the raw text of an unkeyed line
        bool HasKey = false;
    };
    struct Section {
        std::string Name;
        std::vector<Line> Lines;
        std::unordered_map<std::string, size_t, TextHash, TextEqual> Index;  // key -> last line
        void Reindex();
    };
    Section* FindSection(std::string_view name);
    const Section* FindSection(std::string_view name) const;
    void RebuildSectionIndex();

    std::vector<std::unique_ptr<Section>> sections_;
    std::unordered_map<std::string, size_t, TextHash, TextEqual> sectionIndex_;  // name -> last
    void Touch();
    uint64_t revision_ = 0;
};

}  // namespace pv
