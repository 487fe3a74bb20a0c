// SPDX-License-Identifier: MIT
#include "core/Threads.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <fstream>
#include <sched.h>
#include <string>
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
// The cores a control group's CPU quota pays for (cgroup v2 "cpu.max": quota and
// period in microseconds), rounded up; 0 when there is no quota.
int CoresOfCpuQuota()
{
    std::ifstream limit("/sys/fs/cgroup/cpu.max");
    std::string quota;
    long long period = 0;
    if (!(limit >> quota >> period) || quota == "max" || period <= 0)
        return 0;
    long long microseconds = 0;
    const auto [end, error] = std::from_chars(quota.data(), quota.data() + quota.size(), microseconds);
    if (error != std::errc() || microseconds <= 0)
        return 0;
    return int(std::min<long long>((microseconds + period - 1) / period, 1 << 16));
}

} // namespace

int ThreadsPerCore()
{
    int cores = int(std::thread::hardware_concurrency());
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    if (sched_getaffinity(0, sizeof allowed, &allowed) == 0 && CPU_COUNT(&allowed) > 0)
        cores = CPU_COUNT(&allowed);
    if (const int quota = CoresOfCpuQuota(); quota > 0 && (cores <= 0 || quota < cores))
        cores = quota;
    return cores > 0 ? cores : 1;
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
