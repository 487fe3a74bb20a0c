// SPDX-License-Identifier: MIT
// Orientation: how a photo's stored pixels are turned upright, from the EXIF
// Orientation tag that phones and cameras write instead of turning the pixels.
//
// Every turn a photo can take (the tag's eight values, the user's quarter
// turns, and the two together) is "mirror left to right or not, then turn
// clockwise by 0, 90, 180 or 270 degrees". The tag sets where the photo's turn
// starts; the user's rotation turns it further from there.
//
// Tag values (the picture's top-left corner as stored, seen upright):
//   1 as stored        2 mirrored           3 turned 180        4 mirrored, 180
//   5 mirrored, 270    6 turned 90          7 mirrored, 90      8 turned 270
// A missing, damaged or unknown tag means "as stored" (1).
// Qt-free, thread-safe, never throws.
#pragma once

#include "core/PixelBuffer.h"

#include <cstdint>
#include <span>

namespace snapwane {

inline constexpr int kOrientationAsStored = 1;

struct PhotoTurn {
    bool mirror = false; // left to right, before the turn
    int rotation = 0;    // clockwise degrees: 0, 90, 180 or 270

    bool SwapsSides() const { return rotation == 90 || rotation == 270; }
    bool operator==(const PhotoTurn&) const = default;
};

// The tag of an APP1 segment's contents (from "Exif\0\0" on), read with libexif;
// kOrientationAsStored when there is none, it is damaged or its value is not 1..8.
int ReadExifOrientation(std::span<const std::uint8_t> app1);

// The turn that shows a photo of this tag upright, then turns it `userRotation`
// degrees clockwise further (values other than 90, 180, 270 add nothing).
PhotoTurn TurnForPhoto(int orientation, int userRotation = 0);

// The stored size as the turn shows it.
void TurnSize(const PhotoTurn& turn, int& width, int& height);

// Mirror, then Rotate; the input is released either way, empty on failure.
PixelBuffer ApplyTurn(PixelBuffer pixels, const PhotoTurn& turn);

} // namespace snapwane
