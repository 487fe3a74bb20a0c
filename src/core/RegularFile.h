// SPDX-License-Identifier: MIT
// RegularFile: a photo file opened for reading. Only a regular file is opened:
// a pipe would wait for a writer that may never come and a device may never
// end, so the open itself never waits (the kind is checked on the opened file,
// so a path swapped for a pipe after a check cannot block either).
// Not copyable; closes the file when destroyed. Never throws.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace snapwane {

class RegularFile {
public:
    RegularFile() = default;
    ~RegularFile();
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    // False when the path cannot be opened or is no regular file.
    bool Open(const std::filesystem::path& path);
    bool IsOpen() const;
    // The size found when it was opened.
    std::uintmax_t Size() const { return m_size; }
    // Reads up to `count` bytes at the current position; the number read, 0 at
    // the end, -1 on a read error.
    std::ptrdiff_t Read(void* into, std::size_t count);
    // Reads `count` bytes or fails.
    bool ReadExactly(void* into, std::size_t count);
    // Moves the position to `offset` from the start.
    bool Seek(std::uintmax_t offset);

private:
    void Close();

#ifdef _WIN32
    void* m_file = nullptr; // std::FILE*
#else
    int m_descriptor = -1;
#endif
    std::uintmax_t m_size = 0;
};

} // namespace snapwane
