#pragma once
// An image list: pictures of one size, addressed by index. The model holds 32-bit
// pictures with alpha; a native list, made when a control first needs its handle,
// mirrors every change.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "controls/component.h"
#include "platform/graphics.h"
#include "platform/ui/image_list.h"

namespace pv {

class TCanvas;

class TImageList final : public TComponent {
public:
    explicit TImageList(TComponent* owner);
    ~TImageList() override;
    PV_COMPONENT_CLASS(TImageList)

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Changes the picture size; only while the list is empty (raises EInvalidOperation).
    void SetSize(int width, int height);
    int AllocBy = 4;  // growth step of the native list

    int Count() const { return static_cast<int>(images_.size()); }
    // A picture of another size is scaled to the list's size.
    int Add(const TBitmap32& image);
    void Insert(int index, const TBitmap32& image);
    // An icon is a picture that may be missing: an empty one is rejected and the list
    // does not grow. Returns whether it was added.
    bool AddIcon(const std::optional<TBitmap32>& icon);
    bool InsertIcon(int index, const std::optional<TBitmap32>& icon);
    void Delete(int index);
    void Clear();
    // Raises EListError for an index outside the list.
    const TBitmap32& Image(int index) const;

    // A picture may carry a name saying where it came from, and a sharp copy of itself at
    // another size, drawn by that source at that size; both travel with the picture
    // through insertions and deletions. The list itself keeps, and its native list shows,
    // only its own size; whoever shows the pictures larger asks ImageAt.
    void SetImageName(int index, const std::string& name);
    const std::string& ImageName(int index) const;
    void SetSharp(int index, const TBitmap32& picture);
    // The side of the sharp copy; 0 when there is none.
    int SharpSize(int index) const;
    // The picture at `size` x `size`: the one of that size where the list holds one,
    // else the nearest larger one drawn down to it, else the largest drawn up.
    TBitmap32 ImageAt(int index, int size) const;
    // Changes with every change of the pictures, and no two lists share one: whoever
    // keeps copies of pictures (a realised menu) can tell whether they still hold.
    uint64_t Revision() const { return revision_; }

    // Draws a picture blended over what is there; greyed when not enabled. An index
    // outside the list draws nothing.
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;
    void DrawOnto(TBitmap32& target, int x, int y, int index) const;

    // The native list, created and filled on first use.
    NativeHandle Handle();
    bool HandleAllocated() const { return peer_ != nullptr; }

private:
    TBitmap32 Fit(const TBitmap32& image) const;
    void CheckIndex(int index, bool forInsert) const;
    int width_ = 16, height_ = 16;
    struct TEntry {
        TBitmap32 Image;
        std::string Name;
        TBitmap32 Sharp;
    };
    TEntry& Entry(int index);
    std::vector<TEntry> images_;
    std::unique_ptr<IImageListPeer> peer_;
    void Touch();
    uint64_t revision_ = 0;
};

}  // namespace pv
