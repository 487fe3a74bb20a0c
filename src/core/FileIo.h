// FileIo: whole-file reads and safe replacement of output files.
//
// Writes never leave a half-written file behind: the new content goes into a
// temporary file in the target's folder, which is renamed over the target only
// when it is complete. On any failure the old target stays as it was and the
// temporary file is removed.
// A target file or a target folder without its owner's write permission is
// treated as read-only and left alone (also when running as root).
// Nothing here throws.
#pragma once

#include <cstdint>
#include <filesystem>
#include <limits>
#include <span>
#include <vector>

namespace snapwane {

enum class FileStatus {
    Ok,
    CannotOpen,   // the source does not exist, is no regular file (a folder, a pipe), or cannot be opened
    ReadError,    // opened, but reading failed
    TooLarge,     // the file has `limit` bytes or more
    NoMemory,
    CannotCreate, // the output cannot be created: missing or read-only folder, read-only file
    WriteError,   // created, but writing failed (full disk, I/O error)
    CopyFailed,
};

// Reads the whole file into `bytes` (replacing its content).
FileStatus ReadWholeFile(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes,
                         std::uintmax_t limit = std::numeric_limits<std::uintmax_t>::max());

// Writes `bytes` as the new content of `target`, replacing an existing file.
FileStatus WriteFileReplacing(const std::filesystem::path& target, std::span<const std::uint8_t> bytes);

// Copies `source` byte for byte over `target` (with its permissions and last
// write time). Copying a file onto itself leaves it as it is and succeeds.
FileStatus CopyFileReplacing(const std::filesystem::path& source, const std::filesystem::path& target);

} // namespace snapwane
