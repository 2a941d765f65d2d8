// The page's worker around the engine (put before the engine's own code by emcc --pre-js): it
// says when the engine is ready or has failed, hands each scan the texts of the page's boxes and
// runs it. The engine posts the box writes and the scan's end itself.
Module["onAbort"] = function () {
    postMessage({kind: "failed"});
};

Module["onRuntimeInitialized"] = function () {
    postMessage({kind: "ready", failureReport: UTF8ToString(Module["_faktorlupe_failure_report"]())});
};

onmessage = function (event) {
    const message = event.data;
    if (message.kind !== "scan")
        return;
    message.texts.forEach(function (text, box) {
        Module["ccall"]("faktorlupe_receive", null, ["number", "string"], [box, text]);
    });
    Module["ccall"]("faktorlupe_scan", null, ["number", "string"],
                    [message.row, message.decimalSeparator]);
};
