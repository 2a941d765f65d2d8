// A paste or a drop longer than a box takes is refused with a message, on both pages, as the
// window refuses it. The window's bound is what its free memory could lay out; a page cannot ask
// how much memory it has, and its browser freezes long before that runs out, for seconds per
// million characters. 100 000 characters, counted as the window counts them (UTF-16 units), are
// five times the longest list a scan writes (2095133040's 1600 divisors, 20 KB) and paste in a
// fraction of a second.
"use strict";

// Numbers as the browser's language writes them, for both pages. A tag Intl refuses ("C", which
// WebKitGTK reports under LANG=C.UTF-8) is taken as the desktop takes a C locale: a decimal point
// and no grouping, which is what null stands for.
function browserNumbers() {
    try {
        return new Intl.NumberFormat(navigator.language);
    } catch (error) {
        if (error instanceof RangeError)
            return null;
        throw error;
    }
}

const longPaste = (function () {
    const longest = 100000;

    // The sentence for a paste or drop event that brings too long a text, else null; the
    // refused text is kept out of the box.
    function refusal(event) {
        const data = event.clipboardData || event.dataTransfer;
        const length = data ? data.getData("text/plain").length : 0;
        if (length <= longest)
            return null;
        event.preventDefault();
        return "Der Text mit " + grouped(length) +
               " Zeichen ist zu lang für den freien Arbeitsspeicher und wurde nicht eingefügt.";
    }

    // As the browser's language writes the count: "20.000.000" in German.
    function grouped(count) {
        const numbers = browserNumbers();
        return numbers ? numbers.format(count) : String(count);
    }

    return { refusal: refusal };
})();
