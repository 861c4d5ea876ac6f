#pragma once
// Windows bitmap (BMP) files for the item icons that the store writes beside its records
// and reads back when a link's target cannot give its own icon. The codec is pure: it
// turns bytes into a plain raster and back, and it trusts nothing in a file it reads,
// because icon files lie in the user's data folder and may be damaged or foreign.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "util/bitmap.h"

namespace pv {

// A complete BMP file: file header, 40-byte info header, 32 bits per pixel, uncompressed,
// bottom-up rows, bytes B G R A. Raises EInvalidGraphic for an empty raster, a size above
// kMaxBmpDimension or a pixel vector that does not match the size.
//
// A raster whose alpha is 0 everywhere reads back as opaque: readers treat an all-zero
// alpha channel in this format as written by a program that did not know alpha.
std::string EncodeBmp32(const TBitmap32& bitmap);

// Reads a BMP file with a core (12), info (40), V2 (52), V3 (56), V4 (108) or V5 (124)
// header: 1, 4 and 8 bits per pixel with a palette; 16, 24 and 32 bits per pixel, the 16
// and 32 also with bit-field masks; rows bottom-up or top-down. Pixels without alpha come
// back opaque, and so does a picture whose alpha is 0 at every pixel (its writer did not
// fill it). Palette entries are opaque: their fourth byte is reserved, not alpha.
// Compressed files (RLE, JPEG, PNG) and every malformed file raise EInvalidGraphic;
// nothing outside `bytes` is ever read.
TBitmap32 DecodeBmp(std::string_view bytes);

}  // namespace pv
