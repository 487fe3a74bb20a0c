// SPDX-License-Identifier: MIT
#include "core/RegularFile.h"

#include <cerrno>
#include <system_error>

#ifdef _WIN32
#include <cstdio>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace snapwane {

RegularFile::~RegularFile()
{
    Close();
}

#ifdef _WIN32

// Windows has no pipes or devices in the file name space that a photo path reaches.
bool RegularFile::Open(const std::filesystem::path& path)
{
    Close();
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return false;
    m_size = std::filesystem::file_size(path, error);
    if (error)
        return false;
    m_file = _wfopen(path.c_str(), L"rb");
    return m_file != nullptr;
}

bool RegularFile::IsOpen() const
{
    return m_file != nullptr;
}

void RegularFile::Close()
{
    if (m_file)
        std::fclose(static_cast<std::FILE*>(m_file));
    m_file = nullptr;
}

std::ptrdiff_t RegularFile::Read(void* into, std::size_t count)
{
    auto* file = static_cast<std::FILE*>(m_file);
    const std::size_t got = file ? std::fread(into, 1, count, file) : 0;
    return got == 0 && (!file || std::ferror(file)) ? -1 : std::ptrdiff_t(got);
}

bool RegularFile::Seek(std::uintmax_t offset)
{
    return m_file && _fseeki64(static_cast<std::FILE*>(m_file), static_cast<long long>(offset), SEEK_SET) == 0;
}

#else

bool RegularFile::Open(const std::filesystem::path& path)
{
    Close();
    // O_NONBLOCK: opening a pipe without a writer would otherwise wait for one.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0)
        return false;
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return false;
    }
    m_descriptor = descriptor;
    m_size = std::uintmax_t(status.st_size);
    return true;
}

bool RegularFile::IsOpen() const
{
    return m_descriptor >= 0;
}

void RegularFile::Close()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
    m_descriptor = -1;
}

std::ptrdiff_t RegularFile::Read(void* into, std::size_t count)
{
    if (m_descriptor < 0)
        return -1;
    for (;;) {
        const ssize_t got = ::read(m_descriptor, into, count);
        if (got >= 0 || errno != EINTR)
            return got;
    }
}

bool RegularFile::Seek(std::uintmax_t offset)
{
    return m_descriptor >= 0 && ::lseek(m_descriptor, off_t(offset), SEEK_SET) == off_t(offset);
}

#endif

bool RegularFile::ReadExactly(void* into, std::size_t count)
{
    auto* at = static_cast<unsigned char*>(into);
    while (count > 0) {
        const std::ptrdiff_t got = Read(at, count);
        if (got <= 0)
            return false;
        at += got;
        count -= std::size_t(got);
    }
    return true;
}

} // namespace snapwane
