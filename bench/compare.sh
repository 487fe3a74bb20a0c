#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# bench/compare.sh [CORPUS]
#
# Snapwane against its peers and against the decoder itself, on the same photos, in
# one go. Every round runs every command once, in turn (so a machine that changes
# speed during the run slows all of them alike); the table shows the median wall
# time of the whole job over the rounds, its median processor time (user + system:
# what the job costs whatever else the machine is doing) and the largest peak
# resident memory of a single process, then the ratios the project aims for (of
# the wall times, with the same ratio of processor times beside them). On a
# machine busy with other work the wall times of jobs that use every core mean
# little: compare on an otherwise idle machine.
#
#   reduce to 640 x 480, quality 75:
#     snapwane-reduce -j 1 and with one job per core; ImageMagick mogrify -resize;
#     GraphicsMagick mogrify -resize; vipsthumbnail (shrinks while it decodes);
#     Pillow with a full decode and with draft() (shrinks while it decodes)
#   the floor: libjpeg-turbo's djpeg decoding every photo at full size, in one
#     stream and in one stream per core
#   192 x 144 thumbnails: snapwane-thumbnails (exactly as the program's loading makes
#     them, one job per core) and vipsthumbnail; the floor: djpeg -scale 1/8
#
# Peers that are not installed are left out (the line to install them is printed).
# CORPUS defaults to $TMPDIR/snapwane-corpus and is made by bench/make_corpus.sh when
# missing. Environment: ROUNDS (default 5), BUILD_DIR (default build/).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
corpus=${1:-${TMPDIR:-/tmp}/snapwane-corpus}
rounds=${ROUNDS:-5}
build=${BUILD_DIR:-$root/build}
cores=$(nproc)

[[ -x $build/snapwane-reduce && -x $build/snapwane-thumbnails ]] || BUILD_DIR=$build "$root/scripts/setup.sh" >/dev/null
[[ -f $corpus/MANIFEST.tsv ]] || "$root/bench/make_corpus.sh" "$corpus"
for needed in djpeg:libjpeg-turbo-progs /usr/bin/time:time; do
  command -v "${needed%%:*}" >/dev/null || { echo "bench/compare.sh needs ${needed#*:} (apt-get install ${needed#*:})" >&2; exit 2; }
done

