#!/usr/bin/python3
"""The layers the build keeps: a file in a library may include its own headers and those of the
libraries it links, and nothing above them.

Compiles one-line experiments exactly as the build compiles a real source file of the library
(its command from compile_commands.json, in the file's place): the include that climbs must not be
found, and an include the library may use must compile, so that a broken command cannot pass as a
refusal.
    check-layers.py BUILD_DIR
"""
import json
import os
import shlex
import subprocess
import sys
import tempfile

# A source file of the library, an include that climbs out of its layer, and one it may use.
EXPERIMENTS = [
    ("runtime/Clock.cpp", "scans/ScanState.h", "runtime/RuntimeError.h"),
    ("scans/Scans.cpp", "form/LayoutTable.h", "runtime/NumberText.h"),
    ("scans/Stopwatch.cpp", "QString", "scans/Box.h"),
    ("form/MainForm.cpp", "vergleich/measurement/Measurement.h", "scans/Scans.h"),
    ("desktop/DesktopApplication.cpp", "form/MainForm.h", "desktop/DesktopApplication.h"),
    # faktorlupe-vergleich: the measurement core knows neither Qt nor how its figures are shown;
    # the output knows no window; the command line and the window stand beside each other.
    ("vergleich/measurement/Measurement.cpp", "QString", "scans/Scans.h"),
    ("vergleich/measurement/Measurement.cpp", "vergleich/output/Chart.h",
     "vergleich/measurement/NumberFigures.h"),
    ("vergleich/output/Chart.cpp", "vergleich/window/ComparisonWindow.h", "QChart"),
    ("vergleich/output/Report.cpp", "vergleich/commandline/Arguments.h",
     "vergleich/measurement/Measurement.h"),
    ("vergleich/commandline/CommandLineRun.cpp", "vergleich/window/ComparisonWindow.h",
     "vergleich/output/Chart.h"),
    ("vergleich/commandline/Arguments.cpp", "QChart", "QString"),
    ("vergleich/worker/ThreadedMeasurement.cpp", "QWidget", "QObject"),
    ("vergleich/window/ComparisonWindow.cpp", "vergleich/commandline/Arguments.h",
     "vergleich/worker/ThreadedMeasurement.h"),
]


def command_for(commands, source):
    for entry in commands:
        if os.path.normpath(entry["file"]).endswith(os.sep + source):
            return entry
    sys.exit("FAIL: %s is not in compile_commands.json" % source)


def syntax_check(entry, include):
    """Compiles '#include "include"' with the source's own command; returns (ok, diagnostics)."""
    words = shlex.split(entry["command"])
    kept = []
    skip = False
    for word in words:
        if skip:
            skip = False
            continue
        if word in ("-o", "-MT", "-MF", "-c"):
            skip = True
            continue
        if word in ("-MD", "-MMD") or word == entry["file"]:
            continue
        kept.append(word)
    with tempfile.TemporaryDirectory() as folder:
        experiment = os.path.join(folder, "Experiment.cpp")
        with open(experiment, "w") as out:
            out.write('#include "%s"\n' % include)
        done = subprocess.run(kept + ["-fsyntax-only", experiment], cwd=entry["directory"],
                              capture_output=True, text=True)
    return done.returncode == 0, done.stderr


def main():
    with open(os.path.join(sys.argv[1], "compile_commands.json")) as file:
        commands = json.load(file)
    failures = 0
    for source, climbing, allowed in EXPERIMENTS:
        entry = command_for(commands, source)
        compiled, diagnostics = syntax_check(entry, allowed)
        if not compiled:
            print("FAIL: %s cannot include %s, which it may:\n%s" % (source, allowed, diagnostics))
            failures += 1
            continue
        compiled, diagnostics = syntax_check(entry, climbing)
        refused = not compiled and "No such file or directory" in diagnostics
        print("%s: a file beside %s including %s is %s" % (
            "ok" if refused else "FAIL", source, climbing, "refused" if refused else "accepted"))
        failures += 0 if refused else 1
    print("%d passed, %d failed" % (len(EXPERIMENTS) - failures, failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
