// SPDX-License-Identifier: MIT
// Fitting: how a box is fitted to a photo's proportions, and the thumbnail
// pipeline built on it.
//
// FitBoxToPhoto is the one rule shared by the reduction and the thumbnails:
//   rw = W / BW in double precision, rh = H / BH in single precision;
//   if rw > rh the width binds and BH := trunc(H / float(rw)), otherwise (ties
//   included) the height binds and BW := trunc(W / rh); these divisions are
//   done in double precision by the single-precision ratio.
// The fitted side may come out as 0 for very narrow or tall photos; callers
// decide what that means (the thumbnail fails, the reduction passes the photo over).
//
// LoadFittedPhoto is the whole load of a photo for display, from its bytes:
// header, the acceptance rules of PhotoRules.h (on the stored size), the box
// (0 x 0 = the thumbnail box), the fitted copy as stored, then the turn
// (orientation tag and rotation) and the colour corrections: the photo comes
// out upright, turned further by the user's rotation. The header is read once,
// orientation tag included.
// The fitted copy as stored: the box is turned back for a quarter turn of the
// photo (its EXIF orientation tag with the user's rotation on top, see
// Orientation.h), fitted, the decoder's 1/2, 1/4 or 1/8 scale does most of the
// reduction (further halvings below 1/8), then one merge pass per direction
// with odd targets rounded down. Grey photos come back as RGB.
//
// Everything here is Qt-free, thread-safe and does not throw.
#pragma once

#include "core/Corrections.h"
#include "core/PhotoRules.h"
#include "core/PixelBuffer.h"

#include <cstdint>
#include <span>

namespace snapwane {

struct BoxSize {
    int width = 0;
    int height = 0;
    bool operator==(const BoxSize&) const = default;
};

// The box (boxWidth x boxHeight, both > 0) fitted to a W x H photo.
BoxSize FitBoxToPhoto(int photoWidth, int photoHeight, int boxWidth, int boxHeight);

// True when a W x H photo (as turned) exceeds the box both ways, the only photo
// the reduction makes smaller; any other is never enlarged.
inline bool IsLargerThanBox(int photoWidth, int photoHeight, int boxWidth, int boxHeight)
{
    return photoWidth > boxWidth && photoHeight > boxHeight;
}

// How often a source of `size` is halved before size / box < 2 (integer division).
int CountHalvings(int size, int box);

// The decode scale a fitted copy of a W-wide photo in a box of `boxWidth` starts
// from: 1, 2, 4 or 8.
int ThumbnailDecodeScale(int photoWidth, int boxWidth);

struct FittedPhoto {
    PhotoCheck check = PhotoCheck::NotJpeg; // Accepted when `pixels` holds the photo
    int sourceWidth = 0;  // upright size: as stored, turned by the orientation tag (0 when unreadable)
    int sourceHeight = 0;
    PixelBuffer pixels;   // fitted, rotated, corrected RGB; empty on failure
};

// boxWidth = boxHeight = 0 asks for the thumbnail box (192 x 144, or the photo's
// own size when it is smaller); otherwise the box is min(W, BW) x min(H, BH),
// W x H the size as shown (turned by the tag and the rotation).
FittedPhoto LoadFittedPhoto(std::span<const std::uint8_t> jpeg, int boxWidth, int boxHeight,
                            const Corrections& corrections);

} // namespace snapwane
