"""Debian's WebKitGTK, the engine of Safari, through WebKitWebDriver (webkit2gtk-driver) and
selenium, as the page's tests and its benchmark drive it: its MiniBrowser in a real window, on the
X display the caller provides (xvfb-run). The browser takes its language from the environment, as
on a desktop: under LANG=C.UTF-8 it reports navigator.language as "C"."""
import glob
import os

from selenium import webdriver

DRIVER = "/usr/bin/WebKitWebDriver"
ENVIRONMENTS = {"de-DE": {"LANG": "de_DE.UTF-8", "LANGUAGE": "de"},
                "C": {"LANG": "C.UTF-8", "LANGUAGE": ""}}


def minibrowser():
    # Under the architecture's library folder, /usr/lib/x86_64-linux-gnu on a PC.
    return sorted(glob.glob("/usr/lib/*/webkit2gtk-4.1/MiniBrowser"))[0]


def start(language="de-DE", width=1100, height=800):
    options = webdriver.WebKitGTKOptions()
    options.binary_location = minibrowser()
    options.add_argument("--automation")
    # The driver hands the browser its own environment, and selenium's WebKitGTK takes none.
    saved = dict(os.environ)
    os.environ.pop("LC_ALL", None)
    os.environ.update(ENVIRONMENTS[language])
    try:
        driver = webdriver.WebKitGTK(executable_path=DRIVER, options=options)
    finally:
        os.environ.clear()
        os.environ.update(saved)
    driver.set_window_size(width, height)
    return driver
