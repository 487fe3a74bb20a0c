// SPDX-License-Identifier: MIT
#include "core/PackedRows.h"

#include <algorithm>

namespace snapwane {
namespace {

inline std::uint8_t* BytesOf(PackedPixel* pixel)
{
    return reinterpret_cast<std::uint8_t*>(pixel);
}

inline const std::uint8_t* BytesOf(const PackedPixel* pixel)
{
    return reinterpret_cast<const std::uint8_t*>(pixel);
}

} // namespace

void HalvePackedRow(const PackedPixel* __restrict in, PackedPixel* __restrict out, int count) noexcept
{
    for (int k = 0; k < count; ++k)
        out[k] = AveragePacked(in[2 * k], in[2 * k + 1]);
}

void QuarterPackedRow(const PackedPixel* __restrict in, PackedPixel* __restrict out, int count) noexcept
{
    for (int k = 0; k < count; ++k)
        out[k] = AveragePacked(AveragePacked(in[4 * k], in[4 * k + 1]), AveragePacked(in[4 * k + 2], in[4 * k + 3]));
}

void MergePackedRow(const PackedPixel* __restrict in, const int* first, const int* second,
                    PackedPixel* __restrict out, int count) noexcept
{
    for (int k = 0; k < count; ++k)
        out[k] = AveragePacked(in[first[k]], in[second[k]]);
}

void AveragePackedRows(const PackedPixel* a, const PackedPixel* b, PackedPixel* out, int count) noexcept
{
    for (int i = 0; i < count; ++i)
        out[i] = AveragePacked(a[i], b[i]);
}

void ReversePackedRow(PackedPixel* row, int count) noexcept
{
    std::reverse(row, row + count);
}

void MapPackedRow(PackedPixel* row, int count, const std::array<std::uint8_t, 256>& table) noexcept
{
    std::uint8_t* bytes = BytesOf(row);
    const std::size_t n = std::size_t(count) * 4;
    for (std::size_t i = 0; i < n; ++i)
        bytes[i] = table[bytes[i]];
}

void GreyPackedRow(PackedPixel* row, int count) noexcept
{
    std::uint8_t* p = BytesOf(row);
    for (int i = 0; i < count; ++i, p += 4) {
        const auto grey = static_cast<std::uint8_t>((unsigned(p[0]) + p[1] + p[2]) / 3u);
        p[0] = p[1] = p[2] = grey;
    }
}

void UnpackRow(const PackedPixel* row, int count, std::uint8_t* rgb, std::ptrdiff_t step) noexcept
{
    const std::uint8_t* p = BytesOf(row);
    for (int i = 0; i < count; ++i, p += 4, rgb += step) {
        rgb[0] = p[0];
        rgb[1] = p[1];
        rgb[2] = p[2];
    }
}

} // namespace snapwane
