// SPDX-License-Identifier: MIT
// What decoding a photo will take, told from its header.
#include "core/DecodeMemory.h"

#include "core/JpegCodec.h"
#include "core/TestSupport.h"

#include <gtest/gtest.h>

namespace snapwane {
namespace {

// A progressive photo holds two bytes per sample of the whole photo; a baseline
// one only a band of rows, however tall it is.
TEST(DecodeMemory, ProgressivePhotosHoldEveryCoefficientBaselineOnesABandOfRows)
{
    const std::vector<std::uint8_t> progressive = test::ReadBytes(test::DataFile("progressive.jpg"));
    int width = 0, height = 0, channels = 0;
    JpegCodec::Decode(progressive, JpegCodec::kHeaderOnly, width, height, channels);
    const std::size_t samples = std::size_t(width) * std::size_t(height);
    EXPECT_GE(EstimateDecodeMemory(progressive), samples * 2); // at least the brightness channel's coefficients

    const std::vector<std::uint8_t> tall = test::WithFrameSize(test::MakeJpeg(64, 64), 4000, 60000);
    const std::vector<std::uint8_t> short_ = test::WithFrameSize(test::MakeJpeg(64, 64), 4000, 600);
    EXPECT_EQ(EstimateDecodeMemory(tall), EstimateDecodeMemory(short_));
    EXPECT_LT(EstimateDecodeMemory(tall), std::size_t(16) << 20);
}

TEST(DecodeMemory, NotAPhoto_IsLeftToTheDecoder)
{
    EXPECT_EQ(EstimateDecodeMemory(std::vector<std::uint8_t>{'h', 'e', 'l', 'l', 'o'}), 0u);
    test::TempFolder folder;
    EXPECT_EQ(EstimateDecodeMemoryOfFile(folder / "missing.jpg"), 0u);
}

// The frame header is found wherever the decoder would find it: behind megabytes
// of comments, stray bytes between segments, or a segment of a too short length.
TEST(DecodeMemory, FrameHeaderBehindLargeSegments_IsStillFound)
{
    const std::vector<std::uint8_t> photo = test::ReadBytes(test::DataFile("progressive.jpg"));
    std::vector<std::uint8_t> hidden(photo.begin(), photo.begin() + 2);
    for (int i = 0; i < 40; ++i) {
        const std::uint8_t comment[] = {0xFF, 0xFE, 0xFF, 0xFF};
        hidden.insert(hidden.end(), std::begin(comment), std::end(comment));
        hidden.insert(hidden.end(), 65533, std::uint8_t(i));
        const std::uint8_t strayThenShortSegment[] = {'x', 0xFF, 0x00, 'y', 0xFF, 0xFF, 0xEF, 0x00, 0x01};
        hidden.insert(hidden.end(), std::begin(strayThenShortSegment), std::end(strayThenShortSegment));
    }
    hidden.insert(hidden.end(), photo.begin() + 2, photo.end());
    int width = 0, height = 0, channels = 0;
    ASSERT_TRUE(JpegCodec::Decode(hidden, 1, width, height, channels)); // the decoder finds it
    test::TempFolder folder;
    test::WriteBytes(folder / "hidden.jpg", hidden);
    EXPECT_GT(EstimateDecodeMemory(photo), 0u);
    EXPECT_EQ(EstimateDecodeMemoryOfFile(folder / "hidden.jpg"), EstimateDecodeMemory(photo));
    EXPECT_EQ(EstimateDecodeMemory(hidden), EstimateDecodeMemory(photo));
}

} // namespace
} // namespace snapwane
