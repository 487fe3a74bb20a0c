// SPDX-License-Identifier: MIT
#include "core/FileIo.h"

#include "core/RegularFile.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <new>
#include <random>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef __linux__
#include <sys/vfs.h>
#endif

namespace snapwane {
namespace fs = std::filesystem;
namespace {

bool LacksOwnerWrite(const fs::path& path)
{
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    return !error && fs::exists(status) && (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

fs::path FolderOf(const fs::path& target)
{
    const fs::path folder = target.parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

// Failures that any file written into the same folder would meet.
bool HitsWholeFolder(int error)
{
    return error == ENOSPC || error == EDQUOT || error == EROFS;
}

constexpr char kTemporaryPrefix[] = ".snapwane-";
constexpr char kTemporarySuffix[] = ".tmp";
constexpr std::size_t kTemporaryDigits = 16;

long CurrentProcessId()
{
#ifdef _WIN32
    return long(GetCurrentProcessId());
#else
    return long(getpid());
#endif
}

// False only when surely no process of this id runs on this machine.
bool ProcessMayRun(long id)
{
#ifdef _WIN32
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, DWORD(id));
    if (!process)
        return GetLastError() != ERROR_INVALID_PARAMETER;
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
#else
    return id <= 0 || kill(pid_t(id), 0) == 0 || errno != ESRCH;
#endif
}

// The id of the process that wrote a temporary file of ours of this name, or -1.
long WriterOf(const std::string& name)
{
    const std::size_t prefix = sizeof kTemporaryPrefix - 1, suffix = sizeof kTemporarySuffix - 1;
    if (name.size() < prefix + 2 + kTemporaryDigits + suffix || name.compare(0, prefix, kTemporaryPrefix) != 0
        || name.compare(name.size() - suffix, suffix, kTemporarySuffix) != 0)
        return -1;
    const std::size_t dash = name.size() - suffix - kTemporaryDigits - 1;
    if (name[dash] != '-' || dash == prefix || dash - prefix > 10)
        return -1;
    long id = 0;
    for (std::size_t i = prefix; i < dash; ++i) {
        if (name[i] < '0' || name[i] > '9')
            return -1;
        id = id * 10 + (name[i] - '0');
    }
    for (std::size_t i = dash + 1; i < dash + 1 + kTemporaryDigits; ++i) {
        if (!std::isxdigit(static_cast<unsigned char>(name[i])) || std::isupper(static_cast<unsigned char>(name[i])))
            return -1;
    }
    return id;
}

std::string TemporaryName()
{
    thread_local std::mt19937_64 numbers = [] {
        std::random_device entropy;
        return std::mt19937_64((std::uint64_t(entropy()) << 32) ^ entropy());
    }();
    char name[64];
    std::snprintf(name, sizeof name, "%s%ld-%016llx%s", kTemporaryPrefix, CurrentProcessId(),
                  static_cast<unsigned long long>(numbers()), kTemporarySuffix);
    return name;
}

// A new file of ours in `folder`, open for writing; -1 with errno set on failure.
// O_EXCL: never an existing file, nor a file a planted link points to.
int CreateTemporaryIn(const fs::path& folder, fs::path& created)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate = folder / TemporaryName();
        const int file = open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (file >= 0) {
            created = candidate;
            return file;
        }
        if (errno != EEXIST)
            return -1;
    }
    errno = EEXIST;
    return -1;
}

// True for the file systems of other machines, where a writer's process is not
// seen here and a lock may be kept on this machine only.
bool OnNetworkFileSystem(int file)
{
#ifdef __linux__
    struct statfs system{};
    if (fstatfs(file, &system) != 0)
        return true;
    switch (static_cast<unsigned long>(system.f_type)) {
    case 0x6969:     // NFS
    case 0x517B:     // SMB
    case 0xFF534D42: // CIFS
    case 0xFE534D42: // SMB2
    case 0x65735546: // FUSE (sshfs and the like)
    case 0x01021997: // 9P
    case 0x00C36400: // Ceph
    case 0x5346414F: // AFS
    case 0x73757245: // Coda
        return true;
    default: return false;
    }
#else
    (void)file;
    return true;
#endif
}

// How long ago the file was made: its birth time where the file system keeps one,
// otherwise its last status change (never earlier than its making, and no
// program can set it back).
std::chrono::seconds MadeAgo(int file)
{
    using namespace std::chrono;
    std::int64_t made = 0;
#if defined(__linux__) && defined(STATX_BTIME)
    struct statx status{};
    if (statx(file, "", AT_EMPTY_PATH, STATX_BTIME | STATX_CTIME, &status) == 0)
        made = (status.stx_mask & STATX_BTIME) ? status.stx_btime.tv_sec : status.stx_ctime.tv_sec;
#else
    struct stat status{};
    if (fstat(file, &status) == 0)
        made = status.st_ctime;
#endif
    return seconds(duration_cast<seconds>(system_clock::now().time_since_epoch()).count() - made);
}

// Removes a temporary file whose writer's process is gone from this machine, when
// nobody holds its lock (and, on another machine's file system, it was made long
// enough ago).
bool RemoveIfAbandoned(const fs::path& path)
{
    const int file = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (file < 0)
        return false;
    bool abandoned = false;
    if (flock(file, LOCK_EX | LOCK_NB) == 0)
        abandoned = !OnNetworkFileSystem(file) || MadeAgo(file) >= kStaleAfter;
    else if (errno != EWOULDBLOCK)
        abandoned = MadeAgo(file) >= kStaleAfter; // no locks here
    const bool removed = abandoned && unlink(path.c_str()) == 0;
    close(file);
    return removed;
}

bool WriteAll(int file, std::span<const std::uint8_t> bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = write(file, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes = bytes.subspan(std::size_t(written));
    }
    return true;
}

} // namespace

FileStatus ReadWholeFile(const fs::path& path, std::vector<std::uint8_t>& bytes, std::uintmax_t limit)
{
    RegularFile file;
    if (!file.Open(path))
        return FileStatus::CannotOpen;
    if (file.Size() >= limit)
        return FileStatus::TooLarge;
    try {
        bytes.resize(std::size_t(file.Size()));
    } catch (const std::bad_alloc&) {
        return FileStatus::NoMemory;
    } catch (const std::length_error&) {
        return FileStatus::NoMemory;
    }
    return file.ReadExactly(bytes.data(), bytes.size()) ? FileStatus::Ok : FileStatus::ReadError;
}

std::string WriteResult::Reason() const
{
    return error != 0 ? std::generic_category().message(error) : std::string();
}

ReplacingWriter::ReplacingWriter(const fs::path& target) : m_target(target)
{
    std::error_code error;
    const fs::path folder = FolderOf(target);
    if (!fs::is_directory(folder, error))
        Fail(FileStatus::CannotCreate, ENOENT, true);
    else if (LacksOwnerWrite(folder))
        Fail(FileStatus::CannotCreate, EACCES, true);
    else if (fs::is_directory(target, error))
        Fail(FileStatus::CannotCreate, EISDIR, false);
    else if (LacksOwnerWrite(target))
        Fail(FileStatus::CannotCreate, EACCES, false);
    else if ((m_file = CreateTemporaryIn(folder, m_temporary)) < 0)
        Fail(FileStatus::CannotCreate, errno, true); // the name is ours: no file can be made there
    else
        flock(m_file, LOCK_EX | LOCK_NB); // held until the rename: a clean-up never takes a file being written
}

ReplacingWriter::~ReplacingWriter()
{
    Discard();
}

void ReplacingWriter::Fail(FileStatus status, int error, bool wholeFolder)
{
    if (m_result.Ok())
        m_result = {status, error, wholeFolder || HitsWholeFolder(error)};
}

void ReplacingWriter::Discard()
{
    if (m_file >= 0)
        close(m_file);
    m_file = -1;
    if (!m_temporary.empty())
        unlink(m_temporary.c_str());
    m_temporary.clear();
}

WriteResult ReplacingWriter::Write(std::span<const std::uint8_t> bytes)
{
    if (m_result.Ok() && !WriteAll(m_file, bytes))
        Fail(FileStatus::WriteError, errno, false);
    return m_result;
}

void ReplacingWriter::KeepAttributesOf(const fs::path& file)
{
    m_attributesOf = file;
}

WriteResult ReplacingWriter::Commit()
{
    if (m_result.Ok()) {
        struct stat model{};
        if (!m_attributesOf.empty() && stat(m_attributesOf.c_str(), &model) == 0) {
            fchmod(m_file, model.st_mode & 07777);
            const timespec times[2] = {model.st_atim, model.st_mtim};
            futimens(m_file, times);
        } else if (stat(m_target.c_str(), &model) == 0) {
            fchmod(m_file, model.st_mode & 07777);
        }
        if (fsync(m_file) != 0 && errno != EINVAL)
            Fail(FileStatus::WriteError, errno, false);
    }
    if (m_result.Ok() && rename(m_temporary.c_str(), m_target.c_str()) != 0)
        Fail(FileStatus::CannotCreate, errno, false);
    if (m_result.Ok())
        m_temporary.clear(); // it is the target now
    Discard();
    return m_result;
}

WriteResult WriteFileReplacing(const fs::path& target, std::span<const std::uint8_t> bytes)
{
    ReplacingWriter writer(target);
    writer.Write(bytes);
    return writer.Commit();
}

WriteResult CopyFileReplacing(const fs::path& source, const fs::path& target, std::span<const std::uint8_t> bytes)
{
    std::error_code error;
    if (fs::equivalent(source, target, error))
        return {};
    ReplacingWriter writer(target);
    writer.Write(bytes);
    writer.KeepAttributesOf(source);
    return writer.Commit();
}

bool IsTemporaryFileName(const std::string& name)
{
    return WriterOf(name) >= 0;
}

int RemoveStaleTemporaryFiles(const fs::path& folder)
{
    int removed = 0;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const long writer = WriterOf(it->path().filename().string());
        std::error_code fileError;
        if (writer < 0 || !fs::is_regular_file(it->symlink_status(fileError)) || ProcessMayRun(writer))
            continue;
        removed += RemoveIfAbandoned(it->path()) ? 1 : 0;
    }
    return removed;
}

} // namespace snapwane
