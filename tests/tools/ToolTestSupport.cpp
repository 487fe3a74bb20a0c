#include "ToolTestSupport.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace tooltest {

ScratchFolder::ScratchFolder()
{
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/snapwane-tools-test.XXXXXX";
    if (mkdtemp(pattern.data()))
        m_path = pattern;
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    if (!m_path.empty()) {
        // Read-only folders made by a test must not keep their contents alive.
        for (auto it = fs::recursive_directory_iterator(m_path, ignored); !ignored && it != fs::end(it);
             it.increment(ignored))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(m_path, ignored);
    }
}

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteFile(const fs::path& path, const std::string& bytes)
{
    std::error_code ignored;
    fs::create_directories(path.parent_path(), ignored);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::vector<std::string> FolderEntries(const fs::path& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

fs::path BuiltTool(const std::string& name)
{
    const char* fromEnvironment = std::getenv("SNAPWANE_BUILD_DIR");
    const fs::path folder = fromEnvironment && *fromEnvironment ? fromEnvironment : SNAPWANE_BUILD_DIR;
    return folder / name;
}

bool ProgramAvailable(const std::string& name)
{
    return snapwane::ChildProcess{{"sh", "-c", "command -v \"$0\"", name}, {}, {}, false, {}}.Run() == 0;
}

ToolRun RunProgram(std::vector<std::string> arguments, const fs::path& workingFolder, const std::string& input)
{
    ScratchFolder outputFolder;
    const fs::path outputPath = outputFolder / "output.txt";
    ToolRun run;
    run.exitCode = snapwane::ChildProcess{std::move(arguments), workingFolder.string(), outputPath.string(), false, input}
                      .Run();
    run.output = ReadFile(outputPath);
    return run;
}

ToolRun RunOnSmallDisk(const fs::path& folder, std::size_t bytes, const std::vector<std::string>& arguments)
{
    const std::string script = "mount -t tmpfs -o size=" + std::to_string(bytes) + " snapwane-test \"$0\" 2>/dev/null"
                               " || exit " + std::to_string(kNoSmallDisk) + "; exec \"$@\"";
    std::vector<std::string> command = {"unshare", "--user", "--map-root-user", "--mount", "sh", "-c", script,
                                        folder.string()};
    if (getuid() == 0)
        command.erase(command.begin() + 1, command.begin() + 3); // no user namespace needed
    command.insert(command.end(), arguments.begin(), arguments.end());
    if (!ProgramAvailable("unshare"))
        return {kNoSmallDisk, "no unshare"};
    ToolRun run = RunProgram(command);
    if (run.exitCode != 0 && run.output.find("unshare:") == 0)
        run.exitCode = kNoSmallDisk;
    return run;
}

}  // namespace tooltest
