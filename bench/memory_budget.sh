#!/usr/bin/env bash
# bench/memory_budget.sh [JOBS] [LIMIT_MB]
#
# How much memory snapwane-reduce takes on a folder of decompression bombs: tiny
# progressive JPEGs (about 1 KB) that declare huge sizes, for which the decoder
# holds the coefficients of the whole photo (10000 x 12000 at 4:4:4: about 700 MB
# each; 6000 x 5000: about 180 MB each). The folder is reduced with -j JOBS
# (default: one per core) under /usr/bin/time -v; the peak resident size must stay
# under LIMIT_MB (default 400: the reducer's decode budget of 256 MB plus the
# program itself). Prints the peak, the wall time and each photo's line; exit
# status 1 when the peak is over the limit.
# Uses ${BUILD_DIR:-build}/snapwane-reduce (built by scripts/setup.sh), cjpeg
# (libjpeg-turbo-progs) and /usr/bin/time (time).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${1:-$(nproc)}
limit_mb=${2:-400}
reduce=${BUILD_DIR:-$root/build}/snapwane-reduce
[[ -x $reduce ]] || { echo "no $reduce: run scripts/setup.sh first" >&2; exit 2; }
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
echo "$count bombs of $(stat -c %s "$work/bombs/huge_1.jpg") bytes each (4 of 10000 x 12000, 6 of 6000 x 5000), -j $jobs, $(nproc) cores"

status=0
/usr/bin/time -v -o "$work/time.txt" "$reduce" -s 640x480 -j "$jobs" -o "$work/out" "$work/bombs" \
  > "$work/report.txt" 2>&1 || status=$?
sed 's/^/  /' "$work/report.txt"
peak_kb=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time.txt")
wall=$(awk -F': ' '/Elapsed \(wall clock\)/ { print $2 }' "$work/time.txt")
cpu=$(awk -F': ' '/Percent of CPU/ { print $2 }' "$work/time.txt")
echo "snapwane-reduce exit status $status, wall $wall, CPU $cpu, peak resident $((peak_kb / 1024)) MB (limit $limit_mb MB)"
if (( peak_kb > limit_mb * 1024 )); then
  echo "OVER BUDGET: $((peak_kb / 1024)) MB > $limit_mb MB" >&2
  exit 1
fi
