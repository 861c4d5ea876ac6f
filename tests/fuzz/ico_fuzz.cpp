// The icon decoder over any bytes: a file gives a picture of the size asked for or raises
// EInvalidGraphic. The first byte chooses the size, as the tray, the menu and the manager
// ask for different ones.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "tests/fuzz/fuzz_check.h"
#include "util/exception.h"
#include "util/ico.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    static constexpr int kSizes[] = {16, 20, 24, 32, 48, 1, 256, 7};
    int side = kSizes[data[0] % 8];
    std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    try {
        pv::TBitmap32 picture = pv::DecodeIco(bytes, side, side);
        FUZZ_CHECK(picture.Width == side && picture.Height == side);
        FUZZ_CHECK(picture.Pixels.size() == size_t(side) * size_t(side));
    } catch (const pv::EInvalidGraphic&) {
    }
    return 0;
}
