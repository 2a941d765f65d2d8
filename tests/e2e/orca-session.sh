# shellcheck shell=bash
# What the Orca scripts share, for the window and for the page; sourced, not run. Gives Orca a
# private home with speech-dispatcher and espeak-ng, starts a window manager, the accessibility
# bus and Orca, and reads what Orca spoke from its debug log (flushed line by line by an
# orca-customizations.py). Needs the caller's X server and D-Bus session of its own:
#   xvfb-run -a dbus-run-session -- SCRIPT ...
# shellcheck source=x-helpers.sh
. "$(dirname "${BASH_SOURCE[0]}")/x-helpers.sh"

# One Orca session at a time for each user of the machine: the Orca of a second one (another
# build's tests) would replace the first's, since Orca replaces the user's running Orca. The
# lock is held until the script ends.
exec 9>"/tmp/faktorlupe-orca-$(id -u).lock"
flock 9

home=$(mktemp -d)
export HOME=$home XDG_RUNTIME_DIR=$home/run XDG_DATA_HOME=$home/share XDG_CONFIG_HOME=$home/config
export XDG_CACHE_HOME=$home/cache GSETTINGS_BACKEND=memory GNOME_ACCESSIBILITY=1
export LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 LANGUAGE=de
# A bus or a bridge of the caller's desktop would take Orca and the program elsewhere.
unset AT_SPI_BUS_ADDRESS NO_AT_BRIDGE GTK_MODULES PYTHONPATH
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir -p "$XDG_DATA_HOME/orca" "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_CACHE_HOME"
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
    echo 'DefaultLanguage "de"'
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
    # ORCA_KEEP_LOG=FILE keeps all of Orca's log for reading.
    [ -n "${ORCA_KEEP_LOG:-}" ] && cp "$log" "$ORCA_KEEP_LOG"
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

# The window manager, the accessibility bus and Orca, up to its greeting.
start_orca() {
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
}

# The lines Orca spoke after a mark; expect waits until one of them matches.
mark=0
set_mark() { mark=$(grep -ac "" "$log"); }
spoken_since_mark() { tail -n +"$((mark + 1))" "$log" | grep -a "SPEECH OUTPUT" || true; }
# A third argument waits that many seconds instead of thirty: a sanitizer build on a machine
# busy with other builds answers Orca's key events late, and the wait ends as soon as Orca
# has spoken.
expect_spoken() {
    local pattern=$1 what=$2
    for _ in $(seq $((${3:-30} * 5))); do
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
