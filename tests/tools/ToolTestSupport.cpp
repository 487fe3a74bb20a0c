// SPDX-License-Identifier: MIT
#include "ToolTestSupport.h"

#include "core/PixelBuffer.h"
#include "support/TestJpeg.h"

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

std::string GradientJpeg(int width, int height)
{
    snapwane::PixelBuffer pixels = snapwane::PixelBuffer::Allocate(width, height, 3);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = pixels.row(y);
        for (int x = 0; x < width; ++x) {
            row[3 * x] = static_cast<std::uint8_t>(x * 255 / width);
            row[3 * x + 1] = static_cast<std::uint8_t>(y * 255 / height);
            row[3 * x + 2] = static_cast<std::uint8_t>((x + y) % 256);
        }
    }
    const std::vector<std::uint8_t> bytes = snapwane::test::EncodeJpeg(pixels, 90);
    return std::string(bytes.begin(), bytes.end());
}

std::string ProgressiveDeclaringHugeSize()
{
    std::string jpeg = ReadFile(fs::path(SNAPWANE_TEST_DATA_DIR) / "progressive.jpg");
    const std::size_t frame = jpeg.find("\xFF\xC2");
    if (frame == std::string::npos)
        return {};
    const char size[] = {char(12000 >> 8), char(12000 & 255), char(10000 >> 8), char(10000 & 255)};
    jpeg.replace(frame + 5, 4, size, 4);
    return jpeg;
}

ScopedVariable::ScopedVariable(const char* name, const std::string& value)
    : m_name(name), m_wasSet(std::getenv(name) != nullptr)
{
    if (m_wasSet)
        m_previous = std::getenv(name);
    setenv(name, value.c_str(), 1);
}

ScopedVariable::~ScopedVariable()
{
    if (m_wasSet)
        setenv(m_name, m_previous.c_str(), 1);
    else
        unsetenv(m_name);
}

static std::string PathWith(const fs::path& folder)
{
    const char* path = std::getenv("PATH");
    return folder.string() + ":" + (path ? path : "");
}

FakeMailProgram::FakeMailProgram(const fs::path& folder) : m_folder(folder), m_path("PATH", PathWith(folder))
{
    WriteFile(folder / "xdg-email", "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.log\"\nexit \"${FAKE_MAIL_EXIT:-0}\"\n");
    fs::permissions(folder / "xdg-email", fs::perms::owner_all);
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
