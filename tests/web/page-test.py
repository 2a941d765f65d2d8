#!/usr/bin/python3
"""The browser version as a pupil meets it: index.html opened from file:// in headless Chromium
(Debian's chromium and chromium-driver through python3-selenium), or in WebKit's MiniBrowser,
with a German browser language and then "C", on a machine without a network. Each case loads the
page afresh.
    page-test.py [--browser webkit] INDEX_HTML
"""
import base64
import csv
import json
import os
import re
import sys
import tempfile
import time

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

import headless_chromium
import webkit_minibrowser

BROWSERS = {"chromium": headless_chromium, "webkit": webkit_minibrowser}


class Skipped(Exception):
    pass


def needs_devtools(driver):
    if not hasattr(driver, "execute_cdp_cmd"):
        raise Skipped("the driver speaks no DevTools protocol")


def oracle_list(n):
    """The divisor list worked out by integer remainders, independently of the engine."""
    small, large = ["1"], [str(n)] if n > 1 else []
    d = 2
    while d * d <= n:
        if n % d == 0:
            small.append(str(d))
            if d != n // d:
                large.insert(0, str(n // d))
        d += 1
    return " - ".join(small + large)


class Page:
    def __init__(self, driver, url):
        self.driver = driver
        driver.get(url)
        WebDriverWait(driver, 10).until(
            lambda d: d.execute_script("return document.documentElement.dataset.ready"))

    def element(self, name):
        return self.driver.find_element(By.ID, name)

    def value(self, name):
        return self.element(name).get_property("value")

    def type_input(self, text):
        box = self.element("txtEingabe")
        box.clear()
        box.send_keys(text)

    def busy(self):
        return self.element("form").get_attribute("aria-busy") == "true"

    def wait_idle(self, seconds=60):
        WebDriverWait(self.driver, seconds, poll_frequency=0.05).until(lambda d: not self.busy())

    def scan(self, text, buttons):
        self.type_input(text)
        for button in buttons:
            self.element(button).click()
        self.wait_idle()

    def report_open(self):
        return self.driver.execute_script("return document.getElementById('errorReport').open")

    def close_report(self):
        # Its button takes the focus a moment after the report opens.
        WebDriverWait(self.driver, 5).until(
            lambda d: d.execute_script("return document.activeElement.id") == "errorReportOk")
        self.element("errorReportOk").send_keys(Keys.RETURN)
        WebDriverWait(self.driver, 5).until(lambda d: not self.report_open())

    def engine_starts(self):
        return self.driver.execute_script(
            "return performance.getEntriesByName('faktorlupe-ready').length")


# Every row a scan writes, for inputs whose lists were worked out by hand.
SCAN_ROWS = [
    ("Preset", "717313", ["cmdAlle", "cmdHalbe", "cmdWurzel"],
     {"txtAlle": "1 - 71 - 10103 - 717313", "txtHalbe": "1 - 71 - 10103 - 717313",
      "txtWurzel": "1 - 71 - 10103 - 717313"}),
    ("Prime", "97", ["cmdAlle", "cmdHalbe", "cmdWurzel"],
     {"txtAlle": "1 - 97", "txtHalbe": "1 - 97", "txtWurzel": "1 - 97"}),
    ("SquareListsItsRootOnce", "36", ["cmdWurzel"],
     {"txtWurzel": "1 - 2 - 3 - 4 - 6 - 9 - 12 - 18 - 36", "txtAlle": "", "txtHalbe": ""}),
    ("NegativeHalfClosesWithItsSign", "-6", ["cmdHalbe"], {"txtHalbe": "1 --6"}),
]

# Inputs that end a scan with a run-time error: the report's number and classic text.
ERROR_ROWS = [
    ("NegativeRoot", "-4", "cmdWurzel", "Laufzeitfehler '5':",
     "Ungültiger Prozeduraufruf oder ungültiges Argument"),
    ("BeyondTheLargestNumber", "2147483648", "cmdAlle", "Laufzeitfehler '6':", "Überlauf"),
]

# Texts put into a box as the clipboard or a drag brings them: how, where, how many characters,
# and whether the page refuses them.
PASTE_ROWS = [
    ("LongestPasteIsTaken", "paste", "txtAlle", 100000, False),
    ("LongerPasteIsRefused", "paste", "txtEingabe", 100001, True),
    ("LongerDropIsRefused", "drop", "txtWurzel", 2500000, True),
]
# The comparison page's line "Zahlen:" says it below the line.
VERGLEICH_PASTE_ROWS = [
    ("LongerPasteIntoTheNumbersLineIsRefused", "paste", "numbers", 100001, True, "numbersProblem"),
    ("LongestDropIntoTheNumbersLineIsTaken", "drop", "numbers", 100000, False, "numbersProblem"),
]

# Each control of the layout, by its element id, as a screen reader gets it; written down from
# the design, not read from the table.
ACCESSIBLE = [
    ("txtEingabe", "textbox", "Eingabe: die zu untersuchende Zahl"),
    ("cmdAlle", "button", "Algorithmus alle"),
    ("cmdHalbe", "button", "Algorithmus Hälfte"),
    ("cmdWurzel", "button", "Algorithmus Wurzel"),
    ("txtAlle", "textbox", "Teiler nach Algorithmus alle"),
    ("txtZeitAlle", "textbox", "Sekunden für Algorithmus alle"),
    ("txtHalbe", "textbox", "Teiler nach Algorithmus Hälfte"),
    ("txtWurzel", "textbox", "Teiler nach Algorithmus Wurzel"),
    ("txtZeitHalbe", "textbox", "Sekunden für Algorithmus Hälfte"),
    ("txtZeitWurzel", "textbox", "Sekunden für Algorithmus Wurzel"),
    ("Command1", "button", "Zeile Algorithmus alle leeren"),
    ("Command2", "button", "Zeile Algorithmus Hälfte leeren"),
    ("Command3", "button", "Zeile Algorithmus Wurzel leeren"),
    ("Label1", "LabelText", "Eingabe"),
    ("Label2", "generic", "Sekunden"),
]

READING_ORDER = ["Label1", "txtEingabe", "Label2",
                 "cmdAlle", "txtZeitAlle", "txtAlle", "Command1",
                 "cmdHalbe", "txtZeitHalbe", "txtHalbe", "Command2",
                 "cmdWurzel", "txtZeitWurzel", "txtWurzel", "Command3"]

# The focus order from the input box on, labels left out.
TAB_ORDER = ["cmdAlle", "cmdHalbe", "cmdWurzel", "txtAlle", "txtZeitAlle", "txtHalbe",
             "txtWurzel", "txtZeitHalbe", "txtZeitWurzel", "Command1", "Command2", "Command3",
             "comparisonLink", "txtEingabe"]

# Positions and sizes at the designed size, in pixels (twips / 15), worked out by hand.
DESIGNED_PIXELS = [
    ("txtEingabe", (32, 48, 401, 41)),
    ("Label2", (440, 56, 401, 33)),
    ("cmdHalbe", (32, 272, 401, 41)),
    ("txtAlle", (32, 152, 817, 91)),
    ("txtZeitWurzel", (432, 432, 417, 41)),
    ("Command3", (832, 416, 17, 17)),
]

CONTROL_IDS = [name for name, _, _ in ACCESSIBLE]


def case_preset(page):
    assert page.driver.title == "Faktorlupe", page.driver.title
    assert page.value("txtEingabe") == "717313"
    for box in ["txtAlle", "txtHalbe", "txtWurzel", "txtZeitAlle", "txtZeitHalbe",
                "txtZeitWurzel"]:
        assert page.value(box) == "", box
    focused = page.driver.execute_script("return document.activeElement.id")
    assert focused == "txtEingabe", focused
    assert page.element("txtEingabe").get_attribute("inputmode") == "decimal"
    link = page.driver.find_element(By.LINK_TEXT, "Laufzeitvergleich").get_attribute("href")
    assert link.endswith("/vergleich.html#zahlen=717313"), link


def scan_case(name, text, buttons, lists):
    def case(page):
        page.scan(text, buttons)
        for box, expected in lists.items():
            assert page.value(box) == expected, (box, page.value(box), expected)
        assert page.value("txtEingabe") == text
    case.__name__ = "case_scan_" + name
    return case


def error_case(name, text, button, heading, message):
    def case(page):
        page.type_input("12")
        page.element("cmdWurzel").click()
        page.wait_idle()
        page.type_input(text)
        page.element(button).click()
        # Open, with the focus on its button.
        WebDriverWait(page.driver, 10).until(lambda d: page.report_open() and d.execute_script(
            "return document.activeElement.id") == "errorReportOk")
        report = page.element("errorReportText").text
        assert report.startswith(heading), report
        assert message in report, report
        # The report is modal: the page behind it takes no click.
        assert page.driver.execute_script(
            "return document.elementFromPoint(20, 20) === document.getElementById('errorReport')"
            " || !document.getElementById('form').contains(document.elementFromPoint(20, 20))")
        page.element("errorReportOk").send_keys(Keys.RETURN)
        WebDriverWait(page.driver, 5).until(lambda d: not page.report_open())
        # What was there stays, and the page goes on.
        assert page.value("txtWurzel") == "1 - 2 - 3 - 4 - 6 - 12", page.value("txtWurzel")
        page.scan("12", ["cmdHalbe"])
        assert page.value("txtHalbe") == "1 - 2 - 3 - 4 - 6 - 12"
    case.__name__ = "case_error_" + name
    return case


def paste_case(name, kind, box, length, refused, told_in="errorReportText"):
    """told_in: where the refusal is told, the error report's text or the sentence below a line."""
    in_report = told_in == "errorReportText"

    def case(page):
        prevented = page.driver.execute_script("""
            const data = new DataTransfer();
            data.setData("text/plain", "7".repeat(arguments[2]));
            const event = arguments[0] === "paste"
                ? new ClipboardEvent("paste", {clipboardData: data, bubbles: true, cancelable: true})
                : new DragEvent("drop", {dataTransfer: data, bubbles: true, cancelable: true});
            document.getElementById(arguments[1]).dispatchEvent(event);
            return event.defaultPrevented;""", kind, box, length)
        told = page.report_open() if in_report \
            else not page.element(told_in).get_property("hidden")
        assert prevented == refused and told == refused, (prevented, refused)
        if refused:
            report = page.element(told_in).text
            # Grouped as the browser's language groups; under "C", as a C locale, not at all.
            grouped = length if page.driver.execute_script("return navigator.language") == "C" \
                else format(length, ",").replace(",", ".")
            assert report == ("Der Text mit %s Zeichen ist zu lang für den freien Arbeitsspeicher"
                              " und wurde nicht eingefügt." % grouped), report
            if in_report:
                page.close_report()
        assert not in_report or not page.busy()
    case.__name__ = "case_" + kind + "_" + name
    return case


def case_error_in_the_page_is_reported_and_the_page_goes_on(page):
    page.driver.execute_script("""
        window.realPost = Worker.prototype.postMessage;
        Worker.prototype.postMessage = function () { throw new Error("eingeschleuster Fehler"); };""")
    page.element("cmdWurzel").click()
    WebDriverWait(page.driver, 10).until(lambda d: page.report_open())
    report = page.element("errorReportText").text
    assert report.startswith("Laufzeitfehler '51':") and "Interner Fehler" in report, report
    page.close_report()
    page.driver.execute_script("Worker.prototype.postMessage = window.realPost;")
    page.scan("12", ["cmdWurzel"])
    assert page.value("txtWurzel") == "1 - 2 - 3 - 4 - 6 - 12", page.value("txtWurzel")


def case_time_with_a_decimal_point_in_c(page):
    page.scan("2095133040", ["cmdHalbe"])
    assert page.value("txtHalbe") == oracle_list(2095133040)
    shown = page.value("txtZeitHalbe")
    assert "," not in shown and float(shown) > 0, shown


def case_x_clears_its_row(page):
    page.scan("97", ["cmdAlle", "cmdHalbe", "cmdWurzel"])
    page.element("Command2").click()
    assert page.value("txtHalbe") == "" and page.value("txtZeitHalbe") == ""
    # What told of the last result goes with it.
    assert page.element("statusLineShown").get_attribute("textContent") == ""
    assert page.element("cmdHalbe").get_attribute("aria-description") is None
    assert page.value("txtAlle") == "1 - 97" and page.value("txtZeitAlle") != ""
    assert page.value("txtWurzel") == "1 - 97" and page.value("txtZeitWurzel") != ""
    assert page.value("txtEingabe") == "97"


def case_megabytes_in_a_box(page):
    # As after pasting a long text: the scans still run, and the text stays where it was.
    page.scan("97", ["cmdHalbe"])
    assert page.engine_starts() == 1
    page.driver.execute_script(
        "document.getElementById('txtAlle').value = '1 - 2'.repeat(arguments[0]);", 1600000)
    page.scan("12", ["cmdHalbe"])
    assert not page.report_open(), page.element("errorReportText").text
    assert page.value("txtHalbe") == "1 - 2 - 3 - 4 - 6 - 12", page.value("txtHalbe")[:80]
    assert len(page.value("txtAlle")) == 8000000
    # The engine's memory grew for the text and is given back: a fresh engine takes over.
    WebDriverWait(page.driver, 10).until(lambda d: page.engine_starts() == 2)
    page.scan("97", ["cmdWurzel"])
    assert page.value("txtWurzel") == "1 - 97", page.value("txtWurzel")


def case_clicks_during_a_scan_run_after_it_in_click_order(page):
    page.scan("12", ["cmdHalbe", "cmdWurzel"])
    long_number = 2095133040  # 1600 divisors: its list grows all through the scan
    page.type_input(str(long_number))
    page.element("cmdAlle").click()
    final = oracle_list(long_number)
    partial = None
    deadline = time.time() + 60
    while page.busy() and time.time() < deadline and partial is None:
        shown = page.value("txtAlle")
        if shown.startswith("1 - ") and len(shown) < len(final):
            partial = shown
        time.sleep(0.05)
    assert page.busy(), "the scan ended before the clicks could be made"
    running = page.driver.find_elements(By.CSS_SELECTOR, "[role=progressbar]")
    assert [r.get_attribute("aria-label") for r in running] == ["Algorithmus >alle< läuft"]
    page.type_input("97")
    for button in ["Command2", "cmdWurzel", "Command3", "cmdHalbe"]:
        page.element(button).click()
    # Nothing of it has run yet: the page answers while the scan's loop runs.
    assert page.value("txtHalbe") == "1 - 2 - 3 - 4 - 6 - 12", page.value("txtHalbe")
    page.wait_idle()
    assert partial and final.startswith(partial), "no growing list was shown while the loop ran"
    assert page.value("txtAlle") == final
    # Seconds, in the browser language's decimal comma (none in a time of whole seconds: "2").
    assert re.fullmatch(r"\d+(,\d+)?", page.value("txtZeitAlle")), page.value("txtZeitAlle")
    # Cleared, then scanned: the row shows 97's list; scanned, then cleared: the row is empty.
    assert page.value("txtHalbe") == "1 - 97", page.value("txtHalbe")
    assert page.value("txtWurzel") == "" and page.value("txtZeitWurzel") == ""
    assert not page.driver.find_elements(By.CSS_SELECTOR, "[role=progressbar]")


def case_result_is_announced_and_in_the_status_line(page):
    page.scan("97", ["cmdAlle"])
    announcement = page.element("announcement")
    WebDriverWait(page.driver, 5).until(lambda d: announcement.get_attribute("textContent"))
    spoken = announcement.get_attribute("textContent")
    # The time as its box shows it: 0, or 0,01 where the scan crossed a hundredth.
    expected = "2 Teiler: 1 und 97, %s Sekunden, " % page.value("txtZeitAlle")
    assert spoken.startswith(expected), (spoken, expected)
    assert announcement.get_attribute("aria-live") == "polite"
    # The window's texts: the row's name, the number, the time, candidates and divisors; where
    # the scan took less than ten steps of the browser's clock, how finely it measures.
    status = page.element("statusLineShown").get_attribute("textContent")
    assert re.fullmatch(r"Algorithmus >alle< mit 97: (unter )?\S+\u00a0(s|ms|µs) · 96 Kandidaten · 2 Teiler"
                        r"( \(der Browser misst auf \d+\u00a0(ms|µs) genau\))?", status), status
    spoken_status = page.element("statusLineSpoken").get_attribute("textContent")
    # Below one step of the clock "unter" the step, not "genau 0".
    assert re.match(r"Algorithmus alle mit 97: (genau (?!0 )\d|unter 1)", spoken_status), \
        spoken_status
    # Heard once: the button's description does not repeat it.
    assert page.element("cmdAlle").get_attribute("aria-description") is None
    # The same result again is spoken again: the region is emptied and filled anew.
    page.driver.execute_script("""
        const region = arguments[0];
        window.announced = [];
        new MutationObserver(() => window.announced.push(region.textContent))
            .observe(region, {childList: true, characterData: true, subtree: true});
    """, announcement)
    page.element("cmdAlle").click()
    page.wait_idle()
    WebDriverWait(page.driver, 5).until(
        lambda d: d.execute_script("return window.announced.length >= 2"))
    announced = page.driver.execute_script("return window.announced")
    assert announced[0] == "" and announced[1].startswith("2 Teiler: 1 und 97"), announced


def case_accessibility_tree_names_every_control(page):
    needs_devtools(page.driver)
    page.driver.execute_cdp_cmd("Accessibility.enable", {})
    nodes = page.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
    by_backend = {node.get("backendDOMNodeId"): node for node in nodes}
    by_id = {node["nodeId"]: node for node in nodes}
    document = page.driver.execute_cdp_cmd("DOM.getDocument", {"depth": -1})
    backends = {}
    for name, role, accessible_name in ACCESSIBLE:
        found = page.driver.execute_cdp_cmd(
            "DOM.querySelector", {"nodeId": document["root"]["nodeId"], "selector": "#" + name})
        backend = page.driver.execute_cdp_cmd(
            "DOM.describeNode", {"nodeId": found["nodeId"]})["node"]["backendNodeId"]
        backends[name] = backend
        node = by_backend.get(backend)
        assert node is not None and not node.get("ignored"), name
        assert node["role"]["value"] == role, (name, node["role"])
        named = node.get("name", {}).get("value", "")
        if not named:
            # A label is named by its text.
            named = "".join(by_id[child].get("name", {}).get("value", "")
                            for child in node.get("childIds", []) if child in by_id)
        assert named == accessible_name, (name, named)
    # Browse mode reads the form row by row: the heading, then each row's button, time, list, "x".
    walked, waiting = [], [nodes[0]["nodeId"]]
    while waiting:
        node = by_id.get(waiting.pop(0))
        if node:
            walked.append(node.get("backendDOMNodeId"))
            waiting[:0] = node.get("childIds", [])
    assert sorted(READING_ORDER, key=lambda name: walked.index(backends[name])) == READING_ORDER


def case_keyboard_alone_with_return(page):
    page.type_input("12")
    focused = []
    for _ in TAB_ORDER:
        page.driver.switch_to.active_element.send_keys(Keys.TAB)
        focused.append(page.driver.execute_script("return document.activeElement.id"))
    assert focused == TAB_ORDER, focused
    # Back to "Algorithmus >Wurzel<" and Return presses it; Space presses "x".
    for _ in range(len(TAB_ORDER) - 1 - TAB_ORDER.index("cmdWurzel")):
        page.driver.switch_to.active_element.send_keys(Keys.SHIFT, Keys.TAB)
    assert page.driver.execute_script("return document.activeElement.id") == "cmdWurzel"
    page.driver.switch_to.active_element.send_keys(Keys.RETURN)
    page.wait_idle()
    assert page.value("txtWurzel") == "1 - 2 - 3 - 4 - 6 - 12", page.value("txtWurzel")
    page.element("Command3").send_keys(Keys.SPACE)
    WebDriverWait(page.driver, 5).until(lambda d: page.value("txtWurzel") == "")
    # The focus is drawn: an outline of some width on the focused button.
    outline = page.driver.execute_script(
        "return getComputedStyle(document.activeElement).outlineWidth")
    assert outline not in ("", "0px"), outline


def contrast(page, name):
    """The contrast ratio of a control's text against its background, as WCAG reckons it."""
    colours = page.driver.execute_script("""
        const element = document.getElementById(arguments[0]);
        let background = element;
        while (background && getComputedStyle(background).backgroundColor === 'rgba(0, 0, 0, 0)')
            background = background.parentElement;
        const canvas = getComputedStyle(document.body).backgroundColor;
        return [getComputedStyle(element).color,
                background ? getComputedStyle(background).backgroundColor : canvas];
    """, name)

    def luminance(css):
        channels = [int(v) / 255 for v in re.findall(r"[\d.]+", css)[:3]]
        linear = [c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4 for c in channels]
        return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]

    lighter, darker = sorted([luminance(colours[0]), luminance(colours[1])], reverse=True)
    return (lighter + 0.05) / (darker + 0.05), colours


def case_colours_are_paired_in_light_and_dark(page):
    # Without DevTools the browser's own scheme is checked.
    devtools = hasattr(page.driver, "execute_cdp_cmd")
    for scheme in ["light", "dark"] if devtools else ["the browser's"]:
        if devtools:
            page.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {
                "features": [{"name": "prefers-color-scheme", "value": scheme}]})
        for name in CONTROL_IDS:
            ratio, colours = contrast(page, name)
            assert ratio >= 4.5, (scheme, name, ratio, colours)
        # The layout's own colours stay in both schemes.
        _, colours = contrast(page, "txtEingabe")
        assert colours == ["rgb(0, 0, 0)", "rgb(255, 255, 128)"], (scheme, colours)
        _, colours = contrast(page, "txtAlle")
        assert colours == ["rgb(0, 0, 128)", "rgb(255, 255, 255)"], (scheme, colours)
    if devtools:
        page.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": []})


