// SPDX-License-Identifier: MIT
#include "TestSupport.h"

#include "core/Fitting.h"
#include "core/JpegCodec.h"
#include "core/ReducePhoto.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <string>

namespace snapwane {
namespace {
using namespace snapwane::test;

struct DecodedSize {
    const char* name;
    int photoWidth, photoHeight, scale;
    int width, height;
};

void PrintTo(const DecodedSize& row, std::ostream* out) { *out << row.name; }

class DecodeSizeTest : public ::testing::TestWithParam<DecodedSize> {};

TEST_P(DecodeSizeTest, GivesCeilingOfScaledSizeWithEvenWidth)
{
    const DecodedSize& row = GetParam();
    const auto jpeg = MakeJpeg(row.photoWidth, row.photoHeight);
    int width = -1, height = -1, channels = -1;
    const PixelBuffer pixels = JpegCodec::Decode(jpeg, row.scale, width, height, channels);
    ASSERT_TRUE(pixels);
    EXPECT_EQ(width, row.width);
    EXPECT_EQ(height, row.height);
    EXPECT_EQ(channels, 3);
    EXPECT_EQ(pixels.width(), row.width);
    EXPECT_EQ(pixels.height(), row.height);
    EXPECT_EQ(pixels.size(), std::size_t(row.width) * row.height * 3);
}

INSTANTIATE_TEST_SUITE_P(Sizes, DecodeSizeTest,
    ::testing::Values(DecodedSize{"Photo1600x1200_Eighth", 1600, 1200, 8, 200, 150},
                      DecodedSize{"Photo1600x1200_Half", 1600, 1200, 2, 800, 600},
                      DecodedSize{"OddWidth_Full_DropsLastColumn", 1001, 751, 1, 1000, 751},
                      DecodedSize{"OddWidth_Half_CeilingThenEven", 1001, 751, 2, 500, 376},
                      DecodedSize{"OddWidth_Quarter", 1001, 751, 4, 250, 188},
                      DecodedSize{"Photo1023x767_Eighth", 1023, 767, 8, 128, 96},
                      DecodedSize{"OddEighthWidth_MadeEven", 1001, 751, 8, 126, 94}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JpegCodecDecode, ColoursComeOutAsRedGreenBlue)
{
    PixelBuffer photo = MakeFilled(64, 32, 200, 40, 90);
    const auto jpeg = JpegCodec::Encode(photo, 95);
    ASSERT_TRUE(jpeg);
    for (int scale : {1, 2, 4, 8}) {
        int w = 0, h = 0, ch = 0;
        const PixelBuffer pixels = JpegCodec::Decode(*jpeg, scale, w, h, ch);
        ASSERT_TRUE(pixels) << scale;
        EXPECT_NEAR(pixels.data()[0], 200, 3) << scale;
        EXPECT_NEAR(pixels.data()[1], 40, 3) << scale;
        EXPECT_NEAR(pixels.data()[2], 90, 3) << scale;
    }
}

TEST(JpegCodecDecode, HeaderOnly_ReportsStoredSizeAndThreeChannels_NoBuffer)
{
    for (int components : {3, 1}) {
        const auto jpeg = MakeJpeg(1001, 751, components);
        int width = 0, height = 0, channels = 0;
        EXPECT_FALSE(JpegCodec::Decode(jpeg, JpegCodec::kHeaderOnly, width, height, channels));
        EXPECT_EQ(width, 1001) << components;
        EXPECT_EQ(height, 751) << components;
        EXPECT_EQ(channels, 3) << components;
    }
}

TEST(JpegCodecDecode, UnsupportedScale_LeavesOutputsUntouched)
{
    const auto jpeg = MakeJpeg(64, 48);
    for (int scale : {0, 3, 5, 16, -2}) {
        int width = 7, height = 8, channels = 9;
        EXPECT_FALSE(JpegCodec::Decode(jpeg, scale, width, height, channels));
        EXPECT_EQ(width, 7) << scale;
        EXPECT_EQ(height, 8) << scale;
        EXPECT_EQ(channels, 9) << scale;
    }
}

struct Unreadable {
    const char* name;
    std::vector<std::uint8_t> bytes;
};

TEST(JpegCodecDecode, UnreadableBytes_GiveNoBufferAndZeroSize_InBothModes)
{
    const std::string text = "Not a photo at all, just some text in a file.";
    const auto jpeg = MakeJpeg(64, 48);
    const std::vector<Unreadable> rows = {
        {"Empty", {}},
        {"Text", {text.begin(), text.end()}},
        {"StartOfImageOnly", {0xFF, 0xD8}},
        {"CutInsideTheHeader", {jpeg.begin(), jpeg.begin() + 100}},
        {"PngSignature", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13}},
    };
    for (const Unreadable& row : rows) {
        for (int scale : {JpegCodec::kHeaderOnly, 1, 8}) {
            int width = 5, height = 5, channels = 5;
            EXPECT_FALSE(JpegCodec::Decode(row.bytes, scale, width, height, channels)) << row.name;
            EXPECT_EQ(width, 0) << row.name << " scale " << scale;
            EXPECT_EQ(height, 0) << row.name << " scale " << scale;
        }
    }
}

TEST(JpegCodecDecode, TruncatedPhoto_DecodesWhatIsThere)
{
    const auto whole = MakeJpeg(640, 480);
    const std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + std::ptrdiff_t(whole.size() * 6 / 10));
    int w = 0, h = 0, ch = 0;
    const PixelBuffer pixels = JpegCodec::Decode(cut, 1, w, h, ch);
    ASSERT_TRUE(pixels);
    EXPECT_EQ(pixels.width(), 640);
    EXPECT_EQ(pixels.height(), 480);
    const PixelBuffer reference = JpegCodec::Decode(whole, 1, w, h, ch);
    EXPECT_EQ(0, std::memcmp(pixels.row(0), reference.row(0), pixels.rowBytes())) << "top row decoded as in the whole photo";
}

TEST(JpegCodecDecode, GreyPhoto_OneChannelBufferOfExactSize)
{
    PixelBuffer grey = PixelBuffer::Allocate(101, 75, 1);
    std::memset(grey.data(), 77, grey.size());
    const auto jpeg = JpegCodec::Encode(grey, 90);
    ASSERT_TRUE(jpeg);
    int width = 0, height = 0, channels = 0;
    const PixelBuffer pixels = JpegCodec::Decode(*jpeg, 1, width, height, channels);
    ASSERT_TRUE(pixels);
    EXPECT_EQ(channels, 1);
    EXPECT_EQ(pixels.size(), 100u * 75u);
    EXPECT_NEAR(pixels.data()[pixels.size() - 1], 77, 2);
}

TEST(JpegCodecDecode, ProgressivePhoto_Decodes)
{
    const auto jpeg = ReadBytes(DataFile("progressive.jpg")); // 401 x 301, #2060a0 at the top
    int width = 0, height = 0, channels = 0;
    const PixelBuffer half = JpegCodec::Decode(jpeg, 2, width, height, channels);
    ASSERT_TRUE(half);
    EXPECT_EQ(width, 200);
    EXPECT_EQ(height, 151);
    const PixelBuffer full = JpegCodec::Decode(jpeg, 1, width, height, channels);
    ASSERT_TRUE(full);
    EXPECT_EQ(width, 400);
    EXPECT_NEAR(full.data()[0], 0x20, 8);
    EXPECT_NEAR(full.data()[1], 0x60, 8);
    EXPECT_NEAR(full.data()[2], 0xA0, 8);
}

// The progressive test photo with its last scan repeated: every scan is a pass over
// the whole photo, so a few bytes per scan make a photo that takes minutes.
std::vector<std::uint8_t> WithScansRepeated(int extraScans)
{
    const auto jpeg = ReadBytes(DataFile("progressive.jpg"));
    const std::vector<std::uint8_t> scanStart{0xFF, 0xDA};
    const auto last = std::find_end(jpeg.begin(), jpeg.end() - 2, scanStart.begin(), scanStart.end());
    std::vector<std::uint8_t> repeated(jpeg.begin(), jpeg.end() - 2); // up to the end marker
    for (int i = 0; i < extraScans; ++i)
        repeated.insert(repeated.end(), last, jpeg.end() - 2);
    repeated.insert(repeated.end(), jpeg.end() - 2, jpeg.end());
    return repeated;
}

// Every way a photo is decoded (whole, scaled, row by row for the reduction, fitted
// for the views) refuses a photo of more scans than any real one has, as damaged.
TEST(JpegCodecDecode, PhotoOfTooManyScans_IsRefusedAsDamagedByEveryDecode)
{
    for (const int extra : {20, JpegCodec::kMaxScans}) {
        SCOPED_TRACE(extra);
        const bool refused = 10 + extra > JpegCodec::kMaxScans; // the photo has ten scans of its own
        const std::vector<std::uint8_t> jpeg = WithScansRepeated(extra);
        for (const int scale : {1, 8}) {
            int width = 0, height = 0, channels = 0;
            JpegCodec::Failure failure = JpegCodec::Failure::None;
            EXPECT_EQ(!JpegCodec::Decode(jpeg, scale, width, height, channels, &failure), refused);
            EXPECT_EQ(failure, refused ? JpegCodec::Failure::Damaged : JpegCodec::Failure::None);
        }
        EXPECT_EQ(PrepareReduction(jpeg, 200, 150, 75, {}).outcome,
                  refused ? ReduceOutcome::NotDecodable : ReduceOutcome::Reduced);
        EXPECT_EQ(LoadFittedPhoto(jpeg, 0, 0, {}).check, refused ? PhotoCheck::NotDecodable : PhotoCheck::Accepted);
    }
}

#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
// A photo that cannot have its memory fails as "not enough memory", not as damaged:
// the same photo may go through once memory is free. A child process under an
// address-space limit decodes a small progressive file that declares 10000 x 12000.
TEST(JpegCodecDecode, PhotoWithoutMemory_FailsForMemoryNotAsDamaged)
{
    std::vector<std::uint8_t> jpeg = ReadBytes(DataFile("progressive.jpg"));
    const std::vector<std::uint8_t> frameMarker{0xFF, 0xC2};
    const auto frame = std::search(jpeg.begin(), jpeg.end(), frameMarker.begin(), frameMarker.end());
    ASSERT_NE(frame, jpeg.end());
    const std::uint8_t size[] = {12000 >> 8, 12000 & 255, 10000 >> 8, 10000 & 255};
    std::copy(std::begin(size), std::end(size), frame + 5);
    const pid_t child = fork();
    if (child == 0) {
        long pages = 0;
        if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
            if (std::fscanf(statm, "%ld", &pages) != 1)
                pages = 0;
            std::fclose(statm);
        }
        const rlimit limit{rlim_t(pages) * rlim_t(sysconf(_SC_PAGESIZE)) + (rlim_t(64) << 20), RLIM_INFINITY};
        setrlimit(RLIMIT_AS, &limit);
        int width = 0, height = 0, channels = 0;
        JpegCodec::Failure failure = JpegCodec::Failure::None;
        const bool decoded = bool(JpegCodec::Decode(jpeg, 8, width, height, channels, &failure));
        const bool codec = !decoded && failure == JpegCodec::Failure::NoMemory;
        const bool reduction = PrepareReduction(jpeg, 640, 480, 75, {}).outcome == ReduceOutcome::NoMemory;
        const bool view = LoadFittedPhoto(jpeg, 0, 0, {}).check == PhotoCheck::NoMemory;
        _exit((codec ? 0 : 1) | (reduction ? 0 : 2) | (view ? 0 : 4));
    }
    ASSERT_GT(child, 0);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: codec, 2: reduction, 4: view failed otherwise";
}
#endif

