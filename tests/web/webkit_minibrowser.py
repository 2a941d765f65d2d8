"""WebKitGTK (the engine of Safari) through WebKitWebDriver and selenium: its MiniBrowser in a
window on the caller's X display (xvfb-run), taking its language from LANG as on a desktop."""
import glob
import os
from unittest import mock

from selenium import webdriver

LANG = {"de-DE": "de_DE.UTF-8", "C": "C.UTF-8"}


def start(language="de-DE", width=1100, height=800):
    options = webdriver.WebKitGTKOptions()
    options.binary_location = glob.glob("/usr/lib/*/webkit2gtk-4.1/MiniBrowser")[0]
    options.add_argument("--automation")
    # The driver hands the browser its own environment; selenium's WebKitGTK takes none.
    with mock.patch.dict(os.environ, {"LANG": LANG[language], "LANGUAGE": "", "LC_ALL": ""}):
        driver = webdriver.WebKitGTK(executable_path="/usr/bin/WebKitWebDriver", options=options)
    driver.set_window_size(width, height)
    return driver
