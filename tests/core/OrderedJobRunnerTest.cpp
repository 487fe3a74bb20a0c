// Several jobs at once, finished strictly in list order.
#include "core/OrderedJobRunner.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

namespace snapwane {
namespace {

// Records what happened in which order; prepares yield a varying number of times so
// that later jobs often finish first.
struct Journal {
    std::mutex mutex;
    std::vector<std::size_t> commits;
    std::vector<char> prepared;
    std::vector<char> committed;
    std::size_t ahead = 0, mostAhead = 0, started = 0;
    bool preparedAfterItsSourceCommitted = true;
    bool committedUnprepared = false;

    explicit Journal(std::size_t count) : prepared(count, 0), committed(count, 0) {}
};

OrderedJobRunner::Work Record(Journal& journal, std::size_t stopAt, std::ptrdiff_t (*waitsFor)(std::size_t))
{
    OrderedJobRunner::Work work;
    work.prepare = [&journal, waitsFor](std::size_t i) {
        {
            std::lock_guard lock(journal.mutex);
            ++journal.started;
            const std::ptrdiff_t before = waitsFor ? waitsFor(i) : -1;
            if (before >= 0 && !journal.committed[std::size_t(before)])
                journal.preparedAfterItsSourceCommitted = false;
        }
        for (std::size_t spin = 0; spin < (i * 7919) % 13; ++spin)
            std::this_thread::yield();
        std::lock_guard lock(journal.mutex);
        journal.prepared[i] = 1;
        journal.mostAhead = std::max(journal.mostAhead, ++journal.ahead);
    };
    work.commit = [&journal, stopAt](std::size_t i) {
        std::lock_guard lock(journal.mutex);
        journal.committedUnprepared |= !journal.prepared[i];
        journal.committed[i] = 1;
        journal.commits.push_back(i);
        --journal.ahead;
        return i != stopAt;
    };
    if (waitsFor)
        work.waitsFor = waitsFor;
    return work;
}

std::vector<std::size_t> Sequence(std::size_t count)
{
    std::vector<std::size_t> all(count);
    for (std::size_t i = 0; i < count; ++i)
        all[i] = i;
    return all;
}

TEST(OrderedJobRunner, AnyThreadCount_CommitsEveryJobInListOrderAfterItsPreparation)
{
    for (int threads : {1, 2, 4, 7}) {
        SCOPED_TRACE(threads);
        Journal journal(60);
        EXPECT_EQ(OrderedJobRunner::Run(60, threads, Record(journal, 60, nullptr)), 60u);
        EXPECT_EQ(journal.commits, Sequence(60));
        EXPECT_FALSE(journal.committedUnprepared);
        EXPECT_LE(journal.mostAhead, std::size_t(2 * std::max(threads, 1)));
    }
}

TEST(OrderedJobRunner, Stop_CommitsNothingLaterAndStartsNoMoreThanTheWindow)
{
    Journal journal(60);
    EXPECT_EQ(OrderedJobRunner::Run(60, 3, Record(journal, 9, nullptr)), 10u);
    EXPECT_EQ(journal.commits, Sequence(10));
    EXPECT_LE(journal.started, 10u + 6u); // the jobs in flight are discarded
}

TEST(OrderedJobRunner, JobReadingAnEarlierOutput_IsPreparedOnlyAfterThatCommit)
{
    // Every fifth job reads the output of the job just before it.
    auto waitsFor = [](std::size_t i) -> std::ptrdiff_t { return i % 5 == 4 ? std::ptrdiff_t(i) - 1 : -1; };
    Journal journal(40);
    EXPECT_EQ(OrderedJobRunner::Run(40, 4, Record(journal, 40, waitsFor)), 40u);
    EXPECT_EQ(journal.commits, Sequence(40));
    EXPECT_TRUE(journal.preparedAfterItsSourceCommitted);
}

} // namespace
} // namespace snapwane