def case_form_drawn_to_the_layout_at_one_scale(page):
    for width, height in [(1100, 800), (700, 500)]:
        page.driver.set_window_size(width, height)
        # Read at one moment, so that a resize cannot come between the figures.
        factor, origin, rects = page.driver.execute_script("""
            const twip = parseFloat(getComputedStyle(document.documentElement)
                                    .getPropertyValue('--twip'));
            const form = document.getElementById('form').getBoundingClientRect();
            const rects = arguments[0].map(name => {
                const r = document.getElementById(name).getBoundingClientRect();
                return [r.left, r.top, r.width, r.height];
            });
            return [twip * 15, [form.left, form.top], rects];""",
            [name for name, _ in DESIGNED_PIXELS])
        for (name, expected), rect in zip(DESIGNED_PIXELS, rects):
            drawn = ((rect[0] - origin[0]) / factor, (rect[1] - origin[1]) / factor,
                     rect[2] / factor, rect[3] / factor)
            for got, want in zip(drawn, expected):
                assert abs(got - want) <= 1, (width, name, drawn, expected)


def zoom(page, width, height, percent):
    """The browser's zoom as the page sees it: fewer CSS pixels, more device pixels to each."""
    needs_devtools(page.driver)
    ratio = percent / 100
    page.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": int(width / ratio), "height": int(height / ratio),
        "deviceScaleFactor": ratio, "mobile": False})
    time.sleep(0.3)


