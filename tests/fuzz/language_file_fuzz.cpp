// Language files over any bytes: a file always loads, a byte order mark changes nothing,
// every value is valid UTF-8, the metadata record survives a write and a read, and a text
// stored through the value escapes comes back from the file as it was.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "lang/language_file.h"
#include "tests/fuzz/fuzz_check.h"
#include "util/encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    pv::IniDocument doc = pv::ParseUtf8LanguageFile(bytes);
    std::string text = doc.ToText();
    FUZZ_CHECK(pv::IsValidUtf8(text));
    if (!pv::HasUtf8Bom(bytes))
        FUZZ_CHECK(pv::ParseUtf8LanguageFile(std::string(pv::kUtf8Bom) + std::string(bytes)).ToText() == text);

    pv::TvdlgTransMetaData meta = pv::ReadMetaDataSection(doc);
    pv::IniDocument written;
    pv::WriteMetaDataSection(written, meta);
    FUZZ_CHECK(pv::ReadMetaDataSection(pv::ParseUtf8LanguageFile(written.ToText())) == meta);

    // Every value decodes. The input itself, as a translated text, survives the escapes and
    // a file wherever the format promises it: the escapes take out line breaks, NUL and a
    // leading blank, but values are trimmed when read and a trailing blank stays as it is;
    // and a text that holds an escape's own spelling ("&lt;") is outside the promise, as the
    // order of the replacements is part of the file format.
    for (const std::string& section : doc.SectionNames())
        for (const std::string& key : doc.Keys(section)) (void)pv::DecodeIniValue(*doc.Find(section, key));
    std::string translated = pv::SanitizeUtf8(bytes);
    std::string stored = pv::EncodeIniValue(translated);
    FUZZ_CHECK(stored.find_first_of(std::string("\r\n\0", 3)) == std::string::npos);
    auto visible = [](char c) { return static_cast<unsigned char>(c) > ' '; };
    if (translated.find('&') == std::string::npos && (stored.empty() || (visible(stored.front()) && visible(stored.back())))) {
        pv::IniDocument file;
        file.WriteString("Texts", "Caption", stored);
        pv::IniDocument read = pv::ParseUtf8LanguageFile(file.ToText());
        const std::string* back = read.Find("Texts", "Caption");
        FUZZ_CHECK(back && *back == stored);
        FUZZ_CHECK(pv::DecodeIniValue(*back) == translated);
    }
    return 0;
}
