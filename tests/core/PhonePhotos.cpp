// SPDX-License-Identifier: MIT
#include "PhonePhotos.h"

#include "core/JpegCodec.h"
#include "core/Orientation.h"
#include "core/PixelOps.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace snapwane::test {
namespace {

struct Colour {
    int r, g, b;
};
constexpr Colour kQuarterColours[4] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};

class TiffWriter {
public:
    explicit TiffWriter(ByteOrder order) : m_order(order) {}
    void Short(unsigned value) { Bytes(value, 2); }
    void Long(unsigned value) { Bytes(value, 4); }
    void Entry(unsigned tag, unsigned type, unsigned count, unsigned value)
    {
        Short(tag);
        Short(type);
        Long(count);
        if (type == 3 && count == 1) { // a SHORT sits in the first two bytes of the field
            Short(value);
            Short(0);
        } else {
            Long(value);
        }
    }
    std::vector<std::uint8_t> bytes;

private:
    void Bytes(unsigned value, int count)
    {
        for (int i = 0; i < count; ++i) {
            const int shift = m_order == ByteOrder::Intel ? 8 * i : 8 * (count - 1 - i);
            bytes.push_back(std::uint8_t(value >> shift));
        }
    }
    ByteOrder m_order;
};

} // namespace

PixelBuffer MakeQuarters(int width, int height)
{
    PixelBuffer pixels = PixelBuffer::Allocate(width, height, 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Colour& c = kQuarterColours[(y < height / 2 ? 0 : 2) + (x < width / 2 ? 0 : 1)];
            std::uint8_t* p = pixels.row(y) + 3 * x;
            p[0] = std::uint8_t(c.r);
            p[1] = std::uint8_t(c.g);
            p[2] = std::uint8_t(c.b);
        }
    return pixels;
}

PixelBuffer StoredForOrientation(const PixelBuffer& upright, int orientation)
{
    // Upright = turn(stored), so stored = the turn undone: back by the rotation, then the mirror.
    const PhotoTurn turn = TurnForPhoto(orientation);
    PixelBuffer copy = PixelBuffer::Allocate(upright.width(), upright.height(), upright.channels());
    std::copy(upright.data(), upright.data() + upright.size(), copy.data());
    copy = Rotate(std::move(copy), (360 - turn.rotation) % 360);
    return turn.mirror ? Mirror(std::move(copy)) : std::move(copy);
}

std::vector<std::uint8_t> ExifSegment(int orientation, ByteOrder order, bool withGps)
{
    TiffWriter tiff(order);
    tiff.bytes = order == ByteOrder::Intel ? std::vector<std::uint8_t>{'I', 'I', 42, 0}
                                           : std::vector<std::uint8_t>{'M', 'M', 0, 42};
    tiff.Long(8); // IFD0 right after the header
    const unsigned entries = withGps ? 2 : 1;
    tiff.Short(entries);
    tiff.Entry(0x0112, 3, 1, unsigned(orientation)); // Orientation, SHORT
    const unsigned gpsOffset = 8 + 2 + 12 * entries + 4;
    if (withGps)
        tiff.Entry(0x8825, 4, 1, gpsOffset); // the GPS IFD, LONG
    tiff.Long(0);                            // no IFD1
    if (withGps) {
        tiff.Short(1);
        tiff.Entry(0x0001, 2, 2, 'N'); // GPSLatitudeRef "N", ASCII in the field
        tiff.Long(0);
    }
    static constexpr std::uint8_t kExif[] = {'E', 'x', 'i', 'f', 0, 0};
    std::vector<std::uint8_t> segment(std::begin(kExif), std::end(kExif));
    segment.resize(sizeof kExif + tiff.bytes.size());
    std::copy(tiff.bytes.begin(), tiff.bytes.end(), segment.begin() + sizeof kExif);
    return segment;
}

std::vector<std::uint8_t> WithSegment(const std::vector<std::uint8_t>& jpeg, std::uint8_t marker,
                                      const std::vector<std::uint8_t>& segmentContents)
{
    const std::size_t length = segmentContents.size() + 2;
    std::vector<std::uint8_t> result(jpeg.size() + 2 + length);
    std::copy(jpeg.begin(), jpeg.begin() + 2, result.begin()); // start of image
    result[2] = 0xFF;
    result[3] = marker;
    result[4] = std::uint8_t(length >> 8);
    result[5] = std::uint8_t(length);
    std::copy(segmentContents.begin(), segmentContents.end(), result.begin() + 6);
    std::copy(jpeg.begin() + 2, jpeg.end(), result.begin() + std::ptrdiff_t(4 + length));
    return result;
}

std::vector<std::uint8_t> MakePhonePhoto(int uprightWidth, int uprightHeight, int orientation,
                                         const std::vector<std::uint8_t>& colourProfile, bool withGps)
{
    const PixelBuffer stored = StoredForOrientation(MakeQuarters(uprightWidth, uprightHeight), orientation);
    const auto jpeg = JpegCodec::Encode(stored, 95, colourProfile);
    EXPECT_TRUE(jpeg.has_value());
    return jpeg ? WithSegment(*jpeg, 0xE1, ExifSegment(orientation, ByteOrder::Intel, withGps))
                : std::vector<std::uint8_t>{};
}

std::vector<std::uint8_t> MakeColourProfile(const char* colourSpace, std::size_t size)
{
    std::vector<std::uint8_t> profile(size, 0);
    for (std::size_t i = 0; i < size; ++i)
        profile[i] = std::uint8_t(i * 7);
    profile[0] = std::uint8_t(size >> 24);
    profile[1] = std::uint8_t(size >> 16);
    profile[2] = std::uint8_t(size >> 8);
    profile[3] = std::uint8_t(size);
    const std::string space = std::string(colourSpace) + "    ";
    std::copy(space.begin(), space.begin() + 4, profile.begin() + 16);
    const std::string signature = "acsp";
    std::copy(signature.begin(), signature.end(), profile.begin() + 36);
    return profile;
}

std::vector<std::uint8_t> SegmentMarkers(const std::vector<std::uint8_t>& jpeg)
{
    std::vector<std::uint8_t> markers;
    for (std::size_t i = 2; i + 3 < jpeg.size() && jpeg[i] == 0xFF && jpeg[i + 1] != 0xDA;) {
        markers.push_back(jpeg[i + 1]);
        i += 2 + (std::size_t(jpeg[i + 2]) << 8 | jpeg[i + 3]);
    }
    return markers;
}

void ExpectUprightQuarters(const PixelBuffer& pixels)
{
    ASSERT_TRUE(pixels);
    ASSERT_EQ(pixels.channels(), 3);
    const int w = pixels.width(), h = pixels.height();
    const int xs[2] = {w / 4, 3 * w / 4}, ys[2] = {h / 4, 3 * h / 4};
    for (int quarter = 0; quarter < 4; ++quarter) {
        const std::uint8_t* p = pixels.row(ys[quarter / 2]) + 3 * xs[quarter % 2];
        const Colour& want = kQuarterColours[quarter];
        EXPECT_LE(std::abs(p[0] - want.r) + std::abs(p[1] - want.g) + std::abs(p[2] - want.b), 40)
            << "quarter " << quarter << " of " << w << " x " << h << " is " << int(p[0]) << ", " << int(p[1])
            << ", " << int(p[2]);
    }
}

} // namespace snapwane::test
