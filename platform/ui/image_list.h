#pragma once
// The native image list that a tree view draws its pictures from.
#include "platform/types.h"
#include "util/bitmap.h"

namespace pv {

class IImageListPeer {
public:
    virtual ~IImageListPeer() = default;
    virtual NativeHandle Handle() = 0;
    virtual void Add(const TBitmap32& image) = 0;
    virtual void Insert(int index, const TBitmap32& image) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    virtual int Count() = 0;
};

}  // namespace pv
