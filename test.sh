#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds everything (the tests too), and runs every test
# through CTest.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/setup.sh"
cd "${BUILD_DIR:-$root/build}"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" "$@"
