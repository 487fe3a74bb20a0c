// SPDX-License-Identifier: MIT
#include "support/TestJpeg.h"

#include "core/JpegCodec.h"

#include <gtest/gtest.h>

namespace snapwane::test {

PixelBuffer MakePattern(int width, int height, int channels)
{
    PixelBuffer buffer = PixelBuffer::Allocate(width, height, channels);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = buffer.row(y);
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < channels; ++c)
                row[x * channels + c] = static_cast<std::uint8_t>((x * (c + 1) + y * (3 - c)) / 8);
    }
    return buffer;
}

PixelBuffer MakeFilled(int width, int height, std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    PixelBuffer buffer = PixelBuffer::Allocate(width, height, 3);
    std::uint8_t* p = buffer.data();
    for (std::size_t i = 0; i < buffer.size(); i += 3) {
        p[i] = r;
        p[i + 1] = g;
        p[i + 2] = b;
    }
    return buffer;
}

std::vector<std::uint8_t> EncodeJpeg(const PixelBuffer& pixels, int quality)
{
    auto stream = JpegCodec::Encode(pixels, quality);
    EXPECT_TRUE(stream.has_value()) << "encoding " << pixels.width() << " x " << pixels.height();
    return stream ? *stream : std::vector<std::uint8_t>{};
}

std::vector<std::uint8_t> MakeJpeg(int width, int height, int channels, int quality)
{
    return EncodeJpeg(MakePattern(width, height, channels), quality);
}

} // namespace snapwane::test
