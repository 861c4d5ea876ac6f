#pragma once
// Icon files built byte by byte, for the decoder's tests and for the system's own icon
// loader under Wine, so both are checked against files that no code of the program writes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace pv::testing {

inline void PutU16(std::string& s, uint16_t v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>(v >> 8);
}

inline void PutU32(std::string& s, uint32_t v) {
    for (int i = 0; i < 4; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

inline void SetU32(std::string& s, size_t pos, uint32_t v) {
    for (int i = 0; i < 4; ++i) s[pos + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

inline void SetU16(std::string& s, size_t pos, uint16_t v) {
    s[pos] = static_cast<char>(v & 0xFF);
    s[pos + 1] = static_cast<char>(v >> 8);
}

// One image of an icon file in BMP form.
struct TIcoImage {
    int Width = 16, Height = 16;
    int Bits = 32;                  // 1, 4, 8, 24 or 32
    std::vector<uint32_t> Pixels;   // 0xAARRGGBB, top row first, for 24 and 32 bits
    std::vector<uint32_t> Palette;  // 0x00RRGGBB, for 1, 4 and 8 bits
    std::vector<uint8_t> Indexes;   // a palette index per pixel, top row first
    std::vector<bool> Mask;         // set: transparent; empty: alpha 0 at 32 bits, else none
    bool WriteAlpha = true;         // false leaves every alpha byte 0, as old writers did
};

// The image alone: info header with the doubled height, palette, colour rows, AND mask,
// rows bottom-up and padded to 4 bytes.
inline std::string BuildIcoImage(const TIcoImage& im) {
    std::string s;
    PutU32(s, 40);
    PutU32(s, static_cast<uint32_t>(im.Width));
    PutU32(s, static_cast<uint32_t>(im.Height * 2));
    PutU16(s, 1);
    PutU16(s, static_cast<uint16_t>(im.Bits));
    PutU32(s, 0);  // uncompressed
    PutU32(s, 0);  // image size, may be 0 when uncompressed
    PutU32(s, 0);
    PutU32(s, 0);
    PutU32(s, im.Bits <= 8 ? static_cast<uint32_t>(im.Palette.size()) : 0);
    PutU32(s, 0);
    for (uint32_t c : im.Palette) PutU32(s, c & 0xFFFFFF);
    const size_t w = static_cast<size_t>(im.Width);
    for (int y = im.Height - 1; y >= 0; --y) {
        std::string row;
        const size_t first = static_cast<size_t>(y) * w;
        if (im.Bits <= 8) {
            row.assign((w * im.Bits + 7) / 8, '\0');
            for (size_t x = 0; x < w; ++x) {
                size_t bit = x * im.Bits;
                row[bit / 8] = static_cast<char>(row[bit / 8] | im.Indexes[first + x] << (8 - im.Bits - bit % 8));
            }
        } else {
            for (size_t x = 0; x < w; ++x) {
                uint32_t p = im.Pixels[first + x];
                row += static_cast<char>(p & 0xFF);
                row += static_cast<char>((p >> 8) & 0xFF);
                row += static_cast<char>((p >> 16) & 0xFF);
                if (im.Bits == 32) row += static_cast<char>(im.WriteAlpha ? p >> 24 : 0);
            }
        }
        row.resize((row.size() + 3) / 4 * 4, '\0');
        s += row;
    }
    for (int y = im.Height - 1; y >= 0; --y) {
        std::string row((w + 31) / 32 * 4, '\0');
        for (size_t x = 0; x < w; ++x) {
            size_t i = static_cast<size_t>(y) * w + x;
            bool transparent = im.Mask.empty() ? im.Bits == 32 && (im.Pixels[i] >> 24) == 0 : im.Mask[i];
            if (transparent) row[x / 8] = static_cast<char>(row[x / 8] | 0x80 >> (x % 8));
        }
        s += row;
    }
    return s;
}

// A directory entry's claims and the bytes it points at.
struct TIcoBlob {
    int Width = 16, Height = 16, Bits = 32;
    std::string Data;
};

inline std::string AssembleIco(const std::vector<TIcoBlob>& blobs) {
    std::string s;
    PutU16(s, 0);
    PutU16(s, 1);
    PutU16(s, static_cast<uint16_t>(blobs.size()));
    uint32_t offset = static_cast<uint32_t>(6 + 16 * blobs.size());
    for (const TIcoBlob& b : blobs) {
        s += static_cast<char>(b.Width >= 256 ? 0 : b.Width);
        s += static_cast<char>(b.Height >= 256 ? 0 : b.Height);
        s += static_cast<char>(0);  // colour count
        s += static_cast<char>(0);
        PutU16(s, 1);
        PutU16(s, static_cast<uint16_t>(b.Bits));
        PutU32(s, static_cast<uint32_t>(b.Data.size()));
        PutU32(s, offset);
        offset += static_cast<uint32_t>(b.Data.size());
    }
    for (const TIcoBlob& b : blobs) s += b.Data;
    return s;
}

inline std::string BuildIco(const std::vector<TIcoImage>& images) {
    std::vector<TIcoBlob> blobs;
    for (const TIcoImage& im : images) blobs.push_back({im.Width, im.Height, im.Bits, BuildIcoImage(im)});
    return AssembleIco(blobs);
}

// Where the directory entry of image i lies, and where its fields are.
inline size_t IcoEntry(size_t i) { return 6 + 16 * i; }
inline constexpr size_t kIcoEntrySize = 8;    // within an entry: bytes of the image
inline constexpr size_t kIcoEntryOffset = 12;  // within an entry: where the image starts

}  // namespace pv::testing
