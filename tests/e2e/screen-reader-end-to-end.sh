#!/usr/bin/env bash
# Starts faktorlupe with its accessibility always on and checks what a screen reader sees of it.
# Run it inside an X server and its own D-Bus session:
#   xvfb-run -a dbus-run-session -- screen-reader-end-to-end.sh PATH/TO/faktorlupe
set -euo pipefail
here=$(dirname "$0")
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
# Debian's python3, where python3-pyatspi lives, whatever python3 comes first on the path.
/usr/bin/python3 "$here/screen-reader-end-to-end.py"
