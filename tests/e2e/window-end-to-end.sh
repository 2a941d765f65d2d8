#!/usr/bin/env bash
# Drives the real faktorlupe in an X window with real input events: types a number, clicks each
# scan button where the layout puts it, reads the boxes back through the clipboard, clears a row,
# provokes a run-time error, dismisses its report with Return and checks that the window still
# works. Saves screenshots of the window: as designed, scaled to 1.5 times its size, and under a
# dark GNOME theme. Then opens the comparison window of faktorlupe-vergleich, waits until three
# small numbers are measured, starts the doubling preset and saves a screenshot of it at 1920x1080.
# Run it inside an X server of at least 1920x1080, e.g. under xvfb-run.
#   window-end-to-end.sh PATH/TO/faktorlupe PATH/TO/faktorlupe-vergleich SCREENSHOT.png \
#       PATH/TO/layout-centres
# writes SCREENSHOT.png, SCREENSHOT-1.5.png, SCREENSHOT-dunkel.png and
# SCREENSHOT-laufzeitvergleich.png.
set -euo pipefail
# shellcheck source=x-helpers.sh
. "$(dirname "$0")/x-helpers.sh"
app=$1
vergleich=$2
screenshot=$3
layout_centres=$4

"$app" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

window=$(find_window '^Faktorlupe$')
[ -n "$window" ] || fail "the window did not appear"
sleep 0.5

# Positions in the window, in pixels: the centre of each control as the layout table places it.
declare -A centre
while read -r name x y; do centre[$name]="$x $y"; done < <("$layout_centres")
click_at() {
    xdotool mousemove --window "$window" "$1" "$2" click 1
    sleep 0.2
}
click_on() {
    # shellcheck disable=SC2086
    click_at ${centre[$1]}
}
click_input() { click_on txtEingabe; }
click_alle() { click_on cmdAlle; }
click_halbe() { click_on cmdHalbe; }
click_wurzel() { click_on cmdWurzel; }
click_clear_alle() { click_on Command1; }

reach_box() { click_on "$1"; }
# Clicks into a box and copies all of it.
read_box() {
    reach_box "$1"
    copied_text
}

reach_input() { click_input; }

expect_time() {
    local actual
    actual=$(read_box "$1")
    [[ "$actual" =~ ^[0-9]+([.,][0-9]+)?(E-[0-9]+)?$ ]] || fail "$1 shows '$actual', not seconds"
    echo "ok: $1 = '$actual' seconds"
}

type_number 360
click_alle
click_halbe
click_wurzel
list='1 - 2 - 3 - 4 - 5 - 6 - 8 - 9 - 10 - 12 - 15 - 18 - 20 - 24 - 30 - 36 - 40 - 45 - 60 - 72 - 90 - 120 - 180 - 360'
for box in txtAlle txtHalbe txtWurzel; do
    expect_box "$box" "$list"
done
for box in txtZeitAlle txtZeitHalbe txtZeitWurzel; do
    expect_time "$box"
done

click_clear_alle
expect_box txtAlle ''
expect_box txtZeitAlle ''
expect_box txtHalbe "$list"

# An input beyond the 32-bit range: the report opens as a second window titled Faktorlupe.
type_number 2147483648
click_alle
report=$(find_other_window '^Faktorlupe$' "$window")
[ -n "$report" ] || fail "no error report appeared"
echo "ok: the error report opened"
xdotool windowfocus --sync "$report"
xdotool key Return
sleep 0.5
xdotool search --onlyvisible --name '^Faktorlupe$' 2>/dev/null | grep -qx "$report" && fail "the report is still open"
kill -0 "$pid" 2>/dev/null || fail "the program ended after the error"
echo "ok: the report closed with Return and the program runs on"

type_number 717313
click_alle
click_wurzel
expect_box txtAlle '1 - 71 - 10103 - 717313'
expect_box txtWurzel '1 - 71 - 10103 - 717313'

# The screenshot shows all three rows filled, without the selections of the reads above.
click_halbe
click_alle
click_wurzel
xdotool mousemove --window "$window" 860 580
sleep 0.3
grab_window "$window" "$screenshot"
echo "ok: screenshot saved to $screenshot"

# The frame enlarged by half: the whole form grows with it.
xdotool windowsize --sync "$window" 1305 884 || xdotool windowsize "$window" 1305 884
sleep 0.5
read -r width height < <(xdotool getwindowgeometry "$window" | awk '/Geometry/ {split($2, s, "x"); print s[1], s[2]}')
[ "$width" = 1305 ] && [ "$height" = 884 ] || fail "the window is ${width}x$height after resizing, expected 1305x884"
grab_window "$window" "${screenshot%.png}-1.5.png"
echo "ok: screenshot of the window at 1.5 times its size saved to ${screenshot%.png}-1.5.png"
kill "$pid"
wait "$pid" 2>/dev/null || true

# Under a dark GNOME theme, as a GNOME user in dark mode gets it.
QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark "$app" &
pid=$!
window=$(find_window '^Faktorlupe$')
[ -n "$window" ] || fail "the window did not appear under the dark theme"
sleep 0.5
click_alle
click_halbe
click_wurzel
xdotool mousemove --window "$window" 860 580
sleep 0.3
grab_window "$window" "${screenshot%.png}-dunkel.png"
echo "ok: screenshot under the dark theme saved to ${screenshot%.png}-dunkel.png"
kill "$pid"
wait "$pid" 2>/dev/null || true

# The comparison window, as the desktop entry's action opens it, with three small numbers, at
# the size of a projector's screen. Its table is copied through the clipboard until it holds
# the rows looked for; a click into the table's empty part gives it the focus, another one
# there after the copy ends the selection.
"$vergleich" --fenster 11 101 1009 &
pid=$!
window=$(find_window '^Faktorlupe – Laufzeitvergleich$')
[ -n "$window" ] || fail "the comparison window did not appear"
xdotool windowmove --sync "$window" 0 0 || true
xdotool windowsize --sync "$window" 1920 1080 || xdotool windowsize "$window" 1920 1080
sleep 0.5
table_rows() {
    click_at 100 990
    copied_rows "$1"
}
wait_for_rows() {
    local rows=0
    for _ in $(seq "$3"); do
        sleep 0.5
        rows=$(table_rows "$1")
        [ "$rows" = "$2" ] && return 0
    done
    fail "the comparison window's table holds $rows of the $2 numbers $1"
}
wait_for_rows '11|101|1009' 3 40
echo "ok: the comparison window measured 11, 101 and 1009 and lists them in its table"

# Neue Reihe, then the doubling preset from "Reihe wählen", by the keyboard alone.
xdotool windowfocus --sync "$window"
xdotool key alt+n
sleep 0.3
[ "$(table_rows '11|101|1009')" = 0 ] || fail "Neue Reihe left rows in the table"
echo "ok: Neue Reihe emptied the table"
started=$(date +%s%N)
xdotool key alt+w
sleep 0.5
# The menu opens on its first entry, the default series; the doubling one is the next.
xdotool key Down Return
wait_for_rows '100000007|199999991|400000009|799999999|1600000009' 5 150
took=$((($(date +%s%N) - started) / 100000000))
echo "ok: the doubling preset was measured, in $((took / 10)),$((took % 10)) seconds or a little less"
click_at 100 990
xdotool mousemove --window "$window" 5 5
sleep 0.5
grab_window "$window" "${screenshot%.png}-laufzeitvergleich.png"
echo "ok: screenshot of the comparison window with the doubling series at 1920x1080 saved to ${screenshot%.png}-laufzeitvergleich.png"
echo "1 passed, 0 failed"
