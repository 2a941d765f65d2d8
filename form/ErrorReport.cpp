#include "form/ErrorReport.h"

#include "runtime/RuntimeError.h"

#include <QMessageBox>

namespace faktorlupe {

QString errorReportText(const RuntimeError& error) {
    return QString::fromStdString(reportText(error));
}

void showErrorReport(QWidget* parent, const RuntimeError& error) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Faktorlupe"), errorReportText(error),
                    QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("errorReport"));
    box.exec();
}

} // namespace faktorlupe
