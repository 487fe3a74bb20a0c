// SPDX-License-Identifier: MIT
// PixelBuffer: the one pixel format of the program.
//
// Contract:
// - `channels` bytes per pixel (3 = red, green, blue; 1 = grey), rows from the top
//   of the photo down, each row exactly width x channels bytes with no padding:
//   the buffer holds exactly width x height x channels bytes in one heap block.
// - Move-only; whoever holds it owns the pixels. A default-constructed (or
//   moved-from) buffer is empty: no pixels, all sizes 0. Operations that fail
//   return an empty buffer.
// - Allocate never throws: it returns an empty buffer when the sizes are not
//   positive, the byte count overflows, or memory cannot be had.
// - The pixels of a new buffer are not initialised.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace snapwane {

class PixelBuffer {
public:
    PixelBuffer() = default;
    PixelBuffer(PixelBuffer&& other) noexcept;
    PixelBuffer& operator=(PixelBuffer&& other) noexcept;
    PixelBuffer(const PixelBuffer&) = delete;
    PixelBuffer& operator=(const PixelBuffer&) = delete;
    ~PixelBuffer() = default;

    // A new, uninitialised buffer, or an empty one (see above).
    static PixelBuffer Allocate(int width, int height, int channels) noexcept;

    // Byte count of width x height x channels, or 0 when a size is not positive
    // or the count does not fit in size_t.
    static std::size_t ByteCount(int width, int height, int channels) noexcept;

    bool empty() const noexcept { return !m_bytes; }
    explicit operator bool() const noexcept { return !empty(); }

    int width() const noexcept { return m_width; }
    int height() const noexcept { return m_height; }
    int channels() const noexcept { return m_channels; }
    std::size_t rowBytes() const noexcept { return std::size_t(m_width) * std::size_t(m_channels); }
    std::size_t size() const noexcept { return rowBytes() * std::size_t(m_height); }

    std::uint8_t* data() noexcept { return m_bytes.get(); }
    const std::uint8_t* data() const noexcept { return m_bytes.get(); }
    std::uint8_t* row(int y) noexcept { return m_bytes.get() + rowBytes() * std::size_t(y); }
    const std::uint8_t* row(int y) const noexcept { return m_bytes.get() + rowBytes() * std::size_t(y); }

private:
    std::unique_ptr<std::uint8_t[]> m_bytes;
    int m_width = 0;
    int m_height = 0;
    int m_channels = 0;
};

} // namespace snapwane
