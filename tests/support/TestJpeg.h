// SPDX-License-Identifier: MIT
#pragma once
// Test photos made with the engine's encoder, for every test program (no Qt).
#include "core/PixelBuffer.h"

#include <cstdint>
#include <vector>

namespace snapwane::test {

// A smooth colour pattern that compresses well; channels 1 or 3.
PixelBuffer MakePattern(int width, int height, int channels = 3);

// A buffer of one colour.
PixelBuffer MakeFilled(int width, int height, std::uint8_t r, std::uint8_t g, std::uint8_t b);

// Pixels encoded as JPEG; fails the test if encoding fails.
std::vector<std::uint8_t> EncodeJpeg(const PixelBuffer& pixels, int quality = 90);

// MakePattern encoded as JPEG.
std::vector<std::uint8_t> MakeJpeg(int width, int height, int channels = 3, int quality = 90);

} // namespace snapwane::test
