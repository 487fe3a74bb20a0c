#include "photos/PhotoPrefetcher.h"

#include <algorithm>

PhotoPrefetcher::PhotoPrefetcher(QStringList paths, CPhotoProgressDlg* owner, int threadCount)
    : m_paths(std::move(paths))
    , m_owner(owner)
    , m_results(static_cast<std::size_t>(m_paths.size()))
{
    if (threadCount <= 0)
        threadCount = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    threadCount = std::min(threadCount, std::max(1, size()));
    m_window = 2 * static_cast<std::size_t>(threadCount);
    m_threads.reserve(static_cast<std::size_t>(threadCount));
    for (int i = 0; i < threadCount; ++i)
        m_threads.emplace_back([this] { loadAhead(); });
}

PhotoPrefetcher::~PhotoPrefetcher()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    for (std::thread& thread : m_threads)
        thread.join();
}

bool PhotoPrefetcher::mayStartNext() const
{
    return m_nextToLoad < m_results.size() && m_nextToLoad < m_nextToTake + m_window;
}

void PhotoPrefetcher::loadAhead()
{
    for (;;) {
        std::size_t index = 0;
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [this] { return m_stopping || mayStartNext() || m_nextToLoad >= m_results.size(); });
            if (m_stopping || m_nextToLoad >= m_results.size())
                return;
            index = m_nextToLoad++;
        }
        Loaded loaded;
        loaded.outcome = PhotoRecord::Load(m_paths[static_cast<qsizetype>(index)], m_owner, loaded.record);
        {
            std::lock_guard lock(m_mutex);
            m_results[index] = std::move(loaded);
        }
        m_changed.notify_all();
    }
}

PhotoPrefetcher::Loaded PhotoPrefetcher::take(int index)
{
    const std::size_t wanted = static_cast<std::size_t>(index);
    if (index < 0 || wanted >= m_results.size())
        return {};
    std::unique_lock lock(m_mutex);
    for (std::size_t skipped = m_nextToTake; skipped < wanted; ++skipped)
        m_results[skipped].reset();
    m_nextToTake = std::max(m_nextToTake, wanted);
    m_changed.notify_all(); // the window moved on
    m_changed.wait(lock, [&] { return m_results[wanted].has_value(); });
    Loaded loaded = std::move(*m_results[wanted]);
    m_results[wanted].reset();
    m_nextToTake = wanted + 1;
    lock.unlock();
    m_changed.notify_all();
    return loaded;
}
