#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds the program and its tools (not the tests), and
# starts Snapwane with the given arguments (photos and folders to load).
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/setup.sh" snapwane snapwane-reduce snapwane-pack
exec "${BUILD_DIR:-$root/build}/snapwane" "$@"