def hit_square(page, name, side):
    """Whether a click anywhere in a square of the side, centred over the control and ending at
    its bottom border (up to 3 pixels, as browsers draw it), takes the control: the area a
    fingertip needs."""
    return page.driver.execute_script("""
        const element = document.getElementById(arguments[0]), side = arguments[1];
        element.scrollIntoView({block: "center", inline: "center"});
        const box = element.getBoundingClientRect(), x = (box.left + box.right) / 2;
        const r = {bottom: box.bottom - 3};
        return [[x - side / 2 + 0.5, r.bottom - side + 0.5], [x + side / 2 - 0.5, r.bottom - 0.5],
                [x - side / 2 + 0.5, r.bottom - 0.5], [x + side / 2 - 0.5, r.bottom - side + 0.5]]
            .every(([px, py]) => element.contains(document.elementFromPoint(px, py)));""",
        name, side)


# Window sizes and zoom: the form at the start's fit times the zoom, every "x" a fingertip's.
ZOOM_ROWS = [(1366, 768, 100), (1366, 768, 150), (1366, 768, 200), (700, 500, 100)]


def case_zoom_enlarges_and_targets_stay_large(page):
    start = None
    for width, height, percent in ZOOM_ROWS:
        zoom(page, width, height, percent)
        start = start or page.element("cmdAlle").rect["width"]
        if width == 1366:
            # In CSS pixels as at the start: on the screen the zoom times as large.
            assert abs(page.element("cmdAlle").rect["width"] - start) <= 1, (percent, start)
        for name in ["Command1", "Command2", "Command3"]:
            assert hit_square(page, name, 24), (width, height, percent, name)
        # The status line is whole and scrolled to: nothing cut off.
        page.driver.execute_script("arguments[0].scrollIntoView()", page.element("statusLine"))
        assert page.driver.execute_script("""
            const line = document.getElementById('statusLine').getBoundingClientRect();
            return line.bottom <= innerHeight + 1 && line.top >= -1;"""), percent
    page.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})


