// SPDX-License-Identifier: MIT
#include "ZipArchiveWriter.h"

#include "common/ChildProcess.h"
#include "core/FileIo.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <set>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using snapwane::ChildProcess;

namespace {

// A folder of our own, removed with everything in it. Made in `base` when it
// can be (the photos' own folder, so that they can be linked rather than
// copied), else under the temporary directory.
class TemporaryFolder {
public:
    explicit TemporaryFolder(const fs::path& base)
    {
        std::string pattern = (base / ".snapwane-pack.XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            const char* temporary = std::getenv("TMPDIR");
            pattern = std::string(temporary && *temporary ? temporary : "/tmp") + "/snapwane-pack.XXXXXX";
            if (!mkdtemp(pattern.data()))
                return;
        }
        m_path = pattern;
    }
    ~TemporaryFolder()
    {
        std::error_code ignored;
        if (!m_path.empty())
            fs::remove_all(m_path, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    bool Exists() const { return !m_path.empty(); }
    const fs::path& Path() const { return m_path; }

private:
    fs::path m_path;
};

class Descriptor {
public:
    explicit Descriptor(int descriptor) : m_descriptor(descriptor) {}
    ~Descriptor()
    {
        if (m_descriptor >= 0)
            close(m_descriptor);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return m_descriptor; }

private:
    int m_descriptor;
};

std::optional<fs::path> FindInPath(const std::string& name)
{
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "/usr/local/bin:/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= folders.size()) {
        const std::size_t end = std::min(folders.find(':', start), folders.size());
        const fs::path candidate = fs::path(folders.substr(start, end - start)) / name;
        if (end > start && access(candidate.c_str(), X_OK) == 0)
            return candidate;
        start = end + 1;
    }
    // Debian's place for both tools, should PATH be narrow.
    const fs::path usual = fs::path("/usr/bin") / name;
    if (access(usual.c_str(), X_OK) == 0)
        return usual;
    return std::nullopt;
}

bool AppendFile(int output, int source)
{
    std::array<char, 1 << 16> buffer;
    bool ok = true;
    for (;;) {
        const ssize_t got = read(source, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            ok = got == 0;
            break;
        }
        for (ssize_t done = 0; ok && done < got;) {
            const ssize_t put = write(output, buffer.data() + done, static_cast<std::size_t>(got - done));
            if (put < 0 && errno == EINTR)
                continue;
            ok = put > 0;
            done += put > 0 ? put : 0;
        }
        if (!ok)
            break;
    }
    return ok;
}

// Copies the finished archive over its final name the way every output is
// written (a temporary file beside it, renamed when complete), so a reader never
// sees a half-written archive and a later run cleans up after a killed packer.
bool InstallArchive(const fs::path& finished, const fs::path& archive)
{
    const int source = open(finished.c_str(), O_RDONLY | O_CLOEXEC);
    if (source < 0)
        return false;
    snapwane::ReplacingWriter writer(archive);
    std::array<std::uint8_t, 1 << 16> buffer;
    bool ok = true;
    for (;;) {
        const ssize_t got = read(source, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        ok = got >= 0;
        if (got <= 0 || !writer.Write({buffer.data(), std::size_t(got)}).Ok())
            break;
    }
    close(source);
    return ok && writer.Commit().Ok();
}

// The finished archive takes its place by a rename when it lies on the same file
// system, else by a copy.
bool PutInPlace(const fs::path& finished, const fs::path& archive)
{
    const Descriptor file(open(finished.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.Get() >= 0 && fchmod(file.Get(), 0644) == 0 && fsync(file.Get()) == 0
        && rename(finished.c_str(), archive.c_str()) == 0)
        return true;
    return InstallArchive(finished, archive);
}

bool NamedLikeAnArchive(const fs::path& file)
{
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return extension == ".zip" || extension == ".exe";
}

// A zip (also one behind a self-extracting stub, which starts as an executable)
// or an executable of Linux or Windows.
bool StartsLikeAnArchive(const fs::path& file)
{
    const int input = open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (input < 0)
        return false;
    char start[4] = {};
    const ssize_t got = read(input, start, sizeof start);
    close(input);
    if (got < 2)
        return false;
    return std::memcmp(start, "MZ", 2) == 0
        || (got == 4 && (std::memcmp(start, "PK\x03\x04", 4) == 0 || std::memcmp(start, "PK\x05\x06", 4) == 0
                         || std::memcmp(start, "\x7f" "ELF", 4) == 0));
}

// A name stays a bare name on every extractor: a backslash (a separator to some)
// and control characters (a newline would also end zip's list) become "_". A name
// that is already taken gets " (2)", " (3)" ... before its extension.
std::string EntryName(const std::string& name, const std::set<std::string>& taken)
{
    std::string entry = name;
    for (char& c : entry) {
        if (c == '\\' || static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = '_';
    }
    const fs::path plain(entry);
    for (int copy = 2; taken.count(entry) != 0; ++copy)
        entry = plain.stem().string() + " (" + std::to_string(copy) + ")" + plain.extension().string();
    return entry;
}

bool IsRegularFile(int folder, const std::string& name)
{
    struct stat status {};
    return fstatat(folder, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(status.st_mode);
}

bool CopyInto(int fromFolder, const std::string& name, int toFolder, const std::string& entry)
{
    const Descriptor source(openat(fromFolder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (source.Get() < 0 || fstat(source.Get(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    const Descriptor copy(openat(toFolder, entry.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    return copy.Get() >= 0 && AppendFile(copy.Get(), source.Get());
}

// The file `name` of `fromFolder` under `entry` in `toFolder`: a second link to
// the same file when it can be, else a copy. Never through a link: a name that
// is a link, or became one meanwhile, is not taken.
bool Stage(int fromFolder, const std::string& name, int toFolder, const std::string& entry)
{
    if (!IsRegularFile(fromFolder, name))
        return false;
    if (linkat(fromFolder, name.c_str(), toFolder, entry.c_str(), 0) != 0
        && !CopyInto(fromFolder, name, toFolder, entry))
        return false;
    if (IsRegularFile(toFolder, entry))
        return true;
    unlinkat(toFolder, entry.c_str(), 0);
    return false;
}

bool IsBareName(const std::string& name)
{
    return !name.empty() && name.front() != '.' && name.find('/') == std::string::npos;
}

}  // namespace

std::vector<std::string> ZipArchiveWriter::StageFiles(const fs::path& folder, const std::vector<std::string>& names,
                                                     const fs::path& staging)
{
    const Descriptor from(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    const Descriptor to(open(staging.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    std::vector<std::string> entries;
    std::set<std::string> seen, taken;
    for (const std::string& name : names) {
        if (from.Get() < 0 || to.Get() < 0 || !IsBareName(name) || !seen.insert(name).second
            || NamedLikeAnArchive(name))
            continue;
        const std::string entry = EntryName(name, taken);
        if (!Stage(from.Get(), name, to.Get(), entry))
            continue;
        if (StartsLikeAnArchive(staging / entry)) {
            unlinkat(to.Get(), entry.c_str(), 0);
            continue;
        }
        taken.insert(entry);
        entries.push_back(entry);
    }
    return entries;
}

std::string ZipArchiveWriter::Write(const fs::path& givenArchive, const fs::path& givenFolder,
                                    const std::vector<std::string>& names)
{
    std::error_code error;
    // zip runs in a folder of its own: every path it is given must be absolute.
    const fs::path archive = fs::absolute(givenArchive, error);
    const fs::path folder = fs::absolute(givenFolder, error);
    if (!fs::is_directory(folder, error))
        return folder.string() + " is not a folder";
    if (fs::is_directory(archive, error))
        return archive.string() + " is a folder";
    const std::optional<fs::path> zip = FindInPath("zip");
    if (!zip)
        return "zip is not installed";
    const TemporaryFolder work(folder);
    if (!work.Exists() || !fs::create_directory(work.Path() / "files", error))
        return "no temporary folder could be made";
    const std::vector<std::string> entries = StageFiles(folder, names, work.Path() / "files");
    if (entries.empty())
        return "none of the files to pack is in " + folder.string();

    // Names go to zip on its standard input, one a line, so that no number of photos
    // can make its command line too long; -j stores bare names, -nw takes them
    // literally (no wildcards).
    std::string list;
    for (const std::string& entry : entries)
        list += entry + '\n';
    const fs::path zipped = work.Path() / "files.zip";
    const int zipExit = ChildProcess{{zip->string(), "-q", "-X", "-j", "-nw", zipped.string(), "-@"},
                                     (work.Path() / "files").string(), {}, false, list}.Run();
    if (zipExit != 0)
        return "zip failed (exit status " + std::to_string(zipExit) + ")";
    if (!PutInPlace(zipped, archive))
        return archive.string() + " cannot be written: " + std::strerror(errno);
    return {};
}
