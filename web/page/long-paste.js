// A paste or a drop longer than a box takes is refused with a message, on both pages, as the
// window refuses it. The window's bound is what its free memory could lay out; a page cannot ask
// how much memory it has, and its browser freezes long before that runs out, for seconds per
// million characters. 100 000 characters, counted as the window counts them (UTF-16 units), are
// five times the longest list a scan writes (2095133040's 1600 divisors, 20 KB) and paste in a
// fraction of a second.
"use strict";
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
        try {
            return new Intl.NumberFormat(navigator.language).format(count);
        } catch (error) {
            if (error instanceof RangeError)
                return String(count);
            throw error;
        }
    }

    return { refusal: refusal };
})();
