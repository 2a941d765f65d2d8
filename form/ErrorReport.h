#pragma once

#include <QString>

class QWidget;

namespace faktorlupe {

class RuntimeError;

// The text of a run-time error report (reportText: "Laufzeitfehler '6':", a blank line,
// "Überlauf", another blank line and the error's plain sentence).
QString errorReportText(const RuntimeError& error);

// Reports a run-time error in a modal message box titled "Faktorlupe" and returns when the user
// has closed it.
void showErrorReport(QWidget* parent, const RuntimeError& error);

} // namespace faktorlupe
