#!/usr/bin/env bash
# Uses every function of both windows with the keyboard alone, as a person without a mouse
# does: xdotool sends keys only, never moves or clicks the mouse. In the main window: typing a
# number, each scan button with Return or Space, each "x" with Return or Space, reading every box
# through its own copy, the error report closed with Return, Ctrl+L. In the comparison window
# that Ctrl+L opens: a number typed and measured with Return, "Messen" pressed with Return,
# "Abbrechen", the axes switch, the table copied, "Speichern …" through Qt's file dialog. Saves
# screenshots of the status line and the focus frame, light and dark. Run it in an X server:
#   xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" keyboard-end-to-end.sh PATH/TO/faktorlupe OUTPUT_DIR
# The comparison program is found by faktorlupe itself, beside it as in the build tree. At the
# end both windows open at twice the size and must fit the screen.
set -euo pipefail
# shellcheck source=x-helpers.sh
. "$(dirname "$0")/x-helpers.sh"
app=$1
out=$2
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        { kill "$pid" && wait "$pid"; } 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

start_window_manager || exit 1

# Tab order of the main form from the input box: the three scan buttons, the three result
# boxes with the time boxes between, then the three "x" buttons.
declare -A tabs=(
    [txtEingabe]=0 [cmdAlle]=1 [cmdHalbe]=2 [cmdWurzel]=3 [txtAlle]=4 [txtZeitAlle]=5
    [txtHalbe]=6 [txtWurzel]=7 [txtZeitHalbe]=8 [txtZeitWurzel]=9 [Command1]=10 [Command2]=11
    [Command3]=12
)
# Goes to a control with Tab, round the chain of 13 from the control that has the focus; it
# starts in the input box, and a closed report gives it back to the button that was pressed.
at=0
go() {
    local n=$(((tabs[$1] - at + 13) % 13))
    # shellcheck disable=SC2046
    [ "$n" -gt 0 ] && xdotool key --delay 30 $(printf 'Tab %.0s' $(seq "$n"))
    at=${tabs[$1]}
    sleep 0.1
}
reach_box() { go "$1"; }
reach_input() { go txtEingabe; }

"$app" &
pids+=($!)
window=$(find_window '^Faktorlupe$')
[ -n "$window" ] || fail "the window did not appear"
sleep 0.5

type_number 97
go cmdAlle && xdotool key Return
go cmdHalbe && xdotool key space
go cmdWurzel && xdotool key Return
sleep 0.3
for box in txtAlle txtHalbe txtWurzel; do expect_box "$box" '1 - 97'; done
# A scan of 97 takes microseconds: "0", or, under a decimal point before 02:46:40, when the
# stopwatch's readings still keep their fractions, a fraction of a hundredth.
for box in txtZeitAlle txtZeitHalbe txtZeitWurzel; do
    reach_box "$box"
    seconds=$(copied_text)
    awk -v t="$seconds" 'BEGIN { exit !(t ~ /^[0-9.E-]+$/ && t + 0 < 0.01) }' ||
        fail "$box holds '$seconds', expected less than a hundredth"
    echo "ok: $box = '$seconds'"
done
type_number 717313
go cmdAlle && xdotool key Return
expect_box txtAlle '1 - 71 - 10103 - 717313'
go Command1 && xdotool key Return
expect_box txtAlle ''
expect_box txtZeitAlle ''
go Command2 && xdotool key space
expect_box txtHalbe ''
go Command3 && xdotool key Return
expect_box txtWurzel ''
echo "ok: Return and Space press the scan and \"x\" buttons"

# A number beyond the 32-bit range: the report, closed with Return, leaves the program going.
type_number 2147483648
go cmdAlle && xdotool key Return
report=$(find_other_window '^Faktorlupe$' "$window")
[ -n "$report" ] || fail "no error report appeared"
xdotool key Return
sleep 0.5
xdotool search --onlyvisible --name '^Faktorlupe$' 2>/dev/null | grep -qx "$report" && fail "the report is still open"
echo "ok: the error report opened and closed with Return"

# The screenshots: the status line after a scan, the focus frame on the button pressed.
type_number 717313
go cmdWurzel && xdotool key Return
sleep 0.5
grab_window "$window" "$out/faktorlupe-statuszeile.png"
echo "ok: screenshot of the status line and the focus frame saved to $out/faktorlupe-statuszeile.png"

