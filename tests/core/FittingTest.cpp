// SPDX-License-Identifier: MIT
#include "TestSupport.h"

#include "core/Fitting.h"
#include "core/JpegCodec.h"

#include <gtest/gtest.h>

#include <cstring>

namespace snapwane {
namespace {
using namespace snapwane::test;

struct FitRow {
    const char* name;
    int photoWidth, photoHeight, boxWidth, boxHeight;
    BoxSize fitted;
};

TEST(FitBoxToPhoto, DoubleWidthRatioAgainstSingleHeightRatio)
{
    const std::vector<FitRow> rows = {
        {"EqualRatios_HeightBinds", 1280, 960, 640, 480, {640, 480}},
        {"WidthBinds_3008x2000", 3008, 2000, 640, 480, {640, 425}},
        {"WidthBinds_2560x1710", 2560, 1710, 640, 480, {640, 427}},
        {"Portrait_HeightBinds", 1200, 1600, 640, 480, {360, 480}},
        {"Portrait_644x961", 644, 961, 640, 480, {321, 480}},
        {"SingleRatioRoundsUp_6000Square", 6000, 6000, 5000, 5000, {4999, 5000}},
        {"Thumbnail_1600x1200", 1600, 1200, 192, 144, {192, 144}},
        {"Strip_SideOfZero", 3000, 55, 50, 50, {50, 0}},
        {"NoBox", 640, 480, 0, 480, {0, 0}},
    };
    for (const FitRow& row : rows)
        EXPECT_EQ(FitBoxToPhoto(row.photoWidth, row.photoHeight, row.boxWidth, row.boxHeight), row.fitted) << row.name;
}

TEST(ThumbnailDecodeScale, HalvingsCappedAtOneEighth)
{
    EXPECT_EQ(CountHalvings(1600, 192), 3);
    EXPECT_EQ(ThumbnailDecodeScale(1600, 192), 8);
    EXPECT_EQ(ThumbnailDecodeScale(400, 192), 2);
    EXPECT_EQ(ThumbnailDecodeScale(383, 192), 1);
    EXPECT_EQ(CountHalvings(4000, 192), 4);
    EXPECT_EQ(ThumbnailDecodeScale(4000, 192), 8);
}

struct FittedRow {
    const char* name;
    int photoWidth, photoHeight, boxWidth, boxHeight, rotation;
    int width, height; // upright, as shown
};

// The decoder's scale does most of the reduction, halvings go on below 1/8,
// odd targets are rounded down, and a quarter turn turns the box with it.
TEST(LoadFittedPhoto, FitsIntoTheBoxAsShown)
{
    const std::vector<FittedRow> rows = {
        {"Photo1600x1200_EighthThenMerge", 1600, 1200, 192, 144, 0, 192, 144},
        {"Portrait_Rotated90_BoxTurned", 1200, 1600, 192, 144, 90, 192, 144},
        {"Portrait_Rotated270_BoxTurned", 1200, 1600, 192, 144, 270, 192, 144},
        {"BeyondEighth_HalvesFurther_OddWidthRoundedDown", 4000, 3000, 192, 144, 0, 190, 144},
        {"Panorama_HeightHalvedBelowEighth_OddTargetRoundedDown", 8000, 240, 192, 144, 0, 192, 4},
        {"OddFittedHeight_RoundedDown", 1000, 743, 192, 144, 0, 192, 142},
        {"SmallerThanBox_Unchanged", 320, 240, 320, 240, 0, 320, 240},
        {"BoxLargerThanPhoto_NeverEnlarged", 640, 480, 1000, 1000, 0, 640, 480},
    };
    for (const FittedRow& row : rows) {
        Corrections turned;
        turned.rotation = row.rotation;
        const FittedPhoto photo = LoadFittedPhoto(MakeJpeg(row.photoWidth, row.photoHeight), row.boxWidth,
                                                  row.boxHeight, turned);
        EXPECT_EQ(photo.pixels.width(), row.width) << row.name;
        EXPECT_EQ(photo.pixels.height(), row.height) << row.name;
        EXPECT_EQ(photo.pixels.channels(), 3) << row.name;
    }
}

TEST(LoadFittedPhoto, DefaultBox_IsTheThumbnailBoxThenRotationApplied)
{
    const auto jpeg = MakeJpeg(1200, 1600);
    Corrections turned;
    turned.rotation = 90;
    const FittedPhoto photo = LoadFittedPhoto(jpeg, 0, 0, turned);
    ASSERT_EQ(photo.check, PhotoCheck::Accepted);
    EXPECT_EQ(photo.sourceWidth, 1200);
    EXPECT_EQ(photo.sourceHeight, 1600);
    EXPECT_EQ(photo.pixels.width(), 192);
    EXPECT_EQ(photo.pixels.height(), 144);
}

TEST(LoadFittedPhoto, GreyPhotoWithCorrections_ComesOutAsCorrectedRgb)
{
    PixelBuffer grey = PixelBuffer::Allocate(400, 300, 1);
    std::memset(grey.data(), 100, grey.size());
    const auto jpeg = JpegCodec::Encode(grey, 95);
    ASSERT_TRUE(jpeg);
    Corrections brighter;
    brighter.brightness = 50;
    const FittedPhoto photo = LoadFittedPhoto(*jpeg, 0, 0, brighter);
    ASSERT_TRUE(photo.pixels);
    EXPECT_EQ(photo.pixels.channels(), 3);
    EXPECT_NEAR(photo.pixels.data()[0], 150, 2);
    EXPECT_EQ(photo.pixels.data()[0], photo.pixels.data()[2]);
}

struct AcceptRow {
    const char* name;
    int width, height;
    PhotoCheck check;
};

TEST(LoadFittedPhoto, SmallestAcceptedPhotoIs320x240)
{
    const std::vector<AcceptRow> rows = {
        {"Smallest", 320, 240, PhotoCheck::Accepted},
        {"TooNarrow", 319, 240, PhotoCheck::TooSmall},
        {"TooLow", 320, 239, PhotoCheck::TooSmall},
    };
    for (const AcceptRow& row : rows) {
        const FittedPhoto photo = LoadFittedPhoto(MakeJpeg(row.width, row.height), 0, 0, {});
        EXPECT_EQ(photo.check, row.check) << row.name;
        EXPECT_EQ(bool(photo.pixels), row.check == PhotoCheck::Accepted) << row.name;
    }
    const std::vector<std::uint8_t> text = {'h', 'e', 'l', 'l', 'o'};
    EXPECT_EQ(LoadFittedPhoto(text, 0, 0, {}).check, PhotoCheck::NotJpeg);
    EXPECT_EQ(LoadFittedPhoto({}, 0, 0, {}).check, PhotoCheck::Empty);
}

} // namespace
} // namespace snapwane
