// SPDX-License-Identifier: MIT
#include "core/Fitting.h"

#include "core/JpegCodec.h"
#include "core/Orientation.h"
#include "core/PixelOps.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace snapwane {

BoxSize FitBoxToPhoto(int photoWidth, int photoHeight, int boxWidth, int boxHeight)
{
    if (photoWidth <= 0 || photoHeight <= 0 || boxWidth <= 0 || boxHeight <= 0)
        return {};
    BoxSize box{boxWidth, boxHeight};
    const double rw = double(photoWidth) / double(boxWidth);
    const float rh = float(photoHeight) / float(boxHeight);
    // The ratio of the binding side is a single-precision value; the division
    // by it is done in double (6000 x 6000 into 5000 x 5000 gives 4999 x 5000).
    if (rw > double(rh))
        box.height = static_cast<int>(double(photoHeight) / double(static_cast<float>(rw)));
    else
        box.width = static_cast<int>(double(photoWidth) / double(rh));
    return box;
}

int CountHalvings(int size, int box)
{
    int halvings = 0;
    if (box <= 0)
        return halvings;
    for (int m = size; m / box >= 2; m /= 2)
        ++halvings;
    return halvings;
}

int ThumbnailDecodeScale(int photoWidth, int boxWidth)
{
    return 1 << std::min(CountHalvings(photoWidth, boxWidth), 3);
}

namespace {

// The fitted copy of a photo whose header was read: `width` x `height` as stored,
// the box turned back to the stored orientation for a quarter turn.
// `failure` says why no pixels came back: damaged bytes, or no memory for them.
PixelBuffer FitStoredPhoto(std::span<const std::uint8_t> jpeg, int width, int height, int boxWidth, int boxHeight,
                           const PhotoTurn& turn, JpegCodec::Failure& failure)
{
    failure = JpegCodec::Failure::Damaged;
    TurnSize(turn, boxWidth, boxHeight);
    const BoxSize box = FitBoxToPhoto(width, height, boxWidth, boxHeight);
    if (box.width <= 0 || box.height <= 0)
        return {};
    const bool beyondEighth = CountHalvings(width, box.width) > 3;
    int channels = 0;
    PixelBuffer pixels =
        JpegCodec::Decode(jpeg, ThumbnailDecodeScale(width, box.width), width, height, channels, &failure);
    if (!pixels)
        return {};
    failure = JpegCodec::Failure::NoMemory; // from here on, only an allocation can fail
    pixels = ExpandGreyToRgb(std::move(pixels));
    if (beyondEighth) {
        while (pixels && pixels.width() / box.width >= 2)
            pixels = HalveWidth(std::move(pixels));
        while (pixels && pixels.height() / box.height >= 2)
            pixels = HalveHeight(std::move(pixels));
    }
    int target = box.width;
    if (pixels && pixels.width() > target)
        pixels = ShrinkWidth(std::move(pixels), target, OddTarget::RoundDown);
    target = box.height;
    if (pixels && pixels.height() > target)
        pixels = ShrinkHeight(std::move(pixels), target, OddTarget::RoundDown);
    return pixels;
}

} // namespace

FittedPhoto LoadFittedPhoto(std::span<const std::uint8_t> jpeg, int boxWidth, int boxHeight,
                            const Corrections& corrections)
{
    FittedPhoto photo;
    const std::optional<JpegCodec::Header> header = JpegCodec::ReadHeader(jpeg); // the only read of the header
    if (!header) {
        photo.check = jpeg.empty() ? PhotoCheck::Empty : PhotoCheck::NotJpeg;
        return photo;
    }
    photo.sourceWidth = header->width;
    photo.sourceHeight = header->height;
    TurnSize(TurnForPhoto(header->orientation), photo.sourceWidth, photo.sourceHeight);
    photo.check = CheckStoredSize(header->width, header->height);
    if (photo.check != PhotoCheck::Accepted)
        return photo;
    const PhotoTurn turn = TurnForPhoto(header->orientation, corrections.rotation);
    int w = header->width, h = header->height; // as shown, the user's turn included
    TurnSize(turn, w, h);
    if (boxWidth == 0 && boxHeight == 0) {
        const bool larger = w > kThumbnailBoxWidth || h > kThumbnailBoxHeight;
        boxWidth = larger ? kThumbnailBoxWidth : w;
        boxHeight = larger ? kThumbnailBoxHeight : h;
    } else {
        boxWidth = std::min(w, boxWidth);
        boxHeight = std::min(h, boxHeight);
    }
    JpegCodec::Failure failure = JpegCodec::Failure::None;
    PixelBuffer pixels = FitStoredPhoto(jpeg, header->width, header->height, boxWidth, boxHeight, turn, failure);
    if (!pixels) {
        photo.check = failure == JpegCodec::Failure::NoMemory ? PhotoCheck::NoMemory : PhotoCheck::NotDecodable;
        return photo;
    }
    pixels = ApplyTurn(std::move(pixels), turn);
    AdjustBrightness(pixels, corrections.brightness);
    AdjustContrast(pixels, corrections.contrast);
    if (corrections.grey)
        MakeGrayscale(pixels);
    if (!pixels)
        photo.check = PhotoCheck::NoMemory;
    photo.pixels = std::move(pixels);
    return photo;
}

} // namespace snapwane