def case_ctrl_l_opens_the_comparison_with_the_typed_number(page):
    from selenium.webdriver.common.action_chains import ActionChains
    page.type_input("1.000.003")
    assert page.element("comparisonLink").get_attribute("href").endswith(
        "/vergleich.html#zahlen=1.000.003")
    ActionChains(page.driver).key_down(Keys.CONTROL).send_keys("l").key_up(Keys.CONTROL).perform()
    WebDriverWait(page.driver, 60, poll_frequency=0.05).until(lambda d: len(table_rows(page)) == 1)
    assert table_rows(page)[0][0] == "1" + NBSP + "000" + NBSP + "003", table_rows(page)


CASES = [case_preset] + [scan_case(*row) for row in SCAN_ROWS] + \
    [error_case(*row) for row in ERROR_ROWS] + [paste_case(*row) for row in PASTE_ROWS] + [
    case_error_in_the_page_is_reported_and_the_page_goes_on,
    case_x_clears_its_row,
    case_megabytes_in_a_box,
    case_clicks_during_a_scan_run_after_it_in_click_order,
    case_result_is_announced_and_in_the_status_line,
    case_accessibility_tree_names_every_control,
    case_keyboard_alone_with_return,
    case_colours_are_paired_in_light_and_dark,
    case_form_drawn_to_the_layout_at_one_scale,
    case_zoom_enlarges_and_targets_stay_large,
    case_ctrl_l_opens_the_comparison_with_the_typed_number,
]

