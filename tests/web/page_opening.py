"""Opening one of the pages as its tests and benchmarks do: afresh, until its engine says ready."""
from selenium.webdriver.support.ui import WebDriverWait


def open_until_ready(driver, url, mark, seconds=30):
    """Opens URL and waits for its engine; returns the milliseconds from opening the page to its
    performance mark MARK ("faktorlupe-ready" for the form, "vergleich-ready" for the comparison)."""
    driver.get(url)
    WebDriverWait(driver, seconds).until(
        lambda d: d.execute_script("return document.documentElement.dataset.ready"))
    return driver.execute_script(
        "return performance.getEntriesByName(arguments[0])[0].startTime", mark)
