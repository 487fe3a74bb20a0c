// SPDX-License-Identifier: MIT
// Helpers shared by the engine's tests: buffers and streams to check, files
// under tests/data, and temporary folders that clean up after themselves
// (the test photos themselves come from support/TestJpeg.h).
#pragma once

#include "core/PixelBuffer.h"
#include "support/TestJpeg.h"

#include <cstdint>
#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <initializer_list>
#include <string>
#include <vector>

namespace snapwane::test {

// A buffer with the given bytes (width x height x channels of them).
PixelBuffer MakeBuffer(int width, int height, int channels, std::initializer_list<int> bytes);

// The stream with the size in its baseline frame header (SOF0) replaced.
std::vector<std::uint8_t> WithFrameSize(std::vector<std::uint8_t> jpeg, int width, int height);

// The stream without its marker segments of one kind before the first scan
// (0xDB quantisation tables, 0xC4 Huffman tables).
std::vector<std::uint8_t> WithoutSegments(const std::vector<std::uint8_t>& jpeg, std::uint8_t marker);

// The bytes after the frame header's length field (precision, size, components).
std::vector<std::uint8_t> FrameHeader(const std::vector<std::uint8_t>& jpeg);

std::filesystem::path DataFile(const std::string& name);
std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

// Names of the entries in a folder, sorted.
std::vector<std::string> FolderEntries(const std::filesystem::path& folder);

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

// Runs `write` with the file size limited to `bytes` (SIGXFSZ ignored), so that a
// write beyond it fails as on a full disk; the limit is restored afterwards.
template <typename Write>
auto WithFileSizeLimit(rlim_t bytes, Write write)
{
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
    auto result = write();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    return result;
}

} // namespace snapwane::test
