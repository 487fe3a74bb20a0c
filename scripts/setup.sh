#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages that are missing (apt-get, through sudo when not
# root), then configures and builds into build/ or $BUILD_DIR: the targets named
# as arguments (scripts/setup.sh snapwane), with what building and running need
# (scripts/packages.txt), or everything, the tests too, with what they need as
# well (scripts/packages-test.txt).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

lists=("$root/scripts/packages.txt")
(( $# )) || lists+=("$root/scripts/packages-test.txt")
missing=()
while read -r pkg _; do
  [[ -z ${pkg:-} || $pkg == \#* ]] && continue
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'ok installed' || missing+=("$pkg")
done < <(cat "${lists[@]}")

if (( ${#missing[@]} )); then
  sudo=""; [[ $(id -u) == 0 ]] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get install -y -qq "${missing[@]}" >/dev/null 2>&1 ||
    { $sudo apt-get update -qq && $sudo apt-get install -y -qq "${missing[@]}" >/dev/null; }
fi

build=${BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" ${CMAKE_EXTRA:-} >/dev/null
targets=()
(( $# )) && targets=(--target "$@")
cmake --build "$build" --parallel "$(nproc)" "${targets[@]}"