NBSP = "\u00a0"


def table_rows(page):
    """The comparison table's rows, each a list of its cells' shown texts."""
    return page.driver.execute_script("""
        return [...document.querySelectorAll('#rows tr')].map(row => [...row.cells].map(
            cell => (cell.querySelector('[aria-hidden]') || cell).textContent));""")


def measure_line(page, line):
    page.element("numbers").send_keys(line)
    page.element("measure").click()
    # Thirty numbers take a quarter of a minute on a quiet machine and minutes on a busy one; the
    # wait ends as soon as they are measured.
    WebDriverWait(page.driver, 300, poll_frequency=0.05).until(
        lambda d: page.element("cancel").get_property("disabled"))


def case_vergleich_numbers_as_pupils_write_them_sorted_with_factors(page):
    assert page.driver.title == "Faktorlupe \u2013 Laufzeitvergleich", page.driver.title
    # A tablet's number keyboard, which still has the "." that groups thousands.
    assert page.element("numbers").get_attribute("inputmode") == "decimal"
    headings = page.driver.execute_script(
        "return [...document.querySelectorAll('thead th[scope=col]')].map(h => h.innerText)")
    assert headings[:3] == ["Zahl", "Teiler", "Kandidaten\nalle"], headings
    assert len(headings) == 11, headings
    measure_line(page, "2.000.003; 97 ;1 000 003")
    rows = table_rows(page)
    assert [row[:3] for row in rows] == [
        ["97", "2", "96"], ["1" + NBSP + "000" + NBSP + "003", "2", "1" + NBSP + "000" + NBSP + "002"],
        ["2" + NBSP + "000" + NBSP + "003", "2", "2" + NBSP + "000" + NBSP + "002"]], rows
    assert page.value("numbers") == ""
    for row in rows:
        assert re.fullmatch(r"[\d,]+\u00a0(ns|µs|ms|s)( ⚠)?", row[3]), row
    # Each time's factor to the row above: none for the first, "× 2,0"-like below.
    assert rows[0][4] == "" and all(re.fullmatch(r"×\u00a0[\d,]+", row[4]) for row in rows[1:])
    assert page.element("progressText").text == "3 von 3"
    WebDriverWait(page.driver, 5).until(lambda d: page.element("announcement").get_attribute(
        "textContent").startswith("Messung fertig: 3 Zahlen in "))


