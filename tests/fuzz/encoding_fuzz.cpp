// The text conversions over any bytes, with the round trips they promise: UTF-8 through
// UTF-16 and back gives the sanitised text, which is valid and leaves valid text alone;
// any UTF-16 gives valid UTF-8; every Windows-1252 byte string comes back from UTF-8 as it
// was, without loss; a text of the code page goes there and back unchanged.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "tests/fuzz/fuzz_check.h"
#include "util/encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);

    std::string clean = pv::SanitizeUtf8(bytes);
    FUZZ_CHECK(pv::IsValidUtf8(clean));
    FUZZ_CHECK(pv::SanitizeUtf8(clean) == clean);
    if (pv::IsValidUtf8(bytes)) FUZZ_CHECK(clean == bytes);
    std::u16string wide = pv::Utf8ToUtf16(bytes);
    FUZZ_CHECK(pv::Utf16ToUtf8(wide) == clean);
    FUZZ_CHECK(pv::Utf8ToUtf16(clean) == wide);

    std::u16string units(size / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i) units[i] = char16_t(data[2 * i] | (data[2 * i + 1] << 8));
    FUZZ_CHECK(pv::IsValidUtf8(pv::Utf16ToUtf8(units)));

    std::string utf8 = pv::Cp1252ToUtf8(bytes);
    FUZZ_CHECK(pv::IsValidUtf8(utf8));
    bool lossless = false;
    FUZZ_CHECK(pv::Utf8ToCp1252(utf8, &lossless) == bytes);
    FUZZ_CHECK(lossless);

    lossless = true;
    std::string narrow = pv::Utf8ToCp1252(bytes, &lossless);
    if (lossless) FUZZ_CHECK(pv::Cp1252ToUtf8(narrow) == clean);

    FUZZ_CHECK(pv::StripUtf8Bom(std::string(pv::kUtf8Bom) + std::string(bytes)) == bytes);
    return 0;
}
