#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# How long the test programs take to compile from clean, without ccache: what
# they link (the program's libraries, the tools) is built first, then every test
# object is removed and the test programs alone are built. The CPU time (user +
# system, of every compiler run) is the number to compare: the wall time depends
# on what else the machine does.
#   bench/test_build_time.sh [BUILD_DIR]   (default: build-test-time, kept for a second run)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-test-time}
tests=(core_tests tools_tests platform_tests app_tests photos_tests imaging_tests reduce_tests display_tests)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target snapwane snapwane-reduce snapwane-pack snapwane-thumbnails >/dev/null
find "$build/tests" \( -name '*.o' -o -name '*.gch' -o -name '*.pch' \) -delete
CCACHE_DISABLE=1 /usr/bin/time -f "test programs, clean, $(nproc) jobs, no ccache: %e s wall, %U s user, %S s system" \
  cmake --build "$build" --parallel "$(nproc)" --target "${tests[@]}" >/dev/null