def vergleich_problem_case(name, line, sentence):
    def case(page):
        measure_line(page, line)
        assert page.element("numbersProblem").text == sentence, page.element("numbersProblem").text
        assert page.value("numbers") == line and table_rows(page) == []
        WebDriverWait(page.driver, 5).until(
            lambda d: page.element("announcement").get_attribute("textContent") == sentence)
    case.__name__ = "case_vergleich_refuses_" + name
    return case


def case_vergleich_abbrechen_keeps_what_was_measured(page):
    # "Reihe wählen" by the keyboard: Down opens it on the first series, arrowing starts none.
    focused = lambda: page.driver.execute_script("return document.activeElement.textContent")
    page.element("presets").send_keys(Keys.ARROW_DOWN)
    assert focused() == "Standardreihe (30 Primzahlen)", focused()
    page.driver.switch_to.active_element.send_keys(Keys.ARROW_DOWN)
    assert focused() == "Verdopplung (Primzahlen)" and page.element("progressText").text == "0 von 0"
    page.driver.switch_to.active_element.send_keys(Keys.RETURN)
    assert focused() == "Reihe wählen" and page.element("presetMenu").get_property("hidden")
    assert page.element("progressText").text == "0 von 5"
    page.element("cancel").click()
    assert page.element("cancel").get_property("disabled")
    WebDriverWait(page.driver, 5).until(lambda d: page.element("announcement").get_attribute(
        "textContent").startswith("Messung angehalten nach "))
    # A fresh worker measures what comes next.
    measure_line(page, "12")
    assert table_rows(page)[0][:3] == ["12", "6", "11"], table_rows(page)


def downloaded(page, button, name, folder):
    page.element(button).click()
    path = os.path.join(folder, name)
    WebDriverWait(page.driver, 10).until(lambda d: os.path.exists(path))
    with open(path, encoding="utf-8-sig", newline="") as file:
        return list(csv.reader(file, delimiter=";" if "tabelle" in name else ","))


def case_vergleich_downloads_both_csvs(page):
    needs_devtools(page.driver)
    folder = tempfile.mkdtemp(prefix="faktorlupe-downloads-")
    page.driver.execute_cdp_cmd("Page.setDownloadBehavior",
                                {"behavior": "allow", "downloadPath": folder})
    assert page.element("downloadCsv").get_property("disabled")
    measure_line(page, "97; 12")
    sheet = downloaded(page, "downloadSpreadsheetCsv", "faktorlupe-vergleich-tabelle.csv", folder)
    assert sheet[0][2:5] == ["Kandidaten alle", "Zeit alle (ms)", "Faktor alle"], sheet[0]
    assert [row[:3] for row in sheet[1:]] == [["12", "6", "11"], ["97", "2", "96"]], sheet
    # The factor as the table shows it, as a number; none for the first row.
    assert sheet[1][4] == "" and table_rows(page)[1][4] == "×" + NBSP + sheet[2][4], sheet
    float(sheet[2][3].replace(",", "."))
    script = downloaded(page, "downloadCsv", "faktorlupe-vergleich.csv", folder)
    assert script[0][:2] == ["zahl", "teiler"] and len(script) == 3, script
    assert [int(row[0]) for row in script[1:]] == [12, 97] and float(script[2][3]) > 0, script


