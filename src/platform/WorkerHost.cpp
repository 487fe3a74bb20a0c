#include "platform/WorkerHost.h"

#include "platform/GuiThreadCall.h"

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
    m_running = true;
    GuiThreadCall::reopen();
    m_thread = std::thread([this, work = std::move(work)] {
        try {
            work(m_stop);
        } catch (...) {
            // A worker reports its failures itself; nothing may end the process here.
        }
        m_running = false;
    });
    return true;
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
