// INI documents over any text: parse, write, parse again, and the two writes are equal;
// every key the second document lists answers with the value the first one has. The first
// byte chooses the parse rules.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "tests/fuzz/fuzz_check.h"
#include "util/ini_document.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    pv::IniDocument::ParseRules rules;
    rules.KeepUnkeyedLines = data[0] & 1;
    rules.MergeRepeatedSections = data[0] & 2;
    std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    pv::IniDocument first = pv::IniDocument::Parse(text, rules);
    std::string written = first.ToText();
    pv::IniDocument second = pv::IniDocument::Parse(written, rules);
    FUZZ_CHECK(second.ToText() == written);
    for (const std::string& section : second.SectionNames()) {
        FUZZ_CHECK(first.HasSection(section));
        for (const std::string& key : second.Keys(section)) {
            const std::string* a = first.Find(section, key);
            const std::string* b = second.Find(section, key);
            FUZZ_CHECK(a && b && *a == *b);
        }
    }
    // A copy writes as the original does.
    pv::IniDocument copy = first;
    FUZZ_CHECK(copy.ToText() == written);
    return 0;
}
