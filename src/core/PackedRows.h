// SPDX-License-Identifier: MIT
// PackedRows: the pixel operations of PixelOps on single rows of packed pixels,
// 4 bytes per pixel (red, green, blue, one unused byte) held as one 32-bit word,
// as the row-by-row reduction keeps them. Every average is the per-byte
// floor((a + b) / 2) of PixelOps, computed on the four bytes of a word at once so
// that the compiler can vectorise the loops. The unused byte is averaged along
// and never looked at.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace snapwane {

using PackedPixel = std::uint32_t;

// floor((a + b) / 2) of each of the four bytes: no carry crosses a byte.
constexpr PackedPixel AveragePacked(PackedPixel a, PackedPixel b) noexcept
{
    return (a & b) + (((a ^ b) >> 1) & 0x7F7F7F7Fu);
}

// out[k] = average of in[2k] and in[2k + 1] for k < count; `in` holds 2 x count pixels.
void HalvePackedRow(const PackedPixel* in, PackedPixel* out, int count) noexcept;

// Two halvings at once: out[k] = average(average(in[4k], in[4k+1]), average(in[4k+2], in[4k+3])).
void QuarterPackedRow(const PackedPixel* in, PackedPixel* out, int count) noexcept;

// out[k] = average of in[first[k]] and in[second[k]]; a pixel taken alone has first == second.
void MergePackedRow(const PackedPixel* in, const int* first, const int* second, PackedPixel* out, int count) noexcept;

// out[i] = average of a[i] and b[i]; `out` may be `a` or `b`.
void AveragePackedRows(const PackedPixel* a, const PackedPixel* b, PackedPixel* out, int count) noexcept;

void ReversePackedRow(PackedPixel* row, int count) noexcept;

// Red, green and blue of each pixel through `table` (the unused byte too).
void MapPackedRow(PackedPixel* row, int count, const std::array<std::uint8_t, 256>& table) noexcept;

// Red, green and blue of each pixel become floor((r + g + b) / 3).
void GreyPackedRow(PackedPixel* row, int count) noexcept;

// Three bytes per pixel, red, green, blue, `step` bytes from one pixel to the next
// (3 for a row of PixelBuffer, its row length for a column).
void UnpackRow(const PackedPixel* row, int count, std::uint8_t* rgb, std::ptrdiff_t step) noexcept;

} // namespace snapwane
