// Draws the main form from the layout table (layout.js, written at build time from the table the
// window is built from): every control of the table in its order, which is also the tab order,
// where the table puts it, with its kind, text, font, colours and accessible name. Each element's
// id is its control's name. Sizes are twips times --twip, which the page sets to fit the window.
"use strict";

const faktorlupeForm = (function () {
    // The form's fonts by name, with the nearest ones a system without them has.
    function fontFamily(layout, control) {
        return control.pointSize > 0 ? "\"" + layout.controlFont + "\", \"Liberation Serif\", serif"
                                     : "\"" + layout.formFont + "\", \"Liberation Sans\", sans-serif";
    }

    function createElement(control) {
        switch (control.kind) {
        case "SingleLineBox":
        case "MultiLineBox": {
            const tag = control.kind === "SingleLineBox" ? "input" : "textarea";
            const box = document.createElement(tag);
            box.value = control.text;
            box.spellcheck = false;
            box.autocomplete = "off";
            return box;
        }
        case "Button": {
            const button = document.createElement("button");
            button.type = "button";
            button.textContent = control.text;
            return button;
        }
        case "Label": {
            const label = document.createElement(control.buddy ? "label" : "div");
            if (control.buddy)
                label.htmlFor = control.buddy;
            label.textContent = control.text;
            return label;
        }
        }
        throw new Error("unknown control kind " + control.kind);
    }

    function twips(value) {
        return "calc(var(--twip) * " + value + ")";
    }

    // The layout's colours come completed in pairs, as the window draws them: a box's set
    // background with black text, its set text colour on white; the rest stays the scheme's.
    function applyColours(control, element) {
        if (control.background)
            element.style.backgroundColor = control.background;
        if (control.foreground)
            element.style.color = control.foreground;
    }

    function draw(layout, form) {
        form.style.width = twips(layout.clientWidth);
        form.style.height = twips(layout.clientHeight);
        for (const control of layout.controls) {
            const element = createElement(control);
            element.id = control.name;
            element.classList.add("control", control.kind);
            const style = element.style;
            style.left = twips(control.left);
            style.top = twips(control.top);
            style.width = twips(control.width);
            style.height = twips(control.height);
            style.fontFamily = fontFamily(layout, control);
            // A point is 20 twips.
            style.fontSize = twips(20 * (control.pointSize > 0 ? control.pointSize
                                                               : layout.formPointSize));
            // Button captions are centred whatever the table says, as on every desktop.
            if (control.kind === "SingleLineBox" || control.kind === "Label")
                style.textAlign = control.centred ? "center" : "left";
            applyColours(control, element);
            // Smaller than a fingertip: the area that takes a click grows beyond the drawn
            // button, to where nothing else lies.
            if (control.kind === "Button" && Math.min(control.width, control.height) < 360)
                element.classList.add("small-target");
            if (control.accessibleName)
                element.setAttribute("aria-label", control.accessibleName);
            form.appendChild(element);
        }
    }

    // What a screen reader's browse mode reads in turn: the heading controls from the top down,
    // then row by row its button, time, list and "x", as a sighted pupil reads the form. The
    // table's order, which is the Tab order, takes the three buttons first and would read the
    // root scan's list before the half scan's time. The elements stay in the table's order.
    function readInRows(layout, form) {
        const inRows = layout.rows.flatMap(function (row) {
            return [row.scan, row.time, row.result, row.clear];
        });
        const heading = layout.controls
            .filter(function (control) { return !inRows.includes(control.name); })
            .sort(function (a, b) { return a.top - b.top; })
            .map(function (control) { return control.name; });
        form.setAttribute("aria-owns", heading.concat(inRows).join(" "));
    }

    return {draw: draw, readInRows: readInRows, fontFamily: fontFamily, twips: twips};
})();
