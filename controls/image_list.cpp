#include "controls/image_list.h"

#include "controls/application.h"
#include "controls/canvas.h"
#include "util/exception.h"

namespace pv {

namespace {
uint64_t lastRevision = 0;  // image lists live on the main thread
}  // namespace

TImageList::TImageList(TComponent* owner) : TComponent(owner) { Touch(); }
TImageList::~TImageList() = default;

void TImageList::Touch() { revision_ = ++lastRevision; }

void TImageList::SetSize(int width, int height) {
    if (width == width_ && height == height_) return;
    if (!images_.empty()) throw EInvalidOperation("Cannot change the size of an image list that holds pictures");
    width_ = width;
    height_ = height;
    Touch();
    peer_.reset();
}

TBitmap32 TImageList::Fit(const TBitmap32& image) const {
    if (image.Width == width_ && image.Height == height_) return image;
    return Scaled(image, width_, height_);
}

void TImageList::CheckIndex(int index, bool forInsert) const {
    int limit = forInsert ? Count() : Count() - 1;
    if (index < 0 || index > limit) throw EListError("Image index out of bounds (" + std::to_string(index) + ")");
}

int TImageList::Add(const TBitmap32& image) {
    images_.push_back({Fit(image), {}, {}});
    Touch();
    if (peer_) peer_->Add(images_.back().Image);
    return Count() - 1;
}

void TImageList::Insert(int index, const TBitmap32& image) {
    CheckIndex(index, true);
    images_.insert(images_.begin() + index, TEntry{Fit(image), {}, {}});
    Touch();
    if (peer_) peer_->Insert(index, images_[static_cast<size_t>(index)].Image);
}

bool TImageList::AddIcon(const std::optional<TBitmap32>& icon) {
    if (!icon || icon->Empty()) return false;
    Add(*icon);
    return true;
}

bool TImageList::InsertIcon(int index, const std::optional<TBitmap32>& icon) {
    if (!icon || icon->Empty()) return false;
    Insert(index, *icon);
    return true;
}

void TImageList::Delete(int index) {
    CheckIndex(index, false);
    images_.erase(images_.begin() + index);
    Touch();
    if (peer_) peer_->Delete(index);
}

void TImageList::Clear() {
    images_.clear();
    Touch();
    if (peer_) peer_->Clear();
}

const TBitmap32& TImageList::Image(int index) const {
    CheckIndex(index, false);
    return images_[static_cast<size_t>(index)].Image;
}

TImageList::TEntry& TImageList::Entry(int index) {
    CheckIndex(index, false);
    return images_[static_cast<size_t>(index)];
}

void TImageList::SetImageName(int index, const std::string& name) { Entry(index).Name = name; }

const std::string& TImageList::ImageName(int index) const {
    CheckIndex(index, false);
    return images_[static_cast<size_t>(index)].Name;
}

void TImageList::SetSharp(int index, const TBitmap32& picture) {
    TEntry& e = Entry(index);
    // A copy at the list's own size, or one that is not square, adds nothing.
    e.Sharp = picture.Width == picture.Height && picture.Width != width_ ? picture : TBitmap32{};
    Touch();
}

int TImageList::SharpSize(int index) const {
    CheckIndex(index, false);
    return images_[static_cast<size_t>(index)].Sharp.Width;
}

TBitmap32 TImageList::ImageAt(int index, int size) const {
    CheckIndex(index, false);
    const TEntry& e = images_[static_cast<size_t>(index)];
    // Whether a picture of side a serves `size` better than one of side b.
    auto better = [size](int a, int b) {
        if (a == size || b == size) return a == size;
        if ((a > size) != (b > size)) return a > size;
        return a > size ? a < b : a > b;
    };
    const TBitmap32* from = !e.Sharp.Empty() && better(e.Sharp.Width, e.Image.Width) ? &e.Sharp : &e.Image;
    if (from->Width == size && from->Height == size) return *from;
    return Scaled(*from, size, size);
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
    if (index < 0 || index >= Count()) return;
    canvas.Draw(x, y, images_[static_cast<size_t>(index)].Image, !enabled);
}

void TImageList::DrawOnto(TBitmap32& target, int x, int y, int index) const {
    if (index < 0 || index >= Count()) return;
    BlendOnto(target, images_[static_cast<size_t>(index)].Image, x, y);
}

NativeHandle TImageList::Handle() {
    if (!peer_) {
        peer_ = GetPlatform().UI().CreateImageListPeer(width_, height_);
        if (!peer_) return 0;
        for (const auto& entry : images_) peer_->Add(entry.Image);
    }
    return peer_->Handle();
}

}  // namespace pv