# Ctrl+L: the comparison window for the input's number.
xdotool key ctrl+l
comparison=$(find_window '^Faktorlupe – Laufzeitvergleich$')
[ -n "$comparison" ] || fail "Ctrl+L opened no comparison window"
# A program of its own, which the cleanup ends too.
comparison_pid=$(xdotool getwindowpid "$comparison")
pids+=("$comparison_pid")
echo "ok: Ctrl+L opened the comparison window"
sleep 1
# Alt+Z reaches the numbers line; the table is five Tabs on (past "Messen", "Neue Reihe",
# "Reihe wählen" and the chart).
table_holds() {
    xdotool key alt+z Tab Tab Tab Tab Tab
    local rows
    for _ in $(seq "${3:-40}"); do
        rows=$(copied_rows "$1")
        [ "$rows" = "$2" ] && return 0
        sleep 0.5
    done
    return 1
}
xdotool key alt+z
xdotool type --delay 20 '101'
xdotool key Return
table_holds '717313|101' 2 || fail "the table does not hold 717313 and 101"
echo "ok: the number typed and Return measured it beside the one Ctrl+L gave"
xdotool key alt+z
xdotool type --delay 20 '1009'
xdotool key Tab Return
table_holds '717313|101|1009' 3 || fail "Return on Messen did not measure 1009"
echo "ok: Return on Messen measured 1009"

# Abbrechen (Alt+A) stops the measuring at once, in the middle of a large prime that takes
# seconds: a number typed next is measured at once, and neither of the two before it ever.
xdotool key alt+z
xdotool type --delay 20 '1000000007; 13'
xdotool key Return
sleep 0.5
xdotool key alt+a
sleep 0.2
xdotool key alt+z
xdotool type --delay 20 '17'
xdotool key Return
table_holds '17' 1 4 || fail "after Abbrechen 17 was not measured at once"
table_holds '1000000007|13' 0 1 || fail "Abbrechen did not stop the measuring"
echo "ok: Abbrechen stopped the measuring at once"

# The axes switch with Alt+L, then Speichern … through the file dialog, with Return.
xdotool key alt+l
sleep 0.3
xdotool key alt+s
dialog=$(find_window 'Speichern' 10)
[ -n "$dialog" ] || fail "Speichern … opened no dialog"
sleep 0.5
xdotool key ctrl+a
xdotool type --delay 20 "$work/vergleich.png"
xdotool key Return
for _ in $(seq 30); do [ -s "$work/vergleich.png" ] && break; sleep 0.2; done
[ -s "$work/vergleich.png" ] || fail "Speichern … wrote no file"
[ "$(head -c 4 "$work/vergleich.png" | tail -c 3)" = PNG ] || fail "Speichern … wrote no PNG"
echo "ok: Speichern … wrote the chart through the file dialog"
grab_window "$comparison" "$out/faktorlupe-tastatur-laufzeitvergleich.png"
# Ctrl+L again opens no second window: the one open comes to the front and measures the number.
xdotool windowactivate --sync "$window"
type_number 19
xdotool key ctrl+l
table_holds '19' 1 || fail "the comparison window did not measure the 19 that Ctrl+L handed it"
[ "$(xdotool search --onlyvisible --name '^Faktorlupe – Laufzeitvergleich$' | wc -l)" -eq 1 ] ||
    fail "Ctrl+L opened a second comparison window"
echo "ok: Ctrl+L again measured the number in the comparison window open, and opened no other"
kill "$comparison_pid"
await_end "$comparison_pid"

# The same status line and focus frame under a dark GNOME theme.
kill "${pids[1]}"
await_end "${pids[1]}"
QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark "$app" &
pids+=($!)
window=$(find_window '^Faktorlupe$')
[ -n "$window" ] || fail "the window did not appear under the dark theme"
at=0
sleep 0.5
go cmdWurzel && xdotool key Return
sleep 0.5
grab_window "$window" "$out/faktorlupe-statuszeile-dunkel.png"
echo "ok: screenshot under the dark theme saved to $out/faktorlupe-statuszeile-dunkel.png"
kill "${pids[-1]}"
await_end "${pids[-1]}"

# At twice the size, on this 1920x1080 screen, both windows open whole within it, frame and all.
read -r screen_width screen_height < <(xdpyinfo | awk '/dimensions:/ {split($2, s, "x"); print s[1], s[2]}')
within_screen() {
    local id=$1 what=$2 x y w h
    x=$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {print $4}')
    y=$(xwininfo -id "$id" | awk '/Absolute upper-left Y/ {print $4}')
    w=$(xwininfo -id "$id" | awk '/Width:/ {print $2}')
    h=$(xwininfo -id "$id" | awk '/Height:/ {print $2}')
    [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le "$screen_width" ] &&
        [ $((y + h)) -le "$screen_height" ] ||
        fail "$what lies at ${w}x$h+$x+$y, beyond the ${screen_width}x$screen_height screen"
    echo "ok: $what opens within the screen: ${w}x$h+$x+$y"
}
QT_SCALE_FACTOR=2 "$app" &
pids+=($!)
window=$(find_window '^Faktorlupe$')
sleep 0.5
within_screen "$window" "the main window at QT_SCALE_FACTOR=2"
QT_SCALE_FACTOR=2 "$(dirname "$app")/../vergleich/faktorlupe-vergleich" --fenster 11 &
pids+=($!)
window=$(find_window 'Laufzeitvergleich$')
sleep 0.5
within_screen "$window" "the comparison window at QT_SCALE_FACTOR=2"
echo "1 passed, 0 failed"
