// The manager window's button pictures and their disabled form, checked on the pixels: a
// picture that lost its alpha, two buttons sharing one picture, or a disabled form that
// changes the outline or keeps colour would all show on screen.
#include "app/button_pictures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "util/exception.h"

namespace pv {
namespace {

uint32_t Alpha(uint32_t p) { return p >> 24; }
uint32_t Red(uint32_t p) { return (p >> 16) & 0xFF; }
uint32_t Green(uint32_t p) { return (p >> 8) & 0xFF; }
uint32_t Blue(uint32_t p) { return p & 0xFF; }
uint32_t Luminance(uint32_t p) { return (Red(p) * 299 + Green(p) * 587 + Blue(p) * 114) / 1000; }

std::vector<ButtonPicture> AllPictures() {
    std::vector<ButtonPicture> all;
    for (int i = 0; i < kButtonPictureCount; ++i) all.push_back(static_cast<ButtonPicture>(i));
    return all;
}

std::string Name(ButtonPicture which) { return "picture " + std::to_string(static_cast<int>(which)); }

TEST(ButtonPictures, EachIsASixteenSquareWithASolidShapeOnAClearGround) {
    for (ButtonPicture which : AllPictures()) {
        SCOPED_TRACE(Name(which));
        TBitmap32 b = ButtonPictureNormal(which);
        ASSERT_EQ(b.Width, 16);
        ASSERT_EQ(b.Height, 16);
        int opaque = 0, clear = 0;
        for (uint32_t p : b.Pixels) {
            opaque += Alpha(p) == 0xFF;
            clear += Alpha(p) == 0;
        }
        EXPECT_GE(opaque, 24) << "too little of the picture would show";
        EXPECT_GE(clear, 16) << "the picture would cover the button face as a square";
    }
}

TEST(ButtonPictures, NoTwoButtonsShareAPicture) {
    std::vector<ButtonPicture> all = AllPictures();
    for (size_t i = 0; i < all.size(); ++i)
        for (size_t j = i + 1; j < all.size(); ++j)
            EXPECT_NE(ButtonPictureNormal(all[i]), ButtonPictureNormal(all[j]))
                << Name(all[i]) << " and " << Name(all[j]);
}

TEST(ButtonPictures, DisabledFormKeepsTheOutlineInLighterGreyAndFainter) {
    for (ButtonPicture which : AllPictures()) {
        SCOPED_TRACE(Name(which));
        TBitmap32 normal = ButtonPictureNormal(which), disabled = ButtonPictureDisabled(which);
        ASSERT_EQ(disabled.Width, normal.Width);
        ASSERT_EQ(disabled.Height, normal.Height);
        for (size_t i = 0; i < normal.Pixels.size(); ++i) {
            uint32_t n = normal.Pixels[i], d = disabled.Pixels[i];
            SCOPED_TRACE("pixel " + std::to_string(i));
            ASSERT_EQ(Alpha(d) == 0, Alpha(n) == 0) << "the covered area must stay the same";
            if (Alpha(n) == 0) continue;
            EXPECT_TRUE(Red(d) == Green(d) && Green(d) == Blue(d)) << "no colour may remain";
            EXPECT_GE(Red(d), Luminance(n)) << "disabled is never darker than the original";
            EXPECT_LT(Alpha(d), 0xFFu);
            EXPECT_GE(Alpha(d) * 2, Alpha(n)) << "faded so far the shape no longer reads";
            if (HasFailure()) return;  // one pixel tells the fault; the rest would repeat it
        }
    }
}

TEST(ButtonPictures, DisabledFormKeepsTheBrightnessOrderOfAnyPicture) {
    // Darkest to lightest by luminance; the greys must keep that order, or details inside
    // a shape (a mark on a disk, the lines on a sheet) would vanish or invert.
    const std::vector<uint32_t> ordered = {0xFF000000, 0xFF0000FF, 0xFFFF0000, 0xFF00FF00, 0xFFFFFFFF};
    TBitmap32 source = TBitmap32::Create(static_cast<int>(ordered.size()) + 1, 1);
    for (size_t i = 0; i < ordered.size(); ++i) source.Pixels[i] = ordered[i];
    source.Pixels.back() = 0x00FF0000;  // clear, though its colour bits are not zero
    TBitmap32 grey = DisabledPicture(source);
    for (size_t i = 1; i < ordered.size(); ++i)
        EXPECT_LT(Luminance(grey.Pixels[i - 1]), Luminance(grey.Pixels[i])) << i;
    EXPECT_GT(Luminance(grey.Pixels.front()), 0u) << "black turns to a grey";
    EXPECT_EQ(Alpha(grey.Pixels.back()), 0u);
}

TEST(ButtonPictures, AValueOutsideTheEnumerationIsRefused) {
    for (int index : {-1, kButtonPictureCount}) {
        EXPECT_THROW(ButtonPictureNormal(static_cast<ButtonPicture>(index)), EListError) << index;
        EXPECT_THROW(ButtonPictureDisabled(static_cast<ButtonPicture>(index)), EListError) << index;
    }
}

}  // namespace
}  // namespace pv
