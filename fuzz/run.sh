#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# fuzz/run.sh [MINUTES] [JOBS]
#
# Builds the photo-file fuzz target with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer (build-fuzz/), makes the seed photos, and fuzzes for
# MINUTES (default 2) on JOBS processes (default 1). The corpus grows in
# $FUZZ_CORPUS (default build-fuzz/corpus) and is kept for the next run; findings
# are written to build-fuzz/findings/ and end the run with exit status 1.
# Replay one: build-fuzz/snapwane-fuzz-photo build-fuzz/findings/crash-...
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
minutes=${1:-2}
jobs=${2:-1}
[[ $minutes =~ ^[0-9]+$ && $minutes -gt 0 ]] || { echo "usage: fuzz/run.sh [MINUTES] [JOBS]" >&2; exit 2; }
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}
corpus=${FUZZ_CORPUS:-$build/corpus}
findings=$build/findings

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DSNAPWANE_FUZZ=ON -DSNAPWANE_WERROR=ON ${CMAKE_EXTRA:-} >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target snapwane-fuzz-photo

rm -rf "$build/seeds"
"$root/fuzz/make_seeds.sh" "$build/seeds" >/dev/null
mkdir -p "$corpus" "$findings"

# Decoding many megapixels is left out by the target itself; the limits here stop a
# run only for a real leak or hang. Leaks are looked for: every decoder must give
# back its memory.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:allocator_may_return_null=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd "$findings"
status=0
"$build/snapwane-fuzz-photo" -dict="$root/fuzz/jpeg.dict" -max_total_time=$((minutes * 60)) \
  -timeout=20 -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
  -jobs="$jobs" -workers="$jobs" "$corpus" "$build/seeds" || status=$?
if [[ $jobs -gt 1 ]]; then
  tail -n 3 "$findings"/fuzz-*.log 2>/dev/null || true
  rm -f "$findings"/fuzz-*.log
fi
if compgen -G "$findings/crash-*" >/dev/null || compgen -G "$findings/leak-*" >/dev/null ||
   compgen -G "$findings/timeout-*" >/dev/null || compgen -G "$findings/oom-*" >/dev/null; then
  echo "fuzz/run.sh: findings in $findings:" >&2
  ls "$findings" >&2
  exit 1
fi
exit "$status"
