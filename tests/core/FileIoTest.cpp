// SPDX-License-Identifier: MIT
// Output files: written under any name the file system holds, and the temporary
// files on the way never left behind for good.
#include "TestSupport.h"

#include "core/DecodeMemory.h"
#include "core/FileIo.h"
#include "core/ReduceBatch.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <utility>

namespace snapwane {
namespace {

namespace fs = std::filesystem;
using test::FolderEntries;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

TEST(FileIo, TargetNamesUpToTheLongestTheFileSystemHolds_AreWrittenAndCopied)
{
    const std::vector<std::uint8_t> bytes = {1, 2, 3, 4};
    for (const std::size_t length : {234u, 250u, 255u}) {
        SCOPED_TRACE(length);
        TempFolder folder;
        const std::string name = std::string(length - 4, 'n') + ".jpg";
        fs::create_directory(folder / "copies");
        EXPECT_EQ(WriteFileReplacing(folder / name, bytes), FileStatus::Ok);
        EXPECT_EQ(CopyFileReplacing(folder / name, folder / "copies" / name, bytes), FileStatus::Ok);
        EXPECT_EQ(ReadBytes(folder / "copies" / name), bytes);
        EXPECT_EQ(FolderEntries(folder.path()), (std::vector<std::string>{"copies", name}));
    }
}

// The process id of a process that has ended, or -1.
pid_t KilledWhileWriting(const fs::path& target)
{
    const pid_t child = fork();
    if (child == 0) {
        // The write passes the file size limit: the process ends right there, as if killed.
        std::signal(SIGXFSZ, [](int) { _exit(9); });
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        WriteFileReplacing(target, std::vector<std::uint8_t>(100'000, 7));
        _exit(0);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 9)
        return -1;
    return child;
}

void SetAge(const fs::path& file, std::chrono::minutes age)
{
    fs::last_write_time(file, fs::file_time_type::clock::now() - age);
}

TEST(FileIo, TemporaryFileOfAKilledWriter_IsOursAndRemovedByTheNextCleanUp)
{
    TempFolder folder;
    ASSERT_GT(KilledWhileWriting(folder / "a.jpg"), 0);
    const std::vector<std::string> left = FolderEntries(folder.path());
    ASSERT_EQ(left.size(), 1u);
    EXPECT_TRUE(IsTemporaryFileName(left.front())) << left.front();

    EXPECT_EQ(RemoveStaleTemporaryFiles(folder.path()), 1); // its writer and the writer's lock are gone
    EXPECT_TRUE(FolderEntries(folder.path()).empty());
}

// A writer is running while its process runs or while anyone holds the file's
// lock (a writer on another machine); the file's last write time says nothing
// (a copy carries its source's, years old).
TEST(FileIo, StaleTemporaryFiles_OnlyOursWhoseWriterIsGone)
{
    using std::chrono::minutes;
    const std::string running = std::to_string(getpid());
    const std::string gone = "4194305"; // above the largest process id Linux gives
    const minutes aDay(24 * 60);
    const struct {
        const char* what;
        std::string name;
        minutes age;
        bool locked;
        bool removed;
    } rows[] = {
        {"writer gone, just written", ".snapwane-" + gone + "-0123456789abcdef.tmp", minutes(0), false, true},
        {"writer gone, a day old", ".snapwane-" + gone + "-0123456789abcdef.tmp", aDay, false, true},
        {"writer running, dated a day back", ".snapwane-" + running + "-0123456789abcdef.tmp", aDay, false, false},
        {"writer gone here, its lock held", ".snapwane-" + gone + "-0123456789abcdef.tmp", aDay, true, false},
        {"not ours: no process id", ".snapwane--0123456789abcdef.tmp", aDay, false, false},
        {"not ours: short number", ".snapwane-" + gone + "-0123456789abcde.tmp", aDay, false, false},
        {"not ours: a photo", "snapwane-" + gone + "-0123456789abcdef.jpg", aDay, false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        TempFolder folder;
        WriteBytes(folder / row.name, {1});
        SetAge(folder / row.name, row.age);
        const int holder = open((folder / row.name).c_str(), O_RDONLY | O_CLOEXEC);
        ASSERT_GE(holder, 0);
        if (row.locked) {
            ASSERT_EQ(flock(holder, LOCK_EX | LOCK_NB), 0);
        }
        EXPECT_EQ(RemoveStaleTemporaryFiles(folder.path()), row.removed ? 1 : 0);
        EXPECT_EQ(fs::exists(folder / row.name), !row.removed);
        close(holder);
    }
}

// Watches a pipe: when a reader is still waiting for a writer after a while, it
// opens the pipe for writing and closes it, so the reader ends and the test fails
// instead of hanging.
class PipeWatchdog {
public:
    explicit PipeWatchdog(fs::path pipe) : m_pipe(std::move(pipe)), m_thread([this] { Watch(); }) {}
    ~PipeWatchdog()
    {
        m_done = true;
        m_thread.join();
    }
    bool ReaderWaited() const { return m_readerWaited; }

private:
    void Watch()
    {
        for (int tick = 0; tick < 200 && !m_done; ++tick)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        while (!m_done) { // O_NONBLOCK: opening for writing succeeds only when a reader waits
            const int writer = ::open(m_pipe.c_str(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0) {
                m_readerWaited = true;
                ::close(writer);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }

    fs::path m_pipe;
    std::atomic<bool> m_done{false}, m_readerWaited{false};
    std::thread m_thread;
};

class ReasonRecorder : public BatchObserver {
public:
    bool Finished(std::size_t, const BatchOutcome& outcome) override
    {
        reasons.push_back(outcome.result.reason);
        return true;
    }
    std::vector<std::string> reasons;
};

// A pipe named like a photo is no photo: the batch, its memory estimate included,
// refuses it at once instead of waiting for a writer that never comes.
TEST(FileIo, PipeNamedLikeAPhoto_IsRefusedWithoutWaiting)
{
    TempFolder folder;
    const fs::path pipe = folder / "pipe.jpg";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    PipeWatchdog watchdog(pipe);
    EXPECT_EQ(EstimateDecodeMemoryOfFile(pipe), 0u);
    for (const int threads : {1, 2}) {
        BatchSettings settings;
        settings.threads = threads;
        ReasonRecorder observer;
        ReduceBatch({{pipe, folder / "out.jpg", {}}, {pipe, folder / "out2.jpg", {}}}, settings).Run(observer);
        EXPECT_EQ(observer.reasons, (std::vector<std::string>(2, "cannot open the file")));
    }
    EXPECT_FALSE(watchdog.ReaderWaited());
}

// Every failed write says why, and whether every other file in the folder
// would fail the same way (then a run stops instead of failing photo by photo).
TEST(FileIo, FailedWrites_GiveTheSystemsReasonAndWhetherTheWholeFolderFails)
{
    const std::vector<std::uint8_t> bytes(10'000, 5);
    TempFolder folder;
    fs::create_directory(folder / "locked");
    fs::permissions(folder / "locked", fs::perms::owner_read | fs::perms::owner_exec);
    fs::create_directory(folder / "out");
    WriteBytes(folder / "out" / "read-only.jpg", {1});
    fs::permissions(folder / "out" / "read-only.jpg", fs::perms::owner_read);
    fs::create_directory(folder / "out" / "folder.jpg");
    const struct {
        const char* what;
        fs::path target;
        int error;
        bool wholeFolder;
    } rows[] = {
        {"missing folder", folder / "missing" / "a.jpg", ENOENT, true},
        {"folder without write permission", folder / "locked" / "a.jpg", EACCES, true},
        {"read-only file", folder / "out" / "read-only.jpg", EACCES, false},
        {"a folder by that name", folder / "out" / "folder.jpg", EISDIR, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const WriteResult result = WriteFileReplacing(row.target, bytes);
        EXPECT_EQ(result.status, FileStatus::CannotCreate);
        EXPECT_EQ(result.error, row.error);
        EXPECT_EQ(result.wholeFolder, row.wholeFolder);
        EXPECT_EQ(result.Reason(), std::generic_category().message(row.error));
    }
    EXPECT_EQ(FolderEntries(folder / "out"), (std::vector<std::string>{"folder.jpg", "read-only.jpg"}));

    // Past a file size limit the write itself fails: that file only.
    const WriteResult tooLarge
        = snapwane::test::WithFileSizeLimit(1000, [&] { return WriteFileReplacing(folder / "out" / "large.jpg", bytes); });
    EXPECT_EQ(tooLarge.status, FileStatus::WriteError);
    EXPECT_EQ(tooLarge.error, EFBIG);
    EXPECT_FALSE(tooLarge.wholeFolder);
    EXPECT_EQ(FolderEntries(folder / "out"), (std::vector<std::string>{"folder.jpg", "read-only.jpg"}));
}

} // namespace
} // namespace snapwane
