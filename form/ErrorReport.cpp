#include "ErrorReport.h"

#include "runtime/RuntimeError.h"

#include <QMessageBox>

namespace faktorlupe {

QString errorReportText(const RuntimeError& error) {
    return QStringLiteral("Laufzeitfehler '%1':\n\n%2")
        .arg(error.code())
        .arg(QString::fromUtf8(error.what()));
}

void showErrorReport(QWidget* parent, const RuntimeError& error) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Faktorlupe"), errorReportText(error),
                    QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("errorReport"));
    box.exec();
}

} // namespace faktorlupe
