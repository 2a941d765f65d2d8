#pragma once

#include <QString>

namespace faktorlupe {

// Opens the comparison window of faktorlupe-vergleich for a number, as a program of its own, so
// that the main form links none of the comparison's code. The program is looked for beside the
// running one, as installed (/usr/bin), and where the build tree puts it (build/vergleich/ beside
// build/app/). Returns what the status line says about it: which number is being compared, or
// why nothing was started. programFolder is where the running program lies.
QString openComparison(const QString& inputText, const QString& programFolder);

} // namespace faktorlupe
