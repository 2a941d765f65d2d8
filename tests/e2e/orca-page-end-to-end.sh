#!/usr/bin/env bash
# What Orca speaks of the browser version, in Chromium or in Firefox ESR, as the window's Orca
# script hears the window: keys only, Orca's words from its debug log, each step's words once.
# The result of a scan, the error report's text, the button named after the report (not an
# earlier result), Tab kept in the report, a long list from its start; Orca's status bar
# command in Firefox only: Orca 43 finds no status bar inside a Chromium page at all.
# The comparison page, opened by a link with two numbers: their start and end told once each,
# the table found as a table and its cells read with their column's heading, a wrong number's
# sentence.
# Every step also prints all that Orca spoke, for reading.
#   xvfb-run -a dbus-run-session -- orca-page-end-to-end.sh chromium|firefox PATH/TO/index.html
#   xvfb-run -a dbus-run-session -- orca-page-end-to-end.sh chromium|firefox PATH/TO/vergleich.html
set -euo pipefail
# shellcheck source=orca-session.sh
. "$(dirname "$0")/orca-session.sh"
browser=$1
page=file://$(realpath "$2")
comparison=false
if [ "$(basename "$2")" = vergleich.html ]; then
    comparison=true
    page+="#zahlen=97;12"
fi
start_orca

# As root, with a fresh profile, in German, without first-run pages or bars in the Tab order: a
# privacy notice that Firefox opens in a tab of its own some seconds after its start took the
# keys away from the page.
profile=$home/$browser
mkdir -p "$profile"
if [ "$browser" = chromium ]; then
    chromium --no-sandbox --test-type --force-renderer-accessibility --user-data-dir="$profile" \
        --lang=de-DE --accept-lang=de-DE,de --no-first-run --no-default-browser-check \
        --disable-gpu "$page" >/dev/null 2>&1 &
else
    printf 'user_pref("%s", %s);\n' intl.accept_languages '"de-DE, de"' \
        intl.locale.requested '"de-DE"' browser.shell.checkDefaultBrowser false \
        browser.aboutwelcome.enabled false browser.startup.homepage_override.mstone '"ignore"' \
        app.update.enabled false datareporting.policy.dataSubmissionEnabled false \
        datareporting.policy.firstRunURL '""' toolkit.telemetry.reportingpolicy.firstRun false \
        >"$profile/user.js"
    # A relative profile path is taken for a missing profile.
    firefox-esr --no-remote --profile "$profile" "$page" >/dev/null 2>&1 &
fi
pids+=($!)
# A fresh Firefox profile takes a loaded machine half a minute to start; now and then the first
# load announces the page but not the focused box, and a reload recovers it.
set_mark
if $comparison; then
    result=0
    # Behind with the events of a page that is still loading (on a loaded machine), Orca drops
    # text that changes away from the focus, the live region's too; a reload measures anew.
    if ! expect_spoken "'Messung fertig: 2 Zahlen in [0-9]" "the link's numbers are measured" 60
    then
        set_mark
        xdotool key F5
        expect_spoken "'Messung fertig: 2 Zahlen in [0-9]" "measured after a reload" 60 ||
            fail "no measuring"
    fi
    # The start comes as the page loads, when Orca in Firefox may drop it for the page's own
    # summary; the end is told once, and neither twice.
    ended=$(spoken_since_mark | grep -acE "'Messung fertig")
    told=$(spoken_since_mark | grep -acE "'(2 Zahlen übernommen. )?Messung (läuft|fertig)")
    [ "$ended" = 1 ] && [ "$told" -le 2 ] ||
        { echo "FAIL: the end told $ended times, start and end $told times" >&2; result=1; }
    case_result $result
elif ! expect_spoken "'.*717313" "the input box is read on load" 40; then
    set_mark
    xdotool key F5
    expect_spoken "'.*717313" "the input box is read after a reload" || fail "no focus"
fi

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

# Each step: the keys on the way | the keys Orca answers | what it says, once | the step |
# what it must not say | the only browser where it is asked.
# The comparison page opens with the focus in its line, in focus mode; Insert+A leaves it for
# browse mode, where "t" goes to the next table.
comparison_steps=(
    "1 2 comma 5|Return|.12,5. ist keine ganze Zahl\\.|a wrong number's sentence is spoken"
    "Insert+a|t|Tabelle mit 3 Zeilen 11 Spalten|t finds the table"
    "|Down Down|'Teiler Spaltenkopf 6\\.|a cell is read with its column's heading"
)
steps=(
    "ctrl+a 9 7|Tab|'Algorithmus alle|Tab reaches the scan button"
    "|space|2 Teiler: 1 und 97|Space on it speaks the result"
    "|Insert+KP_Enter Insert+KP_Enter|Algorithmus alle mit 97: |the status bar command||firefox"
    "shift+Tab ctrl+a 7 2 0 7 2 0 Tab|space|240 Teiler|the scan of 720720 ends"
    "|Tab Tab Tab|Eingabefeld 1 - 2 - 3 - 4 |Tab into its list reads it from the start"
    "shift+Tab shift+Tab shift+Tab shift+Tab ctrl+a 9 7 Tab Tab Tab|Return|2 Teiler: 1 und 97|Return on the root scan button speaks the result"
    "shift+Tab shift+Tab shift+Tab ctrl+a minus 5 Tab Tab Tab|Return|Laufzeitfehler '5'|Return with -5 speaks the error report"
    "|Return|'Algorithmus Wurzel|closing the report names the button|Teiler: "
    "|Return|Laufzeitfehler '5'|the report again"
    "Tab|Return|'Algorithmus Wurzel|Tab keeps the focus in the report, Return closes it"
)
$comparison && steps=("${comparison_steps[@]}")
for step in "${steps[@]}"; do
    IFS='|' read -r before answered pattern what absent only <<<"$step"
    # shellcheck disable=SC2086 # a list of keys
    [ -z "$before" ] || keys $before
    set_mark
    # shellcheck disable=SC2086
    xdotool key --delay 120 $answered
    if [ -z "$only" ] || [ "$only" = "$browser" ]; then
        result=0
        expect_spoken "$pattern" "$what" || result=1
        sleep 2
        count=$(spoken_since_mark | grep -acE "$pattern" || true)
        [ "$count" -le 1 ] || { echo "FAIL: $what: spoken $count times" >&2; result=1; }
        if [ -n "$absent" ] && spoken_since_mark | grep -aqE "$absent"; then
            echo "FAIL: $what: Orca also spoke /$absent/" >&2
            result=1
        fi
        case_result $result
    fi
    sleep 1
    spoken_since_mark | sed -E "s/.*SPEECH OUTPUT: /  heard: /"
done
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