TEST(JpegCodecDecode, AdobeCmykPhoto_ComesOutAsRgb)
{
    // 64 x 48 in quadrants: red, green / blue, white; stored as inverted CMYK.
    const auto jpeg = ReadBytes(DataFile("cmyk.jpg"));
    int width = 0, height = 0, channels = 0;
    const PixelBuffer pixels = JpegCodec::Decode(jpeg, 1, width, height, channels);
    ASSERT_TRUE(pixels);
    ASSERT_EQ(channels, 3);
    ASSERT_EQ(pixels.size(), 64u * 48u * 3u);
    struct Probe { int x, y, r, g, b; };
    for (const Probe& p : {Probe{8, 6, 255, 0, 0}, Probe{40, 6, 0, 255, 0}, Probe{8, 30, 0, 0, 255}, Probe{40, 30, 255, 255, 255}}) {
        const std::uint8_t* px = pixels.row(p.y) + p.x * 3;
        EXPECT_NEAR(px[0], p.r, 24) << p.x << "," << p.y;
        EXPECT_NEAR(px[1], p.g, 24) << p.x << "," << p.y;
        EXPECT_NEAR(px[2], p.b, 24) << p.x << "," << p.y;
    }
}

struct ClaimedSize {
    const char* name;
    int width, height;
    bool accepted;
};

