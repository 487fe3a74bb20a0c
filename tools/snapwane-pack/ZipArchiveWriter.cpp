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
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using snapwane::ChildProcess;

namespace {

// A folder of our own under the temporary directory, removed with everything in it.
class TemporaryFolder {
public:
    TemporaryFolder()
    {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/snapwane-pack.XXXXXX";
        if (mkdtemp(pattern.data()))
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

bool RunQuietly(std::vector<std::string> arguments)
{
    return ChildProcess{std::move(arguments), {}, {}, false}.Run() == 0;
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

bool BelongsInArchive(const fs::path& file)
{
    const std::string name = file.filename().string();
    return !name.empty() && name.front() != '.' && !NamedLikeAnArchive(file) && !StartsLikeAnArchive(file);
}

}  // namespace

std::vector<fs::path> ZipArchiveWriter::FilesToPack(const fs::path& archive, const fs::path& folder)
{
    std::error_code error;
    const fs::path archiveFull = fs::weakly_canonical(fs::absolute(archive, error), error);
    std::vector<fs::path> files;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code entryError;
        if (!it->is_regular_file(entryError))
            continue;
        const fs::path file = fs::absolute(it->path(), entryError);
        if (!entryError && fs::weakly_canonical(file, entryError) != archiveFull && BelongsInArchive(file))
            files.push_back(file);
    }
    if (error)
        return {};
    std::sort(files.begin(), files.end());
    return files;
}

bool ZipArchiveWriter::Write(const fs::path& archive, const fs::path& folder)
{
    std::error_code error;
    if (!fs::is_directory(folder, error) || fs::is_directory(archive, error))
        return false;
    const std::vector<fs::path> files = FilesToPack(archive, folder);
    const std::optional<fs::path> zip = FindInPath("zip");
    TemporaryFolder work;
    if (files.empty() || !zip || !work.Exists())
        return false;

    // -j stores bare names, -nw takes names literally (no wildcards), absolute paths and
    // "--" keep a name that starts with a dash from being read as an option.
    const fs::path zipped = work.Path() / "files.zip";
    std::vector<std::string> zipArguments = {zip->string(), "-q", "-X", "-j", "-nw", zipped.string(), "--"};
    for (const fs::path& file : files)
        zipArguments.push_back(file.string());
    return RunQuietly(std::move(zipArguments)) && InstallArchive(zipped, archive);
}