def case_vergleich_prints_on_one_a4_page_without_controls(page):
    needs_devtools(page.driver)
    # As many rows as the standard series has.
    measure_line(page, ";".join(str(n) for n in range(2, 32)))
    page.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": "print"})
    shown = page.driver.execute_script("""return ['.controls', '#downloads', '#figures', '#chart']
        .map(s => [...new Set([...document.querySelectorAll(s)]
                              .map(e => getComputedStyle(e).display))].join());""")
    page.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": ""})
    assert shown == ["none", "none", "table", "block"], shown
    pdf = base64.b64decode(page.driver.execute_cdp_cmd("Page.printToPDF", {
        "preferCSSPageSize": True, "printBackground": False})["data"])
    pages = re.findall(rb"/Type\s*/Page[^s]", pdf)
    assert len(pages) == 1, len(pages)


def case_vergleich_link_measures_its_numbers_and_follows_the_series(page):
    url = page.driver.current_url
    page.driver.get("about:blank")
    page = Page(page.driver, url + "#zahlen=1.000.003;97")
    WebDriverWait(page.driver, 60, poll_frequency=0.05).until(lambda d: len(table_rows(page)) == 2)
    assert [row[0] for row in table_rows(page)] == ["97", "1" + NBSP + "000" + NBSP + "003"]
    assert page.driver.execute_script("return location.hash") == "#zahlen=1000003;97"
    measure_line(page, "12")
    assert page.driver.execute_script("return location.hash") == "#zahlen=1000003;97;12"
    page.element("newSeries").click()
    assert page.driver.execute_script("return location.hash") == "" and table_rows(page) == []


def case_vergleich_accessibility_tree_names_every_control_and_the_table_has_headers(page):
    needs_devtools(page.driver)
    measure_line(page, "12")
    page.driver.execute_cdp_cmd("Accessibility.enable", {})
    nodes = page.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
    by_backend = {node.get("backendDOMNodeId"): node for node in nodes}
    document = page.driver.execute_cdp_cmd("DOM.getDocument", {"depth": -1})
    shown = page.driver.execute_cdp_cmd("DOM.querySelectorAll", {
        "nodeId": document["root"]["nodeId"],
        "selector": "button, input, select, a[href], [tabindex]"})["nodeIds"]
    unnamed = []
    for node_id in shown:
        described = page.driver.execute_cdp_cmd("DOM.describeNode", {"nodeId": node_id})["node"]
        node = by_backend.get(described["backendNodeId"])
        if node and not node.get("ignored") and not node.get("name", {}).get("value"):
            unnamed.append((described["localName"], described.get("attributes")))
    assert len(shown) >= 5 and not unnamed, (len(shown), unnamed)
    named = {(node["role"]["value"], node.get("name", {}).get("value")) for node in nodes}
    assert {("table", "Messwerte"), ("columnheader", "Zahl"), ("rowheader", "12")} <= named, \
        sorted(n for n in named if n[0] in ("table", "columnheader", "rowheader"))


def case_vergleich_zoom_cuts_nothing_off_and_targets_stay_large(page):
    measure_line(page, "97; 12")
    sizes = {}
    for width, height, percent in ZOOM_ROWS + [(1920, 1080, 100)]:
        zoom(page, width, height, percent)
        sizes[(width, percent)] = page.driver.execute_script(
            "return parseFloat(getComputedStyle(document.documentElement).fontSize)")
        controls = page.driver.execute_script("""
            return [...document.querySelectorAll('button, input, select, a[href], [tabindex][id]')]
                .filter(control => control.getClientRects().length).map(control => control.id);""")
        for name in controls:
            assert hit_square(page, name, 24), (width, height, percent, name)
        # Each control and the table's last heading scroll into view whole.
        cut = page.driver.execute_script("""
            return [...arguments[0].map(id => document.getElementById(id)),
                    document.querySelector('#headings th:last-child')].filter(element => {
                element.scrollIntoView({block: "nearest", inline: "nearest"});
                const box = element.getBoundingClientRect();
                return box.left < -1 || box.top < -1 || box.right > innerWidth + 1 ||
                       box.bottom > innerHeight + 1;
            }).map(element => element.id || element.textContent);""", controls)
        assert not cut, (width, height, percent, cut)
        # Only the table scrolls sideways, not the page with its controls.
        assert page.driver.execute_script("return document.documentElement.scrollWidth <= "
                                          "document.documentElement.clientWidth"), (width, percent)
    page.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
    # The text grows with the window, for a projector at the back of a room.
    assert sizes[(1920, 100)] > sizes[(1366, 100)], sizes


def chart_ticks(page, axis):
    return page.driver.execute_script(
        "return [...document.querySelectorAll('#chart text[data-axis=%s]')].map(t => t.textContent)"
        % axis)


def case_vergleich_chart_shows_each_figure_with_the_windows_ticks_and_tooltips(page):
    measure_line(page, "400.000.009; 100.000.007")
    WebDriverWait(page.driver, 5).until(
        lambda d: len(d.find_elements(By.CSS_SELECTOR, "#chart .point")) == 2 * 3)
    assert page.driver.find_element(By.CSS_SELECTOR, "#chart title").get_attribute(
        "textContent").startswith("Faktorlupe: Laufzeit der drei Algorithmen")
    logarithmic = chart_ticks(page, "x")
    assert "100" + NBSP + "Mio." in logarithmic and "0" not in logarithmic, logarithmic
    page.element("logarithmic").click()
    linear = chart_ticks(page, "x")
    assert linear[0] == "0" and linear != logarithmic, linear
    # One Tab stop into the chart, the arrows along a scan: alle at 100 Mio., then at 400 Mio.
    page.element("logarithmic").send_keys(Keys.TAB, Keys.ARROW_RIGHT)
    tip = page.element("chartTooltip")
    assert re.fullmatch(r"Zahl: 400\u00a0Mio\.\nAlgorithmus: alle\nZeit: [\d,]+\u00a0(ns|µs|ms|s) "
                        r"\(Messungen \d+\u00a0% auseinander(: unsicher)?\)\n"
                        r"Kandidaten: 400\u00a0Mio\.", tip.get_attribute("textContent")), \
        tip.get_attribute("textContent")
    assert tip.is_displayed()
    page.element("newSeries").click()
    assert page.driver.find_elements(By.CSS_SELECTOR, "#chart .point") == []


