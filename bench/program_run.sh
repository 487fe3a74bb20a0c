#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# bench/program_run.sh [CORPUS]
#
# The program's own reduction run against snapwane-reduce on the same photos and
# settings (640 x 480, quality 75, one job per core). The program runs on a private
# X server with a window manager (tests/display/run-on-xvfb.sh, as the display tests
# run), started with CORPUS on its command line; once it has loaded the photos and is
# idle the wizard is driven by keyboard as a user would: Reduce (Alt+R, S), Return
# (step 1: Next), Return (step 2: Start). The run is timed from that last key to the
# last photo's file in the output folder: wall time and the program's processor time
# (user + system of the whole process over the same span, from /proc). The tool is
# timed whole by /usr/bin/time. The two alternate, after one warm-up round; the table
# shows medians and the cores kept busy (processor / wall), and every program run's
# outputs are compared byte for byte with the tool's. Each ratio is the median of
# the rounds' ratios: this machine's speed drifts by several per cent within
# seconds, so a round's two runs follow each other with no gap, after the program
# has loaded the photos, opened the wizard and rested (REST seconds), and they take
# turns at going first, so that neither always comes right after the program's
# load of the photos or after the other run.
#
# Environment: ROUNDS (default 10), REST (default 3), BUILD_DIR (default build/),
# THREADS=1 prints each thread's processor time over the program's last run
# (/proc/PID/task/*/stat), PERF=FILE records one more program run, not counted, with
# perf (call graphs) into FILE.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
corpus=$(cd "${1:-${TMPDIR:-/tmp}/snapwane-corpus}" 2>/dev/null && pwd) || corpus=${1:-${TMPDIR:-/tmp}/snapwane-corpus}
build=${BUILD_DIR:-$root/build}
rounds=${ROUNDS:-10}
rest=${REST:-3}

if [[ -z ${SNAPWANE_PROGRAM_RUN_DESKTOP:-} ]]; then
  for needed in xdotool:xdotool /usr/bin/time:time Xvfb:xvfb openbox:openbox inotifywait:inotify-tools; do
    command -v "${needed%%:*}" >/dev/null ||
      { echo "bench/program_run.sh needs ${needed#*:} (apt-get install ${needed#*:})" >&2; exit 2; }
  done
  [[ -x $build/snapwane && -x $build/snapwane-reduce ]] ||
    BUILD_DIR=$build "$root/scripts/setup.sh" snapwane snapwane-reduce >/dev/null
  [[ -f $corpus/MANIFEST.tsv ]] || "$root/bench/make_corpus.sh" "$corpus"
  SNAPWANE_PROGRAM_RUN_DESKTOP=1 exec "$root/tests/display/run-on-xvfb.sh" "$0" "$corpus"
fi

