// SPDX-License-Identifier: MIT
#pragma once
#include <functional>

#include "platform/WorkerHost.h"

class LoadHost;

// How every load begins and ends, whichever loader runs it (chosen files, a
// folder tree, the paths named or dropped): one load at a time on the host's
// worker, the loading flag set from the start to the end, and an end that
// never leaves the program loading, even when the GUI thread no longer takes
// the end's steps because the main window closes.
class LoadRun
{
public:
    // GUI thread. Sets the loading flag and runs work on the host's worker;
    // false, with nothing changed, while the host loads or reduces or its
    // worker runs.
    static bool start(LoadHost& host, WorkerHost::Work work);

    // On the worker, at the end of a load: endSteps on the GUI thread (they
    // clear the loading flag), and in the same step the flag set again when
    // another load follows, so that no command slips in between two loads.
    // When the GUI thread refuses the call, only the flag is cleared: nothing
    // is left to show.
    static void end(LoadHost& host, std::function<void(LoadHost&)> endSteps, bool anotherFollows = false);
};
