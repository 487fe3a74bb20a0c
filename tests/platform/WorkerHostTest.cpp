// SPDX-License-Identifier: MIT
// Closing the main window while a worker runs stops the worker, lets it finish
// the file in hand, and only then releases the collection.
#include "app/CMainFrame.h"
#include "app/CMainView.h"
#include "platform/WorkerHost.h"
#include "core/Threads.h"
#include "support/FakePhotos.h"
#include "support/ScriptedPrompts.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

namespace {

// A stand-in for a loader: works file after file and checks the stop flag
// between two files, as every worker does.
struct DummyLoad
{
    std::atomic<int> started = 0;
    std::atomic<int> finished = 0;
    std::atomic<bool> running = false;
    std::atomic<int> photosSeenAtEnd = -1;

    void run(const std::atomic<bool>& stop, CMainView* view)
    {
        running = true;
        while (!stop) {
            ++started;
            std::this_thread::yield(); // the file in hand
            ++finished;
        }
        photosSeenAtEnd = view->collection().count();
    }
};

TEST(WorkerHost, ClosingTheMainWindowStopsTheWorkerAfterTheFileInHand)
{
    auto frame = std::make_unique<CMainFrame>();
    CMainView* view = frame->view();
    appendUnloadedPhoto(view->collection(), QStringLiteral("/photos/a.jpg"));
    DummyLoad load;
    view->state().setLoading(true);
    ASSERT_TRUE(view->worker().start([&](const std::atomic<bool>& stop) { load.run(stop, view); }));
    while (!load.running)
        std::this_thread::yield();

    frame->close();
    EXPECT_FALSE(view->worker().isRunning());
    EXPECT_EQ(load.started.load(), load.finished.load());
    EXPECT_EQ(load.photosSeenAtEnd.load(), 1); // the collection outlived the worker
    frame.reset();
}

TEST(WorkerHost, DestroyingTheMainWindowStopsAWorkerWaitingForAQuestion)
{
    ScriptedPrompts prompts;
    auto frame = std::make_unique<CMainFrame>();
    std::atomic<bool> asking = false;
    std::atomic<bool> ended = false;
    frame->view()->worker().start([&](const std::atomic<bool>&) {
        asking = true;
        Prompts::askYesNo(QStringLiteral("Would you like to include all subdirectories?"));
        ended = true;
    });
    while (!asking)
        std::this_thread::yield();
    frame.reset();
    EXPECT_TRUE(ended);
}

TEST(WorkerHost, RefusesASecondWorkerWhileOneRuns)
{
    WorkerHost host;
    std::atomic<bool> release = false;
    ASSERT_TRUE(host.start([&](const std::atomic<bool>&) {
        while (!release)
            std::this_thread::yield();
    }));
    EXPECT_FALSE(host.start([](const std::atomic<bool>&) {}));
    release = true;
    host.wait();
    EXPECT_TRUE(host.start([](const std::atomic<bool>&) {}));
    host.wait();
}

TEST(WorkerHost, AThrowingWorkerEndsQuietly)
{
    WorkerHost host;
    host.start([](const std::atomic<bool>&) { throw std::runtime_error("bad photo"); });
    host.wait();
    EXPECT_FALSE(host.isRunning());
}

// A thread that cannot start leaves the host ready for the next command.
TEST(WorkerHost, AThreadThatCannotStartLeavesTheHostIdle)
{
    WorkerHost host;
    std::atomic<bool> ran = false;
    snapwane::FailThreadStartsAfter(0);
    EXPECT_FALSE(host.start([&ran](const std::atomic<bool>&) { ran = true; }));
    snapwane::FailThreadStartsAfter(-1);
    EXPECT_FALSE(host.isRunning());
    EXPECT_TRUE(host.start([&ran](const std::atomic<bool>&) { ran = true; }));
    host.wait();
    EXPECT_TRUE(ran);
}

} // namespace
