#pragma once
// Icon (.ico) files that an executable link names as its picture when its target cannot
// give one. Like the BMP codec the decoder is pure and trusts nothing in the file: icon
// files lie in the user's data folder and may be damaged or foreign.
#include <string_view>

#include "util/bitmap.h"

namespace pv {

// The picture of an icon file at width x height. The directory entry nearest to that size
// is taken (an exact one first; of two equally near, the larger, then the one with more
// bits per pixel, then the first), decoded and, when its size differs, scaled.
//
// Images in BMP form: a 40-byte info header whose height counts the colour rows and the
// AND-mask rows, uncompressed colour rows at 1, 4, 8, 16, 24 or 32 bits per pixel, then
// the 1-bit AND mask. A 32-bit image takes its transparency from its alpha bytes, unless
// they are all 0 (written by a program that did not know alpha); every other image is
// transparent where the mask is set. A mask pixel over a non-black colour would invert
// the screen; that cannot be held in a picture and shows as transparent.
//
// PNG-compressed images, cursor files and every malformed file raise EInvalidGraphic;
// nothing outside `bytes` is ever read.
TBitmap32 DecodeIco(std::string_view bytes, int width = 16, int height = 16);

}  // namespace pv
