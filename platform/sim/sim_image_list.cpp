#include "platform/sim/sim_image_list.h"

#include <map>
#include <stdexcept>
#include <string>
#include <utility>

namespace pv::sim {

namespace {

// A native list splits a wider picture into several and cuts a taller one; the model
// always fits pictures to the list's size first, so a breach here is a fault in the model.
class SimImageListPeer final : public IImageListPeer {
public:
    SimImageListPeer(SimUserInterface& ui, int width, int height) : ui_(ui) {
        list_.Handle = ui.NewHandle();
        list_.Width = width;
        list_.Height = height;
        ui_.ImageLists[list_.Handle] = &list_;
    }
    ~SimImageListPeer() override { ui_.ImageLists.erase(list_.Handle); }
    NativeHandle Handle() override { return list_.Handle; }
    void Add(const TBitmap32& image) override {
        CheckSize(image);
        list_.Images.push_back(image);
    }
    void Insert(int index, const TBitmap32& image) override {
        CheckIndex(index, Count());
        CheckSize(image);
        list_.Images.insert(list_.Images.begin() + index, image);
    }
    void Delete(int index) override {
        CheckIndex(index, Count() - 1);
        list_.Images.erase(list_.Images.begin() + index);
    }
    void Clear() override { list_.Images.clear(); }
    int Count() override { return static_cast<int>(list_.Images.size()); }

private:
    void CheckSize(const TBitmap32& image) const {
        if (image.Width != list_.Width || image.Height != list_.Height)
            throw std::logic_error("a " + std::to_string(image.Width) + " x " + std::to_string(image.Height) +
                                   " picture pushed into a " + std::to_string(list_.Width) + " x " +
                                   std::to_string(list_.Height) + " image list");
    }
    static void CheckIndex(int index, int last) {
        if (index < 0 || index > last)
            throw std::logic_error("image list index " + std::to_string(index) + " pushed outside 0 to " +
                                   std::to_string(last));
    }
    SimUserInterface& ui_;
    SimImageList list_;
};

}  // namespace

const SimImageList* FindImageList(const SimUserInterface& ui, NativeHandle handle) {
    auto it = ui.ImageLists.find(handle);
    return it == ui.ImageLists.end() ? nullptr : it->second;
}

std::unique_ptr<IImageListPeer> SimUserInterface::CreateImageListPeer(int width, int height) {
    return std::make_unique<SimImageListPeer>(*this, width, height);
}

}  // namespace pv::sim