photos=("$corpus"/*.jpg)
count=${#photos[@]}
cores=$(nproc)
ticks=$(getconf CLK_TCK)
scratch=$(mktemp -d "${TMPDIR:-/tmp}/snapwane-program-run.XXXXXX")
program_pid=""
cleanup() {
  [[ -n $program_pid ]] && kill "$program_pid" 2>/dev/null && wait "$program_pid" 2>/dev/null
  [[ -n ${watcher_PID:-} ]] && kill "$watcher_PID" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

exec {sleeper}<> <(:) # read -t on it waits without starting a process
nap() { read -r -t "$1" -u "$sleeper" _ || true; }
now() { echo "${EPOCHREALTIME/,/.}"; }
# utime + stime of a process or thread (its /proc folder), in clock ticks, into
# the variable named first: no process is started, so polling costs little.
read_ticks() {
  local -n ticks_into=$1
  local stat
  { read -r stat < "$2/stat"; } 2>/dev/null || return 1
  stat=${stat##*) }
  # shellcheck disable=SC2086  # the fields after the name, split
  set -- $stat
  ticks_into=$((${12} + ${13}))
}
cpu_ticks() { local t; read_ticks t "$1" && echo "$t"; }
# The X server's and the window manager's ticks together (they draw what the program shows).
desktop_pids=$(pgrep -d ' ' -P "$PPID" -x 'Xvfb|openbox' || true)
desktop_ticks() {
  local total=0 t pid
  for pid in $desktop_pids; do read_ticks t "/proc/$pid" && total=$((total + t)); done
  echo "$total"
}

# Waits until the program has used no processor time for 0.5 s after using some:
# the photos are loaded and the window is idle.
wait_idle() {
  local last=-1 still=0 ticks_now
  for ((i = 0; i < 1200; i++)); do
    ticks_now=$(cpu_ticks "/proc/$program_pid")
    if ((ticks_now == last && ticks_now > 0)); then
      ((++still >= 10)) && return 0
    else
      still=0
    fi
    last=$ticks_now
    nap 0.05
  done
  echo "bench/program_run.sh: the program did not become idle" >&2
  return 1
}

wait_window() { # title
  xdotool search --sync --onlyvisible --name "^$1\$" >/dev/null
}

# Appends "wall cpu" of one snapwane-reduce run to tool.times; outputs in $scratch/tool.
run_tool() {
  rm -rf "$scratch/tool" && mkdir "$scratch/tool"
  /usr/bin/time -f "%e %U %S" -o "$scratch/time" \
    "$build/snapwane-reduce" -j "$cores" -s 640x480 -q 75 -o "$scratch/tool" "${photos[@]}" >/dev/null
  read -r wall user system < "$scratch/time"
  awk -v w="$wall" -v u="$user" -v s="$system" 'BEGIN { print w, u + s }' >> "$scratch/tool.times"
}

home="$scratch/home"

# Starts the program on the photos and, once it is idle, opens the wizard at its
# last step: Start is the next key.
open_wizard() {
  rm -rf "$home" && mkdir -p "$home/Pictures"
  HOME=$home XDG_CONFIG_HOME=$home/.config "$build/snapwane" "$corpus" >"$scratch/program.log" 2>&1 &
  program_pid=$!
  wait_idle
  xdotool key alt+r s
  wait_window "Reduce photos - size and quality"
  xdotool key Return
  wait_window "Reduce photos - output"
}

close_program() {
  kill "$program_pid" && wait "$program_pid" 2>/dev/null || true
  program_pid=""
}

# Compares the program's outputs with the tool's, byte for byte, and ends the program.
check_and_close() {
  local photo name out
  for photo in "${photos[@]}"; do
    name=$(basename "$photo")
    out=$(echo "$home"/Pictures/*/"${name,,}")
    cmp -s "$out" "$scratch/tool/${name,,}" || { echo "bench/program_run.sh: $name differs from the tool's" >&2; exit 1; }
  done
  close_program
}

# Presses Start in the open wizard and appends "wall cpu desktop-cpu" of the run to
# program.times.
run_program() {
  local start_ticks start end end_ticks files seen desktop_start desktop_end name=""
  local last=${photos[-1]##*/}
  last=${last,,}
  local recorder=""
  if [[ -n ${recording:-} ]]; then
    perf record -q -F 997 --call-graph dwarf,8192 -p "$program_pid" -o "$PERF" 2>/dev/null &
    recorder=$!
    nap 2 # perf attaches to every thread before Start
  fi
  declare -A thread_ticks=() thread_names=() thread_start=()
  if [[ -n ${THREADS:-} ]]; then
    for task in /proc/"$program_pid"/task/*; do read_ticks "thread_start[$task]" "$task" || true; done
  fi
  coproc watcher {
    exec inotifywait -m -r -e moved_to --format %f "$home/Pictures" 2>&1
  }
  while [[ $name != "Watches established." ]]; do
    read -r -u "${watcher[0]}" name || { echo "bench/program_run.sh: inotifywait cannot watch $home/Pictures" >&2; exit 1; }
  done
  desktop_start=$(desktop_ticks)
  start_ticks=$(cpu_ticks "/proc/$program_pid")
  start=$(now)
  xdotool key Return
  # The photos are written in list order, each renamed into place: the run is over
  # when the last one's name arrives. Between two events nothing is polled (with
  # THREADS every 5 ms), so that the watching takes next to nothing from the run.
  local wait_for=0.5 waits=0 most_waits=120 # a minute
  [[ -n ${THREADS:-} ]] && wait_for=0.005 most_waits=12000
  for (( ; ; )); do
    if [[ -n ${THREADS:-} ]]; then # threads end with the run: their last times seen
      for task in /proc/"$program_pid"/task/*; do
        read_ticks seen "$task" || continue
        thread_ticks[$task]=$seen
        [[ -n ${thread_names[$task]:-} ]] || read -r "thread_names[$task]" < "$task/comm" || true
      done
    fi
    if read -r -t "$wait_for" -u "${watcher[0]}" name; then
      [[ $name == "$last" ]] || continue
    else
      ((++waits < most_waits)) || { echo "bench/program_run.sh: the run did not write $count photos" >&2; exit 1; }
      # A name lost while the watch on the new folder was set up: looked for.
      files=("$home"/Pictures/*/"$last")
      [[ -e ${files[0]} ]] || continue
    fi
    files=("$home"/Pictures/*/*.jpg)
    ((${#files[@]} >= count)) && break
  done
  end=$(now)
  end_ticks=$(cpu_ticks "/proc/$program_pid")
  desktop_end=$(desktop_ticks)
  [[ -n $recorder ]] && kill -INT "$recorder" && wait "$recorder" || true
  kill "$watcher_PID" 2>/dev/null && wait "$watcher_PID" 2>/dev/null || true
  if [[ -n ${THREADS:-} ]]; then
    for task in "${!thread_ticks[@]}"; do
      echo "$((thread_ticks[$task] - ${thread_start[$task]:-0})) ${thread_names[$task]} ${task##*/}"
    done > "$scratch/threads"
  fi
  # The last file was renamed into place: the run's end (the question) is let finish.
  nap 0.3
  awk -v s="$start" -v e="$end" -v c=$((end_ticks - start_ticks)) -v d=$((desktop_end - desktop_start)) -v t="$ticks" \
    'BEGIN { print e - s, c / t, d / t }' \
    >> "$scratch/${recording:+recorded.}program.times"
}

