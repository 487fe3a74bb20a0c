#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# bench/reduce_vs_djpeg.sh [CORPUS]
#
# For the same photos, prints the median time per photo of
#   snapwane-reduce -s 640x480   (decode at full size, fit, encode, write)
#   djpeg, full-size decode       (libjpeg-turbo's own tool: the floor for a reduction
#                                  that must decode every photo at full size)
# and their ratio. Each round times the whole corpus, once for each tool in turn;
# the median is taken over the rounds and divided by the photo count.
#
# CORPUS defaults to $TMPDIR/snapwane-corpus and is made by bench/make_corpus.sh when
# missing. Environment: ROUNDS (default 5), BUILD_DIR (default build/), REDUCE_ARGS
# (extra options for snapwane-reduce).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
corpus=${1:-${TMPDIR:-/tmp}/snapwane-corpus}
rounds=${ROUNDS:-5}
build=${BUILD_DIR:-$root/build}
reduce=$build/snapwane-reduce

[[ -x $reduce ]] || "$root/scripts/setup.sh" >/dev/null
command -v djpeg >/dev/null || {
  sudo=""; [[ $(id -u) == 0 ]] || sudo=sudo
  $sudo apt-get install -y -qq libjpeg-turbo-progs >/dev/null
}
[[ -f $corpus/MANIFEST.tsv ]] || "$root/bench/make_corpus.sh" "$corpus"

photos=("$corpus"/*.jpg)
count=${#photos[@]}
scratch=$(mktemp -d "${TMPDIR:-/tmp}/snapwane-bench.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

now() { date +%s%N; }

time_reduce() {
  rm -rf "$scratch/out"
  local start; start=$(now)
  # shellcheck disable=SC2086  # REDUCE_ARGS is a list of options
  "$reduce" -s 640x480 ${REDUCE_ARGS:-} -o "$scratch/out" -- "${photos[@]}" >/dev/null
  echo $(( $(now) - start ))
}

time_djpeg() {
  local start; start=$(now)
  for photo in "${photos[@]}"; do
    djpeg -outfile /dev/null "$photo"
  done
  echo $(( $(now) - start ))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One warm-up round each fills the page cache, then the tools take turns.
time_reduce >/dev/null; time_djpeg >/dev/null
reduce_times=(); djpeg_times=()
for ((round = 1; round <= rounds; round++)); do
  reduce_times+=("$(time_reduce)")
  djpeg_times+=("$(time_djpeg)")
done

reduce_ns=$(printf '%s\n' "${reduce_times[@]}" | median)
djpeg_ns=$(printf '%s\n' "${djpeg_times[@]}" | median)
awk -v n="$count" -v r="$reduce_ns" -v d="$djpeg_ns" -v rounds="$rounds" -v corpus="$corpus" 'BEGIN {
  printf "%d photos in %s, median of %d rounds\n", n, corpus, rounds
  printf "snapwane-reduce -s 640x480   %8.1f ms per photo  (%.2f s for all)\n", r / n / 1e6, r / 1e9
  printf "djpeg full-size decode       %8.1f ms per photo  (%.2f s for all)\n", d / n / 1e6, d / 1e9
  printf "ratio reduce / decode        %8.2f\n", r / d
}'
