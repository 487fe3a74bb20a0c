// SPDX-License-Identifier: MIT
#include "core/PixelBuffer.h"

#include <limits>
#include <new>
#include <utility>

namespace snapwane {

PixelBuffer::PixelBuffer(PixelBuffer&& other) noexcept
    : m_bytes(std::move(other.m_bytes)),
      m_width(std::exchange(other.m_width, 0)),
      m_height(std::exchange(other.m_height, 0)),
      m_channels(std::exchange(other.m_channels, 0))
{
}

PixelBuffer& PixelBuffer::operator=(PixelBuffer&& other) noexcept
{
    if (this != &other) {
        m_bytes = std::move(other.m_bytes);
        m_width = std::exchange(other.m_width, 0);
        m_height = std::exchange(other.m_height, 0);
        m_channels = std::exchange(other.m_channels, 0);
    }
    return *this;
}

std::size_t PixelBuffer::ByteCount(int width, int height, int channels) noexcept
{
    if (width <= 0 || height <= 0 || channels <= 0)
        return 0;
    const std::size_t limit = std::numeric_limits<std::size_t>::max();
    const std::size_t row = std::size_t(width) * std::size_t(channels); // no overflow: both < 2^31
    if (row > limit / std::size_t(height))
        return 0;
    return row * std::size_t(height);
}

PixelBuffer PixelBuffer::Allocate(int width, int height, int channels) noexcept
{
    PixelBuffer buffer;
    const std::size_t bytes = ByteCount(width, height, channels);
    if (bytes == 0)
        return buffer;
    buffer.m_bytes.reset(new (std::nothrow) std::uint8_t[bytes]);
    if (!buffer.m_bytes)
        return buffer;
    buffer.m_width = width;
    buffer.m_height = height;
    buffer.m_channels = channels;
    return buffer;
}

} // namespace snapwane
