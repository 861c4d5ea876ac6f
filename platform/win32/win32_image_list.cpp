// The native side of an image list: an HIMAGELIST of 32-bit colour with mask, which the
// tree view draws from. The model fits every picture to the list's size before it comes
// here and checks every index, so the peer only translates.
#include "platform/win32/win32_common.h"

#include <cstring>
#include <string>
#include <vector>

#include "platform/win32/win32_ui.h"
#include "util/exception.h"

namespace pv::win32 {

namespace {

constexpr int kInitialCapacity = 4;
// A reload adds hundreds of pictures at once; a larger step spares the list reallocating
// its strip every few of them.
constexpr int kGrowBy = 32;

[[noreturn]] void Fail(const std::string& what) { throw EOutOfResources(what + ". " + LastErrorText()); }

class TBitmapHandle {
public:
    explicit TBitmapHandle(HBITMAP h) : h_(h) {}
    ~TBitmapHandle() {
        if (h_) DeleteObject(h_);
    }
    TBitmapHandle(const TBitmapHandle&) = delete;
    TBitmapHandle& operator=(const TBitmapHandle&) = delete;
    HBITMAP get() const { return h_; }

private:
    HBITMAP h_;
};

// The picture as the list takes it.
HBITMAP ColourBitmap(const TBitmap32& image) {
    HBITMAP bmp = TopDownDib(image);
    if (!bmp) Fail("Cannot create a bitmap for the image list");
    return bmp;
}

// The mask is set where the picture is fully transparent: drawing that ignores alpha (a
// list drawn with ILD_MASK or into a device of fewer colours) still leaves those out.
HBITMAP MaskBitmap(const TBitmap32& image) {
    // Rows of a monochrome bitmap made by CreateBitmap are padded to 16 bits.
    const size_t stride = (static_cast<size_t>(image.Width) + 15) / 16 * 2;
    std::vector<uint8_t> bits(stride * static_cast<size_t>(image.Height), 0);
    for (int y = 0; y < image.Height; ++y)
        for (int x = 0; x < image.Width; ++x)
            if ((image.Pixels[static_cast<size_t>(y) * image.Width + x] >> 24) == 0)
                bits[static_cast<size_t>(y) * stride + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    HBITMAP bmp = CreateBitmap(image.Width, image.Height, 1, 1, bits.data());
    if (!bmp) Fail("Cannot create a mask for the image list");
    return bmp;
}

class Win32ImageListPeer final : public IImageListPeer {
public:
    Win32ImageListPeer(int width, int height)
        : list_(ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, kInitialCapacity, kGrowBy)) {
        if (!list_) Fail("Cannot create an image list of " + std::to_string(width) + " x " + std::to_string(height));
    }
    ~Win32ImageListPeer() override { ImageList_Destroy(list_); }
    Win32ImageListPeer(const Win32ImageListPeer&) = delete;
    Win32ImageListPeer& operator=(const Win32ImageListPeer&) = delete;

    NativeHandle Handle() override { return reinterpret_cast<NativeHandle>(list_); }

    void Add(const TBitmap32& image) override {
        TBitmapHandle colour(ColourBitmap(image)), mask(MaskBitmap(image));
        if (ImageList_Add(list_, colour.get(), mask.get()) < 0) Fail("Cannot add a picture to the image list");
    }

    // The system has no insert: the list grows by one at the end, every picture from
    // `index` on moves up one place, the last first, and the new one takes the freed
    // slot. The cost is one copy per picture after `index`, so the inserts just before
    // the last few pictures that a reload makes stay cheap.
    void Insert(int index, const TBitmap32& image) override {
        TBitmapHandle colour(ColourBitmap(image)), mask(MaskBitmap(image));
        const int last = ImageList_Add(list_, colour.get(), mask.get());
        if (last < 0) Fail("Cannot add a picture to the image list");
        if (index >= last) return;
        for (int i = last; i > index; --i)
            if (!ImageList_Copy(list_, i, list_, i - 1, ILCF_MOVE)) Fail("Cannot move a picture in the image list");
        if (!ImageList_Replace(list_, index, colour.get(), mask.get()))
            Fail("Cannot place a picture in the image list");
    }

    void Delete(int index) override {
        if (!ImageList_Remove(list_, index)) Fail("Cannot remove a picture from the image list");
    }

    void Clear() override {
        if (!ImageList_RemoveAll(list_)) Fail("Cannot empty the image list");
    }

    int Count() override { return ImageList_GetImageCount(list_); }

private:
    HIMAGELIST list_;
};

}  // namespace

std::unique_ptr<IImageListPeer> Win32UserInterface::CreateImageListPeer(int width, int height) {
    return std::make_unique<Win32ImageListPeer>(width, height);
}

}  // namespace pv::win32
