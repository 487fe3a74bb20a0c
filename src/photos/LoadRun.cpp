// SPDX-License-Identifier: MIT
#include "photos/LoadRun.h"

#include "photos/LoadHost.h"
#include "platform/GuiThreadCall.h"

bool LoadRun::start(LoadHost& host, WorkerHost::Work work)
{
    if (host.isBusy() || host.worker().isRunning())
        return false;
    host.setLoading(true);
    const bool started = host.worker().start(std::move(work));
    if (!started)
        host.setLoading(false);
    return started;
}

void LoadRun::end(LoadHost& host, std::function<void(LoadHost&)> endSteps, bool anotherFollows)
{
    const bool done = GuiThreadCall::run([target = &host, endSteps = std::move(endSteps), anotherFollows] {
        endSteps(*target);
        if (anotherFollows)
            target->setLoading(true);
    });
    if (!done)
        host.setLoading(false);
}
