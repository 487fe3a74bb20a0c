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

} // namespace
} // namespace snapwane
