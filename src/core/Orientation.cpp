// SPDX-License-Identifier: MIT
#include "core/Orientation.h"

#include "core/PixelOps.h"

#include <algorithm>
#include <array>
#include <utility>

#include <libexif/exif-data.h>

namespace snapwane {
namespace {

// Index: tag value - 1.
constexpr std::array<PhotoTurn, 8> kTurnOfTag = {{
    {false, 0}, {true, 0}, {false, 180}, {true, 180}, {true, 270}, {false, 90}, {true, 90}, {false, 270},
}};

int ValidRotation(int degrees)
{
    return degrees == 90 || degrees == 180 || degrees == 270 ? degrees : 0;
}

// Owns one libexif record.
struct ExifRecord {
    ExifData* data = exif_data_new();
    ~ExifRecord()
    {
        if (data)
            exif_data_unref(data);
    }
};

} // namespace

int ReadExifOrientation(std::span<const std::uint8_t> app1)
{
    static constexpr unsigned char kExifStart[] = {'E', 'x', 'i', 'f', 0, 0};
    if (app1.size() < sizeof kExifStart || !std::equal(std::begin(kExifStart), std::end(kExifStart), app1.begin()))
        return kOrientationAsStored;
    ExifRecord record;
    if (!record.data)
        return kOrientationAsStored;
    // Read what is there; the library would otherwise add the tags it finds missing.
    exif_data_unset_option(record.data, EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
    exif_data_load_data(record.data, app1.data(), static_cast<unsigned int>(app1.size()));
    ExifEntry* entry = exif_content_get_entry(record.data->ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION);
    if (!entry || entry->format != EXIF_FORMAT_SHORT || entry->components < 1 || !entry->data || entry->size < 2)
        return kOrientationAsStored;
    const int value = exif_get_short(entry->data, exif_data_get_byte_order(record.data));
    return value >= 1 && value <= 8 ? value : kOrientationAsStored;
}

PhotoTurn TurnForPhoto(int orientation, int userRotation)
{
    PhotoTurn turn = orientation >= 1 && orientation <= 8 ? kTurnOfTag[std::size_t(orientation - 1)] : PhotoTurn{};
    turn.rotation = (turn.rotation + ValidRotation(userRotation)) % 360;
    return turn;
}

void TurnSize(const PhotoTurn& turn, int& width, int& height)
{
    if (turn.SwapsSides())
        std::swap(width, height);
}

PixelBuffer ApplyTurn(PixelBuffer pixels, const PhotoTurn& turn)
{
    if (turn.mirror)
        pixels = Mirror(std::move(pixels));
    return Rotate(std::move(pixels), turn.rotation);
}

} // namespace snapwane
