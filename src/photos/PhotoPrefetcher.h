#pragma once
#include <QString>
#include <QStringList>

#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "photos/PhotoRecord.h"

class CPhotoProgressDlg;

// Loads the photos of a list ahead of the loader that appends them: a few
// threads (one per core) each take the next path, read the file and make its
// thumbnail (PhotoRecord::Load), while the loader takes the results strictly in
// list order. At most a few photos are held ahead of the one taken, so memory
// stays small and a stop wastes little.
//
// Threads: made, used and destroyed by one loader thread. The destructor stops
// the helpers after the file each has in hand and waits for them; photos loaded
// ahead but not taken are released.
class PhotoPrefetcher
{
public:
    struct Loaded
    {
        PhotoRecord::Outcome outcome = PhotoRecord::Outcome::Skipped;
        PhotoRecord record;
    };

    // threadCount 0: one thread per core.
    PhotoPrefetcher(QStringList paths, CPhotoProgressDlg* owner, int threadCount = 0);
    ~PhotoPrefetcher();
    PhotoPrefetcher(const PhotoPrefetcher&) = delete;
    PhotoPrefetcher& operator=(const PhotoPrefetcher&) = delete;

    int size() const { return static_cast<int>(m_paths.size()); }
    const QStringList& paths() const { return m_paths; }
    // Waits for the photo of path index and hands it over; indexes must be
    // taken in increasing order (an index left out is released).
    Loaded take(int index);

private:
    void loadAhead();
    bool mayStartNext() const; // called with m_mutex held

    const QStringList m_paths;
    CPhotoProgressDlg* const m_owner;
    std::size_t m_window = 1; // how far ahead of the taken index the helpers may go

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::optional<Loaded>> m_results;
    std::size_t m_nextToLoad = 0;
    std::size_t m_nextToTake = 0;
    bool m_stopping = false;
    std::vector<std::thread> m_threads;
};
