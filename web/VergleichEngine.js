// Around the comparison page's engine (put before its code by emcc --pre-js). In a worker it
// measures: it says when it is ready, warms up, and then answers each number with its figures.
// In the page it reads the line, keeps the table and gives the texts, through Module.vergleichCall.
const vergleichInWorker = typeof WorkerGlobalScope !== "undefined" &&
                          self instanceof WorkerGlobalScope;

// Calls one of the engine's functions that answer in JSON. Both helpers are the page's, through
// Module: the build may rename or drop a function no code of its own calls.
Module["vergleichCall"] = function (name, types, args) {
    return JSON.parse(Module["ccall"](name, "string", types || [], args || []));
};

// A number's figures, as the worker posted them, join the page's table.
Module["vergleichAdd"] = function (figures) {
    const pointer = _malloc(figures.length * 8);
    HEAPF64.set(figures, pointer / 8);
    _vergleich_add(pointer);
    _free(pointer);
};

Module["onAbort"] = function () {
    if (vergleichInWorker)
        postMessage({kind: "failed"});
};

if (vergleichInWorker) {
    // Numbers that come before the engine has started wait for it.
    let waiting = [];
    const measure = function (message) {
        if (message.kind !== "measure")
            return;
        const figures = JSON.parse(UTF8ToString(_vergleich_measure(message.zahl)));
        if (figures.failure)
            postMessage({kind: "failure", sentence: figures.failure});
        else
            postMessage({kind: "figures", figures: figures});
    };
    onmessage = function (event) { waiting.push(event.data); };
    Module["onRuntimeInitialized"] = function () {
        postMessage({kind: "ready"});
        _vergleich_warm_up();
        onmessage = function (event) { measure(event.data); };
        waiting.forEach(measure);
        waiting = [];
    };
} else {
    Module["onRuntimeInitialized"] = function () {
        if (typeof vergleichEngineReady === "function")
            vergleichEngineReady();
    };
}
