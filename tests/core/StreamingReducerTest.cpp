// SPDX-License-Identifier: MIT
// The row-by-row reduction against the whole-photo pipeline: the same outcome and
// the same bytes for every photo, turn, correction and box.
#include "TestSupport.h"

#include "core/JpegCodec.h"
#include "core/PackedRows.h"
#include "core/ReducePhoto.h"
#include "core/StreamingReducer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

namespace snapwane {
namespace {

using test::DataFile;
using test::ReadBytes;

// Grainy content: averages of averages round differently from a single average on
// it, so a merge in the wrong place or a wrong order of operations shows.
std::vector<std::uint8_t> MakeGrainyJpeg(int width, int height, int channels = 3)
{
    PixelBuffer pixels = test::MakePattern(width, height, channels);
    std::minstd_rand noise(unsigned(width * 7919 + height));
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels.data()[i] = static_cast<std::uint8_t>(pixels.data()[i] + noise() % 48);
    auto stream = JpegCodec::Encode(pixels, 95);
    EXPECT_TRUE(stream.has_value());
    return stream ? *stream : std::vector<std::uint8_t>{};
}

struct NamedPhoto {
    std::string name;
    std::vector<std::uint8_t> jpeg;
};

std::vector<NamedPhoto> PhotoSet()
{
    std::vector<std::uint8_t> cut = MakeGrainyJpeg(480, 360);
    cut.resize(cut.size() * 2 / 3); // the decoder fills the rest with grey
    return {
        {"odd 333 x 251", MakeGrainyJpeg(333, 251)},
        {"even 640 x 480", MakeGrainyJpeg(640, 480)},
        {"odd 701 x 527", MakeGrainyJpeg(701, 527)},
        {"tall 258 x 1203", MakeGrainyJpeg(258, 1203)},
        {"wide 5102 x 122", MakeGrainyJpeg(5102, 122)},
        {"grey 401 x 299", MakeGrainyJpeg(401, 299, 1)},
        {"cut off", cut},
        {"progressive", ReadBytes(DataFile("progressive.jpg"))},
        {"cmyk", ReadBytes(DataFile("cmyk.jpg"))},
    };
}

struct Box {
    int width, height;
};

const Box kBoxes[] = {{50, 50}, {51, 77}, {333, 97}, {640, 480}, {5000, 60}, {5000, 5000}};

std::vector<Corrections> CorrectionSet()
{
    std::vector<Corrections> set;
    for (int rotation : {0, 90, 180, 270}) {
        set.push_back({0, 0, false, rotation});
        set.push_back({rotation == 90 ? -40 : 23, rotation == 180 ? 0 : -17, rotation != 0, rotation});
    }
    return set;
}

std::string Describe(const Box& box, const Corrections& c)
{
    return "box " + std::to_string(box.width) + " x " + std::to_string(box.height) + ", turn "
        + std::to_string(c.rotation) + ", brightness " + std::to_string(c.brightness) + ", contrast "
        + std::to_string(c.contrast) + (c.grey ? ", grey" : "");
}

void ExpectSameResult(const ReducedPixels& fast, const ReducedPixels& plain)
{
    ASSERT_EQ(fast.outcome, plain.outcome);
    ASSERT_EQ(fast.pixels.width(), plain.pixels.width());
    ASSERT_EQ(fast.pixels.height(), plain.pixels.height());
    ASSERT_EQ(fast.pixels.channels(), plain.pixels.channels());
    if (plain.pixels) {
        EXPECT_EQ(0, std::memcmp(fast.pixels.data(), plain.pixels.data(), plain.pixels.size()));
    }
}

TEST(StreamingReducer, EveryPhotoTurnCorrectionAndBox_GivesThePlainPipelinesPixels)
{
    StreamingReducer reducer; // one reducer for all: nothing may carry over from one photo to the next
    int reduced = 0;
    for (const NamedPhoto& photo : PhotoSet()) {
        for (const Box& box : kBoxes) {
            for (const Corrections& corrections : CorrectionSet()) {
                SCOPED_TRACE(photo.name + ", " + Describe(box, corrections));
                const ReducedPixels plain = ReduceJpegPlain(photo.jpeg, box.width, box.height, corrections);
                ExpectSameResult(reducer.Reduce(photo.jpeg, box.width, box.height, corrections), plain);
                reduced += plain.outcome == ReduceOutcome::Reduced;
            }
        }
    }
    EXPECT_GT(reduced, 150); // the rest copy or do not fit
}

TEST(StreamingReducer, DamagedOrUnusableInput_FailsAsThePlainPipelineDoes)
{
    const std::vector<std::uint8_t> photo = MakeGrainyJpeg(400, 300);
    const struct {
        const char* name;
        std::vector<std::uint8_t> bytes;
        Box box;
    } rows[] = {
        {"not a JPEG", std::vector<std::uint8_t>(2000, 0x55), {64, 48}},
        {"empty", {}, {64, 48}},
        {"cut inside the header", std::vector<std::uint8_t>(photo.begin(), photo.begin() + 100), {64, 48}},
        {"claims 60000 x 60000", test::WithFrameSize(photo, 60000, 60000), {64, 48}},
        {"one pixel wide: nothing left at an even width", test::WithFrameSize(photo, 1, 300), {64, 48}},
        {"target not positive", photo, {0, 48}},
        {"fitted side of 0", MakeGrainyJpeg(3000, 60), {50, 50}},
    };
    StreamingReducer reducer;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ExpectSameResult(reducer.Reduce(row.bytes, row.box.width, row.box.height, {}),
                         ReduceJpegPlain(row.bytes, row.box.width, row.box.height, {}));
    }
}

// A damaged photo lacking its tables fails alone; after another photo it must not
// borrow that photo's tables. The photo before the one without Huffman tables has
// tables of its own (progressive), unlike the standard ones the library falls back on.
TEST(StreamingReducer, PhotoLackingItsTables_DecodesAsAloneAfterAnotherPhoto)
{
    const std::vector<std::uint8_t> photo = MakeGrainyJpeg(640, 480);
    const struct {
        const char* name;
        std::vector<std::uint8_t> before;
        std::vector<std::uint8_t> damaged;
    } rows[] = {
        {"no quantisation tables", MakeGrainyJpeg(800, 600), test::WithoutSegments(photo, 0xDB)},
        {"no Huffman tables", ReadBytes(DataFile("progressive.jpg")), test::WithoutSegments(photo, 0xC4)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_LT(row.damaged.size(), photo.size());
        StreamingReducer reducer;
        const ReducedPixels alone = reducer.Reduce(row.damaged, 320, 240, {});
        ASSERT_EQ(reducer.Reduce(row.before, 320, 240, {}).outcome, ReduceOutcome::Reduced);
        ExpectSameResult(reducer.Reduce(row.damaged, 320, 240, {}), alone);
        ExpectSameResult(alone, ReduceJpegPlain(row.damaged, 320, 240, {}));
    }
    EXPECT_EQ(ReduceJpegPlain(rows[0].damaged, 320, 240, {}).outcome, ReduceOutcome::NotDecodable);
}

TEST(StreamingReducer, ReducedFile_IsTheEncodedPlainResult)
{
    test::TempFolder folder;
    const std::vector<std::uint8_t> photo = MakeGrainyJpeg(1001, 751);
    test::WriteBytes(folder / "a.jpg", photo);
    const Corrections turned{5, 9, false, 180};
    ASSERT_EQ(ReducePhoto(folder / "a.jpg", folder / "b.jpg", 320, 240, 75, turned).outcome, ReduceOutcome::Reduced);
    const ReducedPixels plain = ReduceJpegPlain(photo, 320, 240, turned);
    const auto stream = JpegCodec::Encode(plain.pixels, 75);
    ASSERT_TRUE(stream.has_value());
    EXPECT_EQ(ReadBytes(folder / "b.jpg"), *stream);
}

TEST(PackedRows, AverageOfFourBytesAtOnce_IsEachBytesOwnFloorAverage)
{
    for (unsigned a = 0; a < 256; ++a) {
        for (unsigned b = 0; b < 256; b += 3) {
            // Each byte of the word a different pair, so a carry between bytes shows.
            const PackedPixel x = a | (b << 8) | ((255 - a) << 16) | ((a ^ b) << 24);
            const PackedPixel y = b | (a << 8) | ((255 - b) << 16) | ((a & b) << 24);
            const PackedPixel mean = AveragePacked(x, y);
            for (int lane = 0; lane < 4; ++lane) {
                const unsigned p = (x >> (8 * lane)) & 255u, q = (y >> (8 * lane)) & 255u;
                ASSERT_EQ((mean >> (8 * lane)) & 255u, (p + q) / 2) << a << ", " << b << ", lane " << lane;
            }
        }
    }
}

} // namespace
} // namespace snapwane
