// SPDX-License-Identifier: MIT
// Photos as phones store them (landscape pixels and an EXIF Orientation tag):
// the tag is read from the header, every path shows and reduces them upright,
// and a reduced photo keeps only its colour profile.
#include "PhonePhotos.h"
#include "TestSupport.h"

#include "core/Fitting.h"
#include "core/JpegCodec.h"
#include "core/Orientation.h"
#include "core/PixelOps.h"
#include "core/ReducePhoto.h"
#include "core/StreamingReducer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace snapwane {
namespace {

using test::ByteOrder;

int OrientationOf(const std::vector<std::uint8_t>& jpeg)
{
    const auto header = JpegCodec::ReadHeader(jpeg);
    return header ? header->orientation : 0;
}

TEST(ReadHeader, OrientationTag_IsReadFromTheHeaderOrMeansAsStored)
{
    const std::vector<std::uint8_t> plain = test::MakeJpeg(64, 48);
    for (int tag = 1; tag <= 8; ++tag) {
        EXPECT_EQ(OrientationOf(test::WithSegment(plain, 0xE1, test::ExifSegment(tag))), tag) << "Intel " << tag;
        EXPECT_EQ(OrientationOf(test::WithSegment(plain, 0xE1, test::ExifSegment(tag, ByteOrder::Motorola))), tag)
            << "Motorola " << tag;
    }
    std::vector<std::uint8_t> cut = test::ExifSegment(6);
    cut.resize(16); // the IFD is missing
    std::vector<std::uint8_t> xmp = {'h', 't', 't', 'p', ':', '/', '/', 'n', 's', 0};
    const struct {
        const char* name;
        std::vector<std::uint8_t> jpeg;
        int orientation;
    } rows[] = {
        {"no APP1", plain, 1},
        {"value 0", test::WithSegment(plain, 0xE1, test::ExifSegment(0)), 1},
        {"value 9", test::WithSegment(plain, 0xE1, test::ExifSegment(9)), 1},
        {"EXIF cut short", test::WithSegment(plain, 0xE1, cut), 1},
        {"XMP, not EXIF", test::WithSegment(plain, 0xE1, xmp), 1},
        {"XMP before EXIF", test::WithSegment(test::WithSegment(plain, 0xE1, test::ExifSegment(8)), 0xE1, xmp), 8},
        {"with a GPS position", test::WithSegment(plain, 0xE1, test::ExifSegment(3, ByteOrder::Intel, true)), 3},
    };
    for (const auto& row : rows)
        EXPECT_EQ(OrientationOf(row.jpeg), row.orientation) << row.name;
    EXPECT_FALSE(JpegCodec::ReadHeader(std::vector<std::uint8_t>(100, 0x55)));
}

TEST(ReadHeader, ColourProfile_OnlyWhenAskedForAndRgb)
{
    const std::vector<std::uint8_t> rgb = test::MakeColourProfile("RGB ", 70000); // two APP2 segments
    const auto photo = JpegCodec::Encode(test::MakePattern(64, 48), 90, rgb);
    ASSERT_TRUE(photo);
    EXPECT_EQ(JpegCodec::ReadHeader(*photo, JpegCodec::Parts::WithColourProfile)->colourProfile, rgb);
    EXPECT_TRUE(JpegCodec::ReadHeader(*photo)->colourProfile.empty());
    const auto grey = JpegCodec::Encode(test::MakePattern(64, 48), 90, test::MakeColourProfile("GRAY"));
    EXPECT_TRUE(JpegCodec::ReadHeader(*grey, JpegCodec::Parts::WithColourProfile)->colourProfile.empty());
}

TEST(TurnForPhoto, UserRotationTurnsFurtherFromUpright)
{
    const PixelBuffer stored = test::MakePattern(7, 5);
    auto copy = [&] {
        PixelBuffer c = PixelBuffer::Allocate(7, 5, 3);
        std::memcpy(c.data(), stored.data(), stored.size());
        return c;
    };
    for (int tag = 0; tag <= 9; ++tag) { // 0 and 9: unknown, as stored
        for (int rotation : {0, 90, 180, 270}) {
            const PixelBuffer together = ApplyTurn(copy(), TurnForPhoto(tag, rotation));
            const PixelBuffer oneAfterOther = Rotate(ApplyTurn(copy(), TurnForPhoto(tag)), rotation);
            ASSERT_EQ(together.width(), oneAfterOther.width());
            EXPECT_EQ(0, std::memcmp(together.data(), oneAfterOther.data(), together.size()))
                << "tag " << tag << ", rotation " << rotation;
        }
    }
}

TEST(PhonePhoto, EveryOrientation_ThumbnailAndViewAreUprightWithTheUprightSize)
{
    for (int tag = 1; tag <= 8; ++tag) {
        SCOPED_TRACE("orientation " + std::to_string(tag));
        const std::vector<std::uint8_t> jpeg = test::MakePhonePhoto(480, 640, tag); // portrait
        const FittedPhoto thumbnail = LoadFittedPhoto(jpeg, 0, 0, {});
        EXPECT_EQ(thumbnail.sourceWidth, 480);
        EXPECT_EQ(thumbnail.sourceHeight, 640);
        EXPECT_EQ(thumbnail.pixels.height(), 144);
        test::ExpectUprightQuarters(thumbnail.pixels);
        const FittedPhoto view = LoadFittedPhoto(jpeg, 1024, 768, {});
        EXPECT_EQ(view.pixels.height(), 640) << "cut to the upright size, not the stored one";
        test::ExpectUprightQuarters(view.pixels);
        // Rotate right turns it from upright: red moves to the top right.
        const FittedPhoto turned = LoadFittedPhoto(jpeg, 0, 0, {0, 0, false, 90});
        test::ExpectUprightQuarters(Rotate(std::move(const_cast<PixelBuffer&>(turned.pixels)), 270));
    }
}

TEST(PhonePhoto, EveryOrientation_ReducesUprightKeepsTheProfileAndNothingElse)
{
    test::TempFolder folder;
    const std::vector<std::uint8_t> profile = test::MakeColourProfile("RGB ");
    for (int tag = 1; tag <= 8; ++tag) {
        SCOPED_TRACE("orientation " + std::to_string(tag));
        test::WriteBytes(folder / "phone.jpg", test::MakePhonePhoto(1200, 1600, tag, profile, true));
        const ReduceResult result = ReducePhoto(folder / "phone.jpg", folder / "small.jpg", 640, 480, 90, {});
        ASSERT_EQ(result.outcome, ReduceOutcome::Reduced);
        EXPECT_EQ(result.reason, "reduced to 360 x 480");
        const std::vector<std::uint8_t> reduced = test::ReadBytes(folder / "small.jpg");
        int w = 0, h = 0, channels = 0;
        test::ExpectUprightQuarters(JpegCodec::Decode(reduced, 1, w, h, channels));
        // JFIF and the profile only: no EXIF (no tag, no GPS position), no comment.
        const std::vector<std::uint8_t> markers = test::SegmentMarkers(reduced);
        ASSERT_FALSE(markers.empty());
        EXPECT_EQ(markers.front(), 0xE0);
        EXPECT_EQ(std::count(markers.begin(), markers.end(), 0xE1), 0);
        EXPECT_EQ(std::count(markers.begin(), markers.end(), 0xFE), 0);
        EXPECT_EQ(JpegCodec::ReadHeader(reduced, JpegCodec::Parts::WithColourProfile)->colourProfile, profile);
    }
}

TEST(PhonePhoto, CopyRuleComparesTheBoxWithTheUprightSize_AndCopiesByteForByte)
{
    test::TempFolder folder;
    // 800 x 600 stored, 600 x 800 upright: the 700 x 900 box is not smaller in height.
    const std::vector<std::uint8_t> jpeg = test::MakePhonePhoto(600, 800, 6, {}, true);
    test::WriteBytes(folder / "phone.jpg", jpeg);
    const ReduceResult copied = ReducePhoto(folder / "phone.jpg", folder / "copy.jpg", 700, 900, 75, {});
    EXPECT_EQ(copied.outcome, ReduceOutcome::Copied);
    EXPECT_EQ(copied.reason, "copied unchanged (600 x 800)");
    EXPECT_EQ(test::ReadBytes(folder / "copy.jpg"), jpeg);
    // A box smaller than the upright size both ways reduces it.
    EXPECT_EQ(ReducePhoto(folder / "phone.jpg", folder / "r.jpg", 500, 700, 75, {}).outcome,
              ReduceOutcome::Reduced);
}

TEST(StreamingReducer, EveryOrientationWithEveryTurn_GivesThePlainPipelinesPixels)
{
    const std::vector<std::uint8_t> photos[] = {
        test::MakeJpeg(333, 251), test::MakeJpeg(640, 480), test::MakeJpeg(258, 603), test::MakeJpeg(401, 299, 1),
        test::ReadBytes(test::DataFile("progressive.jpg")), test::ReadBytes(test::DataFile("cmyk.jpg"))};
    const struct {
        int width, height;
    } boxes[] = {{51, 77}, {200, 97}, {640, 480}};
    StreamingReducer reducer;
    int reduced = 0;
    for (const auto& photo : photos) {
        for (int tag = 1; tag <= 8; ++tag) {
            const std::vector<std::uint8_t> tagged = test::WithSegment(photo, 0xE1, test::ExifSegment(tag));
            for (const auto& box : boxes) {
                for (int rotation : {0, 90, 180, 270}) {
                    const Corrections corrections{rotation == 90 ? 9 : 0, 0, rotation == 270, rotation};
                    SCOPED_TRACE("tag " + std::to_string(tag) + ", box " + std::to_string(box.width) + " x "
                                 + std::to_string(box.height) + ", rotation " + std::to_string(rotation));
                    const ReducedPixels plain = ReduceJpegPlain(tagged, box.width, box.height, corrections);
                    const ReducedPixels fast = reducer.Reduce(tagged, box.width, box.height, corrections);
                    ASSERT_EQ(fast.outcome, plain.outcome);
                    ASSERT_EQ(fast.pixels.width(), plain.pixels.width());
                    ASSERT_EQ(fast.pixels.height(), plain.pixels.height());
                    if (plain.pixels) {
                        EXPECT_EQ(0, std::memcmp(fast.pixels.data(), plain.pixels.data(), plain.pixels.size()));
                    }
                    reduced += plain.outcome == ReduceOutcome::Reduced;
                }
            }
        }
    }
    EXPECT_GT(reduced, 300);
}

} // namespace
} // namespace snapwane
