// SPDX-License-Identifier: MIT
// FileIo: whole-file reads and safe replacement of output files.
//
// Writes never leave a half-written file behind: the new content goes into a
// temporary file in the target's folder, which is flushed to the disk and
// renamed over the target only when it is complete. On any failure the old
// target stays as it was and the temporary file is removed. The reducer, the
// packer and the thumbnail tool all write through ReplacingWriter.
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
};

// What a write did. On failure, `error` is the system's error number (errno) of
// the step that failed, and `wholeFolder` says that every other file written
// into the same folder would fail the same way: the file system is full, over
// quota or read-only, or the folder is missing or may not be written.
struct WriteResult {
    FileStatus status = FileStatus::Ok;
    int error = 0;
    bool wholeFolder = false;

    bool Ok() const { return status == FileStatus::Ok; }
    bool operator==(FileStatus other) const { return status == other; }
    // The system's words for the error ("No space left on device"); empty when none.
    std::string Reason() const;
};

// Reads the whole file into `bytes` (replacing its content).
FileStatus ReadWholeFile(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes,
                         std::uintmax_t limit = std::numeric_limits<std::uintmax_t>::max());

// One output file on its way: a new temporary file in the target's folder,
// created exclusively (never an existing file, never through a link) and locked
// while it is written; Commit flushes it to the disk and renames it over the
// target. Dropped without Commit, or on any failure, the temporary file is
// removed and the old target stays as it was. Not for several threads at once.
class ReplacingWriter {
public:
    explicit ReplacingWriter(const std::filesystem::path& target);
    ~ReplacingWriter();
    ReplacingWriter(const ReplacingWriter&) = delete;
    ReplacingWriter& operator=(const ReplacingWriter&) = delete;

    // Appends bytes; a failure sticks and is what Commit returns.
    WriteResult Write(std::span<const std::uint8_t> bytes);
    // The permissions and last write time the target gets instead of the old
    // target's permissions and the time of writing.
    void KeepAttributesOf(const std::filesystem::path& file);
    // Flushes, closes and renames over the target.
    WriteResult Commit();

private:
    void Fail(FileStatus status, int error, bool wholeFolder);
    void Discard();

    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
    int m_file = -1;
    WriteResult m_result;
    std::filesystem::path m_attributesOf;
};

// Writes `bytes` as the new content of `target`, replacing an existing file.
WriteResult WriteFileReplacing(const std::filesystem::path& target, std::span<const std::uint8_t> bytes);

// Writes `bytes`, the content of `source` as it was read, over `target` with the
// source's permissions and last write time: what is written is what was checked,
// whatever happened to the source since. A target that is the source itself is
// left as it is and succeeds.
WriteResult CopyFileReplacing(const std::filesystem::path& source, const std::filesystem::path& target,
                              std::span<const std::uint8_t> bytes);

// The temporary files of ReplacingWriter are named
// ".snapwane-PID-XXXXXXXXXXXXXXXX.tmp" (the writing process's id, 16 hex digits):
// short whatever the target's name, so a target name of the file system's
// longest still gets one, and recognisable, so that the packer leaves them out
// and a later run removes those that a killed process left behind.
bool IsTemporaryFileName(const std::string& name);

// Removes the temporary files of ours in `folder` whose writer is gone: no
// process of its id runs on this machine and no process holds the file's lock
// (a writer on another machine sharing the folder holds it too; the system lets
// go of it when the writer dies). Where the file system keeps no locks, a file is
// taken as abandoned once it was made at least kStaleAfter ago (made, not last
// written: a copy carries its source's time). Returns how many were removed.
inline constexpr std::chrono::minutes kStaleAfter{10};
int RemoveStaleTemporaryFiles(const std::filesystem::path& folder);

} // namespace snapwane