def case_vergleich_chart_downloads_as_png_and_svg(page):
    import struct
    import tempfile
    import xml.etree.ElementTree as ElementTree
    needs_devtools(page.driver)
    folder = tempfile.mkdtemp(prefix="faktorlupe-downloads-")
    page.driver.execute_cdp_cmd("Browser.setDownloadBehavior",
                                {"behavior": "allow", "downloadPath": folder})
    measure_line(page, "1.000.003")
    for button, name in [("downloadSvg", "faktorlupe-vergleich.svg"),
                         ("downloadPng", "faktorlupe-vergleich.png")]:
        page.element(button).click()
        path = os.path.join(folder, name)
        WebDriverWait(page.driver, 10).until(lambda d: os.path.exists(path))
        with open(path, "rb") as file:
            content = file.read()
        if name.endswith(".svg"):
            root = ElementTree.fromstring(content)
            svg = "{http://www.w3.org/2000/svg}"
            assert root.tag == svg + "svg" and root.get("width") == "1200", root.attrib
            assert root.find(svg + "title").text.startswith("Faktorlupe: Laufzeit der drei")
        else:
            assert content[:8] == b"\x89PNG\r\n\x1a\n", content[:8]
            assert struct.unpack(">II", content[16:24]) >= (1200, 800), content[16:24]


VERGLEICH_CASES = [
    case_vergleich_chart_shows_each_figure_with_the_windows_ticks_and_tooltips,
    case_vergleich_chart_downloads_as_png_and_svg,
    case_vergleich_link_measures_its_numbers_and_follows_the_series,
    case_vergleich_numbers_as_pupils_write_them_sorted_with_factors,
    vergleich_problem_case("a_decimal_comma", "12,5", "»12,5« ist keine ganze Zahl."),
    vergleich_problem_case("one", "1", "»1« ist zu klein: die kleinste Zahl ist 2."),
    case_vergleich_abbrechen_keeps_what_was_measured,
    case_vergleich_accessibility_tree_names_every_control_and_the_table_has_headers,
    case_vergleich_zoom_cuts_nothing_off_and_targets_stay_large,
    case_vergleich_downloads_both_csvs,
    case_vergleich_prints_on_one_a4_page_without_controls,
] + [paste_case(*row) for row in VERGLEICH_PASTE_ROWS]

# Under the language "C", a tag Intl refuses: the page works, with a decimal point.
CASES_IN_C = [case_time_with_a_decimal_point_in_c, paste_case(*PASTE_ROWS[1])]


def requests_leaving_the_page(driver):
    """Every request the browser logged for the page that is not to a file it holds."""
    leaving = []
    for entry in driver.get_log("performance"):
        message = json.loads(entry["message"])["message"]
        if message["method"] in ("Network.requestWillBeSent", "Network.webSocketCreated"):
            url = message["params"].get("request", {}).get("url") or message["params"].get("url")
            if not url.startswith(("file:", "data:", "blob:")):
                leaving.append(url)
    return leaving


def run(browser, language, url, cases):
    driver = BROWSERS[browser].start(language)
    failures = 0
    try:
        # The browser's own start-up pages are not the page's.
        driver.get("about:blank")
        if hasattr(driver, "execute_cdp_cmd"):
            driver.get_log("performance")
        print("(%s %s)" % (browser, driver.capabilities["browserVersion"]))
        for case in cases:
            name = case.__name__[len("case_"):]
            try:
                page = Page(driver, url)
                case(page)
                print("ok:", name)
            except Skipped as reason:
                print("skip: %s (%s)" % (name, reason))
            except Exception as failure:  # noqa: BLE001 - every case reports, whatever broke
                failures += 1
                print("FAIL:", name, repr(failure))
            driver.set_window_size(1100, 800)
        print("(browser language %s)" % driver.execute_script("return navigator.language"))
        if not hasattr(driver, "execute_cdp_cmd"):
            print("skip: no_request_leaves_the_page, no_errors_in_the_console (no logs)")
            return failures
        leaving = requests_leaving_the_page(driver)
        if leaving:
            failures += 1
            print("FAIL: no_request_leaves_the_page", leaving)
        else:
            print("ok: no_request_leaves_the_page")
        # The one error a case causes on purpose is no fault.
        errors = [e["message"] for e in driver.get_log("browser")
                  if e["level"] == "SEVERE" and "eingeschleuster Fehler" not in e["message"]]
        if errors:
            failures += 1
            print("FAIL: no_errors_in_the_console", errors)
        else:
            print("ok: no_errors_in_the_console")
    finally:
        driver.quit()
    return failures


def main():
    url = "file://" + os.path.abspath(sys.argv[-1])
    browser = sys.argv[2] if sys.argv[1] == "--browser" else "chromium"
    failures = run(browser, "de-DE", url, CASES) + run(browser, "C", url, CASES_IN_C)
    failures += run(browser, "de-DE", url.replace("index.html", "vergleich.html"), VERGLEICH_CASES)
    print("%d failed" % failures)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
