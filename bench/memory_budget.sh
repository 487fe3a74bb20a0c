#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# bench/memory_budget.sh [JOBS] [LIMIT_MB]
#
# How much memory snapwane-reduce takes on a folder of decompression bombs: tiny
# progressive JPEGs (about 1 KB) that declare huge sizes, for which the decoder
# holds the coefficients of the whole photo (10000 x 12000 at 4:4:4: about 700 MB
# each; 6000 x 5000: about 180 MB each), two of them behind 2 MB of comments so
# that their frame header is far from the start. The folder is reduced with
# -j JOBS (default: one per core) under /usr/bin/time -v, then its thumbnails are
# made the same way (snapwane-thumbnails); each peak resident size must stay under
# LIMIT_MB (default 400: the decode budget of 256 MB plus the program itself).
# Prints the peaks, the wall times and each photo's line; exit status 1 when a
# peak is over the limit.
# Uses ${BUILD_DIR:-build}/snapwane-reduce (built by scripts/setup.sh), cjpeg
# (libjpeg-turbo-progs) and /usr/bin/time (time).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${1:-$(nproc)}
limit_mb=${2:-400}
reduce=${BUILD_DIR:-$root/build}/snapwane-reduce
thumbnails=${BUILD_DIR:-$root/build}/snapwane-thumbnails
for tool in "$reduce" "$thumbnails"; do
  [[ -x $tool ]] || { echo "no $tool: run scripts/setup.sh first" >&2; exit 2; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bombs" "$work/out"

# A 16 x 16 progressive photo (4:4:4, so every channel is full size), its frame
# header then made to declare W x H. The scans hold 16 x 16 worth of data: the
# decoder fills the rest with grey, after allocating for the declared size.
awk 'BEGIN { print "P3\n16 16\n255"; srand(7); for (i = 0; i < 16 * 16; i++) print int(rand() * 256), int(rand() * 256), int(rand() * 256) }' \
  > "$work/seed.ppm"
cjpeg -progressive -sample 1x1 -quality 80 "$work/seed.ppm" > "$work/seed.jpg"
bomb() { # bomb FILE WxH
  BOMB_SIZE=$2 perl -0777 -ne 'my ($w, $h) = split /x/, $ENV{BOMB_SIZE};
    my $at = index($_, "\xff\xc2");
    die "no progressive frame header\n" if $at < 0;
    substr($_, $at + 5, 4) = pack("nn", $h, $w);
    print' < "$work/seed.jpg" > "$1"
}
count=0
for i in 1 2 3 4; do bomb "$work/bombs/huge_$i.jpg" 10000x12000; count=$((count + 1)); done
for i in 1 2 3 4 5 6; do bomb "$work/bombs/large_$i.jpg" 6000x5000; count=$((count + 1)); done
# The frame header behind 32 comment segments of 64 KB.
for i in 1 2; do
  perl -0777 -ne 'print substr($_, 0, 2), ("\xff\xfe\xff\xff" . ("c" x 65533)) x 32, substr($_, 2)' \
    < "$work/bombs/huge_$i.jpg" > "$work/bombs/commented_$i.jpg"
  count=$((count + 1))
done
echo "$count bombs (4 of 10000 x 12000, 6 of 6000 x 5000, each $(stat -c %s "$work/bombs/huge_1.jpg") bytes;" \
  "2 of 10000 x 12000 behind 2 MB of comments), -j $jobs, $(nproc) cores"

over=0
measure() { # measure NAME COMMAND...
  local name=$1 status=0
  shift
  /usr/bin/time -v -o "$work/time.txt" "$@" > "$work/report.txt" 2>&1 || status=$?
  sed 's/^/  /' "$work/report.txt"
  local peak_kb wall cpu
  peak_kb=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time.txt")
  wall=$(awk -F': ' '/Elapsed \(wall clock\)/ { print $2 }' "$work/time.txt")
  cpu=$(awk -F': ' '/Percent of CPU/ { print $2 }' "$work/time.txt")
  echo "$name exit status $status, wall $wall, CPU $cpu, peak resident $((peak_kb / 1024)) MB (limit $limit_mb MB)"
  if (( peak_kb > limit_mb * 1024 )); then
    echo "OVER BUDGET: $name $((peak_kb / 1024)) MB > $limit_mb MB" >&2
    over=1
  fi
}
measure snapwane-reduce "$reduce" -s 640x480 -j "$jobs" -o "$work/out" "$work/bombs"
measure snapwane-thumbnails "$thumbnails" -j "$jobs" "$work/bombs"/*.jpg
exit $over
