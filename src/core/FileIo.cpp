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
#include <signal.h>
#include <unistd.h>
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

// Checks that the target may be written; the folder must exist.
bool MayReplace(const fs::path& target)
{
    std::error_code error;
    const fs::path folder = FolderOf(target);
    if (!fs::is_directory(folder, error) || LacksOwnerWrite(folder))
        return false;
    return !fs::is_directory(target, error) && !LacksOwnerWrite(target);
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

// A name in the target's folder that no file has yet, hidden and marked as ours.
fs::path TemporaryPathFor(const fs::path& target)
{
    std::random_device entropy;
    std::mt19937_64 numbers((std::uint64_t(entropy()) << 32) ^ entropy());
    std::error_code error;
    for (;;) {
        char name[64];
        std::snprintf(name, sizeof name, "%s%ld-%016llx%s", kTemporaryPrefix, CurrentProcessId(),
                      static_cast<unsigned long long>(numbers()), kTemporarySuffix);
        fs::path candidate = FolderOf(target) / name;
        if (!fs::exists(candidate, error))
            return candidate;
    }
}

// Renames the complete temporary file over the target, or removes it.
FileStatus MoveIntoPlace(const fs::path& temporary, const fs::path& target, FileStatus failure)
{
    std::error_code error;
    fs::rename(temporary, target, error);
    if (error) {
        fs::remove(temporary, error);
        return failure;
    }
    return FileStatus::Ok;
}

void KeepPermissionsOf(const fs::path& target, const fs::path& temporary)
{
    std::error_code error;
    const fs::file_status status = fs::status(target, error);
    if (!error && fs::exists(status))
        fs::permissions(temporary, status.permissions(), error);
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

FileStatus WriteFileReplacing(const fs::path& target, std::span<const std::uint8_t> bytes)
{
    if (!MayReplace(target))
        return FileStatus::CannotCreate;
    const fs::path temporary = TemporaryPathFor(target);
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out.is_open())
        return FileStatus::CannotCreate;
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    out.close();
    if (out.fail()) {
        std::error_code error;
        fs::remove(temporary, error);
        return FileStatus::WriteError;
    }
    KeepPermissionsOf(target, temporary);
    return MoveIntoPlace(temporary, target, FileStatus::CannotCreate);
}

FileStatus CopyFileReplacing(const fs::path& source, const fs::path& target)
{
    std::error_code error;
    if (fs::equivalent(source, target, error))
        return FileStatus::Ok;
    if (!MayReplace(target))
        return FileStatus::CannotCreate;
    const fs::path temporary = TemporaryPathFor(target);
    fs::copy_file(source, temporary, fs::copy_options::overwrite_existing, error);
    if (error) {
        fs::remove(temporary, error);
        return FileStatus::CopyFailed;
    }
    const auto modified = fs::last_write_time(source, error);
    if (!error)
        fs::last_write_time(temporary, modified, error);
    return MoveIntoPlace(temporary, target, FileStatus::CopyFailed);
}

bool IsTemporaryFileName(const std::string& name)
{
    return WriterOf(name) >= 0;
}

int RemoveStaleTemporaryFiles(const fs::path& folder)
{
    int removed = 0;
    std::error_code error;
    const auto now = fs::file_time_type::clock::now();
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const long writer = WriterOf(it->path().filename().string());
        std::error_code fileError;
        if (writer < 0 || !fs::is_regular_file(it->symlink_status(fileError)))
            continue;
        const auto written = it->last_write_time(fileError);
        if (fileError)
            continue;
        const auto age = now - written;
        if ((age >= kStaleAfter && !ProcessMayRun(writer)) || age >= kSurelyStaleAfter)
            removed += fs::remove(it->path(), fileError) ? 1 : 0;
    }
    return removed;
}

} // namespace snapwane
