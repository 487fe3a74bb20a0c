// SPDX-License-Identifier: MIT
#include "TestSupport.h"

#include "core/PixelOps.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace snapwane {
namespace {
using namespace snapwane::test;

std::vector<int> Bytes(const PixelBuffer& buffer)
{
    return {buffer.data(), buffer.data() + buffer.size()};
}

// A one-channel buffer whose pixel (or row) i holds i, so results show positions.
PixelBuffer Numbered(int width, int height)
{
    PixelBuffer buffer = PixelBuffer::Allocate(width, height, 1);
    for (std::size_t i = 0; i < buffer.size(); ++i)
        buffer.data()[i] = static_cast<std::uint8_t>(i);
    return buffer;
}

std::vector<int> PairPositions(const std::vector<MergeTap>& taps)
{
    std::vector<int> positions;
    for (const MergeTap& tap : taps)
        if (tap.pair)
            positions.push_back(tap.source);
    return positions;
}

// Pairs are averaged, an odd last pixel or row is dropped; a side of one cannot be halved.
TEST(Halve, AveragesPairsAndGivesTheFloorOfHalf)
{
    const PixelBuffer halved = HalveWidth(MakeBuffer(5, 1, 3, {10, 20, 30, 11, 21, 31, 0, 255, 1, 255, 0, 2, 99, 99, 99}));
    ASSERT_EQ(halved.width(), 2);
    EXPECT_EQ(Bytes(halved), (std::vector<int>{10, 20, 30, 127, 127, 1}));
    EXPECT_EQ(HalveHeight(Numbered(1, 480)).height(), 240);
    EXPECT_EQ(HalveHeight(Numbered(1, 481)).height(), 240);
    EXPECT_EQ(Bytes(HalveHeight(Numbered(2, 3))), (std::vector<int>{1, 2})); // (0+2)/2, (1+3)/2; row 2 dropped
    EXPECT_FALSE(HalveWidth(Numbered(1, 4)));
    EXPECT_FALSE(HalveHeight(Numbered(4, 1)));
}

struct OddTargetRow {
    const char* name;
    int source, target;
    OddTarget rounding;
    int written;
};

TEST(ShrinkWidth, OddTarget_MadeEvenInTheCallersDirection)
{
    const std::vector<OddTargetRow> rows = {
        {"RoundDown", 150, 101, OddTarget::RoundDown, 100},
        {"RoundUp", 150, 101, OddTarget::RoundUp, 102},
        {"RoundUpToSource", 150, 149, OddTarget::RoundUp, 150},
        {"EvenUnchanged", 150, 120, OddTarget::RoundUp, 120},
    };
    for (const OddTargetRow& row : rows) {
        PixelBuffer source = MakePattern(row.source, 3);
        const std::uint8_t* original = source.data();
        int target = row.target;
        const PixelBuffer shrunk = ShrinkWidth(std::move(source), target, row.rounding);
        EXPECT_EQ(target, row.written) << row.name;
        EXPECT_EQ(shrunk.width(), row.written) << row.name;
        EXPECT_EQ(shrunk.height(), 3) << row.name;
        if (row.written >= row.source) {
            EXPECT_EQ(shrunk.data(), original) << row.name << ": returned as it was";
        }
    }
}

TEST(PlanMerges, ThumbnailOfPhoto1600x1200_MergesEveryTwentyFifth)
{
    EXPECT_EQ(PairPositions(PlanMerges(200, 192, MergeSum::Double)),
              (std::vector<int>{0, 25, 50, 75, 100, 125, 150, 175}));
    EXPECT_EQ(PairPositions(PlanMerges(150, 144, MergeSum::Single)), (std::vector<int>{0, 25, 50, 75, 100, 125}));
}

// Every source position takes part exactly once, in order, and exactly T come out.
void ExpectWalkCoversSource(int source, int target, MergeSum precision)
{
    const std::vector<MergeTap> taps = PlanMerges(source, target, precision);
    ASSERT_EQ(int(taps.size()), target) << source << " -> " << target;
    int next = 0;
    for (const MergeTap& tap : taps) {
        ASSERT_EQ(tap.source, next) << source << " -> " << target;
        next += tap.pair ? 2 : 1;
    }
    ASSERT_EQ(next, source) << source << " -> " << target;
}

TEST(PlanMerges, EveryTargetDownToHalf_GivesExactlyTargetAndUsesEverySourceOnce)
{
    for (int source = 2; source <= 400; ++source)
        for (int target = (source + 1) / 2; target < source; ++target) {
            ExpectWalkCoversSource(source, target, MergeSum::Double);
            ExpectWalkCoversSource(source, target, MergeSum::Single);
        }
    for (int source : {2000, 2001, 4999, 6000, 12345, 30000})
        for (int target : {source / 2 + source % 2, source / 2 + 1, source * 2 / 3, source - 2, source - 1}) {
            ExpectWalkCoversSource(source, target, MergeSum::Double);
            ExpectWalkCoversSource(source, target, MergeSum::Single);
        }
}

TEST(ShrinkHeight, MergeOnLastRow_TakesThatRowAlone)
{
    // 500 rows to 426 (the height pass of a 3008 x 2000 photo into 640 x 480): the
    // single-precision walk lands on row 499, which has no row after it.
    const std::vector<MergeTap> taps = PlanMerges(500, 426, MergeSum::Single);
    ASSERT_EQ(taps.size(), 426u);
    EXPECT_EQ(taps.back().source, 499);
    EXPECT_FALSE(taps.back().pair);

    PixelBuffer rows = PixelBuffer::Allocate(3, 500, 3);
    for (int r = 0; r < 500; ++r)
        std::memset(rows.row(r), r % 200, rows.rowBytes());
    int target = 426;
    const PixelBuffer shrunk = ShrinkHeight(std::move(rows), target, OddTarget::RoundUp);
    ASSERT_EQ(shrunk.height(), 426);
    EXPECT_EQ(shrunk.row(425)[0], 499 % 200);
    EXPECT_EQ(shrunk.row(425)[8], 499 % 200);
    EXPECT_EQ(shrunk.row(0)[0], 0); // rows 0 and 1 averaged: (0 + 1) / 2
}

// True when the running sum of the width walk, after its D merges, lands on the
// last pixel: the walk would merge it with a pixel past the end of the row.
bool WalkEndsOnLastPixel(int source, int target)
{
    const int merges = source - target;
    const float step = float(source) / float(merges);
    double sum = 0;
    for (int k = 0; k < merges; ++k)
        sum += step;
    return int(sum) == source - 1;
}

TEST(ShrinkWidth, MergeOnLastPixel_TakesThatPixelAlone)
{
    // Shrink single rows, so that reading past the last pixel leaves the buffer.
    int found = 0;
    for (int source = 3; source <= 3000 && found < 40; ++source) {
        for (int target = source / 2 + 2 - source / 2 % 2; target < source && found < 40; target += 2) {
            if (!WalkEndsOnLastPixel(source, target))
                continue;
            ++found;
            PixelBuffer row = Numbered(source, 1);
            const int last = row.data()[source - 1];
            int even = target;
            const PixelBuffer shrunk = ShrinkWidth(std::move(row), even, OddTarget::RoundDown);
            ASSERT_EQ(shrunk.width(), target) << source;
            EXPECT_EQ(shrunk.data()[target - 1], last) << source << " -> " << target;
        }
    }
    EXPECT_EQ(found, 40);
}

TEST(Shrink, SourceOverTwiceTarget_HalvesFirstAndGivesExactTarget)
{
    // A decoded height of 285 for an odd target of 143: the even target is 142.
    int target = 143;
    const PixelBuffer rows = ShrinkHeight(Numbered(1, 285), target, OddTarget::RoundDown);
    EXPECT_EQ(target, 142);
    ASSERT_EQ(rows.height(), 142);
    EXPECT_EQ(Bytes(rows), Bytes(HalveHeight(Numbered(1, 285))));

    int narrow = 3;
    EXPECT_EQ(ShrinkWidth(Numbered(7, 2), narrow, OddTarget::RoundDown).width(), 2);
    int wide = 10;
    EXPECT_EQ(ShrinkWidth(Numbered(100, 2), wide, OddTarget::RoundUp).width(), 10);
}

TEST(Shrink, TargetOfZero_Fails)
{
    int target = 1;
    EXPECT_FALSE(ShrinkWidth(Numbered(8, 2), target, OddTarget::RoundDown));
    EXPECT_EQ(target, 0);
}

TEST(Rotate, QuarterTurnClockwise_FirstRowIsColumnZeroFromTheBottom_AndAWholeTurnGivesTheInputBack)
{
    // 4 x 2:  0 1 2 3
    //         4 5 6 7
    const PixelBuffer turned = Rotate(Numbered(4, 2), 90);
    ASSERT_EQ(turned.width(), 2);
    ASSERT_EQ(turned.height(), 4);
    EXPECT_EQ(Bytes(turned), (std::vector<int>{4, 0, 5, 1, 6, 2, 7, 3}));
    EXPECT_EQ(Bytes(Rotate(Numbered(4, 2), 270)), (std::vector<int>{3, 7, 2, 6, 1, 5, 0, 4}));
    EXPECT_EQ(Bytes(Rotate(Numbered(4, 2), 180)), (std::vector<int>{7, 6, 5, 4, 3, 2, 1, 0}));
    // Turns that add up to a whole one give the input back.
    PixelBuffer whole = MakePattern(7, 5);
    for (int i = 0; i < 4; ++i)
        whole = Rotate(std::move(whole), 90);
    EXPECT_EQ(Bytes(whole), Bytes(MakePattern(7, 5)));
    EXPECT_EQ(Bytes(Rotate(Rotate(MakePattern(7, 5), 90), 270)), Bytes(MakePattern(7, 5)));
    EXPECT_EQ(Bytes(Rotate(Rotate(MakePattern(7, 5), 180), 180)), Bytes(MakePattern(7, 5)));
}

TEST(Rotate, OtherAngles_ReturnTheSameBuffer)
{
    for (int angle : {0, 45, -90, 360}) {
        PixelBuffer buffer = MakePattern(3, 2);
        const std::uint8_t* original = buffer.data();
        const PixelBuffer same = Rotate(std::move(buffer), angle);
        EXPECT_EQ(same.data(), original) << angle;
        EXPECT_EQ(same.width(), 3) << angle;
    }
}

// Each row reversed, each pixel's channels kept together; twice gives the input back.
TEST(Mirror, ReversesEachRow_OddWidthKeepsItsMiddleColumn)
{
    // 3 x 2:  0 1 2      2 1 0
    //         3 4 5  ->  5 4 3
    EXPECT_EQ(Bytes(Mirror(Numbered(3, 2))), (std::vector<int>{2, 1, 0, 5, 4, 3}));
    EXPECT_EQ(Bytes(Mirror(Numbered(4, 1))), (std::vector<int>{3, 2, 1, 0}));
    EXPECT_EQ(Bytes(Mirror(Numbered(1, 3))), (std::vector<int>{0, 1, 2}));
    EXPECT_FALSE(Mirror(PixelBuffer()));
    EXPECT_EQ(Bytes(Mirror(MakeBuffer(2, 1, 3, {1, 2, 3, 4, 5, 6}))), (std::vector<int>{4, 5, 6, 1, 2, 3}));
    EXPECT_EQ(Bytes(Mirror(Mirror(MakePattern(7, 5)))), Bytes(MakePattern(7, 5)));
    // Mirrored and turned half way round is upside down: the rows in reverse order.
    EXPECT_EQ(Bytes(Rotate(Mirror(Numbered(3, 2)), 180)), (std::vector<int>{3, 4, 5, 0, 1, 2}));
}

struct PointRow {
    const char* name;
    int amount, before, after;
};

TEST(AdjustBrightness, AddsAndClamps)
{
    for (const PointRow& row : {PointRow{"Up", 64, 250, 255}, PointRow{"Down", -63, 10, 0}, PointRow{"Middle", 20, 100, 120},
                                PointRow{"None", 0, 77, 77}, PointRow{"Huge", 2147483647, 1, 255}}) {
        PixelBuffer pixel = MakeBuffer(1, 1, 3, {row.before, row.before, row.before});
        AdjustBrightness(pixel, row.amount);
        EXPECT_EQ(pixel.data()[2], row.after) << row.name;
    }
}

TEST(AdjustContrast, DarkFallsBrightRises_NegativeKeepsDarkThatWouldCross)
{
    const std::vector<PointRow> rows = {
        {"PlusDark", 20, 100, 80},          {"PlusBright", 20, 200, 220},     {"PlusClampsAtZero", 20, 10, 0},
        {"PlusEdgeDark", 20, 127, 107},     {"PlusEdgeBright", 20, 128, 148}, {"MinusDark", -20, 100, 120},
        {"MinusDarkWouldCross", -20, 120, 120}, {"MinusBright", -20, 130, 110}, {"MinusBrighter", -20, 200, 180},
        {"MinusEdge", -20, 127, 127},       {"MinusHuge", -1000, 5, 5},        {"PlusHuge", 1000, 250, 255},
        {"MinusDarkRisesOntoTheEdge", -20, 107, 127}, {"MinusDarkOnePastTheEdge", -20, 108, 108},
    };
    for (const PointRow& row : rows) {
        PixelBuffer pixel = MakeBuffer(1, 1, 3, {row.before, 0, 255});
        AdjustContrast(pixel, row.amount);
        EXPECT_EQ(pixel.data()[0], row.after) << row.name;
    }
}

TEST(MakeGrayscale, AveragesTheThreeChannels)
{
    PixelBuffer pixels = MakeBuffer(2, 1, 3, {255, 0, 0, 10, 20, 31});
    MakeGrayscale(pixels);
    EXPECT_EQ(Bytes(pixels), (std::vector<int>{85, 85, 85, 20, 20, 20}));
}

TEST(ExpandGreyToRgb, RepeatsEachByteThreeTimes)
{
    const PixelBuffer rgb = ExpandGreyToRgb(MakeBuffer(2, 1, 1, {7, 200}));
    EXPECT_EQ(rgb.channels(), 3);
    EXPECT_EQ(Bytes(rgb), (std::vector<int>{7, 7, 7, 200, 200, 200}));
}

} // namespace
} // namespace snapwane
