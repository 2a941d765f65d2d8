// The page's worker around the engine (put before the engine's own code by emcc --pre-js): it
// says when the engine is ready or has failed, hands each scan the texts of the page's boxes and
// runs it. The engine posts the box writes and the scan's end itself.
Module["onAbort"] = function () {
    postMessage({kind: "failed"});
};

Module["onRuntimeInitialized"] = function () {
    postMessage({kind: "ready", failureReport: UTF8ToString(Module["_faktorlupe_failure_report"]())});
};

// A box may hold megabytes: its text goes to the engine through the heap, which grows as
// needed, not through the stack, which does not. Returns false when memory ran out.
function receiveBox(box, text) {
    const size = lengthBytesUTF8(text) + 1;
    const pointer = _malloc(size);
    if (!pointer)
        return false;
    stringToUTF8(text, pointer, size);
    const received = _faktorlupe_receive(box, pointer);
    _free(pointer);
    return received !== 0;
}

onmessage = function (event) {
    const message = event.data;
    if (message.kind !== "scan")
        return;
    if (!message.texts.every(function (text, box) { return receiveBox(box, text); })) {
        _faktorlupe_report_out_of_memory(message.row);
        return;
    }
    Module["ccall"]("faktorlupe_scan", null, ["number", "string"],
                    [message.row, message.decimalSeparator]);
};
