# shellcheck shell=bash
# What the end-to-end scripts in a real X window share; sourced, not run.

# The focused box's whole text, through its own select-all and copy. An empty box copies
# nothing, so the clipboard is first set to a marker that stands for "empty". The X server
# delivers the keys in order, so only the copy itself needs waiting for: the clipboard is polled
# until it changes, and a box whose copy leaves the marker there for five seconds counts as
# empty: a program on a machine busy with other builds can take seconds to answer the keys.
copied_text() {
    printf '%s' '<leer>' | xclip -selection clipboard >/dev/null 2>&1
    xdotool key ctrl+a ctrl+c
    local text='<leer>'
    for _ in $(seq 50); do
        sleep 0.1
        text=$(xclip -o -selection clipboard 2>/dev/null || true)
        [ "$text" != '<leer>' ] && break
    done
    [ "$text" = '<leer>' ] && text=''
    printf '%s' "$text"
}

# How many lines of the focused table, copied whole, start with one of the numbers in the
# pattern ("11|101|1009") followed by a tab.
copied_rows() {
    copied_text | grep -cE "^($1)"$'\t' || true
}

# A screenshot of a window. ImageMagick's import asks the X server about windows around the one
# it grabs, and one that a window manager or a closing dialog destroys meanwhile ends it with
# BadWindow; so it is tried again a few times.
grab_window() {
    local window=$1 file=$2
    for _ in 1 2 3 4; do
        import -window "$window" "$file" 2>/dev/null && return 0
        sleep 0.5
    done
    import -window "$window" "$file"
}

# The first visible window whose name matches the pattern, waiting up to the given seconds
# (20 unless told) for it to appear; nothing when none does. xdotool's search dies of BadWindow when a window it is
# looking at goes away meanwhile (a program ending, a dialog closing), so it is asked again
# rather than trusted once.
find_window() {
    local pattern=$1 seconds=${2:-20} id
    for _ in $(seq $((seconds * 4))); do
        id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && printf '%s' "$id" && return 0
        sleep 0.25
    done
}

# A visible window whose name matches the pattern other than the given one (a dialog of the same
# title as its window), waiting up to five seconds for it; nothing when none appears.
find_other_window() {
    local pattern=$1 other=$2 id
    for _ in $(seq 50); do
        id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | grep -vx "$other" | head -n 1 || true)
        [ -n "$id" ] && printf '%s' "$id" && return 0
        sleep 0.1
    done
}

# Waits until a process, also one that is not this shell's child, has ended and its windows
# with it.
await_end() {
    while kill -0 "$1" 2>/dev/null; do sleep 0.1; done
}

# Starts openbox, which gives each new window the keyboard focus as a desktop does, and waits
# until it has announced itself on the root window. A window mapped before that never gets the
# focus: the keys then go nowhere, and a screen reader hears nothing of the program. Its process
# id joins the caller's list pids, which the caller's cleanup ends.
start_window_manager() {
    openbox >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.2
    done
    echo "FAIL: the window manager did not start" >&2
    return 1
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Whether a box holds the text: the script's own reach_box NAME goes to it (a click into it or
# Tab to it, in this shell, which may keep where it is), then its copy is read.
expect_box() {
    reach_box "$1"
    local actual
    actual=$(copied_text)
    [ "$actual" = "$2" ] || fail "$1 holds '$actual', expected '$2'"
    echo "ok: $1 = '$2'"
}

# Types over all of the input box, reached by the script's own reach_input.
type_number() {
    reach_input
    xdotool key ctrl+a
    xdotool type --delay 20 -- "$1"
    sleep 0.2
}
