#pragma once

#include <QString>

class QWidget;

namespace faktorlupe {

class RuntimeError;

// The text of a run-time error report, the way users of such programs know it:
// "Laufzeitfehler '6':", a blank line, "Überlauf"; then, after another blank line, the error's
// plain sentence of what happened and what to do instead.
QString errorReportText(const RuntimeError& error);

// Reports a run-time error in a modal message box titled "Faktorlupe" and returns when the user
// has closed it.
void showErrorReport(QWidget* parent, const RuntimeError& error);

} // namespace faktorlupe
