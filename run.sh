#!/usr/bin/env bash
# Installs what is missing, builds, and starts Snapwane with the given arguments.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/setup.sh"
exec "$root/build/snapwane" "$@"
