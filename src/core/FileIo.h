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

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <span>
#include <string>
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

// The temporary files of the two functions above are named
// ".snapwane-PID-XXXXXXXXXXXXXXXX.tmp" (the writing process's id, 16 hex digits):
// short whatever the target's name, so a target name of the file system's
// longest still gets one, and recognisable, so that the packer leaves them out
// and a later run removes those that a killed process left behind.
bool IsTemporaryFileName(const std::string& name);

// Removes the temporary files of ours in `folder` that no writer will finish:
// the process that wrote one is gone and it was last written at least
// kStaleAfter ago (a writer on another machine sharing the folder is not seen
// by the process test, but none takes that long), or it is at least
// kSurelyStaleAfter old (its process id was taken by another program).
// Returns how many were removed.
inline constexpr std::chrono::minutes kStaleAfter{10};
inline constexpr std::chrono::hours kSurelyStaleAfter{24};
int RemoveStaleTemporaryFiles(const std::filesystem::path& folder);

} // namespace snapwane
