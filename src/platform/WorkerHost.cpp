// SPDX-License-Identifier: MIT
#include "platform/WorkerHost.h"

#include "platform/GuiThreadCall.h"
#include "platform/Logging.h"

#include "core/Threads.h"

#include <exception>

WorkerHost::~WorkerHost()
{
    stopAndWait();
}

bool WorkerHost::start(Work work)
{
    if (m_running.load())
        return false;
    wait(); // the previous worker has ended; collect its thread
    m_stop = false;
    GuiThreadCall::reopen();
    // Marked running before the thread exists, so that the thread's own end
    // cannot come before the mark; taken back when the thread cannot start.
    m_running = true;
    const bool started = snapwane::StartThread(m_thread, [this, work = std::move(work)] {
        // The worker thread's outermost edge: a worker reports the failures it
        // expects itself, and nothing may end the process here.
        try {
            work(m_stop);
        } catch (const std::exception& error) {
            qCWarning(lcWorker) << "the worker ended on an unexpected error:" << error.what();
        } catch (...) {
            qCWarning(lcWorker) << "the worker ended on an unexpected error of unknown type";
        }
        m_running = false;
    });
    if (!started)
        m_running = false;
    return started;
}

void WorkerHost::requestStop()
{
    m_stop = true;
    if (m_running.load())
        GuiThreadCall::releaseWaiting();
}

void WorkerHost::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

void WorkerHost::stopAndWait()
{
    requestStop();
    wait();
}
