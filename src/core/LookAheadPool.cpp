#include "core/LookAheadPool.h"

#include "core/Threads.h"

#include <algorithm>

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
        const std::size_t need = MemoryOf(job);
        lock.lock();
        // Let jobs in in list order, each when it fits beside those being prepared.
        m_changed.wait(lock, [&] {
            return m_stopping || (m_admitNext == job && (OverBudget(need) || m_inFlight == 0 ||
                                                         m_work.memoryBudget == 0 ||
                                                         m_inFlight + need <= m_work.memoryBudget));
        });
        if (m_stopping)
            return;
        ++m_admitNext;
        const bool refused = OverBudget(need);
        if (!refused)
            m_inFlight += need;
        m_changed.notify_all();
        lock.unlock();
        if (refused && m_work.refuse)
            m_work.refuse(job);
        else if (!refused)
            m_work.prepare(job);
        lock.lock();
        if (!refused)
            m_inFlight -= need;
        m_prepared[job] = 1;
        m_changed.notify_all();
    }
}

void LookAheadPool::PrepareOrRefuse(std::size_t job, std::size_t need)
{
    if (!OverBudget(need))
        m_work.prepare(job);
    else if (m_work.refuse)
        m_work.refuse(job);
}

void LookAheadPool::Take(std::size_t index)
{
    if (index >= m_count)
        return;
    if (m_helpers.empty()) {
        PrepareOrRefuse(index, MemoryOf(index));
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
