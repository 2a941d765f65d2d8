#!/usr/bin/python3
"""What a screen reader sees of Faktorlupe, through AT-SPI (the interface Orca uses).

Run by screen-reader-end-to-end.sh inside an X server and a D-Bus session, with the program
started under QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1. Finds the window, sets the input through
EditableText, presses the root-scan button through its action, reads the result box through Text
and checks the descriptions and the status line's notification, listening for the events a
screen reader hears. What Orca itself speaks is checked by orca-end-to-end.sh.
"""
import re
import sys
import time

import pyatspi
from gi.repository import GLib

failures = []


# The scan of 360 takes microseconds: "0 Sekunden", or, under a decimal point before 02:46:40,
# when the stopwatch's readings still keep their fractions, a fraction of a hundredth.
SUB_HUNDREDTH = re.compile(r"24 Teiler, (0|[0-9.]+(E-[0-9]+)?) Sekunden, genau ")


def check(condition, what):
    print(("ok: " if condition else "FAIL: ") + what)
    if not condition:
        failures.append(what)


def find_application(name, seconds=20):
    desktop = pyatspi.Registry.getDesktop(0)
    deadline = time.time() + seconds
    while time.time() < deadline:
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    sys.exit("FAIL: no application named %s on the accessibility bus" % name)


def find(node, role, name):
    if node.getRoleName() == role and node.name == name:
        return node
    for i in range(node.childCount):
        found = find(node.getChildAtIndex(i), role, name)
        if found is not None:
            return found
    return None


def described(node):
    return node.description


app = find_application("Faktorlupe")
frame = app.getChildAtIndex(0)
check(frame.getRoleName() == "frame", "the window's role is %r, expected frame" % frame.getRoleName())
check(frame.name == "Faktorlupe", "the frame is called Faktorlupe")

entry = find(frame, "text", "Eingabe: die zu untersuchende Zahl")
label = find(frame, "label", "Eingabe")
root_button = find(frame, "push button", "Algorithmus Wurzel")
result = find(frame, "text", "Teiler nach Algorithmus Wurzel")
time_box = find(frame, "text", "Sekunden für Algorithmus Wurzel")
for node, what in [(entry, "input box"), (label, "label Eingabe"), (root_button, "button Algorithmus Wurzel"),
                   (result, "result box"), (time_box, "time box")]:
    if node is None:
        sys.exit("FAIL: the %s is not on the accessibility bus" % what)
for name in ["Algorithmus alle", "Algorithmus Hälfte"]:
    check(find(frame, "push button", name) is not None, "a button is called %r" % name)

labelled = [target for relation in label.getRelationSet()
            if relation.getRelationType() == pyatspi.RELATION_LABEL_FOR
            for target in (relation.getTarget(i) for i in range(relation.getNTargets()))]
check(entry in labelled, "the label Eingabe names the input box")

status_bar = None
for i in range(frame.childCount):
    if frame.getChildAtIndex(i).getRoleName() == "status bar":
        status_bar = frame.getChildAtIndex(i)
check(status_bar is not None, "the window has a status bar")

events = []


def heard(event):
    if event.detail1 == 1 and event.source.getRoleName() == "notification":
        parent = event.source.parent
        events.append((event.type, event.source.name, parent.getRoleName() if parent else ""))


pyatspi.Registry.registerEventListener(heard, "object:state-changed:showing")


def press():
    entry.queryEditableText().setTextContents("360")
    root_button.queryAction().doAction(0)
    return False


def press_again():
    root_button.queryAction().doAction(0)
    return False


# The second press finds the same result: a screen reader must hear it again all the same.
GLib.timeout_add(300, press)
GLib.timeout_add(1500, press_again)
GLib.timeout_add(3500, lambda: pyatspi.Registry.stop())
pyatspi.Registry.start()

for event in events:
    print("event: %s on %r: %r" % event)
text = result.queryText()
listed = text.getText(0, text.characterCount)
check(listed == "1 - 2 - 3 - 4 - 5 - 6 - 8 - 9 - 10 - 12 - 15 - 18 - 20 - 24 - 30 - 36 - 40 - 45 - 60 - 72 - 90 - 120 - 180 - 360",
      "the result box reads the 24 divisors of 360")
check(SUB_HUNDREDTH.match(described(root_button))
      and described(root_button).endswith("sekunden"),
      "the button describes its result: %r" % described(root_button))
check(described(time_box).startswith("genau ")
      and described(time_box).endswith("sekunden, 17 Kandidaten, 24 Teiler"),
      "the time box describes the exact figures for speech, without dots: %r" % described(time_box))
# A notification inside the status bar that is shown: Orca speaks its name, without its role.
announced = [event for event in events
             if SUB_HUNDREDTH.match(event[1]) and event[2] == "status bar"]
check(len(announced) == 2, "each of the two presses was announced: %d times" % len(announced))

print("%d passed, %d failed" % (1 if not failures else 0, 1 if failures else 0))
sys.exit(1 if failures else 0)
