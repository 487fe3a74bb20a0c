// SPDX-License-Identifier: MIT
#pragma once
// Helpers for the command-line tool tests: a scratch folder per test, small file
// utilities, and running a built tool by name.

#include "common/ChildProcess.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tooltest {

namespace fs = std::filesystem;

// A fresh folder under the temporary directory, removed with its contents.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const fs::path& Path() const { return m_path; }
    fs::path operator/(const std::string& name) const { return m_path / name; }

private:
    fs::path m_path;
};

std::string ReadFile(const fs::path& path);
// Creates the folders on the way.
void WriteFile(const fs::path& path, const std::string& bytes);
// Names of the entries of a folder (files and folders), sorted.
std::vector<std::string> FolderEntries(const fs::path& folder);

// A gradient photo of that size, encoded at quality 90.
std::string GradientJpeg(int width, int height);
// The small progressive test photo declaring 10000 x 12000: its coefficients
// alone would take hundreds of megabytes.
std::string ProgressiveDeclaringHugeSize();

// Sets an environment variable for the life of the object.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::string& value);
    ~ScopedVariable();
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* m_name;
    std::string m_previous;
    bool m_wasSet;
};

// A stand-in xdg-email, first on PATH, that writes its arguments to `Log()` and
// exits with $FAKE_MAIL_EXIT (0 unless set).
class FakeMailProgram {
public:
    explicit FakeMailProgram(const fs::path& folder);
    fs::path Log() const { return m_folder / "xdg-email.log"; }

private:
    fs::path m_folder;
    ScopedVariable m_path;
};

fs::path BuiltTool(const std::string& name);
bool ProgramAvailable(const std::string& name);

struct ToolRun {
    int exitCode = -1;
    std::string output;  // standard output and error together
};
// Runs a program with the arguments (and input on its standard input) and returns its exit code and output.
ToolRun RunProgram(std::vector<std::string> arguments, const fs::path& workingFolder = {},
                   const std::string& input = {});

// Runs a program with an empty file system of `bytes` mounted on `folder` (a
// private mount, through a user namespace where needed): a full disk without
// touching the machine's own. Exit code 125 when no such mount can be made here.
ToolRun RunOnSmallDisk(const fs::path& folder, std::size_t bytes, const std::vector<std::string>& arguments);
inline constexpr int kNoSmallDisk = 125;

}  // namespace tooltest
