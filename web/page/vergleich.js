// The comparison page: the window's series, table and words, all from the engine's C++. The
// engine runs twice from the text it is embedded as: in a worker, which measures one number at a
// time, and here, where it reads the line, keeps the table and gives every text shown or said.
(function () {
    "use strict";

    function element(id) {
        return document.getElementById(id);
    }

    // The series since the last Neue Reihe: what was measured, what waits, and the measuring
    // that runs now (what was measured before it, and when it began).
    // Its link names the preset it started from, or all its numbers.
    const series = {done: 0, waiting: [], busy: false, run: null, numbers: [], preset: null};
    let presets = [];
    let worker = null;

    function total() {
        return series.done + series.waiting.length;
    }

    function words() {
        const run = series.run;
        return Module.vergleichCall("vergleich_words", ["number", "number", "number", "number"],
                             [series.done, total(), run ? run.doneBefore : series.done,
                              run ? (performance.now() - run.start) / 1000 : 0]);
    }

    // One live region for all that is said: emptied first, so that the same words are said again.
    function announce(text) {
        const region = element("announcement");
        region.textContent = "";
        setTimeout(function () { region.textContent = text; }, 50);
    }

    function showProgress() {
        const bar = element("progress");
        bar.max = Math.max(total(), 1);
        bar.value = series.done;
        element("progressText").textContent = words().progress;
        element("cancel").disabled = !series.run;
        // No aria-busy on the page while it measures: Orca in Firefox then holds the live
        // region's news until the end and takes the end for the page's loading done, whose
        // summary drops what it held, so that neither start nor end was heard.
    }

    function showProblem(id, sentence) {
        element(id).textContent = sentence;
        element(id).hidden = !sentence;
        if (sentence)
            announce(sentence);
    }

    // A cell as the window's: its text shown, its spoken form heard ("69,9 ms, unsicher"), its
    // tooltip on hover.
    function fillCell(cell, figure) {
        if (figure.spoken) {
            const shown = document.createElement("span");
            shown.setAttribute("aria-hidden", "true");
            shown.textContent = figure.text;
            const spoken = document.createElement("span");
            spoken.className = "spoken-only";
            spoken.textContent = figure.spoken;
            cell.append(shown, spoken);
        } else {
            cell.textContent = figure.text;
        }
        if (figure.tooltip)
            cell.title = figure.tooltip;
    }

    function drawTable() {
        const table = Module.vergleichCall("vergleich_table");
        const headings = element("headings");
        if (!headings.children.length) {
            table.headings.forEach(function (heading) {
                const cell = document.createElement("th");
                cell.scope = "col";
                heading.split("\n").forEach(function (line, i) {
                    if (i > 0)
                        cell.append(document.createElement("br"));
                    cell.append(line);
                });
                headings.append(cell);
            });
        }
        const body = element("rows");
        body.replaceChildren();
        table.rows.forEach(function (row) {
            const line = document.createElement("tr");
            row.forEach(function (figure, column) {
                // The row's number heads it, read with each of its cells.
                const cell = document.createElement(column === 0 ? "th" : "td");
                if (column === 0)
                    cell.scope = "row";
                fillCell(cell, figure);
                line.append(cell);
            });
            body.append(line);
        });
        window.vergleichChartChanged();
        enableDownloads();
    }

    // Nothing to download before the first figures.
    function enableDownloads() {
        const empty = !element("rows").children.length;
        element("downloads").querySelectorAll("button").forEach(function (button) {
            button.disabled = empty;
        });
    }

    // The text is what the window writes.
    function downloadCsv(forSpreadsheet, name) {
        const text = Module.ccall("vergleich_csv", "string", ["number"], [forSpreadsheet ? 1 : 0]);
        window.vergleichSave(new Blob([text], {type: "text/csv;charset=utf-8"}), name);
    }

    function startNext() {
        if (series.busy || !series.waiting.length)
            return;
        series.busy = true;
        element("measurementProblem").hidden = true;
        worker.postMessage({kind: "measure", zahl: series.waiting[0]});
    }

    // Measures the numbers and says the lead ("2 Zahlen übernommen") and, if none ran, that a
    // measuring starts, in one announcement.
    function measure(numbers, lead) {
        series.waiting = series.waiting.concat(numbers);
        series.numbers = series.numbers.concat(numbers);
        followSeries();
        if (!series.run && numbers.length) {
            series.run = {doneBefore: series.done, start: performance.now()};
            lead = (lead ? lead + ". " : "") + words().started;
        }
        startNext();
        showProgress();
        if (lead)
            announce(lead);
    }

    function finishedIfDone() {
        if (series.busy || series.waiting.length || !series.run)
            return;
        announce(words().finished);
        series.run = null;
    }

    // The worker may be ready before the page's own engine, which gives the texts.
    function onWorkerMessage(message) {
        if (message.kind === "ready")
            return;
        if (message.kind === "figures") {
            series.busy = false;
            series.waiting.shift();
            series.done += 1;
            Module.vergleichAdd(message.figures);
            drawTable();
            finishedIfDone();
            startNext();
        } else if (message.kind === "failure") {
            // The figures so far stay, with the sentence saying why no more came.
            series.busy = false;
            series.waiting = [];
            series.run = null;
            showProblem("measurementProblem", message.sentence);
        } else if (message.kind === "failed") {
            element("engineMissing").hidden = false;
        }
        showProgress();
    }

    // The worker starts from the engine's text, which the page already holds: a page opened
    // from a file may not fetch a script for a worker. It warms up before its first number.
    function startWorker() {
        const url = URL.createObjectURL(new Blob([faktorlupeVergleichSource],
                                                 {type: "text/javascript"}));
        worker = new Worker(url);
        worker.onmessage = function (event) {
            if (event.data.kind === "ready")
                URL.revokeObjectURL(url);
            onWorkerMessage(event.data);
        };
        worker.onerror = function (event) {
            event.preventDefault();
            element("engineMissing").hidden = false;
        };
    }

    // A number takes up to seconds in one run, which the worker cannot break off: stopping
    // ends the worker, and a fresh one measures what comes next.
    function stopMeasuring() {
        if (series.run)
            announce(words().stopped);
        series.run = null;
        series.waiting = [];
        if (series.busy) {
            worker.terminate();
            series.busy = false;
            startWorker();
        }
        showProgress();
    }

    function startOver() {
        stopMeasuring();
        series.done = 0;
        series.numbers = [];
        series.preset = null;
        followSeries();
        Module.ccall("vergleich_clear_table", null, [], []);
        element("measurementProblem").hidden = true;
        drawTable();
        showProgress();
    }

    // A preset's link word: the first of its name, "verdopplung" for "Verdopplung (Primzahlen)".
    function linkWord(preset) {
        return preset.name.split(" ")[0].toLowerCase();
    }

    // The address follows the series, so that a teacher can hand out its link:
    // "vergleich.html#reihe=verdopplung", "vergleich.html#zahlen=1000003;2000003".
    function followSeries() {
        let link = "";
        if (series.preset && series.numbers.length === series.preset.numbers.length)
            link = "#reihe=" + linkWord(series.preset);
        else if (series.numbers.length)
            link = "#zahlen=" + series.numbers.join(";");
        if (link !== location.hash)
            history.replaceState(null, "", link || location.pathname);
    }

    function startPreset(preset) {
        series.run = null; // a new series, not an interrupted one
        startOver();
        series.preset = preset;
        measure(preset.numbers, "");
    }

    // Opened by such a link, the page measures what it names; a wrong number in it stands in
    // the line with its sentence.
    function measureLink() {
        const link = /^#(zahlen|reihe)=(.*)$/.exec(location.hash);
        if (!link)
            return;
        const named = decodeURIComponent(link[2]);
        if (link[1] === "reihe") {
            const preset = presets.find(function (p) { return linkWord(p) === named.toLowerCase(); });
            if (preset)
                startPreset(preset);
            return;
        }
        const read = Module.vergleichCall("vergleich_read", ["string"], [named]);
        if (read.problem) {
            element("numbers").value = named;
            showProblem("numbersProblem", read.problem);
            return;
        }
        series.run = null;
        startOver();
        measure(read.numbers, read.taken);
    }

    function measureTypedNumbers() {
        const read = Module.vergleichCall("vergleich_read", ["string"], [element("numbers").value]);
        if (read.problem) {
            showProblem("numbersProblem", read.problem);
            return;
        }
        element("numbers").value = "";
        measure(read.numbers, read.taken);
    }

    // "Reihe wählen" opens a menu of the presets, as the window's button does. Choosing one
    // starts it at once; a native <select> would start one at every arrow key in Chromium, which
    // fires "change" for each step through a closed list. The keys are a menu button's: Enter,
    // Space or Down open it on the first entry, Up on the last, the arrows, Home and End move,
    // Enter or Space chooses, Escape closes it back to the button, Tab closes it and goes on.
    function connectPresetMenu() {
        const button = element("presets");
        const menu = element("presetMenu");
        const items = presets.map(function (preset) {
            const item = document.createElement("li");
            item.setAttribute("role", "menuitem");
            item.tabIndex = -1;
            item.textContent = preset.name;
            item.title = preset.description;
            item.addEventListener("click", function () { choose(preset); });
            menu.append(item);
            return item;
        });
        function open(at) {
            menu.hidden = false;
            button.setAttribute("aria-expanded", "true");
            items[(at + items.length) % items.length].focus();
        }
        function close(backToButton) {
            menu.hidden = true;
            button.setAttribute("aria-expanded", "false");
            if (backToButton)
                button.focus();
        }
        function choose(preset) {
            close(true);
            startPreset(preset);
        }
        button.addEventListener("click", function () {
            if (menu.hidden)
                open(0);
            else
                close(true);
        });
        button.addEventListener("keydown", function (event) {
            const at = {ArrowDown: 0, ArrowUp: -1}[event.key];
            if (at === undefined)
                return;
            event.preventDefault();
            open(at);
        });
        menu.addEventListener("keydown", function (event) {
            const now = items.indexOf(document.activeElement);
            const step = {ArrowDown: now + 1, ArrowUp: now - 1, Home: 0, End: -1}[event.key];
            if (step !== undefined) {
                event.preventDefault();
                items[(step + items.length) % items.length].focus();
            } else if (event.key === "Enter" || event.key === " ") {
                event.preventDefault();
                if (now >= 0)
                    choose(presets[now]);
            } else if (event.key === "Escape") {
                event.preventDefault();
                close(true);
            } else if (event.key === "Tab") {
                // From the button, so that the Tab goes on to the control after it; from the
                // hidden entry it went to the page's start.
                close(true);
            }
        });
        // A click elsewhere closes it, as the focus leaving it does.
        menu.addEventListener("focusout", function (event) {
            if (!menu.contains(event.relatedTarget) && event.relatedTarget !== button)
                close(false);
        });
    }

    function connectControls() {
        element("measure").addEventListener("click", measureTypedNumbers);
        element("numbers").addEventListener("keydown", function (event) {
            if (event.key === "Enter")
                measureTypedNumbers();
        });
        // A sentence about the line is about what stood there; a changed line has none yet.
        element("numbers").addEventListener("input", function () {
            element("numbersProblem").hidden = true;
        });
        for (const kind of ["paste", "drop"])
            element("numbers").addEventListener(kind, function (event) {
                const refusal = longPaste.refusal(event);
                if (refusal)
                    showProblem("numbersProblem", refusal);
            });
        element("newSeries").addEventListener("click", startOver);
        element("cancel").addEventListener("click", stopMeasuring);
        element("downloadSpreadsheetCsv").addEventListener("click", function () {
            downloadCsv(true, "faktorlupe-vergleich-tabelle.csv");
        });
        element("downloadCsv").addEventListener("click", function () {
            downloadCsv(false, "faktorlupe-vergleich.csv");
        });
        connectPresetMenu();
        window.addEventListener("hashchange", measureLink);
    }

    window.vergleichEngineReady = function () {
        presets = Module.vergleichCall("vergleich_presets");
        connectControls();
        drawTable();
        showProgress();
        performance.mark("vergleich-ready");
        document.documentElement.dataset.ready = "true";
        measureLink();
    };

    // The page's own copy of the engine, from the same text as the worker's.
    startWorker();
    const script = document.createElement("script");
    script.src = URL.createObjectURL(new Blob([faktorlupeVergleichSource],
                                              {type: "text/javascript"}));
    script.onerror = function () { element("engineMissing").hidden = false; };
    document.body.append(script);
})();
