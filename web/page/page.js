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
            const decimal = new Intl.NumberFormat(navigator.language).formatToParts(1.5)
                .find(function (part) { return part.type === "decimal"; });
            decimalSeparator = decimal ? decimal.value : ".";
        }
        return decimalSeparator;
    }

    // Room below the form for the status line, in twips.
    const statusLineHeight = 420;

    // The whole form scales by one factor to fill the window, as the window's form does.
    function fitToWindow() {
        const designedWidth = layout.clientWidth / layout.twipsPerPixel;
        const designedHeight = (layout.clientHeight + statusLineHeight) / layout.twipsPerPixel;
        // Below the smallest factor the page scrolls.
        const factor = Math.max(layout.smallestFactor,
                                Math.min(window.innerWidth / designedWidth,
                                         window.innerHeight / designedHeight));
        document.documentElement.style.setProperty("--twip",
                                                   factor / layout.twipsPerPixel + "px");
    }

    function drawPage() {
        document.title = layout.caption;
        element("errorReportTitle").textContent = layout.caption;
        faktorlupeForm.draw(layout, form);
        const style = statusLine.style;
        style.width = faktorlupeForm.twips(layout.clientWidth);
        style.height = faktorlupeForm.twips(statusLineHeight);
        style.fontFamily = faktorlupeForm.fontFamily(layout, {pointSize: 0});
        style.fontSize = faktorlupeForm.twips(20 * layout.formPointSize);
        fitToWindow();
        window.addEventListener("resize", fitToWindow);
        element(layout.controls[0].name).focus();
    }

    // Clicks waiting to run, in click order: {scan: row} or {clear: row}.
    const clicks = [];
    // A scan runs, or the report of its error is open.
    let busy = false;
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
    }

    // As the window's "x": the row's boxes, what its button and time box tell of the last
    // result, and the status line are emptied.
    function clearRow(row) {
        element(row.result).value = "";
        element(row.time).value = "";
        element(row.scan).removeAttribute("aria-description");
        element(row.time).removeAttribute("aria-description");
        showStatus("", "");
    }

    function startScan(row) {
        setBusy(true);
        const texts = layout.boxes.map(function (box) { return element(box).value; });
        engine.postMessage({kind: "scan", row: row, texts: texts,
                            decimalSeparator: browserDecimalSeparator()});
    }

    // A screen reader speaks a changed live region; the same result twice must be heard twice,
    // so the region is emptied first and filled a moment later.
    function announce(text) {
        announcement.textContent = "";
        setTimeout(function () { announcement.textContent = text; }, 100);
    }

    function showReport(report) {
        element("errorReportText").textContent = report;
        errorReport.showModal();
        element("errorReportOk").focus();
    }

    errorReport.addEventListener("close", function () {
        setBusy(false);
        runWaitingClicks();
    });
    element("errorReportOk").addEventListener("click", function () { errorReport.close(); });

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
        case "end": {
            const row = layout.rows[message.row];
            showStatus(message.statusLine, message.spokenStatusLine);
            statusLine.dataset.seconds = message.seconds;
            // Also the button tells its last result when the focus comes back to it, and the
            // time box its precise figures, as in the window.
            element(row.scan).setAttribute("aria-description", message.announcement);
            element(row.time).setAttribute("aria-description", message.spokenFigures);
            announce(message.announcement);
            setBusy(false);
            runWaitingClicks();
            break;
        }
        case "error":
            showReport(message.report);
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
        if (!engineReady) {
            engine = null;
            element("engineMissing").hidden = false;
            return;
        }
        startEngine();
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
})();
