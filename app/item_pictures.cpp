#include "app/item_pictures.h"

#include <cstdint>

#include "util/exception.h"

namespace pv {

namespace {
#include "app/item_pictures_data.inc"

TBitmap32 Picture(const uint32_t (&pixels)[256]) {
    TBitmap32 b = TBitmap32::Create(16, 16);
    for (int i = 0; i < 256; ++i) b.Pixels[static_cast<size_t>(i)] = pixels[i];
    return b;
}
}  // namespace

TBitmap32 FixedPicture(int index) {
    if (index < 0 || index >= kFixedPictureCount) throw EListError("No fixed picture " + std::to_string(index));
    return Picture(kFixedPictures[index]);
}

TBitmap32 MarkerPicture(int index) {
    if (index < 0 || index >= kMarkerPictureCount) throw EListError("No marker picture " + std::to_string(index));
    return Picture(kMarkerPictures[index]);
}

}  // namespace pv
