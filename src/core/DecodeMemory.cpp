#include "core/DecodeMemory.h"

#include <algorithm>
#include <fstream>
#include <vector>

namespace snapwane {

namespace {

// Markers up to the first scan header are read; anything later is never needed.
constexpr std::size_t kMostHeaderBytes = std::size_t(1) << 20;

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

// Walks the markers of `bytes` (the start of a file); more is true when the
// header goes on past the bytes given.
Frame ReadFrame(std::span<const std::uint8_t> bytes, bool& more)
{
    Frame frame;
    more = false;
    if (bytes.size() < 4 || bytes[0] != 0xFF || bytes[1] != 0xD8)
        return frame;
    std::size_t at = 2;
    for (;;) {
        while (at < bytes.size() && bytes[at] == 0xFF && at + 1 < bytes.size() && bytes[at + 1] == 0xFF)
            ++at; // fill bytes
        if (at + 4 > bytes.size()) {
            more = true;
            return frame;
        }
        if (bytes[at] != 0xFF)
            return frame;
        const std::uint8_t marker = bytes[at + 1];
        const std::size_t length = std::size_t(bytes[at + 2]) << 8 | bytes[at + 3];
        if (marker == 0xD8 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            at += 2;
            continue;
        }
        if (length < 2)
            return frame;
        const std::size_t body = at + 4;
        if (body + length - 2 > bytes.size()) {
            more = true;
            return frame;
        }
        if (IsFrameMarker(marker) && !frame.found && length >= 8) {
            frame.found = true;
            frame.progressive = IsProgressive(marker);
            frame.height = bytes[body + 1] << 8 | bytes[body + 2];
            frame.width = bytes[body + 3] << 8 | bytes[body + 4];
            frame.components = bytes[body + 5];
            for (int c = 0; c < frame.components && c < 4 && body + 6 + 3 * std::size_t(c) + 1 < body + length - 2;
                 ++c) {
                const std::uint8_t sampling = bytes[body + 6 + 3 * std::size_t(c) + 1];
                frame.samplingH[c] = sampling >> 4;
                frame.samplingV[c] = sampling & 15;
            }
        } else if (marker == 0xDA) {
            frame.firstScanComponents = length > 2 ? bytes[body] : 0;
            return frame;
        } else if (marker == 0xD9) {
            return frame;
        }
        at = body + length - 2;
    }
}

} // namespace

std::size_t EstimateDecodeMemory(std::span<const std::uint8_t> jpeg)
{
    bool more = false;
    return Estimate(ReadFrame(jpeg, more)); // a header cut short is judged by its frame alone
}

std::size_t EstimateDecodeMemoryOfFile(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::vector<std::uint8_t> header;
    for (std::size_t wanted = 64 * 1024; file && header.size() < kMostHeaderBytes; wanted *= 4) {
        const std::size_t had = header.size();
        header.resize(std::min(wanted, kMostHeaderBytes));
        file.read(reinterpret_cast<char*>(header.data() + had), std::streamsize(header.size() - had));
        header.resize(had + std::size_t(file.gcount()));
        bool more = false;
        ReadFrame(header, more);
        if (!more || !file)
            break;
    }
    return EstimateDecodeMemory(header);
}

} // namespace snapwane
