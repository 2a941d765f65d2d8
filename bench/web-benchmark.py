#!/usr/bin/python3
"""Times the browser version in headless Chromium against the native four-wide reference loop,
measured in the same run on the same machine, and how soon the page is ready after it is opened.
    web-benchmark.py REFERENCE_LOOP_BENCHMARK INDEX_HTML
REFERENCE_LOOP_BENCHMARK is build/bench/reference_loop_benchmark, INDEX_HTML
build-web/faktorlupe-web/index.html. The machines are shared, so each figure is the best of
several runs, taken in turns: a disturbance hits both sides alike.
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

LARGEST_PRIME = 2147483647
ROUNDS = 3
LOADS = 10


def open_page(driver, url):
    """Opens the page afresh; returns the milliseconds from opening it to its engine being ready
    with its form drawn."""
    driver.get(url)
    WebDriverWait(driver, 30).until(
        lambda d: d.execute_script("return document.documentElement.dataset.ready"))
    return driver.execute_script(
        "return performance.getEntriesByName('faktorlupe-ready')[0].startTime")


def page_full_scan(driver, url):
    """The seconds the page's engine took for the full scan of the largest prime, as its
    stopwatch's precise clock measured them."""
    open_page(driver, url)
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
    driver = headless_chromium.start()
    try:
        first_load = open_page(driver, url)
        loads = [open_page(driver, url) for _ in range(LOADS)]
        web, native = [], []
        for _ in range(ROUNDS):
            native.append(native_reference(program))
            web.append(page_full_scan(driver, url))
        version = driver.capabilities.get("browserVersion", "?")
    finally:
        driver.quit()
    print("%-50s %9.4f s   %-34s %9.4f s   ratio %.3f (target <= 3.5)" % (
        "full scan of 2147483647, Chromium %s" % version, min(web),
        "native four-wide reference loop", min(native), min(web) / min(native)))
    print("%-50s first %.0f ms, then median %.0f ms, slowest %.0f ms of %d (target <= 300 ms)"
          % ("page ready (form drawn, engine loaded)", first_load, statistics.median(loads),
             max(loads), LOADS))
    return 0


if __name__ == "__main__":
    sys.exit(main())