TEST(JpegCodecDecode, ClaimedSize_AbsurdOnesRefusedBeforeAllocating)
{
    const auto small = MakeJpeg(64, 48);
    const std::vector<ClaimedSize> rows = {
        {"SixtyThousandSquare", 60000, 60000, false},
        {"SideOverBound", JpegCodec::kMaxSide + 1, 100, false},
        {"AreaOverBound", 20000, 10001, false},
        {"FiftyMegapixels", 8165, 6124, true},
        {"LargestAllowed", JpegCodec::kMaxSide, 4000, true},
        {"JustOverArea", 12000, 10001, false},
    };
    for (const ClaimedSize& row : rows) {
        const auto crafted = WithFrameSize(small, row.width, row.height);
        int width = -1, height = -1, channels = -1;
        JpegCodec::Decode(crafted, JpegCodec::kHeaderOnly, width, height, channels);
        EXPECT_EQ(width, row.accepted ? row.width : 0) << row.name;
        EXPECT_EQ(height, row.accepted ? row.height : 0) << row.name;
        EXPECT_EQ(bool(JpegCodec::Decode(crafted, 8, width, height, channels)), row.accepted) << row.name;
    }
}

// A whole stream, start to end marker, colour at 2 x 2 chroma sampling, that
// decodes back to its size.
TEST(JpegCodecEncode, RoundTrip_ExactStreamAtTwoByTwoChromaDecodesBackToSize)
{
    const auto stream = JpegCodec::Encode(MakePattern(640, 480), 75);
    ASSERT_TRUE(stream);
    ASSERT_GT(stream->size(), 4u);
    EXPECT_EQ((*stream)[0], 0xFF);
    EXPECT_EQ((*stream)[1], 0xD8);
    EXPECT_EQ((*stream)[stream->size() - 2], 0xFF);
    EXPECT_EQ((*stream)[stream->size() - 1], 0xD9);
    const auto frame = FrameHeader(*stream); // precision, height, width, count, then 3 bytes per component
    ASSERT_EQ(frame.size(), 6u + 3u * 3u);
    EXPECT_EQ(frame[5], 3);
    EXPECT_EQ(frame[7], 0x22) << "luma 2 x 2";
    EXPECT_EQ(frame[10], 0x11);
    EXPECT_EQ(frame[13], 0x11);
    int width = 0, height = 0, channels = 0;
    const PixelBuffer back = JpegCodec::Decode(*stream, 1, width, height, channels);
    ASSERT_TRUE(back);
    EXPECT_EQ(width, 640);
    EXPECT_EQ(height, 480);
    EXPECT_EQ(channels, 3);
}

TEST(JpegCodecEncode, HigherQualityGivesLargerStream)
{
    const PixelBuffer photo = MakePattern(320, 240);
    std::size_t previous = 0;
    for (int quality : {10, 40, 75, 100}) {
        const auto stream = JpegCodec::Encode(photo, quality);
        ASSERT_TRUE(stream) << quality;
        EXPECT_GT(stream->size(), previous) << quality;
        previous = stream->size();
    }
}

// Pixels it cannot take, and a stream larger than the pixels themselves, give nothing.
TEST(JpegCodecEncode, UnusableInputOrStreamLargerThanThePixels_Fails)
{
    EXPECT_FALSE(JpegCodec::Encode(PixelBuffer::Allocate(16, 16, 4), 75));
    EXPECT_FALSE(JpegCodec::Encode(PixelBuffer(), 75));
    EXPECT_FALSE(JpegCodec::Encode(nullptr, 16, 16, 3, 75));
    EXPECT_FALSE(JpegCodec::Encode(MakePattern(2, 2), 100));
    EXPECT_FALSE(JpegCodec::Encode(MakePattern(50, 1), 75));
    EXPECT_TRUE(JpegCodec::Encode(MakePattern(64, 64), 100));
}

} // namespace
} // namespace snapwane
