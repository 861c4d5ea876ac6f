#pragma once
// Little-endian fields of a picture file. Every read is checked against the buffer, so a
// size check missed elsewhere still cannot read outside it; a read past the end raises
// EInvalidGraphic, named after the kind of file ("Invalid bitmap: ...").
#include <cstdint>
#include <string>
#include <string_view>

#include "util/exception.h"

namespace pv {

class TByteReader {
public:
    TByteReader(std::string_view bytes, const char* kind) : bytes_(bytes), kind_(kind) {}
    uint64_t Size() const { return bytes_.size(); }
    bool Has(uint64_t pos, uint64_t count) const { return pos <= Size() && count <= Size() - pos; }
    uint8_t U8(uint64_t pos) const {
        Need(pos, 1);
        return Raw(pos);
    }
    uint16_t U16(uint64_t pos) const {
        Need(pos, 2);
        return static_cast<uint16_t>(Raw(pos) | Raw(pos + 1) << 8);
    }
    uint32_t U32(uint64_t pos) const {
        Need(pos, 4);
        return static_cast<uint32_t>(Raw(pos)) | static_cast<uint32_t>(Raw(pos + 1)) << 8 |
               static_cast<uint32_t>(Raw(pos + 2)) << 16 | static_cast<uint32_t>(Raw(pos + 3)) << 24;
    }
    int32_t I32(uint64_t pos) const { return static_cast<int32_t>(U32(pos)); }
    std::string_view Slice(uint64_t pos, uint64_t count) const {
        Need(pos, count);
        return bytes_.substr(static_cast<size_t>(pos), static_cast<size_t>(count));
    }

private:
    void Need(uint64_t pos, uint64_t count) const {
        if (!Has(pos, count)) throw EInvalidGraphic(std::string("Invalid ") + kind_ + ": the file ends inside its data");
    }
    uint8_t Raw(uint64_t pos) const { return static_cast<uint8_t>(bytes_[static_cast<size_t>(pos)]); }

    std::string_view bytes_;
    const char* kind_;
};

}  // namespace pv
