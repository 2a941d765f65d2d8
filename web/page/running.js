// A sign in the running row's time box that its scan runs, seen also on a tablet, where no
// mouse cursor turns busy: a moving bar that screen readers know as "Algorithmus >alle< läuft".
// Gone when the scan ends, also by an error.
"use strict";

const faktorlupeRunning = (function () {
    let indicator = null;

    function show(layout, row) {
        hide();
        const time = layout.controls.find(function (control) { return control.name === row.time; });
        indicator = document.createElement("div");
        indicator.className = "running";
        indicator.setAttribute("role", "progressbar");
        indicator.setAttribute("aria-label",
                               document.getElementById(row.scan).textContent + " läuft");
        // Over the time box's right end, a third of its width, inside its border.
        const inset = time.height / 6;
        indicator.style.left = faktorlupeForm.twips(time.left + time.width * 2 / 3 - inset);
        indicator.style.top = faktorlupeForm.twips(time.top + inset);
        indicator.style.width = faktorlupeForm.twips(time.width / 3);
        indicator.style.height = faktorlupeForm.twips(time.height - 2 * inset);
        document.getElementById("form").appendChild(indicator);
    }

    function hide() {
        if (indicator)
            indicator.remove();
        indicator = null;
    }

    return {show: show, hide: hide};
})();
