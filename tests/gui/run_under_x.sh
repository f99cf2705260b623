#!/usr/bin/env bash
# Usage: run_under_x.sh PROGRAM SCREENSHOT.png
# Starts PROGRAM under a virtual X server, waits for the window "Quellfin v1.0", checks its size,
# saves a screenshot of it, presses Alt+X and expects the program to end with status 0.
set -euo pipefail
program=$1
screenshot=$2

if [[ -z "${QUELLFIN_IN_X:-}" ]]; then
    export QUELLFIN_IN_X=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
unset QT_QPA_PLATFORM

"$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

window=$(timeout 30 xdotool search --sync --name '^Quellfin v1\.0$' | head -n 1)
[[ -n "$window" ]] || { echo "no window titled 'Quellfin v1.0'"; exit 1; }
sleep 1 # let it draw

read -r width height < <(xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')
echo "window $window: ${width}x${height}"
if [[ "$width" != 938 || "$height" != 667 ]]; then
    echo "expected 938x667"
    exit 1
fi

import -window "$window" "$screenshot"
echo "screenshot: $screenshot"

xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers alt+x

status=0
for _ in $(seq 1 100); do
    if ! kill -0 "$pid" 2>/dev/null; then
        break
    fi
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    echo "still running after Alt+X"
    exit 1
fi
wait "$pid" || status=$?
trap - EXIT
echo "exit status $status"
exit "$status"
