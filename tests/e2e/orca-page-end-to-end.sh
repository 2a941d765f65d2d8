#!/usr/bin/env bash
# What Orca speaks of the browser version, in Chromium or in Firefox ESR, as the window's Orca
# script hears the window: keys only, Orca's words from its debug log. Checks that
# - Space on "Algorithmus >alle<" with 97 speaks the result once;
# - Return on "Algorithmus >Wurzel<" with -5 speaks the error text once, Tab keeps the focus in
#   the report, and closing it names the button, not an earlier result;
# - Tab into the list of 720720's 240 divisors reads it from its start;
# - in Firefox, Orca's status bar command reads the status line's figures (Orca 43 finds no
#   status bar inside a Chromium page at all).
# Every step also prints all that Orca spoke, for reading.
#   xvfb-run -a dbus-run-session -- orca-page-end-to-end.sh chromium|firefox PATH/TO/index.html
set -euo pipefail
# shellcheck source=orca-session.sh
. "$(dirname "$0")/orca-session.sh"
browser=$1
page=file://$(realpath "$2")
start_orca

# Started as root, with a fresh profile each, in German, without first-run pages or warning
# bars, which would sit in the Tab order.
start_browser() {
    local profile=$home/$browser
    mkdir -p "$profile"
    if [ "$browser" = chromium ]; then
        chromium --no-sandbox --test-type --force-renderer-accessibility --user-data-dir="$profile" \
            --lang=de-DE --accept-lang=de-DE,de --no-first-run --no-default-browser-check \
            --disable-gpu "$page" >/dev/null 2>&1 &
    else
        cat >"$profile/user.js" <<'JS'
user_pref("intl.accept_languages", "de-DE, de");
user_pref("intl.locale.requested", "de-DE");
user_pref("browser.shell.checkDefaultBrowser", false);
user_pref("browser.aboutwelcome.enabled", false);
user_pref("browser.startup.homepage_override.mstone", "ignore");
user_pref("trailhead.firstrun.didSeeAboutWelcome", true);
user_pref("app.update.enabled", false);
user_pref("datareporting.policy.dataSubmissionEnabled", false);
JS
        # A relative profile path is taken for a missing profile.
        firefox-esr --no-remote --profile "$profile" "$page" >/dev/null 2>&1 &
    fi
    pids+=($!)
}

# Keys one by one, each after Orca has followed the focus of the last: typed into a box that
# Orca still takes for browse mode, a digit would move to a heading.
keys() {
    local key
    for key in "$@"; do
        xdotool key "$key"
        sleep 0.4
    done
    sleep 0.6
}
# Prints what Orca spoke since the mark, for the record.
heard() {
    sleep "${1:-2}"
    spoken_since_mark | sed -E "s/.*SPEECH OUTPUT: /  heard: /"
}
# How often Orca spoke a line matching the pattern since the mark.
times_spoken() { spoken_since_mark | grep -acE "$1" || true; }
expect_once() {
    local count
    count=$(times_spoken "$1")
    [ "$count" = 1 ] && echo "ok: $2 once" && return 0
    echo "FAIL: $2: spoken $count times" >&2
    return 1
}

set_mark
start_browser
# Now and then the first load announces the page but not the focused box: a reload recovers it.
# A fresh Firefox profile takes a loaded machine half a minute to start.
if ! expect_spoken "SPEECH OUTPUT: '.*717313" "the input box is read on load" 40; then
    set_mark
    xdotool key F5
    expect_spoken "SPEECH OUTPUT: '.*717313" "the input box is read after a reload" ||
        fail "the page did not get the focus"
fi
heard

result=0
xdotool key ctrl+a
xdotool type --delay 50 97
set_mark
xdotool key Tab
expect_spoken "SPEECH OUTPUT: 'Algorithmus alle" "Tab reaches the scan button" || result=1
heard
set_mark
xdotool key space
expect_spoken "SPEECH OUTPUT: '2 Teiler: 1 und 97" "Space on the scan button speaks the result" ||
    result=1
heard 3
expect_once "2 Teiler: 1 und 97" "the result" || result=1
case_result $result

set_mark
xdotool key --delay 120 Insert+KP_Enter Insert+KP_Enter
if [ "$browser" = firefox ]; then
    result=0
    expect_spoken "SPEECH OUTPUT: '.*Algorithmus alle mit 97: genau" \
        "Orca's status bar command reads the figures" || result=1
    case_result $result
fi
heard

result=0
keys shift+Tab
xdotool key ctrl+a
xdotool type --delay 50 720720
xdotool key Tab
set_mark
xdotool key space
expect_spoken "240 Teiler" "the scan of 720720 ends" || result=1
heard
set_mark
keys Tab Tab Tab
expect_spoken "Eingabefeld 1 - 2 - 3 - 4 " "the long list is read from its start" || result=1
heard
case_result $result

# The root scan of 97 first: its time, and a result that must not come back after the report.
result=0
keys shift+Tab shift+Tab shift+Tab shift+Tab
xdotool key ctrl+a
xdotool type --delay 50 97
keys Tab Tab Tab
set_mark
xdotool key Return
expect_spoken "SPEECH OUTPUT: '2 Teiler: 1 und 97" "Return on the root scan button speaks the result" ||
    result=1
heard
keys shift+Tab shift+Tab shift+Tab
xdotool key ctrl+a
xdotool type --delay 50 -- -5
set_mark
keys Tab Tab Tab
expect_spoken "SPEECH OUTPUT: 'Algorithmus Wurzel" "Tab reaches the root scan button" || result=1
heard
set_mark
xdotool key Return
expect_spoken "Laufzeitfehler '5'" "Return with -5 speaks the error report" || result=1
heard 3
expect_once "Laufzeitfehler '5'" "the error text" || result=1
set_mark
xdotool key Return
expect_spoken "SPEECH OUTPUT: 'Algorithmus Wurzel" "closing the report names the button" ||
    result=1
heard
[ "$(times_spoken "Teiler: ")" = 0 ] || { echo "FAIL: an earlier result was spoken" >&2; result=1; }
# Tab stays in the report, so that Return then closes it.
set_mark
xdotool key Return
expect_spoken "Laufzeitfehler '5'" "the report again" || result=1
set_mark
xdotool key Tab
sleep 1
xdotool key Return
expect_spoken "SPEECH OUTPUT: 'Algorithmus Wurzel" "Tab keeps the focus in the report" || result=1
heard
case_result $result

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
