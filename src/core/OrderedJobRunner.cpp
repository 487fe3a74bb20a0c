#include "core/OrderedJobRunner.h"

#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace snapwane {
namespace {

class SharedRun {
public:
    SharedRun(std::size_t count, std::size_t ahead, const OrderedJobRunner::Work& work)
        : m_count(count), m_ahead(ahead), m_work(work), m_prepared(count, 0)
    {
    }

    void WorkerLoop()
    {
        for (;;) {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [this] { return m_stopped || m_next >= m_count || MayStart(m_next); });
            if (m_stopped || m_next >= m_count)
                return;
            const std::size_t job = m_next++;
            lock.unlock();
            m_work.prepare(job);
            lock.lock();
            m_prepared[job] = 1;
            m_changed.notify_all();
        }
    }

    std::size_t CommitInOrder()
    {
        std::size_t job = 0;
        for (; job < m_count; ++job) {
            {
                std::unique_lock lock(m_mutex);
                m_changed.wait(lock, [&] { return m_prepared[job] != 0; });
            }
            const bool goOn = m_work.commit(job);
            std::lock_guard lock(m_mutex);
            m_committed = job + 1;
            m_stopped = !goOn;
            m_changed.notify_all();
            if (!goOn)
                return job + 1;
        }
        return job;
    }

private:
    // Called under the lock: within the window ahead of the commits, and what the
    // job reads is written.
    bool MayStart(std::size_t job) const
    {
        if (job >= m_committed + m_ahead)
            return false;
        const std::ptrdiff_t before = m_work.waitsFor ? m_work.waitsFor(job) : -1;
        return before < 0 || std::size_t(before) < m_committed;
    }

    const std::size_t m_count;
    const std::size_t m_ahead;
    const OrderedJobRunner::Work& m_work;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<char> m_prepared;
    std::size_t m_next = 0;
    std::size_t m_committed = 0;
    bool m_stopped = false;
};

std::size_t RunInTurn(std::size_t count, const OrderedJobRunner::Work& work)
{
    for (std::size_t job = 0; job < count; ++job) {
        work.prepare(job);
        if (!work.commit(job))
            return job + 1;
    }
    return count;
}

} // namespace

std::size_t OrderedJobRunner::Run(std::size_t count, int threads, const Work& work)
{
    if (threads <= 1 || count <= 1)
        return RunInTurn(count, work);
    SharedRun run(count, 2 * std::size_t(threads), work);
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
        try {
            workers.emplace_back([&run] { run.WorkerLoop(); });
        } catch (const std::system_error&) {
            break;
        }
    }
    if (workers.empty())
        return RunInTurn(count, work);
    const std::size_t committed = run.CommitInOrder();
    for (std::thread& worker : workers)
        worker.join();
    return committed;
}

} // namespace snapwane
