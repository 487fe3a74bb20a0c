#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# How long the program takes to load chosen photos (command 130) and the
# folder of them (command 131), the thumbnail pipeline alone on one thread
# and on every core, and the floor: every photo decoded at the scale its
# thumbnail starts from, on every core. Once for each device pixel ratio of
# RATIOS (default "1 2", through QT_SCALE_FACTOR): thumbnails at ratio 2 hold
# four times the pixels and start from the next larger decode scale (1/4
# instead of 1/8 for a 12 MP photo). Also prints the memory the process holds
# with the photos loaded, and the load average, as the machine's other work
# moves every figure.
#   bench/load_photos.sh [FOLDER]    FOLDER: JPEG photos (default: PHOTOS camera
#   photos, 100 unless set, copied from /tmp/snapwane-corpus into a temporary folder)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" load_bench >/dev/null
folder=${1:-}
if [[ -z $folder ]]; then
  folder=$(mktemp -d)
  trap 'rm -rf "$folder"' EXIT
  corpus=/tmp/snapwane-corpus
  compgen -G "$corpus/*.jpg" > /dev/null || { echo "no photos in $corpus (bench/make_corpus.sh)" >&2; exit 1; }
  i=0
  count=${PHOTOS:-100}
  while (( i < count )); do
    for photo in "$corpus"/*.jpg; do
      (( i < count )) || break
      i=$((i + 1))
      cp "$photo" "$folder/$(printf 'P%04d_' "$i")$(basename "$photo")"
    done
  done
fi
cat "$folder"/*.jpg > /dev/null # read once, so the disk cache does not decide the first run
rounds=${ROUNDS:-3}
echo "$(ls "$folder" | wc -l) photos in $folder, $(nproc) cores, $rounds rounds"
for ratio in ${RATIOS:-1 2}; do
echo "== device pixel ratio $ratio, load average $(cut -d' ' -f1-3 /proc/loadavg)"
for ((round = 1; round <= rounds; round++)); do
  QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$ratio SNAPWANE_LOAD_BENCH_DIR="$folder" \
    "${BUILD_DIR:-$root/build}/load_bench" 2>&1 | grep -E '^(load|thumbnails|scale|memory)|FAILED'
done | tee /dev/stderr | awk -F': ' '
  /FAILED/ { failed = 1 }
  /photos in/ { split($2, f, " "); n = ++runs[$1]; wall[$1, n] = f[4]; cpu[$1, n] = f[7]; gui[$1, n] = f[11]
                if (!($1 in seen)) { seen[$1] = 1; order[++jobs] = $1 } }
  function median(a, job, n,   v, i, j, t) {
    for (i = 1; i <= n; i++) v[i] = a[job, i]
    for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (v[j] < v[i]) { t = v[i]; v[i] = v[j]; v[j] = t }
    return (n % 2) ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
  }
  function ratio(x, base) { return sprintf("%5.2f%s", x / base, x / base > 1.10 ? "!" : " ") }
  END {
    if (failed || !jobs) exit 1
    printf "\n%-32s %10s %14s %15s\n", "median of the rounds", "wall ms", "processor ms", "GUI thread ms"
    for (i = 1; i <= jobs; i++) {
      job = order[i]; w[job] = median(wall, job, runs[job]); c[job] = median(cpu, job, runs[job])
      printf "%-32s %10d %14d %15d\n", job, w[job], c[job], median(gui, job, runs[job])
    }
    thumbs = "thumbnails, every core"; floor = "scaled decode, every core"
    printf "\nthe goals: each load within 1.10 x of the thumbnails on every core and of the scaled-decode floor\n"
    printf "(! marks a ratio over it; processor time is what counts on a busy machine, wall time on a quiet one)\n"
    printf "%-24s %-28s %-28s\n", "", "to " thumbs, "to " floor
    printf "%-24s %8s %12s %14s %12s\n", "", "wall", "processor", "wall", "processor"
    for (i = 1; i <= jobs; i++) if (order[i] ~ /^load/) {
      job = order[i]
      printf "%-24s %8s %12s %14s %12s\n", job, ratio(w[job], w[thumbs]), ratio(c[job], c[thumbs]),
             ratio(w[job], w[floor]), ratio(c[job], c[floor])
    }
  }'
echo "load average after ratio $ratio: $(cut -d' ' -f1-3 /proc/loadavg)"
done
