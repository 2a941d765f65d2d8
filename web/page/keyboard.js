// What the keyboard finds on the form beyond the browser's own: the Tab order wraps, as the
// window's does, and a list box entered by Tab shows and reads its first line.
"use strict";

const faktorlupeKeyboard = (function () {
    function focusable(layout) {
        return layout.controls.filter(function (control) { return control.kind !== "Label"; })
            .map(function (control) { return document.getElementById(control.name); });
    }

    // Tab after the page's last control, the link below the status line, goes to the input box
    // and Shift+Tab from it to that link, instead of leaving the page for the browser's toolbar.
    function wrapTabOrder(layout) {
        const controls = focusable(layout);
        const first = controls[0];
        const last = document.getElementById("comparisonLink") || controls[controls.length - 1];
        document.addEventListener("keydown", function (event) {
            if (event.key !== "Tab" || event.altKey || event.ctrlKey || event.metaKey)
                return;
            const target = event.shiftKey ? (event.target === first ? last : null)
                                          : (event.target === last ? first : null);
            if (target) {
                event.preventDefault();
                target.focus();
            }
        });
    }

    // A box keeps its cursor where the last text left it, after the list's end: Tab into the
    // 240 divisors of 720720 would read "120120 - 144144 - ... - 720720". A click still puts
    // the cursor where it lands, since it comes after the focus.
    function listsFromTheirStart(layout) {
        for (const control of layout.controls) {
            if (control.kind !== "MultiLineBox")
                continue;
            document.getElementById(control.name).addEventListener("focus", function (event) {
                event.target.setSelectionRange(0, 0);
                event.target.scrollTop = 0;
            });
        }
    }

    // The link "Laufzeitvergleich" carries the typed number, "vergleich.html#zahlen=1000003",
    // and Ctrl+L follows it, as the window's Ctrl+L opens the comparison with that number. The
    // comparison reads the number as its own line does and says there what is wrong with it.
    // The browser does not get the key too: its address bar would take the focus.
    function comparisonWithTypedNumber() {
        const link = document.getElementById("comparisonLink");
        const input = document.getElementById("txtEingabe");
        const follow = function () {
            const typed = input.value.trim();
            link.href = "vergleich.html" + (typed ? "#zahlen=" + encodeURIComponent(typed) : "");
        };
        input.addEventListener("input", follow);
        link.addEventListener("click", follow);
        follow();
        document.addEventListener("keydown", function (event) {
            if (!event.ctrlKey || event.altKey || event.metaKey || event.shiftKey ||
                event.key.toLowerCase() !== "l")
                return;
            event.preventDefault();
            // Held down, the key would open the page again and again.
            if (!event.repeat) {
                follow();
                location.href = link.href;
            }
        });
    }

    return {wrapTabOrder: wrapTabOrder, listsFromTheirStart: listsFromTheirStart,
            comparisonWithTypedNumber: comparisonWithTypedNumber};
})();