# One round: the program is started and waits in the wizard; after the rest the two
# timed runs follow each other, the tool first in odd rounds and the program first in
# even ones, so that neither is always the one that follows the other's load.
run_round() { # number
  open_wizard
  nap "$rest"
  if (($1 % 2)); then
    run_tool && run_program
  else
    run_program && run_tool
  fi
  check_and_close
}

echo "$count photos in $corpus; $cores cores; $rounds rounds after one warm-up round" >&2
run_round 1
: > "$scratch/tool.times"
: > "$scratch/program.times"
for ((round = 1; round <= rounds; round++)); do
  echo "round $round of $rounds" >&2
  run_round "$round"
done

if [[ -n ${PERF:-} ]]; then
  echo "one more run of the program, recorded into $PERF" >&2
  open_wizard
  nap "$rest"
  recording=1 run_program
  close_program
fi

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
tool_wall=$(cut -d' ' -f1 "$scratch/tool.times" | median)
tool_cpu=$(cut -d' ' -f2 "$scratch/tool.times" | median)
program_wall=$(cut -d' ' -f1 "$scratch/program.times" | median)
program_cpu=$(cut -d' ' -f2 "$scratch/program.times" | median)
desktop_cpu=$(cut -d' ' -f3 "$scratch/program.times" | median)
wall_ratio=$(paste -d' ' "$scratch/tool.times" "$scratch/program.times" | awk '{ print $3 / $1 }' | median)
cpu_ratio=$(paste -d' ' "$scratch/tool.times" "$scratch/program.times" | awk '{ print $4 / $2 }' | median)
awk -v tw="$tool_wall" -v tc="$tool_cpu" -v pw="$program_wall" -v pc="$program_cpu" -v dc="$desktop_cpu" \
  -v wr="$wall_ratio" -v cr="$cpu_ratio" -v cores="$cores" 'BEGIN {
  printf "%-34s %9s %9s %12s\n", "reduce to 640 x 480, q75", "median s", "cpu s", "cores busy"
  printf "%-34s %9.2f %9.2f %12.2f\n", "snapwane-reduce -j " cores, tw, tc, tc / tw
  printf "%-34s %9.2f %9.2f %12.2f\n", "the program (Start to last file)", pw, pc, pc / pw
  printf "%-34s %9s %9.2f\n", "  X server + window manager, then", "", dc
  print "\nratios, the program / snapwane-reduce (median of the rounds)"
  printf "  %-20s %6.2f   (goal <= 1.10)\n", "wall time", wr
  printf "  %-20s %6.2f   (goal <= 1.05)\n", "processor time", cr
}'
echo "  each round (wall): $(paste -d' ' "$scratch/tool.times" "$scratch/program.times" |
  awk '{ printf "%s%.2f", (NR > 1 ? " " : ""), $3 / $1 }')"
echo "outputs byte-identical in every run"
if [[ -n ${THREADS:-} ]]; then
  echo -e "\nthe program's threads in the last run, processor seconds from Start to the last file:"
  sort -rn "$scratch/threads" | awk -v t="$ticks" '{ n = $1; $1 = ""; printf "  %6.2f %s\n", n / t, $0 }'
fi
