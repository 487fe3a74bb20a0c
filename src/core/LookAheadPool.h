// SPDX-License-Identifier: MIT
// LookAheadPool: prepares the jobs of a list on several threads ahead of the one
// who takes them, and hands them over strictly in list order, so that running on
// several threads looks exactly like running one job after the other.
//
// - prepare(i) runs on a helper thread, or on the taker's thread when no helper
//   could be started; it must do nothing another job could see (write no
//   files). Nothing it (or memoryOf) throws leaves the pool: failed(i) runs
//   instead, on the same thread.
// - Take(i) waits until job i is prepared; indexes are taken in increasing order
//   and a job left out is simply not waited for.
// - At most 2 x threads jobs are prepared ahead of the one taken, which bounds the
//   memory held by prepared results.
// - With a memory budget, memoryOf(i) estimates what job i needs while it is
//   prepared: a job starts only when it fits beside the jobs being prepared in
//   the whole process (the budget is shared), in list order; a job that alone
//   needs more than the budget is not prepared, refuse(i) runs instead. A job
//   that ranOutOfMemory(i) while others were prepared beside it is prepared
//   again alone before it is given up.
// - Helpers that cannot be started are done without: fewer threads, or none.
// - Destroying the pool stops it: no job starts any more, those in hand finish.
#pragma once

#include "core/MemoryBudget.h"

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

namespace snapwane {

class LookAheadPool {
public:
    struct Work {
        std::function<void(std::size_t)> prepare;
        std::function<std::size_t(std::size_t)> memoryOf; // may be empty: no budget
        std::function<void(std::size_t)> refuse;          // may be empty
        std::function<void(std::size_t)> failed;          // may be empty
        std::function<bool(std::size_t)> ranOutOfMemory;  // may be empty: never tried again
        MemoryBudget* memoryBudget = nullptr;             // none: no budget
    };

    // threads <= 0: one per core.
    LookAheadPool(std::size_t count, int threads, Work work);
    ~LookAheadPool();
    LookAheadPool(const LookAheadPool&) = delete;
    LookAheadPool& operator=(const LookAheadPool&) = delete;

    void Take(std::size_t index);
    // Helper threads that run (0: the taker prepares each job itself).
    int Helpers() const { return int(m_helpers.size()); }

    // Prepares every job and commits it in list order on the calling thread;
    // commit returns false to stop (no later job is committed). Returns how many
    // jobs were committed.
    static std::size_t RunInOrder(std::size_t count, int threads, const Work& work,
                                  const std::function<bool(std::size_t)>& commit);

private:
    void HelperLoop();
    // The estimate of job; none when estimating threw.
    std::optional<std::size_t> MemoryOf(std::size_t job) const;
    // Waits for room in the budget and prepares the job (or refuses or fails it);
    // admitted() runs once it is let in, before it is prepared.
    void RunJob(std::size_t job, std::optional<std::size_t> need, const std::function<void()>& admitted);
    void PrepareGuarded(std::size_t job);

    const std::size_t m_count;
    const Work m_work;
    std::size_t m_ahead = 2;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<char> m_prepared;
    std::size_t m_next = 0;      // the next job a helper claims
    std::size_t m_admitNext = 0; // the next claimed job to be let in under the budget
    std::size_t m_taken = 0;     // jobs below are taken
    bool m_stopping = false;
    std::vector<std::thread> m_helpers;
};

// A LookAheadPool that keeps each job's result until it is taken.
template <class Result>
class LookAhead {
public:
    // make(i) is job i's result, made on a helper; refused(i) the result of a job
    // that does not fit into the budget; a job whose make threw has Result{}.
    LookAhead(std::size_t count, int threads, std::function<Result(std::size_t)> make,
              std::function<std::size_t(std::size_t)> memoryOf = {}, std::function<Result(std::size_t)> refused = {},
              MemoryBudget* memoryBudget = nullptr)
        : m_results(count), m_pool(count, threads, Work(std::move(make), std::move(memoryOf), std::move(refused),
                                                        memoryBudget))
    {
    }

    std::size_t size() const { return m_results.size(); }
    int Helpers() const { return m_pool.Helpers(); }
    // Waits for result index (increasing; results left out are released).
    Result Take(std::size_t index)
    {
        // A helper may still be writing a result left out: wait for it before
        // releasing it (without helpers, nobody prepared it).
        for (std::size_t skipped = m_nextToTake; skipped < index; ++skipped) {
            if (m_pool.Helpers() > 0)
                m_pool.Take(skipped);
            m_results[skipped].reset();
        }
        m_pool.Take(index);
        m_nextToTake = index + 1;
        Result result = m_results[index] ? std::move(*m_results[index]) : Result{};
        m_results[index].reset();
        return result;
    }

private:
    LookAheadPool::Work Work(std::function<Result(std::size_t)> make, std::function<std::size_t(std::size_t)> memoryOf,
                             std::function<Result(std::size_t)> refused, MemoryBudget* budget)
    {
        LookAheadPool::Work work;
        work.prepare = [this, make = std::move(make)](std::size_t i) { m_results[i].emplace(make(i)); };
        if (refused)
            work.refuse = [this, refused = std::move(refused)](std::size_t i) { m_results[i].emplace(refused(i)); };
        work.failed = [this](std::size_t i) { m_results[i].reset(); };
        work.memoryOf = std::move(memoryOf);
        work.memoryBudget = budget;
        return work;
    }

    std::vector<std::optional<Result>> m_results; // before the pool: its helpers write here until it ends
    std::size_t m_nextToTake = 0;
    LookAheadPool m_pool;
};

} // namespace snapwane
