#!/usr/bin/python3
"""The layers the build keeps: a file in a library may include its own headers and those of the
libraries it links, and nothing above them.

Compiles one-line experiments exactly as the build compiles a real source file of the library
(its command from compile_commands.json, in the file's place): the include that climbs must not be
found, and an include the library may use must compile, so that a broken command cannot pass as a
refusal.
    check-layers.py BUILD_DIR            the native build's layers
    check-layers.py --web BUILD_DIR      the browser build's (scripts/build-web)
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
    ("scans/Scans.cpp", "layout/LayoutTable.h", "runtime/NumberText.h"),
    ("scans/Stopwatch.cpp", "QString", "scans/Box.h"),
    ("form/MainForm.cpp", "vergleich/measurement/Measurement.h", "scans/Scans.h"),
    ("desktop/DesktopApplication.cpp", "form/MainForm.h", "desktop/DesktopApplication.h"),
    ("desktop/QtTranslations.cpp", "vergleich/window/ComparisonWindow.h", "QTranslator"),
    ("qtworkarounds/ScreenReaderNotice.cpp", "scans/Scans.h", "QAccessibleWidget"),
    ("qtworkarounds/PasteGuard.cpp", "desktop/DesktopApplication.h", "qtworkarounds/LongText.h"),
    ("form/StatusLine.cpp", "vergleich/window/ComparisonWindow.h", "qtworkarounds/ScreenReaderNotice.h"),
    # faktorlupe-vergleich: the measurement core knows neither Qt nor how its figures are shown;
    # the output knows no window; the command line and the window stand beside each other.
    ("vergleich/measurement/Measurement.cpp", "QString", "scans/Scans.h"),
    ("vergleich/measurement/Measurement.cpp", "vergleich/output/Chart.h",
     "vergleich/measurement/NumberFigures.h"),
    ("vergleich/measurement/NumberFigures.cpp", "QString", "vergleich/measurement/NumberRange.h"),
    ("vergleich/readable/FigureCells.cpp", "QString", "vergleich/measurement/NumberFigures.h"),
    ("vergleich/chart/ChartModel.cpp", "QString", "vergleich/readable/ReadableText.h"),
    ("vergleich/output/Chart.cpp", "vergleich/window/ComparisonWindow.h", "QChart"),
    ("vergleich/output/Report.cpp", "vergleich/commandline/Arguments.h",
     "vergleich/measurement/Measurement.h"),
    ("vergleich/output/SpreadsheetCsv.cpp", "vergleich/window/FiguresTable.h",
     "runtime/SignificantDigits.h"),
    ("vergleich/commandline/CommandLineRun.cpp", "vergleich/window/ComparisonWindow.h",
     "vergleich/output/Chart.h"),
    ("vergleich/commandline/Arguments.cpp", "QChart", "QString"),
    ("vergleich/worker/ThreadedMeasurement.cpp", "QWidget", "QObject"),
    ("vergleich/window/ComparisonWindow.cpp", "vergleich/commandline/Arguments.h",
     "vergleich/worker/ThreadedMeasurement.h"),
]

# The browser build: the page's engine may use the scans and the layout table, and nothing else
# of the form; the scans may not reach the page's engine.
WEB_EXPERIMENTS = [
    ("web/PageEngine.cpp", "form/MainForm.h", "layout/LayoutTable.h"),
    ("web/PageEngine.cpp", "form/Controls.h", "scans/Scans.h"),
    ("web/LayoutExport.cpp", "vergleich/measurement/Measurement.h", "layout/LayoutTable.h"),
    ("scans/Scans.cpp", "web/PageEngine.h", "runtime/NumberText.h"),
    ("vergleich/readable/FigureCells.cpp", "web/PageEngine.h", "vergleich/readable/ReadableText.h"),
    ("vergleich/chart/ChartGuide.cpp", "web/PageEngine.h", "vergleich/chart/ChartAxis.h"),
    ("runtime/Clock.cpp", "layout/LayoutTable.h", "runtime/RuntimeError.h"),
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
    web = sys.argv[1] == "--web"
    experiments = WEB_EXPERIMENTS if web else EXPERIMENTS
    with open(os.path.join(sys.argv[-1], "compile_commands.json")) as file:
        commands = json.load(file)
    failures = 0
    for source, climbing, allowed in experiments:
        entry = command_for(commands, source)
        compiled, diagnostics = syntax_check(entry, allowed)
        if not compiled:
            print("FAIL: %s cannot include %s, which it may:\n%s" % (source, allowed, diagnostics))
            failures += 1
            continue
        compiled, diagnostics = syntax_check(entry, climbing)
        # As GCC and clang (emscripten's) say it.
        refused = not compiled and ("No such file or directory" in diagnostics or
                                    "file not found" in diagnostics)
        print("%s: a file beside %s including %s is %s" % (
            "ok" if refused else "FAIL", source, climbing, "refused" if refused else "accepted"))
        failures += 0 if refused else 1
    print("%d passed, %d failed" % (len(experiments) - failures, failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
