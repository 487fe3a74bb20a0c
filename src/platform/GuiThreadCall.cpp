// SPDX-License-Identifier: MIT
#include "platform/GuiThreadCall.h"

#include <condition_variable>
#include <mutex>
#include <set>

namespace {

// One call waiting for the GUI thread. Shared between the waiting worker and the
// queued work item, so either may end first.
struct PendingCall
{
    std::function<void()> work;
    std::mutex mutex;
    std::condition_variable changed;
    bool done = false;
    bool released = false;
};

std::mutex g_registryMutex;
std::set<std::shared_ptr<PendingCall>> g_pending;
bool g_refusing = false;

void runPending(const std::shared_ptr<PendingCall>& call)
{
    {
        std::lock_guard lock(call->mutex);
        if (call->released)
            return;
    }
    call->work();
    {
        std::lock_guard lock(call->mutex);
        call->done = true;
    }
    call->changed.notify_all();
}

} // namespace

bool GuiThreadCall::isGuiThread()
{
    const QCoreApplication* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

bool GuiThreadCall::run(std::function<void()> fn)
{
    if (isGuiThread()) {
        fn();
        return true;
    }
    return runBlocking(std::move(fn));
}

void GuiThreadCall::post(QObject* context, std::function<void()> fn)
{
    if (isGuiThread()) {
        fn();
        return;
    }
    if (context)
        QMetaObject::invokeMethod(context, std::move(fn), Qt::QueuedConnection);
}

bool GuiThreadCall::runBlocking(std::function<void()> work)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return false;
    auto call = std::make_shared<PendingCall>();
    call->work = std::move(work);
    {
        std::lock_guard lock(g_registryMutex);
        if (g_refusing)
            return false;
        g_pending.insert(call);
    }
    QMetaObject::invokeMethod(app, [call] { runPending(call); }, Qt::QueuedConnection);

    bool done = false;
    {
        std::unique_lock lock(call->mutex);
        call->changed.wait(lock, [&] { return call->done || call->released; });
        done = call->done && !call->released;
    }
    std::lock_guard lock(g_registryMutex);
    g_pending.erase(call);
    return done;
}

void GuiThreadCall::releaseWaiting()
{
    std::lock_guard registryLock(g_registryMutex);
    g_refusing = true;
    for (const auto& call : g_pending) {
        {
            std::lock_guard lock(call->mutex);
            call->released = true;
        }
        call->changed.notify_all();
    }
}

void GuiThreadCall::reopen()
{
    std::lock_guard lock(g_registryMutex);
    g_refusing = false;
}
