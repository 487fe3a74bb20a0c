#!/usr/bin/env bash
# How long the program takes to load chosen photos (command 130) and the
# folder of them (command 131), and the thumbnail pipeline alone on one thread
# and on every core.
#   bench/load_photos.sh [FOLDER]    FOLDER: JPEG photos (default: 100 camera
#   photos copied from /tmp/snapwane-corpus into a temporary folder)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" >/dev/null
folder=${1:-}
if [[ -z $folder ]]; then
  folder=$(mktemp -d)
  trap 'rm -rf "$folder"' EXIT
  corpus=/tmp/snapwane-corpus
  compgen -G "$corpus/*.jpg" > /dev/null || { echo "no photos in $corpus (bench/make_corpus.sh)" >&2; exit 1; }
  i=0
  while (( i < 100 )); do
    for photo in "$corpus"/*.jpg; do
      (( i < 100 )) || break
      i=$((i + 1))
      cp "$photo" "$folder/$(printf 'P%03d_' "$i")$(basename "$photo")"
    done
  done
fi
cat "$folder"/*.jpg > /dev/null # read once, so the disk cache does not decide the first run
echo "$(ls "$folder" | wc -l) photos in $folder, $(nproc) cores"
QT_QPA_PLATFORM=offscreen SNAPWANE_LOAD_BENCH_DIR="$folder" \
  "${BUILD_DIR:-$root/build}/load_bench" 2>&1 | grep -E '^(load|thumbnails)|FAILED'
