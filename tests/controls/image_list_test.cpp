#include "controls/image_list.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "controls/application.h"
#include "platform/sim/sim_image_list.h"
#include "tests/support/sim_test.h"
#include "util/exception.h"

namespace pv {
namespace {

TBitmap32 Solid(uint32_t argb, int w = 16, int h = 16) { return TBitmap32::Create(w, h, argb); }

class ImageListTest : public testing::SimTest {
protected:
    // The pictures by the colour of their first pixel, which is all a solid one needs.
    static std::vector<uint32_t> Colours(const std::vector<TBitmap32>& images) {
        std::vector<uint32_t> out;
        for (const auto& b : images) out.push_back(b.Pixels.at(0));
        return out;
    }
    std::vector<TBitmap32> Model() const {
        std::vector<TBitmap32> out;
        for (int i = 0; i < list->Count(); ++i) out.push_back(list->Image(i));
        return out;
    }
    const sim::SimImageList* Native() { return sim::FindImageList(sim.SimUI(), list->Handle()); }

    TApplication app{sim};
    TImageList* list = TComponent::Create<TImageList>(&app);
};

TEST_F(ImageListTest, IndexesStayAlignedThroughAddInsertAndDelete) {
    EXPECT_EQ(list->Add(Solid(0xFF0000A0)), 0);
    EXPECT_EQ(list->Add(Solid(0xFF0000B0)), 1);
    EXPECT_EQ(list->Add(Solid(0xFF0000C0)), 2);
    list->Insert(1, Solid(0xFF000001));
    list->Insert(4, Solid(0xFF000002));  // at the end
    list->Insert(0, Solid(0xFF000003));
    EXPECT_EQ(Colours(Model()),
              (std::vector<uint32_t>{0xFF000003, 0xFF0000A0, 0xFF000001, 0xFF0000B0, 0xFF0000C0, 0xFF000002}));
    list->Delete(2);
    list->Delete(4);
    list->Delete(0);
    EXPECT_EQ(Colours(Model()), (std::vector<uint32_t>{0xFF0000A0, 0xFF0000B0, 0xFF0000C0}));

    EXPECT_THROW(list->Insert(-1, Solid(0xFF111111)), EListError);
    EXPECT_THROW(list->Insert(4, Solid(0xFF111111)), EListError);
    EXPECT_THROW(list->Delete(3), EListError);
    EXPECT_THROW(list->Image(-1), EListError);
    EXPECT_EQ(list->Count(), 3) << "a refused change leaves the list as it was";
}

TEST_F(ImageListTest, MissingIconsDoNotGrowTheList) {
    list->Add(Solid(0xFF0000A0));
    list->Handle();
    EXPECT_FALSE(list->AddIcon(std::nullopt));
    EXPECT_FALSE(list->AddIcon(TBitmap32{}));
    EXPECT_FALSE(list->InsertIcon(0, std::nullopt));
    EXPECT_EQ(list->Count(), 1);
    EXPECT_EQ(Native()->Images.size(), 1u);

    EXPECT_TRUE(list->InsertIcon(0, Solid(0xFF0000B0)));
    EXPECT_TRUE(list->AddIcon(Solid(0xFF0000C0)));
    EXPECT_EQ(Colours(Model()), (std::vector<uint32_t>{0xFF0000B0, 0xFF0000A0, 0xFF0000C0}));
}

TEST_F(ImageListTest, PicturesOfAnotherSizeAreScaledToTheListSize) {
    TBitmap32 large = Solid(0xFF204060, 32, 32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 32; ++x) large.SetPixel(x, y, x < 16 ? 0 : 0xFFFF0000);  // top half: clear, red
    list->SetSize(16, 20);
    list->Handle();
    list->Add(large);
    list->Insert(0, Solid(0x80FFFFFF, 8, 8));
    EXPECT_EQ(list->Image(1), Scaled(large, 16, 20));
    EXPECT_EQ(list->Image(0), Solid(0x80FFFFFF, 16, 20));
    EXPECT_EQ(Native()->Images, Model()) << "the native list gets the fitted pictures";
}

TEST_F(ImageListTest, TheNativeListReplaysThePicturesThenMirrorsEveryChange) {
    for (uint32_t c : {0xFF0000A0u, 0xFF0000B0u, 0xFF0000C0u}) list->Add(Solid(c));
    EXPECT_FALSE(list->HandleAllocated()) << "made on first use only";
    NativeHandle handle = list->Handle();
    ASSERT_NE(handle, 0u);
    EXPECT_EQ(list->Handle(), handle);
    const sim::SimImageList* native = Native();
    ASSERT_NE(native, nullptr);
    EXPECT_EQ(native->Width, 16);
    EXPECT_EQ(native->Height, 16);
    EXPECT_EQ(native->Images, Model());

    const std::vector<std::function<void()>> changes = {
        [&] { list->Add(Solid(0xFF000001)); },
        [&] { list->Insert(1, Solid(0xFF000002)); },
        [&] { list->Insert(list->Count() - 1, Solid(0xFF000003)); },
        [&] { list->Insert(list->Count(), Solid(0xFF000004)); },
        [&] { list->Delete(0); },
        [&] { list->Delete(list->Count() - 1); },
        [&] { list->InsertIcon(2, std::nullopt); },
        [&] { list->Clear(); },
        [&] { list->Add(Solid(0xFF000005)); },
    };
    for (size_t i = 0; i < changes.size(); ++i) {
        changes[i]();
        EXPECT_EQ(Colours(native->Images), Colours(Model())) << "after change " << i;
    }
    EXPECT_EQ(list->Handle(), handle) << "changes never re-create the native list";

    TComponent::Free(list);
    EXPECT_EQ(sim::FindImageList(sim.SimUI(), handle), nullptr) << "the native list goes with its model";
}

// A picture's name and sharp copy go with it through insertions and deletions, and the
// list answers a size with the nearest of its two pictures from above, else the larger.
TEST_F(ImageListTest, SharpCopiesTravelWithTheirPicturesAndServeTheSizesNearestThem) {
    list->Add(Solid(0xFF0000A0));
    list->Add(Solid(0xFF0000B0));
    list->SetImageName(1, "file:b");
    list->SetSharp(1, Solid(0xFF00B000, 24, 24));
    uint64_t revision = list->Revision();
    list->Insert(0, Solid(0xFF0000C0));
    EXPECT_NE(list->Revision(), revision);
    EXPECT_EQ(list->ImageName(2), "file:b");
    EXPECT_EQ(list->SharpSize(2), 24);
    EXPECT_EQ(list->ImageName(1), "");
    EXPECT_EQ(list->SharpSize(1), 0);
    list->Delete(0);
    ASSERT_EQ(list->SharpSize(1), 24);

    struct Case {
        int size;
        TBitmap32 shown;
    } cases[] = {
        {16, Solid(0xFF0000B0)},                                      // the list's own
        {24, Solid(0xFF00B000, 24, 24)},                              // the sharp copy as it is
        {20, Scaled(Solid(0xFF00B000, 24, 24), 20, 20)},              // drawn down from 24
        {32, Scaled(Solid(0xFF00B000, 24, 24), 32, 32)},              // the larger one drawn up
        {12, Scaled(Solid(0xFF0000B0), 12, 12)},                      // drawn down from 16
    };
    for (const Case& c : cases) EXPECT_EQ(list->ImageAt(1, c.size), c.shown) << c.size;
    EXPECT_EQ(list->ImageAt(0, 24), Solid(0xFF0000A0, 24, 24)) << "without a sharp copy the picture is scaled";
    EXPECT_EQ(list->Image(1), Solid(0xFF0000B0)) << "the list keeps its own size";
    list->SetSharp(1, Solid(0xFF00B000));
    EXPECT_EQ(list->SharpSize(1), 0) << "a copy at the list's size adds nothing";
    EXPECT_THROW(list->SetSharp(5, Solid(0)), EListError);
}

TEST_F(ImageListTest, ANewSizeGivesANewNativeListOnlyWhileEmpty) {
    NativeHandle first = list->Handle();
    list->SetSize(24, 24);
    EXPECT_FALSE(list->HandleAllocated());
    EXPECT_EQ(sim::FindImageList(sim.SimUI(), first), nullptr);
    list->Add(Solid(0xFF0000A0));
    ASSERT_NE(Native(), nullptr);
    EXPECT_EQ(Native()->Width, 24);
    EXPECT_EQ(Native()->Images, Model());
    EXPECT_THROW(list->SetSize(16, 16), EInvalidOperation);
    EXPECT_EQ(list->Width(), 24);
}

}  // namespace
}  // namespace pv
