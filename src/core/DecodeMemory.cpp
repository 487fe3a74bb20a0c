// SPDX-License-Identifier: MIT
#include "core/DecodeMemory.h"

#include "core/RegularFile.h"

#include <algorithm>
#include <array>

namespace snapwane {

namespace {

bool IsFrameMarker(std::uint8_t marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool IsProgressive(std::uint8_t marker)
{
    return marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
}

struct Frame {
    bool found = false;
    bool progressive = false;
    int width = 0, height = 0, components = 0;
    int firstScanComponents = 0;
    int samplingH[4] = {}, samplingV[4] = {};
};

std::size_t Estimate(const Frame& frame)
{
    if (!frame.found || frame.width <= 0 || frame.height <= 0 || frame.components <= 0)
        return 0;
    int maxH = 1, maxV = 1;
    for (int c = 0; c < frame.components && c < 4; ++c) {
        maxH = std::max(maxH, frame.samplingH[c]);
        maxV = std::max(maxV, frame.samplingV[c]);
    }
    const std::size_t width = std::size_t(frame.width);
    const std::size_t height = std::size_t(frame.height);
    // Rows in hand: one band of blocks per channel, the colour rows and the reduction's rows.
    std::size_t bytes = width * std::size_t(maxV) * 8 * std::size_t(frame.components) * 4 + width * 3 * 16;
    const int firstScan = frame.firstScanComponents > 0 ? frame.firstScanComponents : frame.components;
    const bool wholePhoto = frame.progressive || firstScan < frame.components;
    if (wholePhoto) {
        for (int c = 0; c < frame.components && c < 4; ++c) {
            const std::size_t columns = (width * std::size_t(std::max(frame.samplingH[c], 1)) + maxH - 1) / maxH;
            const std::size_t rows = (height * std::size_t(std::max(frame.samplingV[c], 1)) + maxV - 1) / maxV;
            bytes += ((columns + 7) / 8) * ((rows + 7) / 8) * 64 * 2;
        }
    }
    return bytes;
}

// The bytes of a stream in memory.
class SpanBytes {
public:
    explicit SpanBytes(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}
    int Next() { return m_at < m_bytes.size() ? m_bytes[m_at++] : -1; }
    void Skip(std::size_t count) { m_at += std::min(count, m_bytes.size() - m_at); }

private:
    std::span<const std::uint8_t> m_bytes;
    std::size_t m_at = 0;
};

// The bytes of a file, read a block at a time; skipped bytes are never read, so a
// segment of any size before the frame header costs one seek.
class FileBytes {
public:
    explicit FileBytes(RegularFile& file) : m_file(file) {}
    int Next()
    {
        if (m_at == m_end && !Fill())
            return -1;
        return m_block[m_at++];
    }
    void Skip(std::size_t count)
    {
        if (count <= m_end - m_at) {
            m_at += count;
            return;
        }
        m_offset += count - (m_end - m_at);
        m_at = m_end = 0;
        m_sought = true;
    }

private:
    bool Fill()
    {
        if (m_sought && !m_file.Seek(m_offset))
            return false;
        m_sought = false;
        const std::ptrdiff_t got = m_file.Read(m_block.data(), m_block.size());
        if (got <= 0)
            return false;
        m_at = 0;
        m_end = std::size_t(got);
        m_offset += m_end;
        return true;
    }

    RegularFile& m_file;
    std::array<std::uint8_t, 64 * 1024> m_block;
    std::size_t m_at = 0, m_end = 0;
    std::uintmax_t m_offset = 0; // of the end of the block in hand
    bool m_sought = false;
};

// Walks the markers up to the first scan header the way the decoder does: bytes
// between segments are passed over up to the next marker, and segments of any
// length are stepped over, so no header hides from this walk that the decoder
// would find.
template <class Bytes>
Frame ReadFrame(Bytes& in)
{
    Frame frame;
    if (in.Next() != 0xFF || in.Next() != 0xD8)
        return frame;
    for (;;) {
        int marker = 0;
        do { // an 0xFF then fill bytes; 0xFF 0x00 is no marker
            while ((marker = in.Next()) >= 0 && marker != 0xFF) {
            }
            while (marker == 0xFF)
                marker = in.Next();
        } while (marker == 0);
        if (marker < 0 || marker == 0xD9)
            return frame;
        if (marker == 0xD8 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue;
        const int high = in.Next(), low = in.Next();
        if (high < 0 || low < 0)
            return frame;
        std::size_t body = std::size_t(high << 8 | low);
        body = body >= 2 ? body - 2 : 0;
        if (marker == 0xDA) {
            frame.firstScanComponents = body > 0 ? std::max(in.Next(), 0) : 0;
            return frame;
        }
        if (IsFrameMarker(std::uint8_t(marker)) && !frame.found && body >= 6) {
            std::uint8_t start[6 + 3 * 4] = {};
            const std::size_t kept = std::min(body, sizeof start);
            for (std::size_t i = 0; i < kept; ++i)
                start[i] = std::uint8_t(std::max(in.Next(), 0));
            body -= kept;
            frame.found = true;
            frame.progressive = IsProgressive(std::uint8_t(marker));
            frame.height = start[1] << 8 | start[2];
            frame.width = start[3] << 8 | start[4];
            frame.components = start[5];
            for (int c = 0; c < frame.components && c < 4 && 6 + 3 * std::size_t(c) + 1 < kept; ++c) {
                frame.samplingH[c] = start[6 + 3 * c + 1] >> 4;
                frame.samplingV[c] = start[6 + 3 * c + 1] & 15;
            }
        }
        in.Skip(body);
    }
}

} // namespace

std::size_t EstimateDecodeMemory(std::span<const std::uint8_t> jpeg)
{
    SpanBytes bytes(jpeg);
    return Estimate(ReadFrame(bytes)); // a header cut short is judged by its frame alone
}

std::size_t EstimateDecodeMemoryOfFile(const std::filesystem::path& path)
{
    RegularFile file;
    if (!file.Open(path))
        return 0;
    FileBytes bytes(file);
    return Estimate(ReadFrame(bytes));
}

} // namespace snapwane
