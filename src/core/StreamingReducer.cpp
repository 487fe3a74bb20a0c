// SPDX-License-Identifier: MIT
#include "core/StreamingReducer.h"

#include "core/Fitting.h"
#include "core/Orientation.h"
#include "core/PixelOps.h"

#include <algorithm>
#include <new>
#include <utility>

namespace snapwane {
namespace {

constexpr int kRowsPerRead = 16; // a few rows per call into the decoder, within the cache

// The steps ShrinkIntoFittedBox takes on one side: halvings while size / fitted
// >= 2, then a merge pass to the fitted side raised to even (with the halvings
// the merge itself makes on a source of more than twice its target).
struct AxisPlan {
    int halvings = 0;
    std::vector<MergeTap> taps; // empty: no merge pass
    int size = 0;               // after all steps
};

AxisPlan PlanAxis(int size, int fitted, MergeSum precision)
{
    AxisPlan plan;
    for (; size / fitted >= 2; size /= 2)
        ++plan.halvings;
    const int target = fitted % 2 == 0 ? fitted : fitted + 1;
    if (size > fitted && target < size) {
        for (; size > 2 * target; size /= 2)
            ++plan.halvings;
        if (size != target) {
            plan.taps = PlanMerges(size, target, precision);
            if (plan.taps.empty()) // only for sizes the steps above rule out
                throw std::bad_alloc();
            size = target;
        }
    }
    plan.size = size;
    return plan;
}

// Brightness, then contrast, as one table: the same arithmetic as the pixel operations.
std::array<std::uint8_t, 256> ColourTable(const Corrections& corrections)
{
    PixelBuffer values = PixelBuffer::Allocate(256, 1, 1);
    if (!values)
        throw std::bad_alloc();
    for (int v = 0; v < 256; ++v)
        values.data()[v] = static_cast<std::uint8_t>(v);
    AdjustBrightness(values, corrections.brightness);
    AdjustContrast(values, corrections.contrast);
    std::array<std::uint8_t, 256> table{};
    std::copy(values.data(), values.data() + 256, table.begin());
    return table;
}

} // namespace

// How the decoded rows map onto the turned photo. The decoded photo is width x
// height (width made even); `along` are the operations on each decoded row and
// `across` those that combine decoded rows. Without a quarter turn the rows are
// the photo's rows (width operations along, height operations across); with a
// quarter turn they are its columns (width operations across, run first, then the
// height operations along each combined row). 180 and 90 read the rows bottom
// up, 180 and 270 read each row backwards; a mirror before the turn reverses
// the reading of each row once more. The turn is the photo's orientation tag
// and the user's rotation together.
struct StreamingReducer::Geometry {
    int decodedWidth = 0;
    int width = 0;
    int height = 0;
    bool quarterTurn = false;
    bool rowsBackwards = false;
    bool rowsBottomUp = false;
    int turnedWidth = 0; // the photo's size after the turn
    int turnedHeight = 0;
    AxisPlan along;
    AxisPlan across;
    int outputWidth = 0;
    int outputHeight = 0;
};

ReducedPixels StreamingReducer::Reduce(std::span<const std::uint8_t> jpeg, int targetWidth, int targetHeight,
                                       const Corrections& corrections)
{
    try {
        if (targetWidth <= 0 || targetHeight <= 0)
            return {ReduceOutcome::InvalidTarget, {}};
        switch (m_decoder.Begin(jpeg)) {
        case JpegCodec::RowDecoder::Start::Decoding: break;
        case JpegCodec::RowDecoder::Start::Unreadable: return {ReduceOutcome::NotDecodable, {}};
        case JpegCodec::RowDecoder::Start::NoMemory: return {ReduceOutcome::NoMemory, {}};
        case JpegCodec::RowDecoder::Start::NeedsWholeDecode:
            return ReduceJpegPlain(jpeg, targetWidth, targetHeight, corrections);
        }
        if (m_decoder.width() < 2) // no column left once the width is made even: Decode refuses it too
            return {ReduceOutcome::NotDecodable, {}};
        const PhotoTurn turn = TurnForPhoto(m_decoder.orientation(), corrections.rotation);
        Geometry geometry = TurnedGeometry(m_decoder.width(), m_decoder.height(), turn);
        return FitAndReduce(geometry, targetWidth, targetHeight, corrections);
    } catch (const std::bad_alloc&) {
        return {ReduceOutcome::NoMemory, {}};
    }
}

StreamingReducer::Geometry StreamingReducer::TurnedGeometry(int decodedWidth, int height, const PhotoTurn& turn)
{
    const int rotation = turn.rotation;
    Geometry geometry;
    geometry.decodedWidth = decodedWidth;
    geometry.width = decodedWidth & ~1; // the last column of an odd width is left out
    geometry.height = height;
    geometry.quarterTurn = rotation == 90 || rotation == 270;
    geometry.rowsBackwards = (rotation == 180 || rotation == 270) != turn.mirror;
    geometry.rowsBottomUp = rotation == 180 || rotation == 90;
    geometry.turnedWidth = geometry.quarterTurn ? geometry.height : geometry.width;
    geometry.turnedHeight = geometry.quarterTurn ? geometry.width : geometry.height;
    return geometry;
}

// The copy and fitting rules of ReducePixels on the turned size, then the rows.
ReducedPixels StreamingReducer::FitAndReduce(Geometry& geometry, int targetWidth, int targetHeight,
                                             const Corrections& corrections)
{
    const bool larger = IsLargerThanBox(geometry.turnedWidth, geometry.turnedHeight, targetWidth, targetHeight);
    if (!larger && corrections.IsUntouched())
        return {DrainRows() ? ReduceOutcome::Copied : ReduceOutcome::NotDecodable, {}};
    // A turned or corrected photo not larger than the box keeps its own size: no halving, no merge.
    const BoxSize own{geometry.turnedWidth, geometry.turnedHeight};
    const BoxSize fitted = larger ? FitBoxToPhoto(own.width, own.height, targetWidth, targetHeight) : own;
    if (fitted.width <= 0 || fitted.height <= 0)
        return {DrainRows() ? ReduceOutcome::DoesNotFit : ReduceOutcome::NotDecodable, {}};
    AxisPlan widthPlan = PlanAxis(geometry.turnedWidth, fitted.width, MergeSum::Double);
    AxisPlan heightPlan = PlanAxis(geometry.turnedHeight, fitted.height, MergeSum::Single);
    geometry.outputWidth = widthPlan.size;
    geometry.outputHeight = heightPlan.size;
    geometry.along = std::move(geometry.quarterTurn ? heightPlan : widthPlan);
    geometry.across = std::move(geometry.quarterTurn ? widthPlan : heightPlan);
    return ReduceRows(geometry, corrections);
}

ReducedPixels StreamingReducer::ReduceRows(const Geometry& geometry, const Corrections& corrections)
{
    PrepareSteps(geometry);
    PixelBuffer output = PixelBuffer::Allocate(geometry.outputWidth, geometry.outputHeight, 3);
    if (!output)
        return {ReduceOutcome::NoMemory, {}};
    if (!DecodeRows(geometry, corrections, output))
        return {ReduceOutcome::NotDecodable, {}};
    return {ReduceOutcome::Reduced, std::move(output)};
}

void StreamingReducer::PrepareSteps(const Geometry& geometry)
{
    m_rowSteps.halvings = geometry.along.halvings;
    m_rowSteps.reversed = geometry.rowsBackwards;
    m_rowSteps.size = geometry.along.size;
    m_rowSteps.first.clear();
    m_rowSteps.second.clear();
    for (const MergeTap& tap : geometry.along.taps) {
        m_rowSteps.first.push_back(tap.source);
        m_rowSteps.second.push_back(tap.pair ? tap.source + 1 : tap.source);
    }
    m_scratchA.resize(std::size_t(geometry.width));
    m_scratchB.resize(std::size_t(geometry.width));
    const int cascadeRowPixels = geometry.quarterTurn ? geometry.width : geometry.along.size;
    m_cascade.Prepare(geometry.height, cascadeRowPixels, geometry.across.halvings, geometry.across.taps);
}

bool StreamingReducer::DecodeRows(const Geometry& geometry, const Corrections& corrections, PixelBuffer& output)
{
    const bool colour = corrections.brightness != 0 || corrections.contrast != 0;
    if (colour)
        m_colourTable = ColourTable(corrections);
    const std::size_t rowPixels = std::size_t(geometry.decodedWidth);
    m_block.resize(rowPixels * kRowsPerRead);
    for (int y = 0;;) {
        const int got = m_decoder.Read(reinterpret_cast<std::uint8_t*>(m_block.data()), rowPixels * 4, kRowsPerRead);
        if (got <= 0)
            return got == 0 && y == geometry.height;
        for (int i = 0; i < got; ++i, ++y) {
            PackedPixel* row = m_block.data() + rowPixels * std::size_t(i);
            if (colour)
                MapPackedRow(row, geometry.width, m_colourTable);
            if (corrections.grey)
                GreyPackedRow(row, geometry.width);
            TakeRow(geometry, row, y, output);
        }
    }
}

void StreamingReducer::TakeRow(const Geometry& geometry, PackedPixel* row, int y, PixelBuffer& output)
{
    const int index = geometry.rowsBottomUp ? geometry.height - 1 - y : y;
    int made = 0;
    if (!geometry.quarterTurn) {
        const PackedPixel* narrow = RunRowSteps(m_rowSteps, row, geometry.width);
        if (const PackedPixel* done = m_cascade.Push(narrow, index, made))
            UnpackRow(done, geometry.outputWidth, output.row(made), 3);
        return;
    }
    if (const PackedPixel* done = m_cascade.Push(row, index, made)) {
        const PackedPixel* column = RunRowSteps(m_rowSteps, done, geometry.width);
        UnpackRow(column, geometry.outputHeight, output.data() + std::size_t(made) * 3,
                  std::ptrdiff_t(output.rowBytes()));
    }
}

// Halving an even count of pixels commutes with reading them backwards, so a
// backwards row is turned after its first halving, when it is half as long.
const PackedPixel* StreamingReducer::RunRowSteps(const RowSteps& steps, const PackedPixel* row, int count)
{
    const PackedPixel* current = row;
    auto spare = [&] { return current == m_scratchA.data() ? m_scratchB.data() : m_scratchA.data(); };
    bool turnPending = steps.reversed;
    if (turnPending && (steps.halvings == 0 || count % 2 != 0)) {
        PackedPixel* target = spare();
        std::reverse_copy(current, current + count, target);
        current = target;
        turnPending = false;
    }
    for (int left = steps.halvings; left > 0;) {
        PackedPixel* target = spare();
        const bool twice = left >= 2 && !turnPending;
        if (twice)
            QuarterPackedRow(current, target, count / 4);
        else
            HalvePackedRow(current, target, count / 2);
        count = twice ? count / 4 : count / 2;
        left -= twice ? 2 : 1;
        if (turnPending)
            ReversePackedRow(target, count);
        turnPending = false;
        current = target;
    }
    if (!steps.first.empty()) {
        PackedPixel* target = spare();
        MergePackedRow(current, steps.first.data(), steps.second.data(), target, steps.size);
        current = target;
    }
    return current;
}

const std::vector<std::uint8_t>& StreamingReducer::colourProfile() const noexcept
{
    return m_decoder.colourProfile();
}

bool StreamingReducer::DrainRows()
{
    const std::size_t rowPixels = std::size_t(m_decoder.width());
    m_block.resize(rowPixels * kRowsPerRead);
    int got = 0;
    while ((got = m_decoder.Read(reinterpret_cast<std::uint8_t*>(m_block.data()), rowPixels * 4, kRowsPerRead)) > 0) {
    }
    return got == 0;
}

} // namespace snapwane
