// SPDX-License-Identifier: MIT
#include "core/PixelOps.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>

namespace snapwane {
namespace {

inline std::uint8_t Average(std::uint8_t a, std::uint8_t b)
{
    return static_cast<std::uint8_t>((unsigned(a) + unsigned(b)) >> 1);
}

inline std::uint8_t Clamp(long long v)
{
    return static_cast<std::uint8_t>(std::clamp(v, 0LL, 255LL));
}

void AverageRows(const std::uint8_t* a, const std::uint8_t* b, std::uint8_t* out, std::size_t bytes)
{
    for (std::size_t i = 0; i < bytes; ++i)
        out[i] = Average(a[i], b[i]);
}

void ApplyTable(PixelBuffer& pixels, const std::array<std::uint8_t, 256>& table)
{
    std::uint8_t* p = pixels.data();
    const std::size_t n = pixels.size();
    for (std::size_t i = 0; i < n; ++i)
        p[i] = table[p[i]];
}

int EvenTarget(int target, OddTarget rounding)
{
    if (target % 2 == 0)
        return target;
    return rounding == OddTarget::RoundDown ? target - 1 : target + 1;
}

// The merge walk: position x merges with x + 1 when x equals the truncated running
// sum. Two guards keep the count exact where rounding would break it, and change
// nothing where the plain walk already gives T: no more than D merges, and once
// the rest of the source must all be merged to reach T, it is. (The single-
// precision sum drifts over long walks, from about 12000 rows on, and can fall
// behind x; then the next position merges.) A position on the last pixel after D
// merges stands alone: it has no neighbour after it.
template <typename Sum>
std::vector<MergeTap> WalkMerges(int sourceSize, int targetSize)
{
    std::vector<MergeTap> taps;
    taps.reserve(std::size_t(targetSize));
    const int merges = sourceSize - targetSize;
    const float step = static_cast<float>(sourceSize) / static_cast<float>(merges);
    Sum sum = 0;
    int merged = 0;
    for (int x = 0; x < sourceSize;) {
        const int mergesLeft = merges - merged;
        if (mergesLeft > 0 && (x >= static_cast<int>(sum) || sourceSize - x <= 2 * mergesLeft)) {
            taps.push_back({x, true});
            sum += step;
            ++merged;
            x += 2;
        } else {
            taps.push_back({x, false});
            x += 1;
        }
    }
    return taps;
}

// A pixel taken alone is averaged with itself, which leaves it as it is: no
// branch and no copy call per pixel.
template <int FixedChannels> // 0: any count, read from the buffer
void ShrinkRowsOfPixels(const PixelBuffer& source, PixelBuffer& target, const std::vector<MergeTap>& taps)
{
    const int channels = FixedChannels > 0 ? FixedChannels : source.channels();
    for (int y = 0; y < source.height(); ++y) {
        const std::uint8_t* in = source.row(y);
        std::uint8_t* out = target.row(y);
        for (const MergeTap& tap : taps) {
            const std::uint8_t* a = in + std::size_t(tap.source) * std::size_t(channels);
            const std::uint8_t* b = a + (tap.pair ? channels : 0);
            for (int c = 0; c < channels; ++c)
                out[c] = Average(a[c], b[c]);
            out += channels;
        }
    }
}

void ShrinkColumnsOfRows(const PixelBuffer& source, PixelBuffer& target, const std::vector<MergeTap>& taps)
{
    const std::size_t rowBytes = source.rowBytes();
    for (int r = 0; r < target.height(); ++r) {
        const MergeTap& tap = taps[std::size_t(r)];
        if (tap.pair)
            AverageRows(source.row(tap.source), source.row(tap.source + 1), target.row(r), rowBytes);
        else
            std::memcpy(target.row(r), source.row(tap.source), rowBytes);
    }
}

std::vector<MergeTap> PlanOrNothing(int sourceSize, int targetSize, MergeSum precision)
{
    try {
        return PlanMerges(sourceSize, targetSize, precision);
    } catch (const std::bad_alloc&) {
        return {};
    }
}

void CopyPixel(const std::uint8_t* from, std::uint8_t* to, int channels)
{
    if (channels == 3) {
        to[0] = from[0];
        to[1] = from[1];
        to[2] = from[2];
    } else {
        std::memcpy(to, from, std::size_t(channels));
    }
}

// Where the old pixel of new pixel (c, r) starts: byte start + c * alongRow + r * acrossRows.
struct TurnMap {
    std::ptrdiff_t start, alongRow, acrossRows;
};

TurnMap MapForTurn(int degrees, int w, int h, std::ptrdiff_t pixel, std::ptrdiff_t row)
{
    switch (degrees) {
    case 90: return {(h - 1) * row, -row, pixel};                      // old (r, H - 1 - c)
    case 270: return {(w - 1) * pixel, row, -pixel};                   // old (W - 1 - r, c)
    default: return {(h - 1) * row + (w - 1) * pixel, -pixel, -row}; // old (W - 1 - c, H - 1 - r)
    }
}

// Quarter turns read the old image along its columns; square tiles keep those
// reads within the cache.
void TurnInTiles(const std::uint8_t* old, PixelBuffer& target, const TurnMap& map)
{
    constexpr int kTile = 64;
    const int channels = target.channels();
    for (int r0 = 0; r0 < target.height(); r0 += kTile) {
        const int r1 = std::min(r0 + kTile, target.height());
        for (int c0 = 0; c0 < target.width(); c0 += kTile) {
            const int c1 = std::min(c0 + kTile, target.width());
            for (int r = r0; r < r1; ++r) {
                std::uint8_t* out = target.row(r) + std::ptrdiff_t(c0) * channels;
                for (int c = c0; c < c1; ++c, out += channels)
                    CopyPixel(old + (map.start + c * map.alongRow + r * map.acrossRows), out, channels);
            }
        }
    }
}

template <int FixedChannels> // 0: any count, read from the buffer
void HalvePixelsInRows(const PixelBuffer& source, PixelBuffer& target)
{
    const int channels = FixedChannels > 0 ? FixedChannels : source.channels();
    const std::size_t count = std::size_t(target.width()) * std::size_t(channels);
    for (int y = 0; y < source.height(); ++y) {
        const std::uint8_t* in = source.row(y);
        std::uint8_t* out = target.row(y);
        for (std::size_t i = 0; i < count; i += std::size_t(channels), in += 2 * channels) {
            for (int c = 0; c < channels; ++c)
                out[i + std::size_t(c)] = Average(in[c], in[c + channels]);
        }
    }
}

} // namespace

PixelBuffer HalveWidth(PixelBuffer source)
{
    const int width = source.width() / 2, channels = source.channels();
    PixelBuffer target = PixelBuffer::Allocate(width, source.height(), channels);
    if (!target)
        return target;
    if (channels == 3)
        HalvePixelsInRows<3>(source, target);
    else
        HalvePixelsInRows<0>(source, target);
    return target;
}

PixelBuffer HalveHeight(PixelBuffer source)
{
    const int height = source.height() / 2;
    PixelBuffer target = PixelBuffer::Allocate(source.width(), height, source.channels());
    if (!target)
        return target;
    for (int k = 0; k < height; ++k)
        AverageRows(source.row(2 * k), source.row(2 * k + 1), target.row(k), source.rowBytes());
    return target;
}

std::vector<MergeTap> PlanMerges(int sourceSize, int targetSize, MergeSum precision)
{
    if (targetSize <= 0 || targetSize >= sourceSize || sourceSize > 2 * targetSize)
        return {};
    return precision == MergeSum::Double ? WalkMerges<double>(sourceSize, targetSize)
                                         : WalkMerges<float>(sourceSize, targetSize);
}

PixelBuffer ShrinkWidth(PixelBuffer source, int& targetWidth, OddTarget rounding)
{
    targetWidth = EvenTarget(targetWidth, rounding);
    const int target = targetWidth;
    if (!source || target <= 0)
        return {};
    if (target >= source.width())
        return source;
    while (source && source.width() > 2 * target)
        source = HalveWidth(std::move(source));
    if (!source || source.width() == target)
        return source;
    const std::vector<MergeTap> taps = PlanOrNothing(source.width(), target, MergeSum::Double);
    PixelBuffer result = taps.empty() ? PixelBuffer() : PixelBuffer::Allocate(target, source.height(), source.channels());
    if (result && source.channels() == 3)
        ShrinkRowsOfPixels<3>(source, result, taps);
    else if (result)
        ShrinkRowsOfPixels<0>(source, result, taps);
    return result;
}

PixelBuffer ShrinkHeight(PixelBuffer source, int& targetHeight, OddTarget rounding)
{
    targetHeight = EvenTarget(targetHeight, rounding);
    const int target = targetHeight;
    if (!source || target <= 0)
        return {};
    if (target >= source.height())
        return source;
    while (source && source.height() > 2 * target)
        source = HalveHeight(std::move(source));
    if (!source || source.height() == target)
        return source;
    const std::vector<MergeTap> taps = PlanOrNothing(source.height(), target, MergeSum::Single);
    PixelBuffer result = taps.empty() ? PixelBuffer() : PixelBuffer::Allocate(source.width(), target, source.channels());
    if (result)
        ShrinkColumnsOfRows(source, result, taps);
    return result;
}

PixelBuffer Rotate(PixelBuffer source, int degrees)
{
    if ((degrees != 90 && degrees != 180 && degrees != 270) || !source)
        return source;
    const int w = source.width(), h = source.height(), channels = source.channels();
    const bool quarter = degrees != 180;
    PixelBuffer target = PixelBuffer::Allocate(quarter ? h : w, quarter ? w : h, channels);
    if (!target)
        return target;
    TurnInTiles(source.data(), target, MapForTurn(degrees, w, h, channels, std::ptrdiff_t(source.rowBytes())));
    return target;
}

PixelBuffer Mirror(PixelBuffer source)
{
    const int w = source.width(), channels = source.channels();
    for (int r = 0; r < source.height(); ++r) {
        std::uint8_t* left = source.row(r);
        std::uint8_t* right = left + std::ptrdiff_t(w - 1) * channels;
        for (; left < right; left += channels, right -= channels)
            std::swap_ranges(left, left + channels, right);
    }
    return source;
}

void AdjustBrightness(PixelBuffer& pixels, int offset)
{
    if (offset == 0 || !pixels)
        return;
    std::array<std::uint8_t, 256> table{};
    for (int v = 0; v < 256; ++v)
        table[std::size_t(v)] = Clamp(static_cast<long long>(offset) + v);
    ApplyTable(pixels, table);
}

void AdjustContrast(PixelBuffer& pixels, int amount)
{
    if (amount == 0 || !pixels)
        return;
    std::array<std::uint8_t, 256> table{};
    for (int original = 0; original < 256; ++original) {
        long long v = original;
        if (v < 128)
            v -= amount;
        if (v > 127)
            v += amount;
        table[std::size_t(original)] = Clamp(v);
    }
    ApplyTable(pixels, table);
}

void MakeGrayscale(PixelBuffer& pixels)
{
    if (pixels.channels() != 3)
        return;
    std::uint8_t* p = pixels.data();
    const std::size_t count = pixels.size() / 3;
    for (std::size_t i = 0; i < count; ++i, p += 3) {
        const auto grey = static_cast<std::uint8_t>((unsigned(p[0]) + p[1] + p[2]) / 3u);
        p[0] = p[1] = p[2] = grey;
    }
}

PixelBuffer ExpandGreyToRgb(PixelBuffer grey)
{
    if (grey.channels() != 1)
        return grey;
    PixelBuffer rgb = PixelBuffer::Allocate(grey.width(), grey.height(), 3);
    if (!rgb)
        return rgb;
    const std::uint8_t* in = grey.data();
    std::uint8_t* out = rgb.data();
    const std::size_t count = grey.size();
    for (std::size_t i = 0; i < count; ++i, out += 3)
        out[0] = out[1] = out[2] = in[i];
    return rgb;
}

} // namespace snapwane
