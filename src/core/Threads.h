// SPDX-License-Identifier: MIT
// Starting helper threads without ever ending the process: a thread the system
// cannot start (no memory, a thread limit) is reported, so that the work goes on
// with fewer threads.
#pragma once

#include <functional>
#include <thread>

namespace snapwane {

// One thread per processor core this process may run on: the cores of its CPU
// affinity, fewer when a container's CPU quota pays for fewer; 1 when unknown.
int ThreadsPerCore();
// `wanted` when positive, else ThreadsPerCore().
int ThreadsOrPerCore(int wanted);

// Starts body on `thread`; false (and `thread` left empty) when it cannot start.
bool StartThread(std::thread& thread, std::function<void()> body);

// For tests: after `allowed` more successful starts, StartThread fails as if
// the system had no thread left; a negative value lets every start succeed.
void FailThreadStartsAfter(int allowed);

} // namespace snapwane
