#!/usr/bin/env bash
# Installs what is missing, builds, and starts Snapwane with the given arguments.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/setup.sh"
if [[ -x $root/build/snapwane ]]; then
  exec "$root/build/snapwane" "$@"
fi
# Until the program's window exists, the batch reducer does its main job on the arguments.
exec "$root/build/snapwane-reduce" "$@"
