#!/usr/bin/env bash
# What Orca itself speaks of Faktorlupe: starts the GNOME screen reader with speech-dispatcher and
# espeak-ng in a private home, then drives the real program with keys only and reads what Orca
# spoke from its debug log (flushed line by line by an orca-customizations.py). Checks that
# - the input box is read whole when it gets the focus ("717313", not "71731");
# - Ctrl+Left and Ctrl+Right in it are answered, by word, and the program goes on answering;
# - Space on "Algorithmus >alle<" with 97 speaks the result, Orca's status bar command the
#   precise figures, and Return on "Algorithmus >Wurzel<" with -5 the error report;
# - the comparison window tells its measuring's start and end once, a wrong number in its line,
#   its menu's name, the table's first cell and a cell with its column and its row's number.
# Run it in an X server of its own and its own D-Bus session:
#   xvfb-run -a dbus-run-session -- orca-end-to-end.sh PATH/TO/faktorlupe
set -euo pipefail
# shellcheck source=orca-session.sh
. "$(dirname "$0")/orca-session.sh"
app=$1
start_orca

set_mark
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$app" &
pids+=($!)
app_pid=$!
result=0
expect_spoken "SPEECH OUTPUT: '717313\.'" "the input box is read whole on focus" || result=1
case_result $result

# Qt 6.4's own answer for the word at the end of the text loops for good: the program would
# stop answering here. A scan afterwards shows that it answers.
result=0
set_mark
xdotool key End
chord ctrl Left
expect_spoken "SPEECH OUTPUT: '717313'" "Ctrl+Left reads the word" || result=1
set_mark
chord ctrl Right
expect_spoken "SPEECH OUTPUT: '717313'" "Ctrl+Right reads the word at the end" || result=1
chord ctrl Right
set_mark
xdotool key Tab
expect_spoken "SPEECH OUTPUT: 'Algorithmus alle " "the program still answers: Tab reaches the next button" ||
    result=1
case_result $result

result=0
xdotool key shift+Tab
xdotool key ctrl+a
xdotool type --delay 50 97
xdotool key Tab
set_mark
xdotool key space
expect_spoken "SPEECH OUTPUT: '2 Teiler: 1 und 97, 0 Sekunden, genau [0-9]+(,[0-9]+)? (Nano|Mikro|Milli)sekunden\.'" \
    "Space on the scan button speaks the result" || result=1
# Orca's status bar command: Orca (Insert) with Enter on the keypad, twice.
set_mark
xdotool keydown Insert
xdotool key KP_Enter KP_Enter
xdotool keyup Insert
expect_spoken "SPEECH OUTPUT: 'Algorithmus alle mit 97: genau [0-9]+(,[0-9]+)? (Nano|Mikro|Milli)sekunden, 96 Kandidaten, 2 Teiler\.'" \
    "Orca's status bar command reads the precise figures" || result=1
# Of the same scan: Orca's Enter on the keypad must not reach the button and scan again.
announced=$(grep -a "SPEECH OUTPUT: '2 Teiler: 1 und 97" "$log" | head -n 1 |
    sed -nE "s/.*, genau (.*)\.'.*/\1/p")
read_out=$(spoken_since_mark | grep -a "mit 97: genau" | head -n 1 |
    sed -nE "s/.*mit 97: genau (.*), 96 Kandidaten.*/\1/p")
if [ -n "$announced" ] && [ "$announced" = "$read_out" ]; then
    echo "ok: the status bar tells the same scan that was announced: $read_out"
else
    echo "FAIL: the status bar tells '$read_out', the announcement '$announced': a second scan ran" >&2
    result=1
fi
case_result $result

result=0
set_mark
xdotool key shift+Tab
xdotool key ctrl+a
xdotool type --delay 50 -- -5
xdotool key Tab Tab Tab
expect_spoken "SPEECH OUTPUT: 'Algorithmus Wurzel " "Tab reaches the root scan button" || result=1
set_mark
xdotool key Return
expect_spoken "SPEECH OUTPUT: 'Laufzeitfehler '5'" "Return on the root scan button with -5 speaks the error report" ||
    result=1
set_mark
xdotool key Return
expect_spoken "SPEECH OUTPUT: 'Algorithmus Wurzel " "Return closes the report, and the focus is back on the button" ||
    result=1
case_result $result
kill -0 "$app_pid" 2>/dev/null || fail "the program ended"

# The comparison window tells the start and the end of its measuring once each, nothing between.
result=0
set_mark
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$(dirname "$app")/../vergleich/faktorlupe-vergleich" \
    --fenster 1000000007 &
pids+=($!)
[ -n "$(find_window 'Laufzeitvergleich$')" ] || fail "the comparison window did not appear"
expect_spoken "SPEECH OUTPUT: 'Messung läuft: 1 Zahl" "the comparison window tells its start" || result=1
# A busy machine takes a while for a number of a billion.
for _ in $(seq 300); do spoken_since_mark | grep -aq "'Messung fertig: 1 Zahl in [0-9]" && break; sleep 0.2; done
[ "$(spoken_since_mark | grep -acE "SPEECH OUTPUT: 'Messung (läuft|fertig)")" = 2 ] ||
    { echo "FAIL: the start and the end of the measuring are not told once each" >&2; result=1; }
case_result $result

# The comparison window speaks a wrong number in its line as soon as it says so under it.
result=0
chord alt z
xdotool type --delay 50 '12,5'
set_mark
xdotool key Return
expect_spoken "SPEECH OUTPUT: '.?12,5.? ist keine ganze Zahl\.'" \
    "the comparison window speaks the sentence about a wrong number" || result=1
case_result $result

# Tab from the line into the table reads its first row; where-am-I a cell with its row's number.
result=0
set_mark
chord alt w
expect_spoken "SPEECH OUTPUT: 'Menü Reihe wählen" "Alt+W names the menu" || result=1
xdotool key Escape
chord alt z
set_mark
# One Tab at a time, as a person presses them: five at once pile up Orca's questions about
# each control the focus passes, and on a busy machine Qt then waited for Orca's answers to the
# keys for two minutes (AT-SPI's "NoReply").
for _ in 1 2 3 4 5; do
    xdotool key Tab
    sleep 0.5
done
zahl="'1[^0-9]+000[^0-9]+000[^0-9]+007\." # its thousands apart by no-break spaces
expect_spoken "SPEECH OUTPUT: $zahl'" "entering the table reads its first cell" 60 || result=1
set_mark
xdotool key Right Right Right
expect_spoken "SPEECH OUTPUT: 'Zeit alle Spaltenkopf [0-9]" "a cell is read with its column" || result=1
set_mark
xdotool key KP_Enter
expect_spoken "SPEECH OUTPUT: $zahl'" "and with its row's number" || result=1
case_result $result
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
