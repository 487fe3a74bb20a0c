// SPDX-License-Identifier: MIT
// Photos as phones and cameras store them: pixels as the sensor read them plus
// an EXIF Orientation tag in a hand-built APP1 segment, made with the project's
// own encoder. The picture is four coloured quarters, so which way up it came
// out shows in its pixels.
#pragma once

#include "core/PixelBuffer.h"

#include <cstdint>
#include <vector>

namespace snapwane::test {

enum class ByteOrder { Intel, Motorola };

// Upright: red top left, green top right, blue bottom left, white bottom right.
PixelBuffer MakeQuarters(int width, int height);

// The upright pixels stored as a camera with this tag (1..8) stores them.
PixelBuffer StoredForOrientation(const PixelBuffer& upright, int orientation);

// An APP1 segment's contents, "Exif\0\0" on: IFD0 with the Orientation tag, and
// with `withGps` a GPS IFD holding a latitude, as a phone writes it.
std::vector<std::uint8_t> ExifSegment(int orientation, ByteOrder order = ByteOrder::Intel, bool withGps = false);

// The JPEG with `segmentContents` inserted as segment `marker` (0xE1 for APP1)
// right after the start of image.
std::vector<std::uint8_t> WithSegment(const std::vector<std::uint8_t>& jpeg, std::uint8_t marker,
                                      const std::vector<std::uint8_t>& segmentContents);

// A phone photo: MakeQuarters(uprightWidth, uprightHeight) stored for the tag,
// encoded at quality 95, the tag in APP1; an RGB ICC profile in APP2 when given.
std::vector<std::uint8_t> MakePhonePhoto(int uprightWidth, int uprightHeight, int orientation,
                                         const std::vector<std::uint8_t>& colourProfile = {}, bool withGps = false);

// A small made-up ICC profile header of `size` bytes for the colour space ("RGB ", "GRAY").
std::vector<std::uint8_t> MakeColourProfile(const char* colourSpace, std::size_t size = 560);

// The markers of the segments before the first scan, in order (0xE0 for APP0, ...).
std::vector<std::uint8_t> SegmentMarkers(const std::vector<std::uint8_t>& jpeg);

// Expects the four quarters' colours (within JPEG's error) where MakeQuarters puts them.
void ExpectUprightQuarters(const PixelBuffer& pixels);

} // namespace snapwane::test
