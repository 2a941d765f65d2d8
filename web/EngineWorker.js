// The page's worker around the engine (put before the engine's own code by emcc --pre-js): it
// says when the engine is ready or has failed, hands each scan the texts of the page's boxes and
// runs it. The engine posts the box writes and the scan's end itself; the worker says beforehand
// when its memory has grown too large to keep.
// The heap grows to hold the boxes' texts and the engine's copies of them, and WebAssembly never
// gives memory back: after a huge text the worker would keep its memory at its height for good.
// Nothing the scans write needs more than the heap they start with (the longest list,
// 2095133040's 1600 divisors, is 20 KB; the heap's first 16 MB take a box of about 5 million
// characters), so a heap that has grown has held a huge text, and the page starts a fresh engine
// once this scan has ended.
let heapAtStart = 0;

Module["onAbort"] = function () {
    postMessage({kind: "failed"});
};

Module["onRuntimeInitialized"] = function () {
    heapAtStart = HEAPU8.length;
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
    const received = message.texts.every(function (text, box) { return receiveBox(box, text); });
    if (HEAPU8.length > heapAtStart)
        postMessage({kind: "spent"});
    if (!received) {
        _faktorlupe_report_out_of_memory(message.row);
        return;
    }
    Module["ccall"]("faktorlupe_scan", null, ["number", "string"],
                    [message.row, message.decimalSeparator]);
};
