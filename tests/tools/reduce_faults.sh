#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# tests/tools/reduce_faults.sh SNAPWANE_REDUCE
#
# The batch reducer under faults: an output file system that fills up in the middle
# of a run (a file-size limit: each output larger than it fails to write, as on a
# full disk), and runs killed with SIGKILL at several moments. Afterwards every
# output is absent or exactly what an undisturbed run writes (and decodes), every
# source is unchanged, and once a later run has gone through the folder no
# temporary file of ours is left in it.
# Needs cjpeg, djpeg and jpegtran (libjpeg-turbo-progs).
set -uo pipefail
reduce=${1:?usage: reduce_faults.sh SNAPWANE_REDUCE}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

# --- photos: four contents of different grain, each turned and flipped six ways --
pattern() { # pattern FILE GRAIN SEED
  awk -v grain="$2" -v seed="$3" 'BEGIN {
    srand(seed); w = 320; h = 240;
    printf("P3\n%d %d\n255\n", w, h);
    for (y = 0; y < h; y++) {
      line = "";
      for (x = 0; x < w; x++) {
        g = int(rand() * grain);
        line = line sprintf("%d %d %d ", (x * 255 / w + g) % 256, (y * 255 / h + g) % 256, ((x + y) % 40 < 20 ? 200 : 40 + g) % 256);
      }
      print line;
    }
  }' > "$1"
}
mkdir -p "$work/src" "$work/ref" "$work/out"
n=0
for grain in 2 12 40 90; do
  pattern "$work/base.ppm" "$grain" "$grain"
  # Twice the size twice over: 1280 x 960, at the decoder's 2x scale.
  cjpeg -quality 95 "$work/base.ppm" | djpeg -scale 16/8 | cjpeg -quality 95 | djpeg -scale 16/8 \
    | cjpeg -quality 92 > "$work/base.jpg" || { echo "cannot make the photos"; exit 1; }
  for transform in none "-rotate 90" "-rotate 180" "-rotate 270" "-flip horizontal" "-transpose"; do
    n=$((n + 1))
    name=$(printf 'IMG_%04d.JPG' "$n")
    if [[ $transform == none ]]; then cp "$work/base.jpg" "$work/src/$name"
    else jpegtran $transform "$work/base.jpg" > "$work/src/$name"; fi
  done
done
(cd "$work/src" && sha256sum -- *) > "$work/sources.sha256"

# The run every fault case repeats: "$reduce" "${options[@]}" -o FOLDER "$work/src".
options=(-s 800x600 -q 95 -j 2 --overwrite) # later runs go over earlier outputs
reduce_into() { "$reduce" "${options[@]}" -o "$1" "${@:2}" "$work/src"; }

# --- the undisturbed run: what every output must be ------------------------------
started=$(date +%s%N)
reduce_into "$work/ref" > "$work/ref.log" 2>&1 || { cat "$work/ref.log"; echo "FAIL: the plain run failed"; exit 1; }
run_ms=$(( ($(date +%s%N) - started) / 1000000 ))
ls -A "$work/ref" > "$work/ref.list"
[[ $(wc -l < "$work/ref.list") -eq $n ]] || fail "the plain run wrote $(wc -l < "$work/ref.list") of $n photos"
for f in "$work"/ref/*; do djpeg "$f" > /dev/null 2>&1 || fail "the plain run's $(basename "$f") does not decode cleanly"; done

# Every output present is exactly the plain run's; anything else in the folder must
# be a hidden temporary file (allowed only when `temporaries` is "allowed").
check_outputs() { # check_outputs FOLDER WHAT temporaries
  local folder=$1 what=$2 temporaries=$3 name complete=0 bad=0
  while IFS= read -r name; do
    if [[ -f $work/ref/$name ]]; then
      if cmp -s "$folder/$name" "$work/ref/$name" && djpeg "$folder/$name" > /dev/null 2>&1; then
        complete=$((complete + 1))
      else
        fail "$what: $name is not the complete photo"; bad=1
      fi
    elif [[ $name == .* && $temporaries == allowed ]]; then
      :
    else
      fail "$what: $name left in the output folder"; bad=1
    fi
  done < <(ls -A "$folder")
  (cd "$work/src" && sha256sum --quiet -c "$work/sources.sha256" > /dev/null 2>&1) || { fail "$what: a source changed"; bad=1; }
  [[ $bad == 0 ]] && pass "$what: $complete complete outputs, the rest absent, sources unchanged"
}

# --- a disk that fills up: outputs above a size limit cannot be written ----------
# The limit lies between the outputs' sizes, so that some are written and some fail.
limit_kb=$(ls -l "$work/ref" | awk 'NR > 1 { print int($5 / 1024) }' | sort -n | awk '{ a[NR] = $1 } END { print a[int(NR / 2)] + 1 }')
(
  trap '' XFSZ # as on a full disk: the write fails instead of the signal ending the run
  ulimit -f "$limit_kb"
  reduce_into "$work/out" > "$work/full.log" 2>&1
)
status=$?
written=$(ls "$work/out" | wc -l)
if [[ $status -ne 1 ]]; then fail "full disk: exit status $status, not 1 (a failed write is a failure)"; fi
if (( written == 0 || written == n )); then fail "full disk: $written of $n written; the limit of $limit_kb KB did not split them"; fi
check_outputs "$work/out" "full disk (limit $limit_kb KB, $written of $n written)" forbidden

# --- SIGKILL at several moments of a run -------------------------------------------
# Half the photos already there from an earlier run: a killed run must not harm them.
half_done() {
  rm -rf "$work/out"
  mkdir -p "$work/out"
  for name in $(head -n $((n / 2)) "$work/ref.list"); do cp "$work/ref/$name" "$work/out/"; done
}
# At moments spread over the time an undisturbed run takes.
for percent in 3 15 30 50 70 90; do
  delay=$(awk -v ms="$run_ms" -v p="$percent" 'BEGIN { printf("%.3f", ms * p / 100000) }')
  half_done
  "$reduce" "${options[@]}" -o "$work/out" "$work/src" > "$work/kill.log" 2>&1 &
  pid=$!
  sleep "$delay"
  kill -KILL "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  check_outputs "$work/out" "killed after ${delay}s of ${run_ms} ms" allowed
done

# Killed in the middle of writing a file: the file-size limit's own signal.
half_done
(
  ulimit -f "$limit_kb"
  reduce_into "$work/out" > "$work/kill.log" 2>&1
)
status=$?
[[ $status -gt 128 ]] || fail "killed while writing: exit status $status, not a signal"
left=$(ls -A "$work/out" | grep -c '^\.')
check_outputs "$work/out" "killed while writing ($left hidden files left)" allowed

# --- the next run through the folder mends it ------------------------------------
# The killed runs' processes are gone and with them their temporary files' locks.
if reduce_into "$work/out" > "$work/next.log" 2>&1; then
  pass "the run after the kills succeeded"
else
  cat "$work/next.log"; fail "the run after the kills failed"
fi
check_outputs "$work/out" "the run after the kills" forbidden

exit $((failures == 0 ? 0 : 1))
