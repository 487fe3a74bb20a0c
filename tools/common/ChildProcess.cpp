// SPDX-License-Identifier: MIT
#include "common/ChildProcess.h"

#ifndef _WIN32
#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;
#endif

namespace snapwane {

#ifdef _WIN32

// The command-line tools are built for Linux; on Windows the program starts the
// packer itself and nothing here is used.
int ChildProcess::Run() const
{
    return -1;
}

#else

namespace {

class SpawnActions {
public:
    SpawnActions() { m_ok = posix_spawn_file_actions_init(&m_actions) == 0; }
    ~SpawnActions()
    {
        if (m_ok)
            posix_spawn_file_actions_destroy(&m_actions);
    }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;

    // inputFile: an open file to read standard input from, or -1 for none.
    bool Prepare(const ChildProcess& process, int inputFile)
    {
        if (!m_ok)
            return false;
        bool ok = inputFile >= 0 ? posix_spawn_file_actions_adddup2(&m_actions, inputFile, 0) == 0
                                 : posix_spawn_file_actions_addopen(&m_actions, 0, "/dev/null", O_RDONLY, 0) == 0;
        if (!process.keepOutput) {
            const char* output = process.outputPath.empty() ? "/dev/null" : process.outputPath.c_str();
            ok = ok && posix_spawn_file_actions_addopen(&m_actions, 1, output,
                                                        O_WRONLY | O_CREAT | O_TRUNC, 0644) == 0;
            ok = ok && posix_spawn_file_actions_adddup2(&m_actions, 1, 2) == 0;
        }
        if (!process.workingFolder.empty())
            ok = ok && posix_spawn_file_actions_addchdir_np(&m_actions, process.workingFolder.c_str()) == 0;
        return ok;
    }

    const posix_spawn_file_actions_t* Get() const { return &m_actions; }

private:
    posix_spawn_file_actions_t m_actions{};
    bool m_ok = false;
};

// The input in an anonymous file read from its start: unlike a pipe, it never
// holds up the caller however much is written and however little the program reads.
class InputFile {
public:
    explicit InputFile(const std::string& input)
    {
        if (input.empty())
            return;
        m_file = memfd_create("snapwane-input", MFD_CLOEXEC);
        for (std::size_t done = 0; m_file >= 0 && done < input.size();) {
            const ssize_t put = write(m_file, input.data() + done, input.size() - done);
            if (put < 0 && errno == EINTR)
                continue;
            if (put <= 0)
                m_failed = true;
            done = put <= 0 ? input.size() : done + std::size_t(put);
        }
        m_failed = m_failed || m_file < 0 || lseek(m_file, 0, SEEK_SET) != 0;
    }
    ~InputFile()
    {
        if (m_file >= 0)
            close(m_file);
    }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    bool Failed() const { return m_failed; }
    int Descriptor() const { return m_file; }

private:
    int m_file = -1;
    bool m_failed = false;
};

}  // namespace

int ChildProcess::Run() const
{
    if (arguments.empty() || arguments.front().empty())
        return -1;
    const InputFile inputFile(input);
    SpawnActions actions;
    if (inputFile.Failed() || !actions.Prepare(*this, inputFile.Descriptor()))
        return -1;

    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], actions.Get(), nullptr, argv.data(), environ) != 0)
        return -1;

    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

#endif

}  // namespace snapwane
