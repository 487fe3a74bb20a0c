// SPDX-License-Identifier: MIT
#pragma once
#include <QCoreApplication>
#include <QThread>

#include <functional>
#include <memory>
#include <optional>

// Runs a piece of work on the GUI thread on behalf of a worker thread and waits
// for it: the way a worker asks the user something or drives a window.
//
// The rule for every piece of work handed to the GUI thread: it takes what it
// needs by value (copies, a shared_ptr, or a pointer to a window that outlives
// the worker), never a reference to the worker's locals or to an object on the
// worker's stack. A stop releases a waiting worker before the GUI thread has run
// its work item, and a work item may open a nested event loop; either way the
// worker's frame may be gone when the item runs.
//
// A GUI thread that waits for a worker (closing the main window) must never
// deadlock with a worker that waits here. releaseWaiting() therefore frees every
// waiting worker at once, without an answer, and refuses later calls until
// reopen(); a work item released before the GUI thread reached it never runs.
class GuiThreadCall
{
public:
    static bool isGuiThread();

    // The result of fn, run on the GUI thread (at once when called there);
    // no value when the call was released or refused.
    template <class R>
    static std::optional<R> call(std::function<R()> fn)
    {
        if (isGuiThread())
            return fn();
        auto result = std::make_shared<std::optional<R>>();
        if (!runBlocking([fn = std::move(fn), result] { *result = fn(); }))
            return std::nullopt;
        return std::move(*result);
    }

    // fn run on the GUI thread; false when the call was released or refused.
    static bool run(std::function<void()> fn);

    // fn run on the GUI thread without waiting for it: at once when called
    // there, else queued on context's thread and dropped if context is gone
    // before it runs.
    static void post(QObject* context, std::function<void()> fn);

    // Frees every waiting caller and refuses new ones (a stop was requested).
    static void releaseWaiting();
    // Accepts calls again (a new worker starts).
    static void reopen();

private:
    static bool runBlocking(std::function<void()> work);
};