photos=("$corpus"/*.jpg)
for photo in "${photos[@]}"; do
  [[ $photo != *[[:space:]]* ]] || { echo "bench/compare.sh: photo paths must not contain spaces: $photo" >&2; exit 2; }
done
scratch=$(mktemp -d "${TMPDIR:-/tmp}/snapwane-compare.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
python=/usr/bin/python3

cat > "$scratch/pillow.py" <<'PY'
import sys
from PIL import Image
draft = sys.argv[1] == "draft"
out, size = sys.argv[2], (int(sys.argv[3]), int(sys.argv[4]))
for path in sys.argv[5:]:
    with Image.open(path) as im:
        # thumbnail() fits into the box keeping the proportions; reducing_gap=None turns off its draft().
        im.thumbnail(size, Image.BICUBIC, reducing_gap=2.0 if draft else None)
        im.save(out + "/" + path.rsplit("/", 1)[-1], quality=75)
PY
cat > "$scratch/djpeg-all.sh" <<'SH'
#!/bin/sh
# djpeg-all.sh STREAMS SCALE PHOTO...: decode every photo, STREAMS at a time
streams=$1 scale=$2; shift 2
printf '%s\0' "$@" | xargs -0 -P "$streams" -n 1 djpeg -scale "$scale" -outfile /dev/null
SH
cat > "$scratch/gm-mogrify.sh" <<'SH'
#!/bin/sh
# gm-mogrify.sh OUT PHOTO...: GraphicsMagick puts the name as given under OUT, so give it bare names
out=$1; shift
cd "$(dirname "$1")" && for photo in "$@"; do basename "$photo"; done |
  xargs gm mogrify -output-directory "$out" -resize 640x480 -quality 75
SH
chmod +x "$scratch/djpeg-all.sh" "$scratch/gm-mogrify.sh"

# name|command; {out} is a fresh empty folder for each run.
commands=(
  "reduce:snapwane-reduce -j 1|$build/snapwane-reduce -j 1 -s 640x480 -q 75 -o {out} ${photos[*]}"
  "reduce:snapwane-reduce -j $cores|$build/snapwane-reduce -j $cores -s 640x480 -q 75 -o {out} ${photos[*]}"
)
missing=()
add_peer() { # package, probe, label, command
  if eval "$2" >/dev/null 2>&1; then commands+=("$3|$4"); else missing+=("$1"); fi
}
add_peer imagemagick "command -v mogrify" "reduce:ImageMagick mogrify" \
  "mogrify -path {out} -resize 640x480 -quality 75 ${photos[*]}"
add_peer graphicsmagick "command -v gm" "reduce:GraphicsMagick mogrify" \
  "$scratch/gm-mogrify.sh {out} ${photos[*]}"
add_peer libvips-tools "command -v vipsthumbnail" "reduce:vipsthumbnail" \
  "vipsthumbnail --size 640x480 -o {out}/%s.jpg[Q=75] ${photos[*]}"
add_peer python3-pil "$python -c 'import PIL'" "reduce:Pillow, full decode" \
  "$python $scratch/pillow.py full {out} 640 480 ${photos[*]}"
add_peer python3-pil "$python -c 'import PIL'" "reduce:Pillow with draft()" \
  "$python $scratch/pillow.py draft {out} 640 480 ${photos[*]}"
commands+=(
  "floor:djpeg full size, 1 stream|$scratch/djpeg-all.sh 1 1/1 ${photos[*]}"
  "floor:djpeg full size, $cores streams|$scratch/djpeg-all.sh $cores 1/1 ${photos[*]}"
  "thumbs:snapwane-thumbnails -j $cores|$build/snapwane-thumbnails -j $cores ${photos[*]}"
)
add_peer libvips-tools "command -v vipsthumbnail" "thumbs:vipsthumbnail 192x144" \
  "vipsthumbnail --size 192x144 -o {out}/%s.jpg ${photos[*]}"
commands+=(
  "thumbs:djpeg -scale 1/8, 1 stream|$scratch/djpeg-all.sh 1 1/8 ${photos[*]}"
  "thumbs:djpeg -scale 1/8, $cores streams|$scratch/djpeg-all.sh $cores 1/8 ${photos[*]}"
)

# Runs command i once; appends "wall-seconds peak-kB user-seconds system-seconds" to its record.
run_once() {
  local i=$1 spec=${commands[$1]} out="$scratch/out"
  rm -rf "$out" && mkdir -p "$out"
  local line=${spec#*|}
  # shellcheck disable=SC2086  # the command line is a list of words
  /usr/bin/time -f "%e %M %U %S" -o "$scratch/time" ${line//\{out\}/$out} >/dev/null 2>"$scratch/stderr" ||
    { echo "failed: ${spec%%|*}" >&2; cat "$scratch/stderr" >&2; exit 1; }
  cat "$scratch/time" >> "$scratch/record.$i"
}

echo "${#photos[@]} photos in $corpus; $cores cores; $rounds rounds after one warm-up round" >&2
for ((i = 0; i < ${#commands[@]}; i++)); do run_once "$i"; : > "$scratch/record.$i"; done
for ((round = 1; round <= rounds; round++)); do
  echo "round $round of $rounds" >&2
  for ((i = 0; i < ${#commands[@]}; i++)); do run_once "$i"; done
done

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
for ((i = 0; i < ${#commands[@]}; i++)); do
  spec=${commands[$i]} label=${spec%%|*}
  seconds=$(cut -d' ' -f1 "$scratch/record.$i" | median)
  peak=$(cut -d' ' -f2 "$scratch/record.$i" | sort -g | tail -1)
  cpu=$(awk '{ print $3 + $4 }' "$scratch/record.$i" | median)
  printf '%s|%s|%s|%s|%s\n' "${label%%:*}" "${label#*:}" "$seconds" "$peak" "$cpu"
done > "$scratch/table"

awk -F'|' -v cores="$cores" '
  { group[NR] = $1; name[NR] = $2; sec[NR] = $3; mb[NR] = $4 / 1024; cpu[NR] = $5
    by[$2] = $3; peak[$2] = $4 / 1024; cpuBy[$2] = $5 }
  function have(n) { return n in by }
  function ratio(label, a, b, goal) {
    if (have(a) && have(b))
      printf "  %-52s %6.2f   (goal <= %s; processor time %.2f)\n", label, by[a] / by[b], goal, cpuBy[a] / cpuBy[b]
  }
  END {
    title["reduce"] = "reduce to 640 x 480, q75"; title["floor"] = "the floor: full-size decode"
    title["thumbs"] = "192 x 144 thumbnails"
    printf "%-30s %-34s %9s %9s %9s\n", "job", "tool", "median s", "cpu s", "peak MB"
    for (i = 1; i <= NR; i++) {
      printf "%-30s %-34s %9.2f %9.2f %9.1f\n", (group[i] != group[i - 1]) ? title[group[i]] : "", name[i], sec[i],
        cpu[i], mb[i]
    }
    all = "snapwane-reduce -j " cores
    fastest = ""
    if (have("Pillow with draft()")) fastest = "Pillow with draft()"
    if (have("vipsthumbnail") && (fastest == "" || by["vipsthumbnail"] < by[fastest])) fastest = "vipsthumbnail"
    print "\nratios"
    if (fastest != "") ratio("1. reduce, all jobs / fastest peer (" fastest ")", all, fastest, "0.75")
    ratio("1. reduce, all jobs / djpeg, " cores " streams", all, "djpeg full size, " cores " streams", "1.15")
    ratio("2. reduce, one job / djpeg, 1 stream", "snapwane-reduce -j 1", "djpeg full size, 1 stream", "1.15")
    printf "  %-52s %6.1f   (goal <= 48)\n", "3. peak MB of the reduction, all jobs", peak[all]
    ratio("4. thumbnails / vipsthumbnail", "snapwane-thumbnails -j " cores, "vipsthumbnail 192x144", "0.75")
  }' "$scratch/table"
if ((${#missing[@]})); then
  printf '\nleft out (not installed): %s\n  apt-get install %s\n' "$(printf '%s ' "${missing[@]}" | tr ' ' '\n' | sort -u | tr '\n' ' ')" \
    "$(printf '%s\n' "${missing[@]}" | sort -u | tr '\n' ' ')"
fi
