#include "app/button_pictures.h"

#include <cstdint>
#include <string>

#include "util/exception.h"

namespace pv {

namespace {
#include "app/button_pictures_data.inc"

static_assert(sizeof(kButtonPictures) / sizeof(kButtonPictures[0]) == kButtonPictureCount,
              "one stored picture per button picture");
}  // namespace

TBitmap32 ButtonPictureNormal(ButtonPicture which) {
    int index = static_cast<int>(which);
    if (index < 0 || index >= kButtonPictureCount) throw EListError("No button picture " + std::to_string(index));
    TBitmap32 b = TBitmap32::Create(16, 16);
    for (int i = 0; i < 256; ++i) b.Pixels[static_cast<size_t>(i)] = kButtonPictures[index][i];
    return b;
}

TBitmap32 ButtonPictureDisabled(ButtonPicture which) { return DisabledPicture(ButtonPictureNormal(which)); }

TBitmap32 DisabledPicture(const TBitmap32& picture) {
    // Dark parts land in the middle of the grey range rather than at black, so the whole
    // picture turns lighter while its inner details keep their order of brightness, and
    // the shape still reads on a light button face while looking out of reach.
    constexpr uint32_t kDarkest = 110, kLightest = 255;
    TBitmap32 out = picture;
    for (uint32_t& p : out.Pixels) {
        uint32_t r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
        uint32_t luminance = (r * 299 + g * 587 + b * 114) / 1000;
        uint32_t grey = kDarkest + luminance * (kLightest - kDarkest) / 255;
        uint32_t alpha = (p >> 24) - (p >> 24) / 4;
        p = (alpha << 24) | (grey << 16) | (grey << 8) | grey;
    }
    return out;
}

}  // namespace pv
