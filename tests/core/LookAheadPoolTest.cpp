// SPDX-License-Identifier: MIT
// Several jobs at once, handed over strictly in list order.
#include "core/LookAheadPool.h"

#include "core/Threads.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <new>
#include <thread>
#include <vector>

namespace snapwane {
namespace {

// Records what happened in which order; prepares yield a varying number of times so
// that later jobs often finish first.
struct Journal {
    std::mutex mutex;
    std::vector<std::size_t> commits;
    std::vector<char> prepared, refused;
    std::size_t ahead = 0, mostAhead = 0, started = 0;
    std::size_t inFlight = 0, mostInFlight = 0; // memory of the jobs being prepared
    bool committedUnprepared = false;
    std::unique_ptr<MemoryBudget> budget;

    explicit Journal(std::size_t count) : prepared(count, 0), refused(count, 0) {}
};

std::size_t MemoryOf(std::size_t i)
{
    return i % 4 == 3 ? 700 : 100 + 10 * (i % 3);
}

LookAheadPool::Work Record(Journal& journal, std::size_t budget = 0)
{
    LookAheadPool::Work work;
    work.prepare = [&journal, budget](std::size_t i) {
        {
            std::lock_guard lock(journal.mutex);
            ++journal.started;
            if (budget > 0)
                journal.mostInFlight = std::max(journal.mostInFlight, journal.inFlight += MemoryOf(i));
        }
        for (std::size_t spin = 0; spin < (i * 7919) % 13; ++spin)
            std::this_thread::yield();
        std::lock_guard lock(journal.mutex);
        if (budget > 0)
            journal.inFlight -= MemoryOf(i);
        journal.prepared[i] = 1;
        journal.mostAhead = std::max(journal.mostAhead, ++journal.ahead);
    };
    if (budget > 0) {
        journal.budget = std::make_unique<MemoryBudget>(budget);
        work.memoryOf = MemoryOf;
        work.memoryBudget = journal.budget.get();
        work.refuse = [&journal](std::size_t i) {
            std::lock_guard lock(journal.mutex);
            journal.refused[i] = journal.prepared[i] = 1;
            ++journal.ahead;
        };
    }
    return work;
}

std::function<bool(std::size_t)> Commit(Journal& journal, std::size_t stopAt)
{
    return [&journal, stopAt](std::size_t i) {
        std::lock_guard lock(journal.mutex);
        journal.committedUnprepared |= !journal.prepared[i];
        journal.commits.push_back(i);
        --journal.ahead;
        return i != stopAt;
    };
}

std::vector<std::size_t> Sequence(std::size_t count)
{
    std::vector<std::size_t> all(count);
    for (std::size_t i = 0; i < count; ++i)
        all[i] = i;
    return all;
}

TEST(LookAheadPool, AnyThreadCount_CommitsEveryJobInListOrderAfterItsPreparation)
{
    for (int threads : {1, 2, 4, 7}) {
        SCOPED_TRACE(threads);
        Journal journal(60);
        EXPECT_EQ(LookAheadPool::RunInOrder(60, threads, Record(journal), Commit(journal, 60)), 60u);
        EXPECT_EQ(journal.commits, Sequence(60));
        EXPECT_FALSE(journal.committedUnprepared);
        EXPECT_LE(journal.mostAhead, std::size_t(2 * threads));
    }
}

TEST(LookAheadPool, Stop_CommitsNothingLaterAndStartsNoMoreThanTheWindow)
{
    Journal journal(60);
    EXPECT_EQ(LookAheadPool::RunInOrder(60, 3, Record(journal), Commit(journal, 9)), 10u);
    EXPECT_EQ(journal.commits, Sequence(10));
    EXPECT_LE(journal.started, 10u + 6u); // the jobs in flight are discarded
}

// Jobs of 100 to 120 units and every fourth of 700, under budgets that hold
// several, one, or none of the large ones.
TEST(LookAheadPool, MemoryBudget_HoldsTheJobsInFlightAndRefusesAJobLargerThanItAlone)
{
    for (std::size_t budget : {750u, 400u}) {
        SCOPED_TRACE(budget);
        Journal journal(40);
        EXPECT_EQ(LookAheadPool::RunInOrder(40, 4, Record(journal, budget), Commit(journal, 40)), 40u);
        EXPECT_EQ(journal.commits, Sequence(40));
        EXPECT_LE(journal.mostInFlight, budget);
        for (std::size_t i = 0; i < 40; ++i)
            EXPECT_EQ(journal.refused[i] != 0, MemoryOf(i) > budget) << i;
    }
}

TEST(LookAheadPool, ThreadsThatCannotStart_AreDoneWithout)
{
    for (int startable : {0, 1}) {
        SCOPED_TRACE(startable);
        FailThreadStartsAfter(startable);
        Journal journal(30);
        LookAheadPool::Work work = Record(journal);
        std::size_t committed = 0;
        {
            LookAheadPool pool(30, 4, work);
            EXPECT_EQ(pool.Helpers(), startable);
            for (std::size_t i = 0; i < 30; ++i, ++committed) {
                pool.Take(i);
                Commit(journal, 30)(i);
            }
        }
        FailThreadStartsAfter(-1);
        EXPECT_EQ(committed, 30u);
        EXPECT_EQ(journal.commits, Sequence(30));
        EXPECT_FALSE(journal.committedUnprepared);
    }
}

// Pools running at once (a folder tree loads one list per folder level, tools run
// beside the program's own loads) share one budget: together they stay within it.
TEST(LookAheadPool, PoolsRunningAtOnce_ShareOneBudget)
{
    MemoryBudget budget(400);
    std::mutex mutex;
    std::size_t inFlight = 0, mostInFlight = 0;
    LookAheadPool::Work work;
    work.memoryOf = MemoryOf;
    work.memoryBudget = &budget;
    work.prepare = [&](std::size_t i) {
        {
            std::lock_guard lock(mutex);
            mostInFlight = std::max(mostInFlight, inFlight += MemoryOf(i));
        }
        for (std::size_t spin = 0; spin < 50 + (i * 7919) % 13; ++spin)
            std::this_thread::yield();
        std::lock_guard lock(mutex);
        inFlight -= MemoryOf(i);
    };
    std::vector<std::thread> takers;
    for (int pool = 0; pool < 3; ++pool)
        takers.emplace_back([&] { LookAheadPool::RunInOrder(40, 3, work, [](std::size_t) { return true; }); });
    for (std::thread& taker : takers)
        taker.join();
    EXPECT_LE(mostInFlight, 400u);
    EXPECT_GE(mostInFlight, 200u); // several at once all the same
}

// What a job throws stays on its thread and fails that job only; a job that runs
// out of memory beside others is prepared again alone, so what fails does not
// depend on the thread count.
TEST(LookAheadPool, ThrowsAndMemoryFailures_CostTheJobOnlyAndAreTriedAgainAlone)
{
    for (int threads : {1, 3, 8}) {
        SCOPED_TRACE(threads);
        MemoryBudget budget(1000);
        std::mutex mutex;
        std::size_t preparing = 0;
        std::vector<int> outcome(40, 0); // 1 prepared, 2 out of memory, 3 failed
        LookAheadPool::Work work;
        work.memoryOf = [](std::size_t) { return std::size_t(100); };
        work.memoryBudget = &budget;
        work.prepare = [&](std::size_t i) {
            if (i % 7 == 3)
                throw std::bad_alloc();
            std::unique_lock lock(mutex);
            const bool others = ++preparing > 1;
            lock.unlock();
            for (std::size_t spin = 0; spin < 200; ++spin)
                std::this_thread::yield();
            lock.lock();
            --preparing;
            // Every fifth job takes more memory than there is beside another one.
            outcome[i] = i % 5 == 0 && others ? 2 : 1;
        };
        work.failed = [&](std::size_t i) { outcome[i] = 3; };
        work.ranOutOfMemory = [&](std::size_t i) { return outcome[i] == 2; };
        EXPECT_EQ(LookAheadPool::RunInOrder(40, threads, work, [](std::size_t) { return true; }), 40u);
        for (std::size_t i = 0; i < 40; ++i)
            EXPECT_EQ(outcome[i], i % 7 == 3 ? 3 : 1) << i;
    }
}

TEST(LookAhead, TakesResultsInOrderAndReleasesThoseLeftOut)
{
    LookAhead<std::vector<int>> ahead(20, 3, [](std::size_t i) { return std::vector<int>(i + 1, int(i)); });
    EXPECT_EQ(ahead.Take(0), std::vector<int>{0});
    EXPECT_EQ(ahead.Take(5), std::vector<int>(6, 5));
    EXPECT_EQ(ahead.Take(19), std::vector<int>(20, 19));
}

} // namespace
} // namespace snapwane
