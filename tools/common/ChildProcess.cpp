#include "common/ChildProcess.h"

#ifndef _WIN32
#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
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

    bool Prepare(const ChildProcess& process)
    {
        if (!m_ok)
            return false;
        bool ok = posix_spawn_file_actions_addopen(&m_actions, 0, "/dev/null", O_RDONLY, 0) == 0;
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

}  // namespace

int ChildProcess::Run() const
{
    if (arguments.empty() || arguments.front().empty())
        return -1;
    SpawnActions actions;
    if (!actions.Prepare(*this))
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
