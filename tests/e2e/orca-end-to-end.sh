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
# shellcheck source=x-helpers.sh
. "$(dirname "$0")/x-helpers.sh"
app=$1

home=$(mktemp -d)
export HOME=$home XDG_RUNTIME_DIR=$home/run XDG_DATA_HOME=$home/share XDG_CONFIG_HOME=$home/config
export LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 LANGUAGE=de
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir -p "$XDG_DATA_HOME/orca" "$XDG_CONFIG_HOME/speech-dispatcher"
log=$home/orca.log

# Orca writes its log through a buffer; this makes it hand over every line at once.
cat >"$XDG_DATA_HOME/orca/orca-customizations.py" <<'PY'
from orca import debug
if debug.debugFile:
    debug.debugFile.reconfigure(line_buffering=True)
debug.debugLevel = debug.LEVEL_INFO
PY
# No sound card here: speech-dispatcher plays into ALSA's null device. Without it espeak-ng waits
# for an audio device for good, and Orca with it.
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$home/.asoundrc"
{
    cat /etc/speech-dispatcher/speechd.conf
    echo 'AudioOutputMethod "alsa"'
    echo 'DefaultModule espeak-ng'
} >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"

pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        { kill -9 "$pid" && wait "$pid"; } 2>/dev/null || true
    done
    local speechd
    for speechd in "$XDG_RUNTIME_DIR"/speech-dispatcher/pid/*.pid; do
        [ -f "$speechd" ] && kill "$(cat "$speechd")" 2>/dev/null || true
    done
    # The accessibility bus that the launcher started outlives it; its socket is in the home.
    pkill -f -- "--address=unix:path=$XDG_RUNTIME_DIR/" 2>/dev/null || true
    rm -rf "$home"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    echo "--- what Orca spoke:" >&2
    grep -a "SPEECH OUTPUT" "$log" >&2 || true
    exit 1
}
# Each case counts on its own, so that one fault does not hide the others.
passed=0
failed=0

start_window_manager || exit 1
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=($!)
orca --replace --debug-file="$log" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    grep -aq "SPEECH OUTPUT: 'Bildschirmleser an" "$log" 2>/dev/null && break
    sleep 0.2
done
grep -aq "SPEECH OUTPUT" "$log" 2>/dev/null || fail "Orca did not start speaking"
# Orca speaks its greeting before it listens for windows.
sleep 1

# The lines Orca spoke after a mark; expect waits until one of them matches.
mark=0
set_mark() { mark=$(grep -ac "" "$log"); }
spoken_since_mark() { tail -n +"$((mark + 1))" "$log" | grep -a "SPEECH OUTPUT" || true; }
expect_spoken() {
    local pattern=$1 what=$2
    for _ in $(seq 50); do
        if spoken_since_mark | grep -aqE "$pattern"; then
            echo "ok: $what: $(spoken_since_mark | grep -aE "$pattern" | head -n 1 |
                sed -E "s/.*SPEECH OUTPUT: //")"
            return 0
        fi
        sleep 0.2
    done
    echo "FAIL: $what: Orca did not speak /$pattern/; it spoke:" >&2
    spoken_since_mark >&2
    return 1
}
# A case passes when all its expectations are met.
case_result() {
    if [ "$1" = 0 ]; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
}
# A modifier held down across the key, as a person presses it, so that Orca sees it on the
# key's release too; with pauses, since Orca gets each key only after the program has passed it
# on, and a busy machine could otherwise reorder them.
chord() {
    xdotool keydown "$1"
    sleep 0.2
    xdotool key "$2"
    sleep 0.2
    xdotool keyup "$1"
}

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
xdotool key Tab Tab Tab Tab Tab
zahl="'1[^0-9]+000[^0-9]+000[^0-9]+007\." # its thousands apart by no-break spaces
expect_spoken "SPEECH OUTPUT: $zahl'" "entering the table reads its first cell" || result=1
set_mark
xdotool key Right Right Right
expect_spoken "SPEECH OUTPUT: 'Zeit alle Spaltenkopf [0-9]" "a cell is read with its column" || result=1
set_mark
xdotool key KP_Enter
expect_spoken "SPEECH OUTPUT: $zahl'" "and with its row's number" || result=1
case_result $result
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
