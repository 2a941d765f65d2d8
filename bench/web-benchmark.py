#!/usr/bin/python3
"""Times the browser version in headless Chromium and in WebKit's MiniBrowser (the engine of
Safari) against the native four-wide reference loop, measured side by side in the same run on the
same machine, and how soon the page is ready after it is opened.
    xvfb-run -a web-benchmark.py REFERENCE_LOOP_BENCHMARK INDEX_HTML
REFERENCE_LOOP_BENCHMARK is build/bench/reference_loop_benchmark, INDEX_HTML
build-web/faktorlupe-web/index.html; WebKit draws into a real window, hence the X display. The
machines are shared, so each figure is the best of several runs, taken in turns: a disturbance
hits every side alike.
"""
import os
import re
import statistics
import subprocess
import sys

from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
import headless_chromium  # noqa: E402
import webkit_minibrowser  # noqa: E402
from page_opening import open_until_ready  # noqa: E402

BROWSERS = [("Chromium", headless_chromium), ("WebKit", webkit_minibrowser)]

LARGEST_PRIME = 2147483647
ROUNDS = 3
LOADS = 10



def page_full_scan(driver, url):
    """The seconds the page's engine took for the full scan of the largest prime, as its
    stopwatch's precise clock measured them."""
    open_until_ready(driver, url, "faktorlupe-ready")
    box = driver.find_element(By.ID, "txtEingabe")
    box.clear()
    box.send_keys(str(LARGEST_PRIME))
    driver.find_element(By.ID, "cmdAlle").click()
    WebDriverWait(driver, 120, poll_frequency=0.05).until(
        lambda d: d.find_element(By.ID, "form").get_attribute("aria-busy") == "false")
    shown = driver.find_element(By.ID, "txtAlle").get_property("value")
    assert shown == "1 - %d" % LARGEST_PRIME, shown
    return float(driver.find_element(By.ID, "statusLine").get_attribute("data-seconds"))


def native_reference(program):
    output = subprocess.run([program, str(LARGEST_PRIME)], capture_output=True, text=True,
                            check=True).stdout
    return float(re.match(r"([\d.]+) s", output).group(1))


def main():
    program, index = sys.argv[1], sys.argv[2]
    url = "file://" + os.path.abspath(index)
    drivers = [(name, browser.start()) for name, browser in BROWSERS]
    try:
        loads = {}
        for name, driver in drivers:
            loads[name] = [open_until_ready(driver, url, "faktorlupe-ready")
                           for _ in range(LOADS + 1)]
        web, native = {name: [] for name, _ in drivers}, []
        for _ in range(ROUNDS):
            native.append(native_reference(program))
            for name, driver in drivers:
                web[name].append(page_full_scan(driver, url))
        versions = {name: driver.capabilities.get("browserVersion", "?") for name, driver in drivers}
    finally:
        for _, driver in drivers:
            driver.quit()
    print("%-50s %9.4f s" % ("full scan of 2147483647, native four-wide reference loop",
                             min(native)))
    for name, _ in drivers:
        print("%-50s %9.4f s   ratio to native %.3f (target <= 3.5), to Chromium %.3f" % (
            "full scan of 2147483647, %s %s" % (name, versions[name]), min(web[name]),
            min(web[name]) / min(native), min(web[name]) / min(web["Chromium"])))
    for name, _ in drivers:
        first, rest = loads[name][0], loads[name][1:]
        print("%-50s first %.0f ms, then median %.0f ms, slowest %.0f ms of %d (target <= 300 ms)"
              % ("page ready in %s (form drawn, engine loaded)" % name, first,
                 statistics.median(rest), max(rest), LOADS))
    return 0


if __name__ == "__main__":
    sys.exit(main())
