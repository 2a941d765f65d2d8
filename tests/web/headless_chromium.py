"""Debian's Chromium, headless, through chromedriver and selenium, as the page's tests and its
benchmark drive it: as root (no sandbox), on a machine whose network is closed (nothing in the
background that would reach for it), with a fresh profile and a German browser language, or "C"
as WebKitGTK reports it under LANG=C.UTF-8."""
import atexit
import json
import os
import shutil
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

CHROMIUM = "/usr/bin/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"


def start(language="de-DE", width=1100, height=800):
    profile = tempfile.mkdtemp(prefix="faktorlupe-chromium-")
    atexit.register(shutil.rmtree, profile, ignore_errors=True)
    options = webdriver.ChromeOptions()
    options.binary_location = CHROMIUM
    for argument in [
        "--headless=new",
        "--no-sandbox",
        "--disable-background-networking",
        "--disable-component-update",
        "--disable-sync",
        "--no-first-run",
        "--user-data-dir=" + profile,
        "--lang=de-DE",
        "--accept-lang=de-DE",
        "--window-size=%d,%d" % (width, height),
    ]:
        options.add_argument(argument)
    options.set_capability("goog:loggingPrefs", {"performance": "ALL", "browser": "ALL"})
    service = Service(CHROMEDRIVER, env=dict(os.environ, LANGUAGE="de", LANG="de_DE.UTF-8"))
    driver = webdriver.Chrome(service=service, options=options)
    if language != "de-DE":
        # Chromium puts only the tags it knows into navigator.language.
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": """
            Object.defineProperty(Navigator.prototype, "language", {get: () => %s});
            Object.defineProperty(Navigator.prototype, "languages", {get: () => [%s]});"""
            % ((json.dumps(language),) * 2)})
    return driver
