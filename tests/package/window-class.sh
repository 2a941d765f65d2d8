#!/usr/bin/env bash
# Starts the program in the X server it finds, waits for its window and prints the class part of
# the window's WM_CLASS.
#   window-class.sh PATH/TO/faktorlupe
set -euo pipefail
"$1" >/dev/null 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Faktorlupe$' | head -n 1)
kill -0 "$pid"
# WM_CLASS(STRING) = "faktorlupe", "Faktorlupe": the instance, then the class.
xprop -id "$window" WM_CLASS | sed -n 's/.*, "\(.*\)"$/\1/p'
