#include "core/Threads.h"

#include <atomic>
#include <new>
#include <system_error>

namespace snapwane {

namespace {
std::atomic<int> g_startsAllowed{-1};

bool MayStart()
{
    int allowed = g_startsAllowed.load();
    while (allowed >= 0) {
        if (allowed == 0)
            return false;
        if (g_startsAllowed.compare_exchange_weak(allowed, allowed - 1))
            return true;
    }
    return true;
}
} // namespace

int ThreadsPerCore()
{
    const unsigned cores = std::thread::hardware_concurrency();
    return cores > 0 ? int(cores) : 1;
}

int ThreadsOrPerCore(int wanted)
{
    return wanted > 0 ? wanted : ThreadsPerCore();
}

bool StartThread(std::thread& thread, std::function<void()> body)
{
    if (!MayStart())
        return false;
    try {
        thread = std::thread(std::move(body));
        return true;
    } catch (const std::system_error&) {
        return false;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

void FailThreadStartsAfter(int allowed)
{
    g_startsAllowed = allowed;
}

} // namespace snapwane
