#!/usr/bin/python3
"""Times the comparison page's doubling lesson in headless Chromium against the same five numbers
measured by faktorlupe-vergleich natively, in turns in the same run, and prints the factors the
page's table shows, the time until the page is ready and the size of the zip.
    vergleich-web-benchmark.py FAKTORLUPE_VERGLEICH VERGLEICH_HTML ZIP
FAKTORLUPE_VERGLEICH is build/vergleich/faktorlupe-vergleich, VERGLEICH_HTML
build-web/faktorlupe-web/vergleich.html and ZIP build-web/faktorlupe-web-<version>.zip.
The factors are only worth quoting from a quiet machine: print the load beside them.
"""
import csv
import os
import statistics
import subprocess
import sys
import tempfile
import time

from selenium.webdriver.support.ui import WebDriverWait

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
import headless_chromium  # noqa: E402
from page_opening import open_until_ready  # noqa: E402

DOUBLING = [100000007, 199999991, 400000009, 799999999, 1600000009]
SCANS = ["alle", "Hälfte", "Wurzel"]
ROUNDS = 2
LOADS = 10

# Each row's shown texts: Zahl, Teiler, then Kandidaten, Zeit and Faktor for each scan.
ROW_TEXTS = """
    return Array.from(document.querySelectorAll('#rows tr')).map(function (row) {
        return Array.from(row.cells).map(function (cell) {
            const shown = cell.querySelector('[aria-hidden]');
            return (shown || cell).textContent;
        });
    });"""


def page_lesson(driver, url):
    """The seconds from the page being ready to the doubling series being measured, and its
    table's rows."""
    driver.get("about:blank")
    open_until_ready(driver, url + "#reihe=verdopplung", "vergleich-ready")
    start = time.monotonic()
    WebDriverWait(driver, 600, poll_frequency=0.05).until(lambda d: d.execute_script(
        "return document.querySelectorAll('#rows tr').length === %d"
        " && document.getElementById('cancel').disabled" % len(DOUBLING)))
    return time.monotonic() - start, driver.execute_script(ROW_TEXTS)


def native_lesson(program):
    """The seconds the program takes for the doubling series, and each number's seconds per
    scan from its CSV."""
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "figures.csv")
        start = time.monotonic()
        subprocess.run([program, "--csv", path] + [str(n) for n in DOUBLING],
                       stdout=subprocess.DEVNULL, check=True)
        seconds = time.monotonic() - start
        with open(path, newline="") as figures:
            rows = {int(row["zahl"]): row for row in csv.DictReader(figures)}
    return seconds, rows


def main():
    program, page, zip_path = sys.argv[1], sys.argv[2], sys.argv[3]
    url = "file://" + os.path.abspath(page)
    driver = headless_chromium.start(width=1920, height=1080)
    try:
        loads = [open_until_ready(driver, url, "vergleich-ready") for _ in range(LOADS + 1)]
        web, native = [], []
        for _ in range(ROUNDS):
            native.append(native_lesson(program))
            web.append(page_lesson(driver, url))
        version = driver.capabilities.get("browserVersion", "?")
    finally:
        driver.quit()
    print("load average %s" % " ".join(open("/proc/loadavg").read().split()[:3]))
    best_web, best_native = min(web), min(native, key=lambda run: run[0])
    print("%-52s native %6.2f s, Chromium %s %6.2f s, ratio %.2f (target <= 2.0)" % (
        "doubling series, total", best_native[0], version, best_web[0],
        best_web[0] / best_native[0]))
    largest = best_web[1][-1]
    for i, scan in enumerate(SCANS):
        key = {"Hälfte": "haelfte"}.get(scan, scan.lower())
        print("%-52s native %s, page %s" % (
            "1600000009, %s" % scan,
            "%.4g s" % float(best_native[1][DOUBLING[-1]]["sekunden_" + key]),
            largest[2 + 3 * i + 1]))
    for i, scan in enumerate(SCANS):
        factors = [row[2 + 3 * i + 2] for row in best_web[1][1:]]
        print("%-52s %s" % ("page's factors, %s" % scan, "  ".join(factors)))
    first, rest = loads[0], loads[1:]
    print("%-52s first %.0f ms, then median %.0f ms, slowest %.0f ms of %d (target <= 300 ms)"
          % ("vergleich.html ready", first, statistics.median(rest), max(rest), LOADS))
    print("%-52s %.0f KB" % (os.path.basename(zip_path), os.path.getsize(zip_path) / 1024))
    return 0


if __name__ == "__main__":
    sys.exit(main())
