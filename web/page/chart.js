// The comparison page's chart: the window's chart drawn as SVG from the model the engine works
// out (its axes, ticks and their texts, points, guides and legend), redrawn whenever the table
// changes and when the scale is switched. Keyboard: one Tab stop into the chart, the arrow keys
// from point to point (left and right along a scan, up and down between the scans), each point
// showing the window's tooltip. Also writes the chart as an SVG file and as a PNG.
(function () {
    "use strict";

    const SVG = "http://www.w3.org/2000/svg";
    const WIDTH = 1200;
    const HEIGHT = 800;
    // The plot area inside the 1200x800 picture, with room for the title above, the tick texts
    // and axis titles beside and below, and the legend's two rows at the bottom.
    const PLOT = {left: 150, right: 1160, top: 70, bottom: 590};
    const FONT = "DejaVu Sans, Arial, Helvetica, sans-serif";
    // The texts are black on white in the file; the page's style sheet gives the chart its
    // scheme's colours.
    const INK = "#000000";
    const PAPER = "#ffffff";
    const DASHES = {dashed: "12 6", dashDotted: "12 5 3 5", dotted: "3 5"};

    let model = null;
    let focused = 0; // the point that holds the chart's Tab stop

    function element(id) {
        return document.getElementById(id);
    }

    function make(name, attributes, text) {
        const node = document.createElementNS(SVG, name);
        Object.keys(attributes).forEach(function (key) {
            node.setAttribute(key, String(attributes[key]));
        });
        if (text !== undefined)
            node.textContent = text;
        return node;
    }

    function across(axis, at) {
        return PLOT.left + (at - axis.low) / (axis.high - axis.low) * (PLOT.right - PLOT.left);
    }

    function upward(axis, at) {
        return PLOT.bottom - (at - axis.low) / (axis.high - axis.low) * (PLOT.bottom - PLOT.top);
    }

    function label(x, y, text, size, extra) {
        return make("text", Object.assign({x: x, y: y, "font-size": size, fill: INK,
                                           class: "ink"}, extra || {}), text);
    }

    function drawAxes(svg) {
        const x = model.x, y = model.y;
        svg.append(make("rect", {x: PLOT.left, y: PLOT.top, width: PLOT.right - PLOT.left,
                                 height: PLOT.bottom - PLOT.top, fill: "none", stroke: INK,
                                 "stroke-width": 1.5, class: "frame"}));
        x.ticks.forEach(function (tick) {
            const at = across(x, tick.at);
            svg.append(make("line", {x1: at, y1: PLOT.bottom, x2: at, y2: PLOT.bottom + 8,
                                     stroke: INK, class: "frame"}));
            svg.append(label(at, PLOT.bottom + 32, tick.text, 20,
                             {"text-anchor": "middle", "data-axis": "x"}));
        });
        y.ticks.forEach(function (tick) {
            const at = upward(y, tick.at);
            svg.append(make("line", {x1: PLOT.left - 8, y1: at, x2: PLOT.left, y2: at,
                                     stroke: INK, class: "frame"}));
            svg.append(label(PLOT.left - 14, at + 7, tick.text, 20,
                             {"text-anchor": "end", "data-axis": "y"}));
        });
        svg.append(label((PLOT.left + PLOT.right) / 2, PLOT.bottom + 70, x.title, 22,
                         {"text-anchor": "middle", "font-weight": "bold"}));
        const middle = (PLOT.top + PLOT.bottom) / 2;
        svg.append(label(32, middle, y.title, 22,
                         {"text-anchor": "middle", "font-weight": "bold",
                          transform: "rotate(-90 32 " + middle + ")"}));
    }

    function shape(marker, cx, cy, colour, size) {
        const rim = {fill: colour, stroke: INK, "stroke-width": 1.5};
        if (marker === "square")
            return make("rect", Object.assign({x: cx - size, y: cy - size, width: 2 * size,
                                               height: 2 * size}, rim));
        if (marker === "triangle")
            return make("polygon", Object.assign({points: [cx, cy - 1.2 * size, cx + 1.15 * size,
                                                           cy + 0.8 * size, cx - 1.15 * size,
                                                           cy + 0.8 * size].join(" ")}, rim));
        return make("circle", Object.assign({cx: cx, cy: cy, r: size}, rim));
    }

    function polyline(points, colour, width, dashes) {
        const attributes = {points: points.map(function (p) { return p.join(","); }).join(" "),
                            fill: "none", stroke: colour, "stroke-width": width};
        if (dashes)
            attributes["stroke-dasharray"] = dashes;
        return make("polyline", attributes);
    }

    // The measured lines and guides, then the points above all lines, each a stop of the
    // chart's roving focus, named by the figures its tooltip gives.
    function drawScans(svg) {
        const place = function (p) { return [across(model.x, p.x), upward(model.y, p.y)]; };
        model.scans.forEach(function (scan) {
            svg.append(polyline(scan.guide.map(function (p) { return place({x: p[0], y: p[1]}); }),
                                scan.colour, 2, DASHES[scan.dashes]));
            svg.append(polyline(scan.points.map(place), scan.colour, 3));
        });
        const points = make("g", {id: "chartPoints"});
        model.scans.forEach(function (scan, index) {
            scan.points.forEach(function (point, order) {
                const at = place(point);
                const mark = shape(scan.marker, at[0], at[1], scan.colour, 8);
                mark.setAttribute("class", "point");
                mark.setAttribute("role", "img");
                mark.setAttribute("aria-label", point.tooltip.split("\n").join(", "));
                mark.setAttribute("tabindex", "-1");
                mark.dataset.scan = String(index);
                mark.dataset.order = String(order);
                mark.dataset.tooltip = point.tooltip;
                points.append(mark);
            });
        });
        svg.append(points);
    }

    // Six entries in two rows: the measured lines with their markers, the guides with their
    // dashes below them.
    function drawLegend(svg) {
        model.scans.forEach(function (scan, index) {
            const left = 90 + index * 370;
            [[scan.name, null], [scan.guideName, DASHES[scan.dashes]]].forEach(function (entry, row) {
                const y = 705 + row * 40;
                svg.append(polyline([[left, y], [left + 50, y]], scan.colour, row ? 2 : 3,
                                    entry[1]));
                if (!row)
                    svg.append(shape(scan.marker, left + 25, y, scan.colour, 7));
                svg.append(label(left + 62, y + 7, entry[0], 20));
            });
        });
    }

    function points() {
        return Array.prototype.slice.call(element("chart").querySelectorAll(".point"));
    }

    function draw() {
        const svg = element("chart");
        model = Module.vergleichCall("vergleich_chart", ["number"],
                                     [element("logarithmic").checked ? 1 : 0]);
        const hadFocus = svg.contains(document.activeElement);
        svg.replaceChildren(make("title", {id: "chartTitle"}, model.title),
                            make("desc", {id: "chartDesc"}, model.summary),
                            make("rect", {width: WIDTH, height: HEIGHT, fill: PAPER,
                                          class: "paper"}));
        svg.append(label(WIDTH / 2, 40, model.title, 28,
                         {"text-anchor": "middle", "font-weight": "bold"}));
        drawAxes(svg);
        drawScans(svg);
        drawLegend(svg);
        const all = points();
        focused = Math.min(focused, Math.max(all.length - 1, 0));
        if (all.length)
            all[focused].setAttribute("tabindex", "0");
        hideTooltip();
        if (hadFocus && all.length)
            all[focused].focus();
    }

    function showTooltip(mark) {
        const tip = element("chartTooltip");
        const figure = element("chartFigure").getBoundingClientRect();
        const box = mark.getBoundingClientRect();
        tip.textContent = mark.dataset.tooltip;
        tip.hidden = false;
        // Beside the point, or left of it where the right edge would cut it off (the points of
        // the largest number stand at the chart's right).
        let left = box.right - figure.left + 8;
        if (left + tip.offsetWidth > figure.width)
            left = Math.max(0, box.left - figure.left - 8 - tip.offsetWidth);
        tip.style.left = left + "px";
        tip.style.top = (box.bottom - figure.top + 8) + "px";
    }

    function hideTooltip() {
        element("chartTooltip").hidden = true;
    }

    function moveFocus(to) {
        const all = points();
        if (!all.length)
            return;
        all[focused].setAttribute("tabindex", "-1");
        focused = Math.max(0, Math.min(to, all.length - 1));
        all[focused].setAttribute("tabindex", "0");
        all[focused].focus();
    }

    // The point of the next or previous scan nearest in order to the one focused.
    function inScan(step) {
        const all = points();
        const here = all[focused];
        const scan = Number(here.dataset.scan) + step;
        const order = Number(here.dataset.order);
        let best = focused;
        all.forEach(function (mark, index) {
            if (Number(mark.dataset.scan) === scan &&
                (best === focused || Number(mark.dataset.order) <= order))
                best = index;
        });
        return best;
    }

    function onKey(event) {
        const last = points().length - 1;
        const targets = {ArrowRight: focused + 1, ArrowLeft: focused - 1, Home: 0, End: last};
        if (event.key in targets)
            moveFocus(targets[event.key]);
        else if (event.key === "ArrowDown" || event.key === "ArrowUp")
            moveFocus(inScan(event.key === "ArrowDown" ? 1 : -1));
        else if (event.key === "Escape")
            hideTooltip();
        else
            return;
        event.preventDefault();
    }

    // The chart as a file of its own: its size, its fonts and colours written on it, no style
    // sheet of the page needed, and without the page's focus stops.
    function svgText() {
        const copy = element("chart").cloneNode(true);
        copy.setAttribute("xmlns", SVG);
        copy.setAttribute("width", WIDTH);
        copy.setAttribute("height", HEIGHT);
        copy.setAttribute("font-family", FONT);
        ["id", "role", "aria-labelledby", "aria-describedby", "class"].forEach(function (name) {
            copy.removeAttribute(name);
        });
        copy.querySelectorAll("[tabindex]").forEach(function (node) {
            node.removeAttribute("tabindex");
        });
        return '<?xml version="1.0" encoding="UTF-8"?>\n' +
               new XMLSerializer().serializeToString(copy);
    }

    // A file the page made itself, through a link to it: a page opened from a file may not
    // fetch. The page's CSV downloads go this way too.
    function save(blob, name) {
        const link = document.createElement("a");
        link.href = URL.createObjectURL(blob);
        link.download = name;
        document.body.append(link);
        link.click();
        link.remove();
        setTimeout(function () { URL.revokeObjectURL(link.href); }, 10000);
    }

    function saveSvg() {
        save(new Blob([svgText()], {type: "image/svg+xml"}), "faktorlupe-vergleich.svg");
    }

    // The SVG drawn onto a canvas of its own size through an image, and that written as PNG.
    function savePng() {
        const picture = new Image();
        const url = URL.createObjectURL(new Blob([svgText()], {type: "image/svg+xml"}));
        picture.onload = function () {
            const canvas = document.createElement("canvas");
            canvas.width = WIDTH;
            canvas.height = HEIGHT;
            canvas.getContext("2d").drawImage(picture, 0, 0, WIDTH, HEIGHT);
            URL.revokeObjectURL(url);
            canvas.toBlob(function (blob) { save(blob, "faktorlupe-vergleich.png"); }, "image/png");
        };
        picture.src = url;
    }

    function connect() {
        const svg = element("chart");
        svg.addEventListener("keydown", onKey);
        svg.addEventListener("focusin", function (event) {
            if (event.target.classList.contains("point")) {
                const all = points();
                all[focused].setAttribute("tabindex", "-1");
                focused = all.indexOf(event.target);
                event.target.setAttribute("tabindex", "0");
                showTooltip(event.target);
            }
        });
        svg.addEventListener("focusout", hideTooltip);
        svg.addEventListener("mouseover", function (event) {
            if (event.target.classList.contains("point"))
                showTooltip(event.target);
        });
        svg.addEventListener("mouseout", function (event) {
            if (event.target.classList.contains("point") && !event.target.matches(":focus"))
                hideTooltip();
        });
        element("logarithmic").addEventListener("change", draw);
        element("downloadPng").addEventListener("click", savePng);
        element("downloadSvg").addEventListener("click", saveSvg);
    }

    window.vergleichSave = save;

    // Called by the page whenever its table has changed.
    window.vergleichChartChanged = function () {
        if (!model)
            connect();
        draw();
    };
})();
