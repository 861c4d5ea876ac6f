// The BMP codec over any bytes: a file decodes to a sound raster or raises
// EInvalidGraphic, and what decodes comes back unchanged through the encoder.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "tests/fuzz/fuzz_check.h"
#include "util/bmp.h"
#include "util/exception.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    pv::TBitmap32 picture;
    try {
        picture = pv::DecodeBmp(bytes);
    } catch (const pv::EInvalidGraphic&) {
        return 0;
    }
    FUZZ_CHECK(picture.Width > 0 && picture.Height > 0);
    FUZZ_CHECK(picture.Pixels.size() == size_t(picture.Width) * size_t(picture.Height));
    pv::TBitmap32 again = pv::DecodeBmp(pv::EncodeBmp32(picture));
    FUZZ_CHECK(again.Width == picture.Width && again.Height == picture.Height);
    FUZZ_CHECK(again.Pixels == picture.Pixels);
    return 0;
}
