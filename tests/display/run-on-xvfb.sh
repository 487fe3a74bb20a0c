#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a program on a private X server: Xvfb on a display it picks itself,
# protected by its own xauth cookie (nothing else on the machine can connect
# to it or type into it), with the openbox window manager so that windows are
# framed, activated and focused as on a desktop. Both are stopped by their
# process ids however the program ends.
#
#   tests/display/run-on-xvfb.sh PROGRAM [ARGUMENTS...]
#
# The program runs with DISPLAY, XAUTHORITY and QT_QPA_PLATFORM=xcb set; its
# exit status is this script's. SCREEN=WxH sets the screen size (1280x800).
set -euo pipefail

for tool in Xvfb openbox xauth mcookie; do
  command -v "$tool" >/dev/null || { echo "run-on-xvfb.sh: $tool is missing (scripts/setup.sh installs it)" >&2; exit 2; }
done
(( $# )) || { echo "usage: run-on-xvfb.sh PROGRAM [ARGUMENTS...]" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/snapwane-display.XXXXXX")
xvfb_pid=""
wm_pid=""
stop_desktop() {
  [[ -n $wm_pid ]] && kill "$wm_pid" 2>/dev/null || true
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
  [[ -n $wm_pid ]] && wait "$wm_pid" 2>/dev/null || true
  [[ -n $xvfb_pid ]] && wait "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap stop_desktop EXIT
trap 'exit 130' INT TERM HUP

# The server takes every cookie of its authority file whatever display it names;
# clients look for their display's, added once the server has chosen it.
auth="$work/xauth"
cookie=$(mcookie)
: >"$auth"
xauth -f "$auth" add :0 . "$cookie" 2>/dev/null

: >"$work/display" # made before the server starts, to be read at once
Xvfb -displayfd 3 -screen 0 "${SCREEN:-1280x800}x24" -nolisten tcp -auth "$auth" \
  3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
display=""
for _ in $(seq 1 100); do
  display=$(tr -d '[:space:]' <"$work/display")
  [[ -n $display ]] && break
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.05
done
[[ -n $display ]] || { echo "run-on-xvfb.sh: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 2; }
xauth -f "$auth" add ":$display" . "$cookie" 2>/dev/null
export DISPLAY=":$display" XAUTHORITY="$auth" QT_QPA_PLATFORM=xcb

# openbox runs its startup command once it manages the screen.
openbox --startup "touch $work/wm-ready" >"$work/openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 1 100); do
  [[ -e $work/wm-ready ]] && break
  kill -0 "$wm_pid" 2>/dev/null || break
  sleep 0.05
done
[[ -e $work/wm-ready ]] || { echo "run-on-xvfb.sh: openbox did not start" >&2; cat "$work/openbox.log" >&2; exit 2; }

status=0
"$@" || status=$?
exit "$status"
