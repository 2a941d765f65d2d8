// The page's behaviour, as the window's: the scans run in a worker, so the page never freezes;
// scan and "x" clicks made while a scan runs wait and run after it in click order; a run-time
// error is reported in a modal dialog, after which the page goes on; after each scan the status
// line shows the exact figures and screen readers hear the result. Every text the engine writes
// comes from the engine. Reloading or closing the page ends the worker and its scan with it.
"use strict";

(function () {
    const layout = faktorlupeLayout;
    const form = document.getElementById("form");
    const statusLine = document.getElementById("statusLine");
    const announcement = document.getElementById("announcement");
    const errorReport = document.getElementById("errorReport");
    const element = function (name) { return document.getElementById(name); };

    // The decimal separator of the browser's language, which the stopwatch writes. Looked up at
    // the first scan: the lookup costs a first page a good part of its start.
    let decimalSeparator = null;
    function browserDecimalSeparator() {
        if (decimalSeparator === null) {
            const numbers = browserNumbers();
            const decimal = numbers && numbers.formatToParts(1.5)
                .find(function (part) { return part.type === "decimal"; });
            decimalSeparator = decimal ? decimal.value : ".";
        }
        return decimalSeparator;
    }

    // Room below the form for the status line, in twips.
    const statusLineHeight = 420;

    // The whole form scales by one factor to fill the window, as the window's form does, at
    // the browser's zoom of the page's start; zooming in or out from there scales the form with
    // the text, as on any page. In CSS pixels the window narrows as the zoom grows (1366 pixels
    // at 100 %, 683 at 200 %), so the fit is reckoned in the start's pixels: at 200 % the form
    // is twice the start's size and the page scrolls to the status line.
    const startPixelRatio = window.devicePixelRatio || 1;
    function fitToWindow() {
        const zoom = (window.devicePixelRatio || 1) / startPixelRatio;
        const designedWidth = layout.clientWidth / layout.twipsPerPixel;
        const designedHeight = (layout.clientHeight + statusLineHeight) / layout.twipsPerPixel;
        // Below the smallest factor the page scrolls.
        const factor = Math.max(layout.smallestFactor,
                                Math.min(window.innerWidth * zoom / designedWidth,
                                         window.innerHeight * zoom / designedHeight));
        document.documentElement.style.setProperty("--twip",
                                                   factor / layout.twipsPerPixel + "px");
    }

    function drawPage() {
        document.title = layout.caption;
        element("errorReportTitle").textContent = layout.caption;
        faktorlupeForm.draw(layout, form);
        faktorlupeForm.readInRows(layout, form);
        const style = statusLine.style;
        style.width = faktorlupeForm.twips(layout.clientWidth);
        style.height = faktorlupeForm.twips(statusLineHeight);
        style.fontFamily = faktorlupeForm.fontFamily(layout, {pointSize: 0});
        style.fontSize = faktorlupeForm.twips(20 * layout.formPointSize);
        fitToWindow();
        window.addEventListener("resize", fitToWindow);
        const input = element(layout.controls[0].name);
        // A tablet's number keyboard, which has "-" and the decimal separator too.
        input.inputMode = "decimal";
        input.focus();
    }

    // Clicks waiting to run, in click order: {scan: row} or {clear: row}.
    const clicks = [];
    // A scan runs, or the report of its error is open.
    let busy = false;
    // The engine has a scan to run; its end or error comes.
    let scanSent = false;
    // The engine's memory grew past what it keeps: a fresh one takes over after the scan.
    let engineSpent = false;
    let engine = null;
    let engineReady = false;
    // The report for a worker that fails outside any scan; the engine supplies its text.
    let failureReport = "";

    function setBusy(value) {
        busy = value;
        form.setAttribute("aria-busy", value ? "true" : "false");
        document.documentElement.classList.toggle("scanning", value);
    }

    function remember(click) {
        clicks.push(click);
        runWaitingClicks();
    }

    function runWaitingClicks() {
        while (!busy && clicks.length > 0) {
            const click = clicks[0];
            if (click.scan !== undefined && !engineReady)
                return;
            clicks.shift();
            if (click.scan !== undefined)
                startScan(click.scan);
            else
                clearRow(layout.rows[click.clear]);
        }
    }

    // The status line shows the figures and gives screen readers the same in words.
    function showStatus(shown, spoken) {
        element("statusLineShown").textContent = shown;
        element("statusLineSpoken").textContent = spoken;
        // Orca's status bar command speaks the status line's name, not its text.
        if (spoken)
            statusLine.setAttribute("aria-label", spoken);
        else
            statusLine.removeAttribute("aria-label");
    }

    // As the window's "x": the row's boxes, what its button and time box tell of the last
    // result, and the status line are emptied.
    function clearRow(row) {
        element(row.result).value = "";
        element(row.time).value = "";
        element(row.time).removeAttribute("aria-description");
        showStatus("", "");
    }

    function startScan(row) {
        setBusy(true);
        faktorlupeRunning.show(layout, layout.rows[row]);
        const texts = layout.boxes.map(function (box) { return element(box).value; });
        engine.postMessage({kind: "scan", row: row, texts: texts,
                            decimalSeparator: browserDecimalSeparator()});
        scanSent = true;
    }

    // The scan's last message has come: the engine is free, or replaced when it grew too large.
    function scanEnded() {
        scanSent = false;
        if (engineSpent) {
            engine.terminate();
            startEngine();
        }
    }

    // A screen reader speaks a changed live region; the same result twice must be heard twice,
    // so the region is emptied first and filled a moment later.
    function announce(text) {
        announcement.textContent = "";
        setTimeout(function () { announcement.textContent = text; }, 100);
    }

    // Reports are shown one after the other; the form is free again when the last is closed
    // and no scan is running.
    const reports = [];
    function showReport(report) {
        reports.push(report);
        if (!errorReport.open)
            showNextReport();
    }

    // The report is shown without showModal(), whose dialog Orca 43 in Chromium reads three
    // times as an alert and says nothing of as a plain one, and after which it does not name
    // the button the focus goes back to. The page behind is made inert instead, and the text
    // is the OK button's description: both browsers speak "OK Druckknopf" and the text once.
    let focusBeforeReport = null;
    function showNextReport() {
        element("errorReportText").textContent = reports[0];
        if (focusBeforeReport === null)
            focusBeforeReport = document.activeElement;
        form.inert = true;
        statusLine.inert = true;
        element("comparisonLink").inert = true;
        // The button takes the focus a moment after the report is shown, not as show() gives
        // it at once: Firefox moves its caret into the new dialog after showing it, and Orca
        // followed that instead of the focus given before, saying nothing of the report.
        const ok = element("errorReportOk");
        ok.inert = true;
        errorReport.show();
        setTimeout(function () {
            ok.inert = false;
            ok.focus();
        }, 100);
    }

    errorReport.addEventListener("close", function () {
        reports.shift();
        if (reports.length > 0) {
            showNextReport();
            return;
        }
        form.inert = false;
        statusLine.inert = false;
        element("comparisonLink").inert = false;
        if (focusBeforeReport && form.contains(focusBeforeReport))
            focusBeforeReport.focus();
        focusBeforeReport = null;
        if (!scanSent) {
            setBusy(false);
            runWaitingClicks();
        }
    });

    // An error in the page's own code, in a click or in a message of the engine, is reported as
    // the window reports the errors nobody foresaw; the click it broke is dropped and the page
    // goes on. The browser's console still shows it.
    window.addEventListener("error", function () { showReport(layout.unexpectedReport); });
    window.addEventListener("unhandledrejection", function () {
        showReport(layout.unexpectedReport);
    });

    function refuseLongPaste(event) {
        const refusal = longPaste.refusal(event);
        if (refusal)
            showReport(refusal);
    }
    form.addEventListener("paste", refuseLongPaste, true);
    form.addEventListener("drop", refuseLongPaste, true);
    element("errorReportOk").addEventListener("click", function () { errorReport.close(); });
    errorReport.addEventListener("keydown", function (event) {
        // A modal report keeps the focus: Tab would go to the browser's toolbar.
        if (event.key === "Tab")
            event.preventDefault();
        else if (event.key === "Escape")
            errorReport.close();
    });

    function showEnd(message) {
        const row = layout.rows[message.row];
        showStatus(message.statusLine, message.spokenStatusLine);
        statusLine.dataset.seconds = message.seconds;
        // The result is heard once, from the live region; the time box tells its precise
        // figures when it gets the focus, as in the window.
        element(row.time).setAttribute("aria-description", message.spokenFigures);
        faktorlupeRunning.hide();
        announce(message.announcement);
    }

    function onEngineMessage(event) {
        const message = event.data;
        switch (message.kind) {
        case "ready":
            engineReady = true;
            failureReport = message.failureReport;
            performance.mark("faktorlupe-ready");
            document.documentElement.dataset.ready = "true";
            runWaitingClicks();
            break;
        case "box":
            element(message.box).value = message.text;
            break;
        case "end":
            // Whatever showing the end throws, the scan has ended and the form is freed.
            try {
                showEnd(message);
            } finally {
                scanEnded();
                if (!errorReport.open) {
                    setBusy(false);
                    runWaitingClicks();
                }
            }
            break;
        case "error":
            try {
                faktorlupeRunning.hide();
            } finally {
                scanEnded();
                showReport(message.report);
            }
            break;
        case "spent":
            engineSpent = true;
            break;
        }
    }

    // The engine failed outside any scan's reach: a trap in the WebAssembly, or a browser that
    // cannot run it at all. One that ran before is started anew and the failure reported; one
    // that never loaded is not tried again.
    function engineFailed(worker) {
        if (worker !== engine)
            return;
        worker.terminate();
        scanSent = false;
        if (!engineReady) {
            engine = null;
            element("engineMissing").hidden = false;
            return;
        }
        startEngine();
        faktorlupeRunning.hide();
        showReport(failureReport);
    }

    // The engine runs in a worker started from the text of its script, which the page already
    // holds: a page opened from a file may not fetch a script for a worker.
    function startEngine() {
        const url = URL.createObjectURL(new Blob([faktorlupeEngineSource],
                                                 {type: "text/javascript"}));
        const worker = new Worker(url);
        engine = worker;
        engineReady = false;
        engineSpent = false;
        worker.onmessage = function (event) {
            if (event.data.kind === "ready" || event.data.kind === "failed")
                URL.revokeObjectURL(url);
            if (event.data.kind === "failed")
                engineFailed(worker);
            else
                onEngineMessage(event);
        };
        worker.onerror = function (event) {
            event.preventDefault();
            URL.revokeObjectURL(url);
            engineFailed(worker);
        };
    }

    // The engine loads in its own thread while the form is drawn.
    startEngine();
    drawPage();
    layout.rows.forEach(function (row, index) {
        element(row.scan).addEventListener("click", function () { remember({scan: index}); });
        element(row.clear).addEventListener("click", function () { remember({clear: index}); });
    });
    faktorlupeKeyboard.wrapTabOrder(layout);
    faktorlupeKeyboard.listsFromTheirStart(layout);
    faktorlupeKeyboard.comparisonWithTypedNumber();
})();
