// SPDX-License-Identifier: MIT
#pragma once
#include <atomic>
#include <functional>
#include <thread>

// Runs the program's worker thread (a load or a reduction; one at a time) and
// ends it safely. The work polls the stop flag it is given between two files, so
// a stop always lets the file in hand finish. Questions a worker asks through
// Prompts or GuiThreadCall are released by a stop, so the GUI thread can wait
// for the worker without deadlock.
//
// Owned and driven by the GUI thread. Shutdown is "request stop, then wait",
// in the destructor too.
class WorkerHost
{
public:
    using Work = std::function<void(const std::atomic<bool>& stopRequested)>;

    WorkerHost() = default;
    WorkerHost(const WorkerHost&) = delete;
    WorkerHost& operator=(const WorkerHost&) = delete;
    ~WorkerHost();

    // Starts work on a new thread; false (and nothing started) while a worker
    // runs or when no thread can be started.
    bool start(Work work);
    bool isRunning() const { return m_running.load(); }

    // Asks the worker to stop and releases any question it waits on.
    void requestStop();
    bool stopRequested() const { return m_stop.load(); }
    // Waits until the worker has ended (at once when none runs).
    void wait();
    void stopAndWait();

private:
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_running{false};
};
