// Writes a script as a string variable into another script:
//     node embed-script.js NAME SCRIPT OUTPUT
// so that a page opened from a file, which may not fetch it, can start a worker from it.
"use strict";
const fs = require("fs");
const [name, script, output] = process.argv.slice(2);
const text = fs.readFileSync(script, "utf8");
fs.writeFileSync(output, "// Written at build time; do not edit.\n\"use strict\";\nconst " + name +
                 " = " + JSON.stringify(text) + ";\n");
