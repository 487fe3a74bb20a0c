// SPDX-License-Identifier: MIT
// Pixel operations on PixelBuffer, with the exact integer arithmetic the
// reduction and the thumbnails rely on.
//
// Contract:
// - Size-changing operations (Halve*, Shrink*, Rotate, Mirror, ExpandGreyToRgb) take the
//   buffer by value (move it in) and return the result; on failure (allocation,
//   an unusable size) they return an empty buffer and the input is released
//   either way. They never throw.
// - Point operations (AdjustBrightness, AdjustContrast, MakeGrayscale) work in
//   place; the value 0 leaves the pixels untouched.
// - Averages are per channel, floor((a + b) / 2). Geometry works for any channel
//   count; MakeGrayscale needs 3 channels (other buffers are left as they are).
// - Grey photos (1 channel) are expanded with ExpandGreyToRgb before any other
//   operation.
#pragma once

#include "core/PixelBuffer.h"

#include <vector>

namespace snapwane {

// Which way an odd shrink target is made even: the thumbnails round down, the
// reduction rounds up.
enum class OddTarget { RoundDown, RoundUp };

// Precision of the running sum of the merge walk: the width walk keeps it in
// double and restarts it on every row, the height walk keeps one single-precision
// sum for the whole photo. The positions are the same for every row either way.
enum class MergeSum { Double, Single };

// One output pixel (or row) of a shrink: the source position it comes from, and
// whether it is the average of that position and the next one.
struct MergeTap {
    int source = 0;
    bool pair = false;
};

// Halving: output floor(W/2) x H (or W x floor(H/2)), each new pixel the average
// of a neighbour pair; the last pixel (row) of an odd size is dropped. A side
// below 2 cannot be halved: empty result.
PixelBuffer HalveWidth(PixelBuffer source);
PixelBuffer HalveHeight(PixelBuffer source);

// Shrinking by merging evenly spaced neighbour pairs, down to the even target T:
// an odd target is lowered or raised by one as `rounding` says, and T is written
// back. T >= the current size returns the input unchanged; T <= 0 fails.
// The merge positions are the truncated values of 0, step, 2 step, ... with
// step = S / (S - T) in single precision (see MergeSum). A merge position on the
// last pixel (row), which has no neighbour after it, takes that pixel alone, so
// the result always has exactly T pixels (rows), every source position taking
// part once. Where the single-precision sum drifts on very long walks (from
// about 12000 rows) the walk is kept to exactly S - T merges.
// A source of more than twice T cannot lose enough by pairs: it is halved first
// (as HalveWidth / HalveHeight) until it is at most 2 T, then merged.
PixelBuffer ShrinkWidth(PixelBuffer source, int& targetWidth, OddTarget rounding);
PixelBuffer ShrinkHeight(PixelBuffer source, int& targetHeight, OddTarget rounding);

// The walk of ShrinkWidth (MergeSum::Double) or ShrinkHeight (MergeSum::Single)
// from S to T (T < S <= 2 T): exactly T taps, or none if S, T are outside that
// range. May throw std::bad_alloc.
std::vector<MergeTap> PlanMerges(int sourceSize, int targetSize, MergeSum precision);

// Clockwise quarter turns: 90 and 270 exchange width and height. Any other
// angle returns the input unchanged.
//   90:  new (c, r) = old (r, H - 1 - c)
//   180: new (c, r) = old (W - 1 - c, H - 1 - r)
//   270: new (c, r) = old (W - 1 - r, c)
PixelBuffer Rotate(PixelBuffer source, int degrees);

// Left to right, in place: new (c, r) = old (W - 1 - c, r). Odd widths keep
// their middle column where it is. An empty buffer stays empty.
PixelBuffer Mirror(PixelBuffer source);

// v := offset + v, clamped to 0..255.
void AdjustBrightness(PixelBuffer& pixels, int offset);

// For every channel value v: if v < 128, v := v - amount; then if v > 127,
// v := v + amount; clamp to 0..255. Dark values fall and bright ones rise for a
// positive amount; for a negative amount a dark value rises only while it stays
// at or below 127 (120 with -20 stays 120, 100 becomes 120, 107 becomes 127,
// 108 stays 108).
void AdjustContrast(PixelBuffer& pixels, int amount);

// Every pixel's three channels become floor((r + g + b) / 3).
void MakeGrayscale(PixelBuffer& pixels);

// A grey (1-channel) buffer becomes RGB with three equal bytes per pixel; any
// other buffer is returned unchanged.
PixelBuffer ExpandGreyToRgb(PixelBuffer grey);

} // namespace snapwane
