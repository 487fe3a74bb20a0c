// SPDX-License-Identifier: MIT
#include "core/LookAheadPool.h"

#include "core/Log.h"
#include "core/Threads.h"

#include <algorithm>
#include <new>
#include <string>

namespace snapwane {

LookAheadPool::LookAheadPool(std::size_t count, int threads, Work work)
    : m_count(count), m_work(std::move(work)), m_prepared(count, 0)
{
    threads = ThreadsOrPerCore(threads);
    m_ahead = 2 * std::size_t(threads);
    if (threads <= 1 || count <= 1)
        return; // the taker prepares each job in turn
    for (int t = 0; t < threads && std::size_t(t) < count; ++t) {
        std::thread helper;
        if (!StartThread(helper, [this] { HelperLoop(); }))
            break;
        m_helpers.push_back(std::move(helper));
    }
}

LookAheadPool::~LookAheadPool()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    for (std::thread& helper : m_helpers)
        helper.join();
}

void LookAheadPool::HelperLoop()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_stopping || m_next >= m_count || m_next < m_taken + m_ahead; });
        if (m_stopping || m_next >= m_count)
            return;
        const std::size_t job = m_next++;
        lock.unlock();
        const std::optional<std::size_t> need = MemoryOf(job);
        lock.lock();
        // Let jobs in in list order, each when it fits into the budget.
        m_changed.wait(lock, [&] { return m_stopping || m_admitNext == job; });
        if (m_stopping)
            return;
        lock.unlock();
        RunJob(job, need, [this] {
            {
                std::lock_guard admitted(m_mutex);
                ++m_admitNext;
            }
            m_changed.notify_all();
        });
        lock.lock();
        m_prepared[job] = 1;
        m_changed.notify_all();
    }
}

std::optional<std::size_t> LookAheadPool::MemoryOf(std::size_t job) const
{
    try {
        return m_work.memoryOf ? m_work.memoryOf(job) : 0;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    } catch (const std::exception& error) {
        LogUnexpected(LogArea::Worker, "estimating the memory of job " + std::to_string(job), &error);
        return std::nullopt;
    } catch (...) {
        LogUnexpected(LogArea::Worker, "estimating the memory of job " + std::to_string(job), nullptr);
        return std::nullopt;
    }
}

void LookAheadPool::PrepareGuarded(std::size_t job)
{
    // The outermost edge of a helper thread's job: nothing may end the process here.
    try {
        m_work.prepare(job);
    } catch (const std::bad_alloc&) {
        if (m_work.failed)
            m_work.failed(job);
    } catch (const std::exception& error) {
        LogUnexpected(LogArea::Worker, "preparing job " + std::to_string(job), &error);
        if (m_work.failed)
            m_work.failed(job);
    } catch (...) {
        LogUnexpected(LogArea::Worker, "preparing job " + std::to_string(job), nullptr);
        if (m_work.failed)
            m_work.failed(job);
    }
}

void LookAheadPool::RunJob(std::size_t job, std::optional<std::size_t> need, const std::function<void()>& admitted)
{
    MemoryBudget* budget = m_work.memoryBudget;
    if (!need || (budget && budget->Exceeds(*need))) {
        admitted();
        if (!need && m_work.failed)
            m_work.failed(job);
        else if (need && m_work.refuse)
            m_work.refuse(job);
        return;
    }
    if (!budget) {
        admitted();
        PrepareGuarded(job);
        return;
    }
    MemoryBudget::Grant grant = budget->Acquire(*need);
    admitted();
    PrepareGuarded(job);
    const bool alone = budget->Release(grant);
    if (alone || !m_work.ranOutOfMemory || !m_work.ranOutOfMemory(job))
        return;
    grant = budget->AcquireAlone();
    PrepareGuarded(job);
    budget->Release(grant);
}

void LookAheadPool::Take(std::size_t index)
{
    if (index >= m_count)
        return;
    if (m_helpers.empty()) {
        RunJob(index, MemoryOf(index), [] {});
        return;
    }
    std::unique_lock lock(m_mutex);
    m_taken = std::max(m_taken, index);
    m_changed.notify_all(); // the window moved on
    m_changed.wait(lock, [&] { return m_prepared[index] != 0; });
}

std::size_t LookAheadPool::RunInOrder(std::size_t count, int threads, const Work& work,
                                      const std::function<bool(std::size_t)>& commit)
{
    LookAheadPool pool(count, threads, work);
    for (std::size_t job = 0; job < count; ++job) {
        pool.Take(job);
        if (!commit(job))
            return job + 1;
    }
    return count;
}

} // namespace snapwane
